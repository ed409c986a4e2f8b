// Controle do orçamento de compras (CControleOrcamentario): para uma filial, um
// período e um par de contas (classificação contábil e conta gerencial), o orçado e o
// que as ordens de compra liberadas já apropriaram, conta analítica por conta.
#pragma once

#include <vector>

#include "vrmwnd/base/datas.h"
#include "vrmwnd/suite/exporta.h"
#include "vrmwnd/suite/registros/TCMRateio.h"
#include "vrmwnd/suite/servidor/CServidoresCompartilhados.h"

class VRMWND_SUITE_API CControleOrcamentario : public CServidoresCompartilhados {
 public:
  explicit CControleOrcamentario(CQZTimer* pTimer = nullptr) : CServidoresCompartilhados(pTimer) {}

  // Inicializa o processo para a empresa, o usuário e a sessão e liga os servidores
  // da empresa; a falha de um ou de outro é devolvida.
  HRESULT Inicializa(const char* szEmpresa, long lUsuario, long lSessao);

  // Troca os resultados pelos do período [dmaInicial, dmaFinal] da filial (0 = todas)
  // para a classificação (PonteiroPlanoEmpresarial) e a conta gerencial
  // (PonteiroPlanoGerencial, 0 = o orçamento sem gerencial) de gerencial. Uma conta
  // por analítica da classificação que tem orçamento ou ordem no período; nenhuma
  // assim dá uma só, a da classificação, zerada e sem orçamento. Datas sem valor ou
  // invertidas: E_INVALIDARG. A falha da leitura esvazia os resultados e é devolvida,
  // com o motivo em GetUsaServidor()->GetUltimoErro().
  HRESULT VerificaOrcamentoPorDados(unsigned short iFilial, REG_QZDMA dmaInicial, REG_QZDMA dmaFinal,
                                    const TQZGerencial& gerencial);

  // Os resultados da última verificação; k de 0 a GetQuantidadeContas() - 1 (fora
  // disso, zero e false).
  int GetQuantidadeContas() const { return static_cast<int>(m_Contas.size()); }
  long GetConta(int k) const { return Conta(k).lConta; }
  REG_QZDMA GetDMAInicial(int k) const { return Conta(k).dmaInicial; }
  REG_QZDMA GetDMAFinal(int k) const { return Conta(k).dmaFinal; }
  CY GetSomaOrcamento(int k) const;
  CY GetTotalUsadoOC(int k) const;
  bool GetOrcamentoExiste(int k) const { return Conta(k).bExiste; }
  // Esquece os resultados.
  void LimpaDados() { m_Contas.clear(); }

 private:
  struct TConta {
    long lConta = 0;
    REG_QZDMA dmaInicial = 0, dmaFinal = 0;
    long long cyOrcado = 0, cyUsado = 0;
    bool bExiste = false;
  };
  const TConta& Conta(int k) const;

  std::vector<TConta> m_Contas;
};
