// As relações entre o plano de contas e o plano gerencial, lidas pela interface do
// plano de contas.
#include "vrmwnd/suite/regras/CTrataDadosGerencial.h"

#include <string>

#include "servidor/leitura_comum.h"
#include "vrmwnd/base/QZProfiler.h"

namespace {

constexpr long kLocalRelacionamentos = 731101;
constexpr const char* kFonte = "CTrataDadosGerencial";

// Por conta gerencial, a relação da própria filial vem antes da de todas as filiais.
constexpr const char* kSqlRelacoes =
    "SELECT r.lContaGerencial, r.iPercentualSugerido FROM conta_relacao_gerencial r "
    "JOIN conta g ON g.lPonteiro = r.lContaGerencial AND g.byGerencial = 1 AND g.cTipo = 'A' "
    "WHERE r.lContaEmpresarial = ?1 AND ?2 BETWEEN r.dmaInicio AND r.dmaFim "
    "AND (?3 = 0 OR r.iFilial = 0 OR r.iFilial = ?3) "
    "ORDER BY g.szCodigo, r.lContaGerencial, r.iFilial = 0, r.iFilial";

HRESULT LeRelacoes(CUsaServidor& usa, IQZServidor** ppIPlano, long lPlanoEmpresarial, WORD iFilialFiltro, REG_QZDMA dma,
                   std::vector<TRelacaoGerencial>& relacoes) {
  HRESULT hr = vrmsuite::EntradaLeitura(usa, "LeDFRelacionamentoGerencial", ppIPlano, IQZServidor::PLANO);
  if (hr != S_OK) return hr;
  if (!QZDMAValida(dma))
    return usa.Falha(E_INVALIDARG, "data " + std::to_string(dma) + " inválida para as relações gerenciais");
  vrmsuite::CComando comando((*ppIPlano)->GetBanco(), kSqlRelacoes);
  if (!comando.Preparado()) return usa.Falha(QZ_E_BANCO_DE_DADOS, comando.Erro());
  const std::string strData = vrmsuite::DataDoBanco(dma);
  comando.Liga(1, static_cast<long long>(lPlanoEmpresarial)).Liga(2, strData.c_str()).Liga(3, iFilialFiltro);
  while (comando.Proxima()) {
    sqlite3_stmt* p = comando.Bruto();
    const long lGerencial = static_cast<long>(sqlite3_column_int64(p, 0));
    if (!relacoes.empty() && relacoes.back().lPlanoGerencial == lGerencial) continue;
    relacoes.push_back({lGerencial, sqlite3_column_int(p, 1)});
  }
  if (comando.Erro().empty()) return S_OK;
  relacoes.clear();
  return usa.Falha(QZ_E_BANCO_DE_DADOS, comando.Erro());
}

}  // namespace

std::vector<TRelacaoGerencial> CTrataDadosGerencial::GetRelacionamentos(long lPlanoEmpresarial, WORD iFilial,
                                                                        REG_QZDMA dma, bool bSomenteDaFilial) {
  std::vector<TRelacaoGerencial> relacoes;
  if (lPlanoEmpresarial == 0) return relacoes;
  const WORD iFiltro = bSomenteDaFilial ? iFilial : 0;
  const HRESULT hr =
      QZ_VERIFICA_HR(GetContextoProfiler(), eQZFalhaSeNaoZero,
                     LeRelacoes(*GetUsaServidor(), m_ppIPlano, lPlanoEmpresarial, iFiltro, dma, relacoes));
  if (hr != S_OK) LancaFalha(hr, kLocalRelacionamentos, kFonte, __LINE__);
  return relacoes;
}

long CTrataDadosGerencial::GetQuantidadeRelacionamentoPlanoEmpresarialGerencial(long lPlanoEmpresarial, WORD iFilial,
                                                                                REG_QZDMA dma, bool bSomenteDaFilial) {
  return static_cast<long>(GetRelacionamentos(lPlanoEmpresarial, iFilial, dma, bSomenteDaFilial).size());
}
