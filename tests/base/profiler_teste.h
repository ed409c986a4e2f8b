// Ambiente dos testes do log: uma instalação temporária registrada ("Path" e
// "Mensagens"), o relógio fixo e o estado do profiler esquecido antes e depois.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ambiente_teste.h"
#include "vrmwnd/base.h"

class CInstalacaoTeste {
 public:
  CInstalacaoTeste() {
    m_strInstalacao = m_home.CriaSubpasta("instalacao");
    QZGravaRegistroTexto(HKEY_LOCAL_MACHINE, QZChaveEmpresarial(), "Path", m_strInstalacao.c_str());
    QZGravaRegistroTexto(HKEY_LOCAL_MACHINE, QZChaveEmpresarial(), "Mensagens",
                         m_strInstalacao.c_str());
    QZProfilerReinicia();
  }
  ~CInstalacaoTeste() { QZProfilerReinicia(); }
  std::string Arquivo(const std::string& strNome) const { return m_strInstalacao + "/" + strNome; }
  void EscreveLogIni(const std::string& strChaves) const {
    EscreveArquivo(Arquivo("log.ini"), "[Log]\n" + strChaves);
  }
  const CHomeTemporaria& Home() const { return m_home; }

 private:
  CHomeTemporaria m_home;
  std::string m_strInstalacao;
};

// Linhas de um arquivo, sem o "\n" final de cada uma.
inline std::vector<std::string> Linhas(const std::string& strTexto) {
  std::vector<std::string> linhas;
  std::size_t inicio = 0;
  for (std::size_t fim; (fim = strTexto.find('\n', inicio)) != std::string::npos; inicio = fim + 1)
    linhas.push_back(strTexto.substr(inicio, fim - inicio));
  return linhas;
}

// O campo n (a partir de 0) de uma linha separada por tabulações.
inline std::string Campo(const std::string& strLinha, int n) {
  std::size_t inicio = 0;
  for (int i = 0; i < n; ++i) inicio = strLinha.find('\t', inicio) + 1;
  return strLinha.substr(inicio, strLinha.find('\t', inicio) - inicio);
}
