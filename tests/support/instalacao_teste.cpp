// A instalação de exemplo de cada teste, numa casa temporária.
#include "instalacao_teste.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <utility>

#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/base/ganchos_teste.h"
#include "vrmwnd/platform/registry.h"

CInstalacaoTeste::CInstalacaoTeste(EConteudo eConteudo) {
  m_strInstalacao = m_home.CriaSubpasta("instalacao");
  CString strFalha;
  if (eConteudo == EXEMPLO) {
    EXPECT_TRUE(QZCriaInstalacaoExemplo(m_strInstalacao.c_str(), true, &strFalha)) << strFalha.GetString();
  } else {
    EXPECT_TRUE(QZGravaRegistroTexto(HKEY_LOCAL_MACHINE, QZChaveEmpresarial(), "Path", m_strInstalacao.c_str()));
    EXPECT_TRUE(QZGravaRegistroTexto(HKEY_LOCAL_MACHINE, QZChaveEmpresarial(), "Mensagens", m_strInstalacao.c_str()));
  }
  QZProfilerReinicia();
}

CInstalacaoTeste::~CInstalacaoTeste() { QZProfilerReinicia(); }

void CInstalacaoTeste::EscreveLogIni(const std::string& strChaves) const {
  EscreveArquivo(Arquivo("log.ini"), "[Log]\n" + strChaves);
}

std::string CInstalacaoTeste::Gravado(const std::string& strPrefixo) const {
  std::vector<std::filesystem::path> caminhos;
  std::error_code erro;
  for (const auto& e : std::filesystem::recursive_directory_iterator(m_home.Pasta(), erro))
    if (e.is_regular_file(erro) && e.path().filename().string().starts_with(strPrefixo)) caminhos.push_back(e.path());
  std::sort(caminhos.begin(), caminhos.end());
  std::string strTudo;
  for (const auto& caminho : caminhos) strTudo += LeArquivo(caminho.string());
  return strTudo;
}

std::vector<std::string> CInstalacaoTeste::LinhasDeErro() const {
  const std::string strTexto = Gravado("QZProfilerErros");
  std::vector<std::string> linhas;
  std::size_t inicio = 0;
  for (std::size_t fim; (fim = strTexto.find('\n', inicio)) != std::string::npos; inicio = fim + 1) {
    std::string strLinha = strTexto.substr(inicio, fim - inicio);
    if (strLinha.find("\tERRO\t") != std::string::npos) linhas.push_back(std::move(strLinha));
  }
  return linhas;
}
