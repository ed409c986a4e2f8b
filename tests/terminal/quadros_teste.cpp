// Os quadros esperados dos testes do terminal e o desenho de uma janela sozinha.
#include "quadros_teste.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string Le(const std::filesystem::path& caminho) {
  std::ifstream arquivo(caminho, std::ios::binary);
  std::ostringstream texto;
  texto << arquivo.rdbuf();
  return texto.str();
}

}  // namespace

void ConfereQuadro(const std::string& strNome, const std::string& strDesenhado) {
  const std::filesystem::path esperado = std::filesystem::path(VRMWND_QUADROS) / (strNome + ".txt");
  const std::string strEsperado = Le(esperado);
  if (strEsperado == strDesenhado) return;
  const std::filesystem::path atual = std::filesystem::path(VRMWND_QUADROS_ATUAIS) / (strNome + ".txt");
  std::filesystem::create_directories(atual.parent_path());
  std::ofstream(atual, std::ios::binary) << strDesenhado;
  ADD_FAILURE() << "o quadro " << strNome << " mudou (revise " << atual << " e, se estiver certo, copie-o para "
                << esperado << ")\n--- esperado\n"
                << strEsperado << "--- desenhado\n"
                << strDesenhado;
}

TDesenho DesenhaSozinha(HWND hJanela, vrmwnd::terminal::TTamanho tamanho) {
  vrmwnd::terminal::CDesenhista desenhista;
  if (tamanho.nColunas == 0) tamanho = vrmwnd::terminal::CDesenhista::TamanhoEmCelulas(hJanela);
  vrmwnd::terminal::CGradeCelulas grade(tamanho.nColunas, tamanho.nLinhas);
  desenhista.DesenhaJanela(grade, hJanela, 0, 0);
  TDesenho desenho{grade.Texto(), grade.Estilos()};
  if (grade.Cursor()) desenho.cursor = *grade.Cursor();
  return desenho;
}
