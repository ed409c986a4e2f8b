// A importação de notas comerciais (ImportaNotaComercial) de 1, 10, 100 e 1.000 notas
// de 50 itens, com produtos todos distintos e com os mesmos 50 produtos em cada nota,
// ao lado da só leitura das mesmas notas (LeDFNotasFiscais e a liberação), na mesma
// execução: o tempo por item deve ficar plano e a importação perto da leitura.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "vrmwnd/vrmwnd.h"

namespace {

constexpr int kItensPorNota = 50;
constexpr int kMaxNotas = 1000;
constexpr long kSequenciaDistintos = 1000;  // notas de produtos distintos
constexpr long kSequenciaRepetidos = 3000;  // notas dos mesmos 50 produtos

long Posicao(long lSequencia) { return lSequencia * 4096 + 2048; }

// kMaxNotas notas a partir da sequência dada; o complemento faz os produtos distintos
// (um por item de cada nota) ou repetidos (os mesmos 50 em toda nota).
std::string NotasSql(long lSequencia, bool bDistintos) {
  constexpr const char* kFormato =
      "WITH RECURSIVE n(k) AS (SELECT 0 UNION ALL SELECT k + 1 FROM n WHERE k < %d) "
      "INSERT INTO nota_fiscal (lPosicao, lNumero, lPonteiroCliente, iPonteiroFilial, dmaEmissao, "
      "iPonteiroDocumento, iPonteiroCFOP, szSerie, byTipoNota, iQtdItensProduto, cyFrete) "
      "SELECT (%ld + k) * 4096 + 2048, 100000 + k, 2001, 1, '2018-08-13', 1, 1, '1', 1, %d, 10000 "
      "FROM n;"
      "WITH RECURSIVE n(k) AS (SELECT 0 UNION ALL SELECT k + 1 FROM n WHERE k < %d), "
      "i(j) AS (SELECT 0 UNION ALL SELECT j + 1 FROM i WHERE j < %d) "
      "INSERT INTO nf_item_produto (lPosicaoNota, nItem, lPosicaoProduto, szComplemento, cyQuantidade, "
      "llValorUnitarioV8, cyValorTotal, iPonteiroUnidadeMedida, iPonteiroCFOP, cyValorImposto2, "
      "iAliquota2, iAliquotaICMS, cyBasePIS, cyValorPIS, iIncidenciaPIS) "
      "SELECT (%ld + k) * 4096 + 2048, j, 11, %s, 20000, 100000000, 20000, 1, 1, 3600, 1800, 1800, "
      "20000, 330, 1 FROM n, i;";
  char szSql[2048];
  std::snprintf(szSql, sizeof szSql, kFormato, kMaxNotas - 1, lSequencia, kItensPorNota, kMaxNotas - 1,
                kItensPorNota - 1, lSequencia, bDistintos ? "'d' || k || '-' || j" : "'r' || j");
  return szSql;
}

void PreparaEmpresa() {
  static const bool bPronta = [] {
    auto pBanco = vrmsuite::CQZBancoEmpresa::NaMemoria();
    std::string strErro;
    pBanco->ExecutaRoteiro(vrmsuite::EsquemaEmpresa(), strErro);
    pBanco->ExecutaRoteiro(vrmsuite::AmostraEmpresa(), strErro);
    pBanco->ExecutaRoteiro(NotasSql(kSequenciaDistintos, true).c_str(), strErro);
    pBanco->ExecutaRoteiro(NotasSql(kSequenciaRepetidos, false).c_str(), strErro);
    vrmsuite::RegistraEmpresaNaMemoria("BENCHIMPORTA", pBanco);
    return true;
  }();
  (void)bPronta;
}

T_Lista<long> Posicoes(long lSequencia, int nNotas) {
  T_Lista<long> lista;
  for (int k = 0; k < nNotas; ++k) lista.Add(Posicao(lSequencia + k));
  return lista;
}

// range(0): notas; range(1): 1 produtos distintos, 0 os mesmos 50 em cada nota.
void ImportaNotaComercial(benchmark::State& state) {
  PreparaEmpresa();
  CTrataDadosREWnd tratador(nullptr);
  if (tratador.OnInicializa("BENCHIMPORTA") != S_OK) {
    state.SkipWithError("empresa de bench não abriu");
    return;
  }
  const bool bDistintos = state.range(1) != 0;
  const T_Lista<long> posicoes =
      Posicoes(bDistintos ? kSequenciaDistintos : kSequenciaRepetidos, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TCMRERegistroEntrada registro = tratador.ImportaNotaComercial(posicoes);
    benchmark::DoNotOptimize(registro);
    if (registro.GetQuantidadeProduto() != (bDistintos ? state.range(0) * kItensPorNota : kItensPorNota))
      state.SkipWithError("itens inesperados no registro");
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * kItensPorNota);
}
BENCHMARK(ImportaNotaComercial)
    ->ArgsProduct({{1, 10, 100, 1000}, {1, 0}})
    ->ArgNames({"notas", "distintos"})
    ->Unit(benchmark::kMillisecond);

// Só ler e liberar as mesmas notas, pelo mesmo servidor.
void LeNotasSemImportar(benchmark::State& state) {
  PreparaEmpresa();
  CServidoresCompartilhados servidores;
  if (servidores.OnInicializa("BENCHIMPORTA") != S_OK) {
    state.SkipWithError("empresa de bench não abriu");
    return;
  }
  const bool bDistintos = state.range(1) != 0;
  const T_Lista<long> posicoes =
      Posicoes(bDistintos ? kSequenciaDistintos : kSequenciaRepetidos, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    for (long lPosicao : posicoes) {
      tagREG_NOTA_FISCALPS* pNF = nullptr;
      if (servidores.GetUsaServidor()->LeDFNotasFiscais(servidores.m_ppINotasFiscais, lPosicao, &pNF) != S_OK) {
        state.SkipWithError("nota não lida");
        return;
      }
      benchmark::DoNotOptimize(pNF);
      pNF->Libera();
      CoTaskMemFree(pNF);
    }
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * kItensPorNota);
}
BENCHMARK(LeNotasSemImportar)
    ->ArgsProduct({{1, 10, 100, 1000}, {1, 0}})
    ->ArgNames({"notas", "distintos"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
