// O banco de dados de uma empresa da suíte: aberto pelo nome da empresa no diretório
// das empresas, ou registrado na memória (testes); o esquema e a empresa de amostra
// embutidos na biblioteca. Só a camada da suíte enxerga o banco por dentro.
#pragma once

#include <memory>
#include <string>

#include "vrmwnd/platform/wintypes.h"
#include "vrmwnd/suite/exporta.h"

namespace vrmsuite {

class VRMWND_SUITE_API CQZBancoEmpresa {
 public:
  struct TImpl;
  explicit CQZBancoEmpresa(std::unique_ptr<TImpl> pImpl);
  ~CQZBancoEmpresa();
  CQZBancoEmpresa(const CQZBancoEmpresa&) = delete;
  CQZBancoEmpresa& operator=(const CQZBancoEmpresa&) = delete;

  // Banco vazio na memória, para montar uma empresa de teste.
  static std::shared_ptr<CQZBancoEmpresa> NaMemoria();
  // Abre (bCria: cria quando falta) o arquivo; nullptr e o motivo em strErro na falha.
  static std::shared_ptr<CQZBancoEmpresa> AbreArquivo(const std::string& strArquivo, bool bCria, std::string& strErro);

  // Executa um roteiro SQL inteiro (esquema, amostra, dados de teste); não recebe
  // dados do usuário. 0 ou QZ_E_BANCO_DE_DADOS com o motivo em strErro.
  HRESULT ExecutaRoteiro(const char* szSql, std::string& strErro);
  TImpl& Impl() { return *m_pImpl; }

 private:
  std::unique_ptr<TImpl> m_pImpl;
};

// Uma leitura consistente do banco: enquanto o objeto vive, as leituras veem um só
// estado do banco (uma transação de leitura, aberta aqui quando a conexão não está em
// uma) e cada cadastro lido por chave fica guardado, de modo que ler a mesma chave de
// novo não volta ao SQLite. Toda escrita por esta conexão (comando que grava ou
// roteiro) esvazia o guardado; a transação não deixa outra conexão mudar o que esta
// vê. Aninhável: ao fim da mais externa o guardado é descartado e a transação aberta
// aqui, encerrada. Banco nulo: não faz nada.
class VRMWND_SUITE_API CLeituraConsistente {
 public:
  explicit CLeituraConsistente(std::shared_ptr<CQZBancoEmpresa> pBanco);
  ~CLeituraConsistente();
  CLeituraConsistente(const CLeituraConsistente&) = delete;
  CLeituraConsistente& operator=(const CLeituraConsistente&) = delete;

 private:
  std::shared_ptr<CQZBancoEmpresa> m_pBanco;
};

// Esquema (data/schema.sql) e empresa de amostra (data/sample/*.sql) embutidos.
VRMWND_SUITE_API const char* EsquemaEmpresa();
VRMWND_SUITE_API const char* AmostraEmpresa();

// O banco da empresa: "empresa.db" na pasta de dados que o registro dá à empresa
// (valor "Path" da subchave "Empresas\NOME", QZDiretorioEmpresa); vazio quando não registrada.
VRMWND_SUITE_API std::string ArquivoEmpresa(const std::string& strNome);
// Nome aceito: 1 a 64 letras, dígitos, '_' ou '-'.
VRMWND_SUITE_API bool NomeEmpresaValido(const std::string& strNome);

// Empresas registradas na memória têm precedência sobre os arquivos (testes).
VRMWND_SUITE_API void RegistraEmpresaNaMemoria(const std::string& strNome, std::shared_ptr<CQZBancoEmpresa> pBanco);
VRMWND_SUITE_API void RemoveEmpresaDaMemoria(const std::string& strNome);
// A empresa pelo nome: a registrada na memória, senão o arquivo de ArquivoEmpresa,
// que precisa existir; sem registro, o banco da pasta padrão é adotado (AdotaEmpresa,
// em criacao_empresa.h). nullptr e o motivo em strErro quando não há.
VRMWND_SUITE_API std::shared_ptr<CQZBancoEmpresa> AbreEmpresa(const std::string& strNome, std::string& strErro);

}  // namespace vrmsuite
