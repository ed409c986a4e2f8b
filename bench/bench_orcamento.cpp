// A consulta do orçado e realizado de um ano (CControleOrcamentario, um período por
// mês, como o diálogo consulta) numa empresa com 10.000 ordens liberadas de 5 parcelas
// (a quinta rateada entre duas contas gerenciais), com 1, 3, 6 e 12 meses, ao lado, na
// mesma execução, das mesmas somas por uma só consulta agregada crua do SQLite (pelo
// plano do SQLite e varrendo as parcelas). O tempo por período deve ficar plano e a
// consulta a menos de 2× da crua.
#include <benchmark/benchmark.h>

#include <sqlite3.h>

#include <cstdio>
#include <string>
#include <vector>

#include "vrmwnd/vrmwnd.h"

namespace {

constexpr int kOrdens = 10'000;
constexpr int kParcelas = 5;
constexpr char kEmpresa[] = "BENCHORCAMENTO";

// As ordens 100.000 em diante, da matriz, liberadas; a parcela j da ordem k vence no
// mês (k + j) % 12 + 1 de 2019; orçamento mensal de 2019 para o par 5001/6001.
std::string OrdensSql() {
  char szSql[2048];
  std::snprintf(
      szSql, sizeof szSql,
      "WITH RECURSIVE n(k) AS (SELECT 0 UNION ALL SELECT k + 1 FROM n WHERE k < %d) "
      "INSERT INTO ordem_compra SELECT 100000 + k, 2001, '2019-01-02', 1, 1 FROM n;"
      "WITH RECURSIVE n(k) AS (SELECT 0 UNION ALL SELECT k + 1 FROM n WHERE k < %d), "
      "p(j) AS (SELECT 1 UNION ALL SELECT j + 1 FROM p WHERE j < %d) "
      "INSERT INTO oc_parcela SELECT 100000 + k, j, printf('2019-%%02d-%%02d', (k + j) %% 12 + 1, k %% 28 + 1), "
      "10000 * (100 + k %% 900), 5001, 6001 FROM n, p;"
      "INSERT INTO oc_rateio SELECT lNumero, byOrdem, 5001, 6001, cyValor - cyValor / 4 FROM oc_parcela "
      "WHERE lNumero >= 100000 AND byOrdem = %d;"
      "INSERT INTO oc_rateio SELECT lNumero, byOrdem, 5001, 6002, cyValor / 4 FROM oc_parcela "
      "WHERE lNumero >= 100000 AND byOrdem = %d;"
      "WITH RECURSIVE m(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM m WHERE i < 12) "
      "INSERT INTO orcamento SELECT 5001, 6001, printf('2019-%%02d-01', i), printf('2019-%%02d-28', i), "
      "10000 * 4000000, 1 FROM m;",
      kOrdens - 1, kOrdens - 1, kParcelas, kParcelas, kParcelas);
  return szSql;
}

std::vector<std::string> Roteiros() { return {vrmsuite::EsquemaEmpresa(), vrmsuite::AmostraEmpresa(), OrdensSql()}; }

void PreparaEmpresa() {
  static const bool bPronta = [] {
    auto pBanco = vrmsuite::CQZBancoEmpresa::NaMemoria();
    std::string strErro;
    for (const std::string& s : Roteiros()) pBanco->ExecutaRoteiro(s.c_str(), strErro);
    vrmsuite::RegistraEmpresaNaMemoria(kEmpresa, pBanco);
    return true;
  }();
  (void)bPronta;
}

// range(0): meses consultados, de janeiro de 2019 em diante.
void ConsultaOrcadoRealizado(benchmark::State& state) {
  PreparaEmpresa();
  CControleOrcamentario controle;
  if (controle.Inicializa(kEmpresa, 1, 1) != S_OK) {
    state.SkipWithError("empresa de bench não abriu");
    return;
  }
  TQZGerencial gerencial;
  gerencial.SetPonteiroPlanoEmpresarial(5001);
  gerencial.SetPonteiroPlanoGerencial(6001);
  const int nMeses = static_cast<int>(state.range(0));
  long long llRealizado = 0;
  for (auto _ : state) {
    llRealizado = 0;
    for (int nMes = 1; nMes <= nMeses; ++nMes) {
      controle.VerificaOrcamentoPorDados(1, QZDMA(1, nMes, 2019), QZDMA(QZUltimoDiaDoMes(nMes, 2019), nMes, 2019),
                                         gerencial);
      for (int k = 0; k < controle.GetQuantidadeContas(); ++k) llRealizado += controle.GetTotalUsadoOC(k).int64;
    }
    controle.LimpaDados();
    benchmark::DoNotOptimize(llRealizado);
  }
  state.SetItemsProcessed(state.iterations() * nMeses);
  state.counters["realizado"] = static_cast<double>(llRealizado) / 10000.0;
  controle.OnFinaliza();
}
BENCHMARK(ConsultaOrcadoRealizado)->Arg(1)->Arg(3)->Arg(6)->Arg(12)->Unit(benchmark::kMillisecond);

// As mesmas somas, por mês, numa só consulta agregada sobre uma cópia do banco aberta
// só com o SQLite (com os mesmos índices); bVarre lê as parcelas sem índice, de
// ponta a ponta, o melhor plano para o ano inteiro.
class CConsultaCrua {
 public:
  explicit CConsultaCrua(bool bVarre) {
    sqlite3_open(":memory:", &m_pBanco);
    for (const std::string& s : Roteiros()) sqlite3_exec(m_pBanco, s.c_str(), nullptr, nullptr, nullptr);
    const std::string strParcelas = bVarre ? "oc_parcela p NOT INDEXED" : "oc_parcela p";
    sqlite3_prepare_v2(m_pBanco,
                       ("SELECT substr(o.dmaInicio, 1, 7), sum(o.cyValor), 0 FROM orcamento o WHERE o.iFilial = 1 "
                        "AND o.lContaContabil = 5001 AND o.lContaGerencial = 6001 AND o.dmaInicio BETWEEN ?1 AND ?2 "
                        "GROUP BY 1 UNION ALL "
                        "SELECT substr(p.dmaVencimento, 1, 7), 0, sum(coalesce(r.cyValor, p.cyValor)) FROM " +
                        strParcelas +
                        " JOIN ordem_compra oc ON oc.lNumero = p.lNumero LEFT JOIN oc_rateio r ON r.lNumero = "
                        "p.lNumero AND r.byOrdem = p.byOrdem WHERE oc.byLiberada <> 0 AND oc.iFilial = 1 "
                        "AND coalesce(r.lContaContabil, p.lContaContabil) = 5001 "
                        "AND coalesce(r.lContaGerencial, p.lContaGerencial) = 6001 "
                        "AND p.dmaVencimento BETWEEN ?1 AND ?2 GROUP BY 1")
                           .c_str(),
                       -1, &m_pComando, nullptr);
  }
  ~CConsultaCrua() {
    sqlite3_finalize(m_pComando);
    sqlite3_close(m_pBanco);
  }
  CConsultaCrua(const CConsultaCrua&) = delete;
  CConsultaCrua& operator=(const CConsultaCrua&) = delete;

  long long Realizado(int nMeses) {
    char szFim[16];
    std::snprintf(szFim, sizeof szFim, "2019-%02d-31", nMeses);
    sqlite3_bind_text(m_pComando, 1, "2019-01-01", -1, SQLITE_STATIC);
    sqlite3_bind_text(m_pComando, 2, szFim, -1, SQLITE_TRANSIENT);
    long long llRealizado = 0;
    while (sqlite3_step(m_pComando) == SQLITE_ROW) llRealizado += sqlite3_column_int64(m_pComando, 2);
    sqlite3_reset(m_pComando);
    return llRealizado;
  }

 private:
  sqlite3* m_pBanco = nullptr;
  sqlite3_stmt* m_pComando = nullptr;
};

// range(1): 1 varre as parcelas sem índice.
void ConsultaCruaAgregada(benchmark::State& state) {
  static CConsultaCrua cruaIndice(false), cruaVarre(true);
  CConsultaCrua& crua = state.range(1) ? cruaVarre : cruaIndice;
  const int nMeses = static_cast<int>(state.range(0));
  long long llRealizado = 0;
  for (auto _ : state) {
    llRealizado = crua.Realizado(nMeses);
    benchmark::DoNotOptimize(llRealizado);
  }
  state.SetItemsProcessed(state.iterations() * nMeses);
  state.counters["realizado"] = static_cast<double>(llRealizado) / 10000.0;
}
BENCHMARK(ConsultaCruaAgregada)->ArgsProduct({{1, 3, 6, 12}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace
