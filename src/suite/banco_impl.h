// Por dentro do banco da empresa: a conexão SQLite, os comandos preparados guardados
// por texto SQL e o preenchimento de um registro de layout fixo a partir de uma linha.
#pragma once

#include <sqlite3.h>

#include <map>
#include <string>

#include "vrmwnd/suite/banco_empresa.h"
#include "vrmwnd/suite/layout_fixo.h"

namespace vrmsuite {

struct CQZBancoEmpresa::TImpl {
  sqlite3* pBanco = nullptr;
  std::map<std::string, sqlite3_stmt*, std::less<>> mapComandos;
  ~TImpl();
};

// Um comando preparado do banco, em uso: liga parâmetros, anda pelas linhas e, ao
// sair de escopo, é rearmado para o próximo uso (fica guardado na conexão).
class CComando {
 public:
  CComando(CQZBancoEmpresa& banco, const char* szSql);
  ~CComando();
  CComando(const CComando&) = delete;
  CComando& operator=(const CComando&) = delete;

  bool Preparado() const { return m_pComando != nullptr; }
  const std::string& Erro() const { return m_strErro; }
  CComando& Liga(int nParametro, long long llValor);
  CComando& Liga(int nParametro, const char* szValor);
  // true com uma linha; false no fim ou no erro (Erro() diz qual).
  bool Proxima();
  sqlite3_stmt* Bruto() const { return m_pComando; }

 private:
  sqlite3_stmt* m_pComando = nullptr;
  sqlite3* m_pBanco = nullptr;
  std::string m_strErro;
};

// Grava no bloco cada coluna da linha corrente que tem o nome de um campo da tabela
// (blocos aninhados com o prefixo "bloco_"). Colunas sem campo são ignoradas; NULL
// deixa o campo zerado. Textos de campos H são alocados com CoTaskMemAlloc e o
// identificador vai para o campo. Falha QZ_E_REGISTRO_CORROMPIDO, com o motivo, para
// texto maior que o campo, número fora do tipo, data inválida ou tipo de coluna errado.
HRESULT PreencheDaLinha(sqlite3_stmt* pComando, const TCampoLayout* pCampos, std::size_t nCampos,
                        BYTE* pBloco, const char* szRegistro, std::string& strErro);

template <class TRegistro>
HRESULT PreencheDaLinha(CComando& comando, TRegistro& reg, std::string& strErro) {
  return PreencheDaLinha(comando.Bruto(), TRegistro::kCampos, std::size(TRegistro::kCampos),
                         reg.Bytes(), TRegistro::kNome, strErro);
}

}  // namespace vrmsuite
