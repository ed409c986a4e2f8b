// Base das regras de negócio dos documentos (CTrataDadosBase): os servidores da
// empresa (CServidoresCompartilhados), o contexto do profiler dos erros, as
// configurações mestras do módulo, a marca de lote de estoque, a supressão de
// mensagens e a regra de local da entrada em estoque.
#pragma once

#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/regras/CQZDadosCM_Mestre.h"
#include "vrmwnd/suite/servidor/CServidoresCompartilhados.h"

class IQZDF_Profiler;
class TCMREQualEntradaEstoque;

class VRMWND_SUITE_API CTrataDadosBase : public CServidoresCompartilhados {
 public:
  // pContexto pode ser nulo e ser dado depois; não é do objeto. Sem ele, as falhas vão
  // ao log de erros sem empresa.
  explicit CTrataDadosBase(CQZTimer* pTimer = nullptr, const IQZDF_Profiler* pContexto = nullptr)
      : CServidoresCompartilhados(pTimer), m_pContexto(pContexto) {}

  void SetContextoProfiler(const IQZDF_Profiler* pContexto) { m_pContexto = pContexto; }
  const IQZDF_Profiler* GetContextoProfiler() const { return m_pContexto; }

  // Lê as configurações mestras do módulo pela interface mestre (depois de
  // OnInicializa); a falha é registrada no log de erros e devolvida.
  virtual HRESULT OnLerParametros();
  const CQZDadosCM_Mestre& GetDadosCM_Mestre() const { return m_DadosCM_Mestre; }

  // A empresa usa lotes de estoque (as entradas buscam o lote do movimento).
  BYTE GetUsaLoteES() const { return m_byUsaLoteES; }
  void SetUsaLoteES(BYTE by) { m_byUsaLoteES = by; }
  // A tela navega com Enter como Tab; os diálogos que as regras pedem seguem a tela.
  bool GetEnterComoTab() const { return m_bEnterComoTab; }
  void SetEnterComoTab(bool b) { m_bEnterComoTab = b; }
  // Enquanto ligada, as regras não pedem nada ao usuário.
  bool GetSuprimeMensagens() const { return m_bSuprimeMensagens; }
  void SetSuprimeMensagens(bool b) { m_bSuprimeMensagens = b; }

  // A regra de local de uma entrada em estoque de tipo byTipo num item cuja natureza
  // tem o tipo de operação byTipoOperacao (4 e 5 são devolução e retorno):
  // | operação  | tipos permitidos (do catálogo)  | regra do tipo 1 | do tipo 2 | do 3 |
  // |-----------|---------------------------------|-----------------|-----------|------|
  // | 4 ou 5    | 1 entrada, 3 sem entrada        | movimento de origem (UsaSaidaMovOriEstoque 1) | — | livre |
  // | as demais | 1, 2 consignação, 3             | local obrigatório | local obrigatório | livre |
  // PonteiroLocal é iLocal. A mensagem diz a primeira regra que a entrada (byTipo,
  // iLocal, lMovimentoOrigem) não atende: tipo não permitido, local faltando ou
  // movimento de origem faltando; vazia quando atende.
  static TCMREQualEntradaEstoque GetLocalEntradaEstoqueObrigatorio(BYTE byTipo, BYTE byTipoOperacao, WORD iLocal,
                                                                   ULONG lMovimentoOrigem);

 protected:
  // Lança a falha de uma leitura já registrada no log: CQZExceptionEx com o código, o
  // local, o módulo de Compras, a empresa do contexto e a fonte.
  [[noreturn]] void LancaFalha(HRESULT hr, long lLocal, const char* szFonte, int nLinha) const;

 private:
  const IQZDF_Profiler* m_pContexto;
  CQZDadosCM_Mestre m_DadosCM_Mestre;
  BYTE m_byUsaLoteES = 0;
  bool m_bSuprimeMensagens = false;
  bool m_bEnterComoTab = false;
};
