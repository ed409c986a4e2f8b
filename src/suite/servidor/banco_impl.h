// Por dentro do banco da empresa: a conexão SQLite, os comandos preparados guardados
// por texto SQL com o mapa de colunas para cada layout que preenchem, e o
// preenchimento de um registro de layout fixo a partir de uma linha.
#pragma once

#include <sqlite3.h>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "vrmwnd/suite/servidor/banco_empresa.h"
#include "vrmwnd/suite/leiautes/layout_fixo.h"

namespace vrmsuite {

// Uma coluna de um comando que tem campo num layout: o campo (nunca um bloco) e o seu
// deslocamento desde o início do registro (blocos aninhados somados).
struct TColunaMapeada {
  int nColuna;
  const TCampoLayout* pCampo;
  std::size_t nOffset;
};

// As colunas de um comando com campo num layout, na ordem das colunas. Vale enquanto
// o SQLite não repreparar o comando (o esquema pode ter mudado as colunas).
struct TMapaColunas {
  const TCampoLayout* pCampos = nullptr;
  int nPreparos = 0;
  bool bTemTextoAlocado = false;  // alguma coluna vai para um campo H
  std::vector<TColunaMapeada> colunas;
};

// Um comando preparado e guardado na conexão, com os mapas dos layouts que preenche.
struct TComandoGuardado {
  sqlite3_stmt* pComando = nullptr;
  bool bSoLeitura = true;  // o comando não grava no banco
  std::vector<TMapaColunas> mapas;
};

// Um registro guardado numa leitura consistente: o comando que o leu, o layout que
// ele preencheu (nulo: só a existência da linha) e a chave.
struct TChaveGuardada {
  const TComandoGuardado* pComando;
  const TCampoLayout* pCampos;
  long long llChave;
  bool operator==(const TChaveGuardada&) const = default;
};

struct CQZBancoEmpresa::TImpl {
  struct THashTexto {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  struct THashChave {
    std::size_t operator()(const TChaveGuardada& c) const {
      const std::size_t h = std::hash<const void*>{}(c.pComando) ^ (std::hash<const void*>{}(c.pCampos) << 1);
      return h ^ (std::hash<long long>{}(c.llChave) * 0x9E3779B97F4A7C15ULL);
    }
  };
  sqlite3* pBanco = nullptr;
  std::unordered_map<std::string, TComandoGuardado, THashTexto, std::equal_to<>> mapComandos;
  // Leituras consistentes abertas; a mais externa abriu a transação de leitura?
  int nLeiturasConsistentes = 0;
  bool bTransacaoPropria = false;
  // Os registros lidos por chave enquanto há leitura consistente aberta (os bytes).
  std::unordered_map<TChaveGuardada, std::string, THashChave> registrosGuardados;
  // Guarda e devolve só numa leitura consistente dentro de uma transação: ali outra
  // conexão não muda o que esta vê, e toda escrita desta esvazia o guardado.
  bool GuardaValendo() const { return nLeiturasConsistentes > 0 && sqlite3_get_autocommit(pBanco) == 0; }
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
  // O mapa das colunas deste comando para o layout de pCampos (feito na primeira vez).
  const TMapaColunas& Mapa(const TCampoLayout* pCampos, std::size_t nCampos);
  // Numa leitura consistente: o registro de nTamanho bytes que este comando já leu
  // com a chave e o layout pCampos, copiado em pDestino (true); pCampos nulo pergunta
  // só se a linha já foi achada. Fora dela, sempre false.
  bool LeGuardado(const TCampoLayout* pCampos, long long llChave, BYTE* pDestino, std::size_t nTamanho);
  // Guarda o registro lido (numa leitura consistente; layouts com textos alocados,
  // que cada leitura aloca de novo, não são guardados).
  void Guarda(const TCampoLayout* pCampos, std::size_t nCampos, long long llChave, const BYTE* pOrigem,
              std::size_t nTamanho);

 private:
  CQZBancoEmpresa::TImpl* m_pImpl = nullptr;
  TComandoGuardado* m_pGuardado = nullptr;
  sqlite3_stmt* m_pComando = nullptr;
  sqlite3* m_pBanco = nullptr;
  std::string m_strErro;
};

// Grava no bloco cada coluna da linha corrente que tem o nome de um campo da tabela
// (blocos aninhados com o prefixo "bloco_"). Colunas sem campo são ignoradas; NULL
// deixa o campo zerado. Textos de campos H são alocados com CoTaskMemAlloc e o
// identificador vai para o campo. Falha QZ_E_REGISTRO_CORROMPIDO, com o motivo, para
// texto maior que o campo, número fora do tipo, data inválida ou tipo de coluna errado.
HRESULT PreencheDaLinha(sqlite3_stmt* pComando, const TMapaColunas& mapa, BYTE* pBloco, const char* szRegistro,
                        std::string& strErro);
// O mapa das colunas de um comando preparado para os campos de um layout.
TMapaColunas MapeiaColunas(sqlite3_stmt* pComando, const TCampoLayout* pCampos, std::size_t nCampos);

template <class TRegistro>
HRESULT PreencheDaLinha(CComando& comando, TRegistro& reg, std::string& strErro) {
  return PreencheDaLinha(comando.Bruto(), comando.Mapa(TRegistro::kCampos, std::size(TRegistro::kCampos)), reg.Bytes(),
                         TRegistro::kNome, strErro);
}

}  // namespace vrmsuite
