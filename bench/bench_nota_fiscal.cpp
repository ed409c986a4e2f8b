// Notas por segundo: LeDFNotasFiscais (linhas, verificações, layout e alocações, e a
// liberação) ao lado de leituras cruas no SQLite das mesmas linhas da mesma nota, na
// mesma execução. A base de comparação fala com o SQLite direto de propósito.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <vector>

#include "vrmwnd/suite.h"

namespace {

constexpr long kPosicao = 6144;  // compra com itens, detalhes, rateio, parcelas, mensagens

const std::string& ArquivoBench() {
  static const std::string strArquivo = [] {
    std::string s = (std::filesystem::temp_directory_path() / "vrmwnd_bench_empresa.db").string();
    std::filesystem::remove(s);
    std::string strErro;
    auto pBanco = vrmsuite::CQZBancoEmpresa::AbreArquivo(s, true, strErro);
    pBanco->ExecutaRoteiro(vrmsuite::EsquemaEmpresa(), strErro);
    pBanco->ExecutaRoteiro(vrmsuite::AmostraEmpresa(), strErro);
    vrmsuite::RegistraEmpresaNaMemoria("BENCH", pBanco);
    return s;
  }();
  return strArquivo;
}

void LeDFNotasFiscais(benchmark::State& state) {
  ArquivoBench();
  CServidoresCompartilhados servidores;
  if (servidores.OnInicializa("BENCH") != S_OK) {
    state.SkipWithError("empresa de bench não abriu");
    return;
  }
  for (auto _ : state) {
    tagREG_NOTA_FISCALPS* pNF = nullptr;
    HRESULT hr = servidores.GetUsaServidor()->LeDFNotasFiscais(servidores.m_ppINotasFiscais, kPosicao, &pNF);
    benchmark::DoNotOptimize(hr);
    pNF->Libera();
    CoTaskMemFree(pNF);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(LeDFNotasFiscais);

// As mesmas tabelas e linhas, só percorridas: cada coluna lida pelo seu tipo.
void LeiturasCruasDasMesmasLinhas(benchmark::State& state) {
  sqlite3* pBanco = nullptr;
  sqlite3_open_v2(ArquivoBench().c_str(), &pBanco, SQLITE_OPEN_READONLY, nullptr);
  const char* kConsultas[] = {
      "SELECT * FROM nota_fiscal WHERE lPosicao = ?",
      "SELECT * FROM nf_item_produto WHERE lPosicaoNota = ? ORDER BY nItem",
      "SELECT * FROM nf_detalhe_estoque WHERE lPosicaoNota = ? ORDER BY nItem, nDetalhe",
      "SELECT * FROM nf_item_servico WHERE lPosicaoNota = ? ORDER BY nItem",
      "SELECT * FROM nf_deducao WHERE lPosicaoNota = ?",
      "SELECT * FROM nf_rateio WHERE lPosicaoNota = ? ORDER BY cOrigem, nItem, nLinha",
      "SELECT * FROM nf_rateio_gerencial WHERE lPosicaoNota = ?",
      "SELECT * FROM nf_parcela WHERE lPosicaoNota = ? ORDER BY byOrdem",
      "SELECT * FROM nf_mensagem WHERE lPosicaoNota = ? ORDER BY nOrdem",
  };
  std::vector<sqlite3_stmt*> comandos;
  for (const char* sz : kConsultas) {
    sqlite3_stmt* p = nullptr;
    sqlite3_prepare_v2(pBanco, sz, -1, &p, nullptr);
    comandos.push_back(p);
  }
  for (auto _ : state) {
    long long llSoma = 0;
    for (sqlite3_stmt* p : comandos) {
      sqlite3_bind_int64(p, 1, kPosicao);
      while (sqlite3_step(p) == SQLITE_ROW) {
        for (int c = 0, n = sqlite3_column_count(p); c < n; ++c) {
          if (sqlite3_column_type(p, c) == SQLITE_TEXT)
            llSoma += sqlite3_column_bytes(p, c);
          else
            llSoma += sqlite3_column_int64(p, c);
        }
      }
      sqlite3_reset(p);
    }
    benchmark::DoNotOptimize(llSoma);
  }
  for (sqlite3_stmt* p : comandos) sqlite3_finalize(p);
  sqlite3_close(pBanco);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(LeiturasCruasDasMesmasLinhas);

}  // namespace
