// main de todo executável de testes: antes do primeiro teste, HOME e VRMWND_HOME
// apontam para uma pasta temporária nova (e XDG_DATA_HOME sai), de modo que nenhum
// teste leia ou grave a casa do usuário. Cada teste monta a sua própria casa e
// instalação; se ao fim algum gravou nesta pasta, a execução falha dizendo o quê.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "ambiente_teste.h"

int main(int argc, char** argv) {
  testing::InitGoogleMock(&argc, argv);
  const CHomeTemporaria casa;
  ::setenv("HOME", casa.Pasta().c_str(), 1);
  ::unsetenv("XDG_DATA_HOME");
  int nResultado = RUN_ALL_TESTS();
  std::error_code erro;
  for (const auto& e : std::filesystem::recursive_directory_iterator(casa.Pasta(), erro)) {
    std::fprintf(stderr, "Um teste gravou fora da sua casa temporária (use CInstalacaoTeste ou CHomeTemporaria): %s\n",
                 e.path().c_str());
    nResultado = 1;
  }
  return nResultado;
}
