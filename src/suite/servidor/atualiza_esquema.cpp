// O que o esquema da empresa ganhou depois da primeira versão, na ordem em que
// ganhou; cada passo só age quando a tabela ou a coluna ainda falta.
#include "atualiza_esquema.h"

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

// Mesmas definições de data/schema.sql.
constexpr TColunaNova kColunasNovas[] = {
    {"filial", "byAtiva", "INTEGER NOT NULL DEFAULT 1"},
    {"conta", "cTipo", "TEXT NOT NULL DEFAULT 'A'"},
    {"conta", "byCaracteristica", "INTEGER NOT NULL DEFAULT 0"},
};

// 1 tem, 0 não tem, -1 erro.
int TemColuna(CQZBancoEmpresa& banco, const char* szTabela, const char* szColuna, std::string& strErro) {
  CComando comando(banco, "SELECT count(*) FROM pragma_table_info(?) WHERE name = ?");
  if (!comando.Preparado()) {
    strErro = comando.Erro();
    return -1;
  }
  comando.Liga(1, szTabela).Liga(2, szColuna);
  if (!comando.Proxima()) {
    strErro = comando.Erro();
    return -1;
  }
  return sqlite3_column_int(comando.Bruto(), 0) > 0 ? 1 : 0;
}

}  // namespace

HRESULT AtualizaEsquemaEmpresa(CQZBancoEmpresa& banco, std::string& strErro) {
  std::string strRoteiro;
  for (const TColunaNova& c : kColunasNovas) {
    const int n = TemColuna(banco, c.szTabela, c.szColuna, strErro);
    if (n < 0) return QZ_E_BANCO_DE_DADOS;
    if (n == 0)
      strRoteiro += std::string("ALTER TABLE ") + c.szTabela + " ADD COLUMN " + c.szColuna + " " + c.szDefinicao + ";\n";
  }
  if (strRoteiro.empty()) return S_OK;
  const HRESULT hr = banco.ExecutaRoteiro(("SAVEPOINT atualiza_esquema;\n" + strRoteiro +
                                           "RELEASE atualiza_esquema;\n").c_str(), strErro);
  if (hr != S_OK) {
    std::string strIgnorado;
    banco.ExecutaRoteiro("ROLLBACK TO atualiza_esquema; RELEASE atualiza_esquema;", strIgnorado);
  }
  return hr;
}

}  // namespace vrmsuite
