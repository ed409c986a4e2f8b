// O banco de dados de uma empresa da suíte: aberto pelo nome da empresa no diretório
// das empresas, ou registrado na memória (testes); o esquema e a empresa de amostra
// embutidos na biblioteca. Só a camada da suíte enxerga o banco por dentro.
#pragma once

#include <memory>
#include <string>

#include "vrmwnd/platform/wintypes.h"

namespace vrmsuite {

class CQZBancoEmpresa {
 public:
  struct TImpl;
  explicit CQZBancoEmpresa(std::unique_ptr<TImpl> pImpl);
  ~CQZBancoEmpresa();
  CQZBancoEmpresa(const CQZBancoEmpresa&) = delete;
  CQZBancoEmpresa& operator=(const CQZBancoEmpresa&) = delete;

  // Banco vazio na memória, para montar uma empresa de teste.
  static std::shared_ptr<CQZBancoEmpresa> NaMemoria();
  // Abre (bCria: cria quando falta) o arquivo; nullptr e o motivo em strErro na falha.
  static std::shared_ptr<CQZBancoEmpresa> AbreArquivo(const std::string& strArquivo, bool bCria,
                                                      std::string& strErro);

  // Executa um roteiro SQL inteiro (esquema, amostra, dados de teste); não recebe
  // dados do usuário. 0 ou QZ_E_BANCO com o motivo em strErro.
  HRESULT ExecutaRoteiro(const char* szSql, std::string& strErro);
  TImpl& Impl() { return *m_pImpl; }

 private:
  std::unique_ptr<TImpl> m_pImpl;
};

// Esquema (data/schema.sql) e empresa de amostra (data/sample/*.sql) embutidos.
const char* EsquemaEmpresa();
const char* AmostraEmpresa();

// Diretório dos bancos das empresas: $VRMWND_HOME/empresas, senão
// $XDG_DATA_HOME/vrmwnd/empresas, senão ~/.local/share/vrmwnd/empresas.
std::string DiretorioEmpresas();
// Nome aceito: 1 a 64 letras, dígitos, '_' ou '-'.
bool NomeEmpresaValido(const std::string& strNome);

// Empresas registradas na memória têm precedência sobre os arquivos (testes).
void RegistraEmpresaNaMemoria(const std::string& strNome, std::shared_ptr<CQZBancoEmpresa> pBanco);
void RemoveEmpresaDaMemoria(const std::string& strNome);
// A empresa pelo nome: a registrada na memória ou DiretorioEmpresas()/NOME.db, que
// precisa existir. nullptr e o motivo em strErro quando não há.
std::shared_ptr<CQZBancoEmpresa> AbreEmpresa(const std::string& strNome, std::string& strErro);
// Cria DiretorioEmpresas()/NOME.db com o esquema e a amostra; falha se já existe.
HRESULT CriaEmpresaDeAmostra(const std::string& strNome, std::string& strErro);

}  // namespace vrmsuite
