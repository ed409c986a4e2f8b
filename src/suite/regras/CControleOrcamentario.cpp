// O controle do orçamento de compras sobre a leitura do orçado e do realizado de um
// período pelo servidor mestre do módulo.
#include "vrmwnd/suite/regras/CControleOrcamentario.h"

#include <string>

#include "servidor/leitura_comum.h"
#include "vrmwnd/base/cy_operacoes.h"
#include "vrmwnd/suite/servidor/ordem_compra.h"
#include "vrmwnd/suite/servidor/resultados.h"

HRESULT CControleOrcamentario::Inicializa(const char* szEmpresa, long lUsuario, long lSessao) {
  const HRESULT hr = CQZInicializador::Inicializa(szEmpresa, lUsuario, lSessao);
  return hr != S_OK ? hr : OnInicializa(szEmpresa);
}

HRESULT CControleOrcamentario::VerificaOrcamentoPorDados(unsigned short iFilial, REG_QZDMA dmaInicial,
                                                         REG_QZDMA dmaFinal, const TQZGerencial& gerencial) {
  m_Contas.clear();
  if (!QZDMAValida(dmaInicial) || !QZDMAValida(dmaFinal) || dmaFinal < dmaInicial)
    return GetUsaServidor()->Falha(E_INVALIDARG, "período do orçamento inválido");
  vrmsuite::TFiltroControleOrcamento filtro;
  filtro.iFilial = iFilial;
  filtro.lClassificacao = gerencial.GetPonteiroPlanoEmpresarial();
  filtro.lGerencial = gerencial.GetPonteiroPlanoGerencial();
  filtro.strInicio = vrmsuite::DataDoBanco(dmaInicial);
  filtro.strFim = vrmsuite::DataDoBanco(dmaFinal);
  std::vector<vrmsuite::TContaControleOrcamento> contas;
  const HRESULT hr = vrmsuite::LeControleOrcamento(*GetUsaServidor(), m_ppICMMestre, filtro, contas);
  if (hr != S_OK) return hr;
  for (const vrmsuite::TContaControleOrcamento& c : contas)
    if (c.bExiste || c.cyUsado != 0)
      m_Contas.push_back({c.lConta, dmaInicial, dmaFinal, c.cyOrcado, c.cyUsado, c.bExiste});
  if (m_Contas.empty()) m_Contas.push_back({filtro.lClassificacao, dmaInicial, dmaFinal, 0, 0, false});
  return S_OK;
}

const CControleOrcamentario::TConta& CControleOrcamentario::Conta(int k) const {
  static const TConta kNenhuma;
  return k >= 0 && k < GetQuantidadeContas() ? m_Contas[static_cast<std::size_t>(k)] : kNenhuma;
}

CY CControleOrcamentario::GetSomaOrcamento(int k) const { return CyDeBruto(Conta(k).cyOrcado); }

CY CControleOrcamentario::GetTotalUsadoOC(int k) const { return CyDeBruto(Conta(k).cyUsado); }
