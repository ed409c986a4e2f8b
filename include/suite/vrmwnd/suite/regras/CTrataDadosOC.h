// Regras da ordem de compra: a liberação de uma ordem confere as parcelas com o
// orçamento da empresa e, quando alguma conta passa do previsto, pergunta à tela,
// pela operação OnDoModalOrcamento que a camada de janelas implementa, se a ordem é
// liberada mesmo assim.
#pragma once

#include "vrmwnd/base/T_Lista.h"
#include "vrmwnd/base/datas.h"
#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/regras/CTrataDadosBase.h"

// O que a liberação de uma ordem decidiu.
struct TCMLiberacaoOC {
  unsigned nResposta = 0;            // o que OnDoModalOrcamento devolveu
  bool bLiberada = false;            // a ordem ficou liberada
  T_Lista<T_Lista<CString>> linhas;  // as linhas que passaram do orçamento
  CString strMensagem;               // o texto mostrado acima delas
};

class VRMWND_SUITE_API CTrataDadosOC : public CTrataDadosBase {
 public:
  using CTrataDadosBase::CTrataDadosBase;
  // A pergunta da liberação acima do orçamento. As regras não abrem janelas: sem
  // linhas devolve 2 (nada a perguntar), com linhas IDNO (não libera).
  virtual unsigned OnDoModalOrcamento(const CString& strMensagem, const T_Lista<T_Lista<CString>>& linhas);

  // As linhas do orçamento (da filial da ordem) que as parcelas da ordem lNumero,
  // rateio incluído, fariam passar do previsto, somadas ao que as outras ordens
  // liberadas já ocupam; a configuração mestre diz como:
  // | bloqueio       | compara                                   | uma linha por   |
  // |----------------|-------------------------------------------|-----------------|
  // | valor total    | a soma das partes que caem na linha       | linha excedida  |
  // | só por parcela | cada parte sozinha, com o que sobra       | parte excedente |
  // | nenhum         | nada (a ordem não é controlada)           | —               |
  // Cada linha traz "Contábil", "Gerencial" e o excedente ("1.500,00"); por parcela,
  // ou com excessos em mais de um período, começa pelo período do orçamento
  // ("01/12/2026 a 31/12/2026"). Parte sem linha de orçamento não é controlada.
  HRESULT ExcessosOrcamento(ULONG lNumero, T_Lista<T_Lista<CString>>& linhas);
  // Libera a ordem lNumero: passa sempre pela pergunta da tela (que sem linhas não
  // pergunta); sem excessos a ordem é liberada, com excessos só pela resposta IDYES
  // (com as mensagens suprimidas não pergunta nem libera). O número 0 é recusado (E_INVALIDARG); a falha de uma leitura
  // é devolvida sem perguntar. A exceção da pergunta chega ao chamador.
  HRESULT LiberaOrdem(ULONG lNumero, TCMLiberacaoOC& liberacao);

  // O primeiro e o último dia do período do orçamento que contém o mês ma: os
  // períodos têm nMeses meses (menos de 1 vale 12) contados do mês base maBase (sem
  // mês base, de janeiro). Mês inválido, ou período fora das datas da suíte: false e
  // as datas 0.
  static bool GetDataInicialFinalOrcamento(REG_QZMA maBase, int nMeses, REG_QZMA ma, REG_QZDMA& dmaInicial,
                                           REG_QZDMA& dmaFinal);
};
