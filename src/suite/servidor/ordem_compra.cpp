// As leituras das ordens de compra e do orçamento e a marca de liberada, pelo
// servidor mestre do módulo.
#include "vrmwnd/suite/servidor/ordem_compra.h"

#include "leitura_comum.h"

// As partes apropriadas das parcelas (número, vencimento, contas, valor): a parcela
// inteira quando não tem rateio, senão cada parte do rateio.
#define VRM_OC_APROPRIADAS                                                                     \
  "(SELECT p.lNumero, p.dmaVencimento, p.lContaContabil, p.lContaGerencial, p.cyValor "        \
  "FROM oc_parcela p WHERE NOT EXISTS (SELECT 1 FROM oc_rateio r WHERE r.lNumero = p.lNumero " \
  "AND r.byOrdem = p.byOrdem) UNION ALL SELECT r.lNumero, p.dmaVencimento, r.lContaContabil, " \
  "r.lContaGerencial, r.cyValor FROM oc_rateio r JOIN oc_parcela p ON p.lNumero = r.lNumero "  \
  "AND p.byOrdem = r.byOrdem)"

namespace vrmsuite {
namespace {

std::string Texto(sqlite3_stmt* pComando, int nColuna) {
  const unsigned char* sz = sqlite3_column_text(pComando, nColuna);
  return sz ? reinterpret_cast<const char*>(sz) : "";
}

// Falha do banco se o comando parou num erro.
HRESULT FimDoComando(CUsaServidor& usa, const CComando& comando) {
  return comando.Erro().empty() ? S_OK : usa.Falha(QZ_E_BANCO_DE_DADOS, comando.Erro());
}

}  // namespace

HRESULT LeParcelasOrdemCompra(CUsaServidor& usa, IQZServidor** ppICMMestre, ULONG lNumero,
                              std::vector<TParcelaOrdemCompra>& parcelas) {
  parcelas.clear();
  HRESULT hr = EntradaLeitura(usa, "LeCMParcelasOC", ppICMMestre, IQZServidor::CM_MESTRE);
  if (hr != S_OK) return hr;
  {
    CComando existe((*ppICMMestre)->GetBanco(), "SELECT 1 FROM ordem_compra WHERE lNumero = ?");
    existe.Liga(1, static_cast<long long>(lNumero));
    if (!existe.Proxima()) {
      if (!existe.Erro().empty()) return usa.Falha(QZ_E_BANCO_DE_DADOS, existe.Erro());
      return usa.Falha(QZ_E_REGISTRO_NAO_ENCONTRADO, "ordem de compra " + std::to_string(lNumero) + " não existe");
    }
  }
  // Uma linha por parte: a parcela inteira sem rateio, ou cada parte do rateio.
  CComando comando((*ppICMMestre)->GetBanco(),
                   "SELECT p.byOrdem, p.dmaVencimento, coalesce(r.cyValor, p.cyValor), "
                   "coalesce(r.lContaContabil, p.lContaContabil), coalesce(r.lContaGerencial, p.lContaGerencial), "
                   "coalesce(c.szCodigo || ' - ' || c.szDescricao, ''), "
                   "coalesce(g.szCodigo || ' - ' || g.szDescricao, '') "
                   "FROM oc_parcela p LEFT JOIN oc_rateio r ON r.lNumero = p.lNumero AND r.byOrdem = p.byOrdem "
                   "LEFT JOIN conta c ON c.lPonteiro = coalesce(r.lContaContabil, p.lContaContabil) "
                   "LEFT JOIN conta g ON g.lPonteiro = coalesce(r.lContaGerencial, p.lContaGerencial) "
                   "WHERE p.lNumero = ? ORDER BY p.byOrdem, c.szCodigo, g.szCodigo");
  if (!comando.Preparado()) return usa.Falha(QZ_E_BANCO_DE_DADOS, comando.Erro());
  comando.Liga(1, static_cast<long long>(lNumero));
  while (comando.Proxima()) {
    sqlite3_stmt* p = comando.Bruto();
    parcelas.push_back({sqlite3_column_int(p, 0), Texto(p, 1), sqlite3_column_int64(p, 2),
                        static_cast<long>(sqlite3_column_int64(p, 3)), static_cast<long>(sqlite3_column_int64(p, 4)),
                        Texto(p, 5), Texto(p, 6)});
  }
  hr = FimDoComando(usa, comando);
  if (hr != S_OK) parcelas.clear();
  return hr;
}

HRESULT LeOrcamento(CUsaServidor& usa, IQZServidor** ppICMMestre, ULONG lNumero, std::vector<TLinhaOrcamento>& linhas) {
  linhas.clear();
  HRESULT hr = EntradaLeitura(usa, "LeCMOrcamento", ppICMMestre, IQZServidor::CM_MESTRE);
  if (hr != S_OK) return hr;
  // As linhas da filial da ordem, com as partes apropriadas das outras ordens
  // liberadas da mesma filial.
  CComando comando((*ppICMMestre)->GetBanco(),
                   "SELECT o.lContaContabil, o.lContaGerencial, o.dmaInicio, o.dmaFim, o.cyValor, "
                   "(SELECT coalesce(sum(a.cyValor), 0) FROM " VRM_OC_APROPRIADAS
                   " a JOIN ordem_compra oc ON oc.lNumero = a.lNumero WHERE oc.byLiberada <> 0 AND oc.lNumero <> ?1 "
                   "AND oc.iFilial = o.iFilial AND a.lContaContabil = o.lContaContabil "
                   "AND a.lContaGerencial = o.lContaGerencial AND a.dmaVencimento BETWEEN o.dmaInicio AND o.dmaFim) "
                   "FROM orcamento o WHERE o.iFilial = (SELECT iFilial FROM ordem_compra WHERE lNumero = ?1) "
                   "ORDER BY o.dmaInicio, o.lContaContabil, o.lContaGerencial");
  if (!comando.Preparado()) return usa.Falha(QZ_E_BANCO_DE_DADOS, comando.Erro());
  comando.Liga(1, static_cast<long long>(lNumero));
  while (comando.Proxima()) {
    sqlite3_stmt* p = comando.Bruto();
    linhas.push_back({static_cast<long>(sqlite3_column_int64(p, 0)), static_cast<long>(sqlite3_column_int64(p, 1)),
                      Texto(p, 2), Texto(p, 3), sqlite3_column_int64(p, 4), sqlite3_column_int64(p, 5)});
  }
  hr = FimDoComando(usa, comando);
  if (hr != S_OK) linhas.clear();
  return hr;
}

HRESULT LeControleOrcamento(CUsaServidor& usa, IQZServidor** ppICMMestre, const TFiltroControleOrcamento& filtro,
                            std::vector<TContaControleOrcamento>& contas) {
  contas.clear();
  HRESULT hr = EntradaLeitura(usa, "LeCMControleOrcamento", ppICMMestre, IQZServidor::CM_MESTRE);
  if (hr != S_OK) return hr;
  // As analíticas que a classificação representa (ela mesma, ou as debaixo dela
  // quando sintética), cada uma com o orçado que começa no período (nulo sem
  // orçamento) e o apropriado das ordens liberadas com vencimento nele.
  CComando comando((*ppICMMestre)->GetBanco(),
                   "SELECT c.lPonteiro, "
                   "(SELECT sum(o.cyValor) FROM orcamento o WHERE o.lContaContabil = c.lPonteiro "
                   "AND o.lContaGerencial = ?2 AND (?3 = 0 OR o.iFilial = ?3) AND o.dmaInicio BETWEEN ?4 AND ?5), "
                   "(SELECT coalesce(sum(coalesce(r.cyValor, p.cyValor)), 0) FROM oc_parcela p "
                   "JOIN ordem_compra oc ON oc.lNumero = p.lNumero LEFT JOIN oc_rateio r ON r.lNumero = p.lNumero "
                   "AND r.byOrdem = p.byOrdem WHERE p.dmaVencimento BETWEEN ?4 AND ?5 AND oc.byLiberada <> 0 "
                   "AND (?3 = 0 OR oc.iFilial = ?3) AND coalesce(r.lContaContabil, p.lContaContabil) = c.lPonteiro "
                   "AND coalesce(r.lContaGerencial, p.lContaGerencial) = ?2) "
                   "FROM conta k JOIN conta c ON c.byGerencial = 0 AND (c.lPonteiro = k.lPonteiro OR (k.cTipo = 'T' "
                   "AND c.cTipo = 'A' AND substr(c.szCodigo, 1, length(k.szCodigo) + 1) = k.szCodigo || '.')) "
                   "WHERE k.lPonteiro = ?1 AND k.byGerencial = 0 ORDER BY c.szCodigo");
  if (!comando.Preparado()) return usa.Falha(QZ_E_BANCO_DE_DADOS, comando.Erro());
  comando.Liga(1, static_cast<long long>(filtro.lClassificacao))
      .Liga(2, static_cast<long long>(filtro.lGerencial))
      .Liga(3, static_cast<long long>(filtro.iFilial))
      .Liga(4, filtro.strInicio.c_str())
      .Liga(5, filtro.strFim.c_str());
  while (comando.Proxima()) {
    sqlite3_stmt* p = comando.Bruto();
    contas.push_back({static_cast<long>(sqlite3_column_int64(p, 0)), sqlite3_column_int64(p, 1),
                      sqlite3_column_int64(p, 2), sqlite3_column_type(p, 1) != SQLITE_NULL});
  }
  hr = FimDoComando(usa, comando);
  if (hr != S_OK) contas.clear();
  return hr;
}

HRESULT GravaLiberacaoOrdemCompra(CUsaServidor& usa, IQZServidor** ppICMMestre, ULONG lNumero) {
  HRESULT hr = EntradaLeitura(usa, "GravaCMLiberacaoOC", ppICMMestre, IQZServidor::CM_MESTRE);
  if (hr != S_OK) return hr;
  CComando comando((*ppICMMestre)->GetBanco(), "UPDATE ordem_compra SET byLiberada = 1 WHERE lNumero = ?");
  if (!comando.Preparado()) return usa.Falha(QZ_E_BANCO_DE_DADOS, comando.Erro());
  comando.Liga(1, static_cast<long long>(lNumero));
  comando.Proxima();
  return FimDoComando(usa, comando);
}

}  // namespace vrmsuite
