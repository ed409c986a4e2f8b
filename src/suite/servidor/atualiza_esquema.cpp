// O que o esquema da empresa ganhou depois da primeira versão, na ordem em que
// ganhou; cada passo só age quando a tabela ou a coluna ainda falta.
#include "atualiza_esquema.h"

#include <set>

#include "banco_impl.h"
#include "vrmwnd/suite/servidor/banco_empresa.h"
#include "vrmwnd/suite/servidor/resultados.h"

namespace vrmsuite {

namespace {

struct TColunaNova {
  const char* szTabela;
  const char* szColuna;
  const char* szDefinicao;
};

// Tabelas criadas depois; a definição vem do esquema embutido (data/schema.sql).
constexpr const char* kTabelasNovas[] = {"conta_relacao_gerencial",
                                         "usuario",
                                         "comprador",
                                         "departamento",
                                         "requerente",
                                         "municipio",
                                         "leiaute",
                                         "ordem_compra",
                                         "oc_parcela",
                                         "orcamento",
                                         "contrato_compra",
                                         "controle_qualidade",
                                         "codigo_barras",
                                         "complemento_historico",
                                         "contato_cfrt",
                                         "ajuste_efd",
                                         "cst_ipi",
                                         "local_estoque",
                                         "mensagem_fiscal",
                                         "tipo_movimento",
                                         "codigo_recolhimento",
                                         "tabela_preco",
                                         "taxa_conversao",
                                         "base_calculo_credito",
                                         "indice_economico",
                                         "origem_mercadoria",
                                         "incidencia_pis_cofins",
                                         "tipo_periodo",
                                         "vencimento",
                                         "estado",
                                         "oc_rateio",
                                         "historico_desativado"};

// Mesmas definições de data/schema.sql.
constexpr TColunaNova kColunasNovas[] = {
    {"filial", "byAtiva", "INTEGER NOT NULL DEFAULT 1"},
    {"conta", "cTipo", "TEXT NOT NULL DEFAULT 'A'"},
    {"conta", "byCaracteristica", "INTEGER NOT NULL DEFAULT 0"},
    {"ordem_compra", "iFilial", "INTEGER NOT NULL DEFAULT 0"},
    {"orcamento", "iFilial", "INTEGER NOT NULL DEFAULT 0"},
};

// Índices de data/schema.sql criados depois das suas tabelas.
struct TIndiceNovo {
  const char* szNome;
  const char* szDefinicao;
};
constexpr TIndiceNovo kIndicesNovos[] = {
    {"oc_parcela_conta", "oc_parcela(lContaContabil, lContaGerencial, dmaVencimento)"},
    {"oc_rateio_conta", "oc_rateio(lContaContabil, lContaGerencial)"},
    {"oc_parcela_vencimento", "oc_parcela(dmaVencimento)"},
};

// A contagem do comando com os parâmetros dados (o segundo pode ser nulo); -1 no erro.
int Conta(CQZBancoEmpresa& banco, const char* szSql, const char* sz1, const char* sz2, std::string& strErro) {
  CComando comando(banco, szSql);
  if (!comando.Preparado()) {
    strErro = comando.Erro();
    return -1;
  }
  comando.Liga(1, sz1);
  if (sz2) comando.Liga(2, sz2);
  if (!comando.Proxima()) {
    strErro = comando.Erro();
    return -1;
  }
  return sqlite3_column_int(comando.Bruto(), 0);
}

// O CREATE TABLE da tabela no esquema embutido, como CREATE TABLE IF NOT EXISTS.
std::string CriacaoDaTabela(const char* szTabela) {
  const std::string strEsquema = EsquemaEmpresa();
  const std::string strCria = "CREATE TABLE ";
  const std::size_t nInicio = strEsquema.find(strCria + szTabela + " (");
  const std::size_t nFim = nInicio == std::string::npos ? nInicio : strEsquema.find(");", nInicio);
  if (nFim == std::string::npos) return std::string();
  const std::size_t nNome = nInicio + strCria.size();
  return strCria + "IF NOT EXISTS " + strEsquema.substr(nNome, nFim + 2 - nNome) + "\n";
}

}  // namespace

HRESULT AtualizaEsquemaEmpresa(CQZBancoEmpresa& banco, std::string& strErro) {
  std::string strRoteiro;
  std::set<std::string> criadas;  // já nascem com as colunas do esquema
  for (const char* szTabela : kTabelasNovas) {
    const int n = Conta(banco, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?", szTabela,
                        nullptr, strErro);
    if (n < 0) return QZ_E_BANCO_DE_DADOS;
    if (n == 0) {
      strRoteiro += CriacaoDaTabela(szTabela);
      criadas.insert(szTabela);
    }
  }
  for (const TColunaNova& c : kColunasNovas) {
    if (criadas.count(c.szTabela)) continue;
    const int n =
        Conta(banco, "SELECT count(*) FROM pragma_table_info(?) WHERE name = ?", c.szTabela, c.szColuna, strErro);
    if (n < 0) return QZ_E_BANCO_DE_DADOS;
    if (n == 0)
      strRoteiro +=
          std::string("ALTER TABLE ") + c.szTabela + " ADD COLUMN " + c.szColuna + " " + c.szDefinicao + ";\n";
  }
  for (const TIndiceNovo& i : kIndicesNovos) {
    const int n = Conta(banco, "SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name = ?", i.szNome,
                        nullptr, strErro);
    if (n < 0) return QZ_E_BANCO_DE_DADOS;
    if (n == 0) strRoteiro += std::string("CREATE INDEX ") + i.szNome + " ON " + i.szDefinicao + ";\n";
  }
  if (strRoteiro.empty()) return S_OK;
  const HRESULT hr = banco.ExecutaRoteiro(
      ("SAVEPOINT atualiza_esquema;\n" + strRoteiro + "RELEASE atualiza_esquema;\n").c_str(), strErro);
  if (hr != S_OK) {
    std::string strIgnorado;
    banco.ExecutaRoteiro("ROLLBACK TO atualiza_esquema; RELEASE atualiza_esquema;", strIgnorado);
  }
  return hr;
}

}  // namespace vrmsuite
