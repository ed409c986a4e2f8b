// As leituras das ordens de compra e do orçamento e a marca de liberada, pelo
// servidor mestre do módulo.
#include "vrmwnd/suite/servidor/ordem_compra.h"

#include "leitura_comum.h"

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
  CComando comando((*ppICMMestre)->GetBanco(),
                   "SELECT p.byOrdem, p.dmaVencimento, p.cyValor, p.lContaContabil, p.lContaGerencial, "
                   "coalesce(c.szCodigo || ' - ' || c.szDescricao, ''), "
                   "coalesce(g.szCodigo || ' - ' || g.szDescricao, '') "
                   "FROM oc_parcela p LEFT JOIN conta c ON c.lPonteiro = p.lContaContabil "
                   "LEFT JOIN conta g ON g.lPonteiro = p.lContaGerencial WHERE p.lNumero = ? ORDER BY p.byOrdem");
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
  CComando comando((*ppICMMestre)->GetBanco(),
                   "SELECT o.lContaContabil, o.lContaGerencial, o.dmaInicio, o.dmaFim, o.cyValor, "
                   "(SELECT coalesce(sum(p.cyValor), 0) FROM oc_parcela p JOIN ordem_compra oc ON oc.lNumero = "
                   "p.lNumero WHERE oc.byLiberada <> 0 AND oc.lNumero <> ? AND p.lContaContabil = o.lContaContabil "
                   "AND p.lContaGerencial = o.lContaGerencial AND p.dmaVencimento BETWEEN o.dmaInicio AND o.dmaFim) "
                   "FROM orcamento o ORDER BY o.dmaInicio, o.lContaContabil, o.lContaGerencial");
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
