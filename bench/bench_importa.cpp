// A importação de notas comerciais (ImportaNotaComercial) de 1, 10, 100 e 1.000 notas
// de 50 itens, com produtos todos distintos e com os mesmos 50 produtos em cada nota,
// ao lado, na mesma execução, de duas bases: a só leitura das mesmas notas pelo
// servidor (LeDFNotasFiscais e a liberação) e a leitura crua, só com o SQLite, de toda
// linha que a importação lê. O tempo por item deve ficar plano e a importação perto da
// leitura crua.
#include <benchmark/benchmark.h>

#include <sqlite3.h>

#include <cstdio>
#include <string>
#include <vector>

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

// Os roteiros que montam a empresa de bench: esquema, amostra e as notas.
std::vector<std::string> RoteirosEmpresa() {
  return {vrmsuite::EsquemaEmpresa(), vrmsuite::AmostraEmpresa(), NotasSql(kSequenciaDistintos, true),
          NotasSql(kSequenciaRepetidos, false)};
}

void PreparaEmpresa() {
  static const bool bPronta = [] {
    auto pBanco = vrmsuite::CQZBancoEmpresa::NaMemoria();
    std::string strErro;
    for (const std::string& strRoteiro : RoteirosEmpresa()) pBanco->ExecutaRoteiro(strRoteiro.c_str(), strErro);
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

// A leitura crua: um banco igual ao da empresa (os mesmos roteiros, noutra conexão) e
// um comando preparado por tabela; de cada linha lida somam-se as colunas pelo tipo,
// como quem copia os valores para fora do SQLite. Lê o que a importação lê: a nota e
// as suas linhas (itens, detalhes de estoque, serviços, deduções, rateios, linhas
// gerenciais, parcelas, mensagens) e os cadastros a que elas apontam — do cabeçalho a
// conta e o CFRT do cliente, a transportadora, a conta de entrada de recursos, o
// documento, o histórico, o CFOP, a situação de serviço e a filial; de cada item o
// produto, a unidade, o CFOP e a situação tributária; de cada detalhe o lote e o
// volume; de cada serviço o serviço, a unidade e a situação; de cada linha de rateio a
// conta —, cada linha uma vez onde é usada. Os movimentos de estoque ficam de fora: a
// importação só os busca por detalhe de estoque, e as notas do bench não têm detalhes.
class CLeituraCrua {
 public:
  CLeituraCrua() {
    sqlite3_open(":memory:", &m_pBanco);
    for (const std::string& strRoteiro : RoteirosEmpresa())
      sqlite3_exec(m_pBanco, strRoteiro.c_str(), nullptr, nullptr, nullptr);
    const TConsulta conta = Consulta("SELECT * FROM conta WHERE lPonteiro = ?");
    const TConsulta natureza = Consulta("SELECT * FROM natureza WHERE iPonteiro = ?");
    const TConsulta unidade = Consulta("SELECT * FROM unidade_medida WHERE iPonteiro = ?");
    m_nota = Consulta("SELECT * FROM nota_fiscal WHERE lPosicao = ?",
                      {{"lPonteiroCliente", conta},
                       {"lPonteiroCliente", Consulta("SELECT * FROM cfrt WHERE lPonteiroConta = ?")},
                       {"lPonteiroTransportadora", conta},
                       {"lEntradaRecursos", conta},
                       {"iPonteiroDocumento", Consulta("SELECT * FROM documento WHERE iPonteiro = ?")},
                       {"iPonteiroHistorico", Consulta("SELECT * FROM historico WHERE iPonteiro = ?")},
                       {"iPonteiroCFOP", natureza},
                       {"iPonteiroSitServico", natureza},
                       {"iPonteiroFilial", Consulta("SELECT * FROM filial WHERE iPonteiro = ?")}});
    m_linhas = {
        Consulta("SELECT * FROM nf_item_produto WHERE lPosicaoNota = ? ORDER BY nItem",
                 {{"lPosicaoProduto", Consulta("SELECT * FROM produto WHERE lPonteiro = ?")},
                  {"iPonteiroUnidadeMedida", unidade},
                  {"iPonteiroCFOP", natureza},
                  {"byPonteiroSitTributaria", Consulta("SELECT * FROM situacao_tributaria WHERE byPonteiro = ?")}}),
        Consulta("SELECT * FROM nf_detalhe_estoque WHERE lPosicaoNota = ? ORDER BY nItem, nDetalhe",
                 {{"regLote_lPonteiroLoteES", Consulta("SELECT * FROM lote_estoque WHERE lPonteiro = ?")},
                  {"regVolume_lPonteiroVolumeES", Consulta("SELECT * FROM volume_estoque WHERE lPonteiro = ?")}}),
        Consulta("SELECT * FROM nf_item_servico WHERE lPosicaoNota = ? ORDER BY nItem",
                 {{"lPonteiroServico", Consulta("SELECT * FROM servico WHERE lPonteiro = ?")},
                  {"iUnidadeMedida", unidade},
                  {"iPonteiroSitServico", natureza}}),
        Consulta("SELECT * FROM nf_deducao WHERE lPosicaoNota = ? ORDER BY nItem, nRetencao, nOrdem"),
        Consulta("SELECT * FROM nf_rateio WHERE lPosicaoNota = ? ORDER BY cOrigem, nItem, nLinha",
                 {{"lContaEmpresarialNF", conta}}),
        Consulta("SELECT * FROM nf_rateio_gerencial WHERE lPosicaoNota = ? "
                 "ORDER BY cOrigem, nItem, nLinha, nGerencial"),
        Consulta("SELECT * FROM nf_parcela WHERE lPosicaoNota = ? ORDER BY byOrdem"),
        Consulta("SELECT * FROM nf_mensagem WHERE lPosicaoNota = ? ORDER BY nOrdem"),
    };
  }
  ~CLeituraCrua() {
    for (sqlite3_stmt* p : m_comandos) sqlite3_finalize(p);
    sqlite3_close(m_pBanco);
  }
  CLeituraCrua(const CLeituraCrua&) = delete;
  CLeituraCrua& operator=(const CLeituraCrua&) = delete;

  bool Pronta() const {
    for (sqlite3_stmt* p : m_comandos)
      if (p == nullptr) return false;
    return !m_comandos.empty();
  }
  // As linhas de uma nota e dos cadastros a que ela aponta; a soma das colunas lidas.
  long long Nota(long lPosicao) const {
    long long llSoma = Le(m_nota, lPosicao);
    for (const TConsulta& linhas : m_linhas) llSoma += Le(linhas, lPosicao);
    return llSoma;
  }

 private:
  // Um comando por chave e, para cada coluna que aponta a um cadastro, a consulta dele.
  struct TConsulta {
    sqlite3_stmt* pComando = nullptr;
    std::vector<std::pair<int, TConsulta>> aponta;
  };

  TConsulta Consulta(const char* szSql, std::vector<std::pair<const char*, TConsulta>> aponta = {}) {
    TConsulta consulta;
    sqlite3_prepare_v2(m_pBanco, szSql, -1, &consulta.pComando, nullptr);
    m_comandos.push_back(consulta.pComando);
    for (auto& [szColuna, cadastro] : aponta) {
      int c = 0;
      while (c < sqlite3_column_count(consulta.pComando) &&
             std::string_view(sqlite3_column_name(consulta.pComando, c)) != szColuna)
        ++c;
      consulta.aponta.emplace_back(c, std::move(cadastro));
    }
    return consulta;
  }

  // Liga a chave e soma as colunas de cada linha e dos cadastros a que ela aponta
  // (chave 0 não aponta a nada).
  static long long Le(const TConsulta& consulta, long long llChave) {
    sqlite3_stmt* p = consulta.pComando;
    long long llSoma = 0;
    sqlite3_bind_int64(p, 1, llChave);
    while (sqlite3_step(p) == SQLITE_ROW) {
      for (int c = 0, n = sqlite3_column_count(p); c < n; ++c) {
        if (sqlite3_column_type(p, c) == SQLITE_TEXT)
          llSoma += sqlite3_column_bytes(p, c);
        else
          llSoma += sqlite3_column_int64(p, c);
      }
      for (const auto& [c, cadastro] : consulta.aponta)
        if (const long long llRef = sqlite3_column_int64(p, c); llRef != 0) llSoma += Le(cadastro, llRef);
    }
    sqlite3_reset(p);
    return llSoma;
  }

  sqlite3* m_pBanco = nullptr;
  std::vector<sqlite3_stmt*> m_comandos;
  TConsulta m_nota;
  std::vector<TConsulta> m_linhas;
};

// A base de comparação da importação: as mesmas linhas, cruas.
void LeituraCruaDaImportacao(benchmark::State& state) {
  static const CLeituraCrua leitura;
  if (!leitura.Pronta()) {
    state.SkipWithError("banco cru não montou");
    return;
  }
  const bool bDistintos = state.range(1) != 0;
  const T_Lista<long> posicoes =
      Posicoes(bDistintos ? kSequenciaDistintos : kSequenciaRepetidos, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    long long llSoma = 0;
    for (long lPosicao : posicoes) llSoma += leitura.Nota(lPosicao);
    benchmark::DoNotOptimize(llSoma);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * kItensPorNota);
}
BENCHMARK(LeituraCruaDaImportacao)
    ->ArgsProduct({{1, 10, 100, 1000}, {1, 0}})
    ->ArgNames({"notas", "distintos"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
