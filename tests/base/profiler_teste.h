// Apoio dos testes do log: a instalação de cada teste (instalacao_teste.h) e as
// linhas e campos dos arquivos gravados.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "instalacao_teste.h"
#include "vrmwnd/base.h"

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
