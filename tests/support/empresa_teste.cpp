// Empresas de teste na memória, registradas pelo nome para OnInicializa as achar.
#include "empresa_teste.h"

#include <gtest/gtest.h>

CEmpresaTeste::CEmpresaTeste(EConteudo eConteudo) {
  static int s_nContador = 0;
  m_strNome = "TESTE" + std::to_string(++s_nContador);
  m_pBanco = vrmsuite::CQZBancoEmpresa::NaMemoria();
  Executa(vrmsuite::EsquemaEmpresa());
  if (eConteudo == COM_AMOSTRA) Executa(vrmsuite::AmostraEmpresa());
  vrmsuite::RegistraEmpresaNaMemoria(m_strNome, m_pBanco);
}

CEmpresaTeste::~CEmpresaTeste() { vrmsuite::RemoveEmpresaDaMemoria(m_strNome); }

void CEmpresaTeste::Executa(const std::string& strSql) {
  std::string strErro;
  if (m_pBanco->ExecutaRoteiro(strSql.c_str(), strErro) != S_OK) ADD_FAILURE() << strErro;
}
