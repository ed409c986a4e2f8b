// Empresas de teste na memória: o esquema da empresa, com ou sem a amostra, mais o SQL
// que o teste quiser, registradas sob um nome único enquanto o objeto vive.
#pragma once

#include <memory>
#include <string>

#include "vrmwnd/suite/servidor/banco_empresa.h"

class CEmpresaTeste {
 public:
  enum EConteudo { SO_ESQUEMA, COM_AMOSTRA };
  explicit CEmpresaTeste(EConteudo eConteudo = COM_AMOSTRA);
  ~CEmpresaTeste();
  CEmpresaTeste(const CEmpresaTeste&) = delete;
  CEmpresaTeste& operator=(const CEmpresaTeste&) = delete;

  const char* Nome() const { return m_strNome.c_str(); }
  // Executa SQL no banco da empresa; falha o teste (ADD_FAILURE) quando o banco recusa.
  void Executa(const std::string& strSql);

 private:
  std::string m_strNome;
  std::shared_ptr<vrmsuite::CQZBancoEmpresa> m_pBanco;
};
