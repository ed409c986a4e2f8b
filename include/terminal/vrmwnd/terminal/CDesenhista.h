// O desenhista (CDesenhista): desenha a árvore de janelas do sistema de janelas da
// plataforma numa grade de células. Uma janela de topo vai centrada na área de
// trabalho, com moldura e título, na ordem Z (a de cima por último), e os menus
// abertos por cima de todas, onde foram abertos; o interior do
// modelo em unidades de diálogo vira células a 4 unidades por coluna e 8 por linha
// (6 e 13 pixels); cada controle padrão é desenhado pela sua classe. Guarda o mapa
// da tela, que diz a que janela e a que ponto dela vai o clique numa célula.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "vrmwnd/platform/winuser.h"
#include "vrmwnd/terminal/CGradeCelulas.h"
#include "vrmwnd/terminal/exporta.h"

namespace vrmwnd::terminal {

namespace detail {
class CContextoDesenho;
}  // namespace detail

// Pixels de uma célula: a largura do caractere e a altura da linha da fonte fixa.
constexpr int kPixelsPorColuna = 6;
constexpr int kPixelsPorLinha = 13;

// Uma região da tela que recebe o mouse: a janela e o ponto do cliente dela que
// corresponde a cada célula (xPixel, yPixel na célula do canto, mais o passo por
// célula). Uma região de janela desabilitada absorve o clique (hJanela nulo).
struct TAlvo {
  TRetangulo ret;
  HWND hJanela = nullptr;
  int xPixel = 0;
  int yPixel = 0;
  int nPassoX = kPixelsPorColuna;
  int nPassoY = kPixelsPorLinha;
  POINT PontoEm(int x, int y) const { return POINT{xPixel + (x - ret.x) * nPassoX, yPixel + (y - ret.y) * nPassoY}; }
};

class VRMWND_TERMINAL_API CMapaTela {
 public:
  void Limpa() { m_alvos.clear(); }
  void Adiciona(const TAlvo& alvo);
  // A região de cima na célula, ou nulo.
  const TAlvo* AlvoEm(int x, int y) const;

 private:
  std::vector<TAlvo> m_alvos;
};

// O que o terminal mostra além das janelas: a barra de título em cima e a das
// teclas embaixo (vazias: sem barra).
struct TMolduraTela {
  std::string strTitulo;
  std::string strTeclas;
};

class VRMWND_TERMINAL_API CDesenhista {
 public:
  // A tela toda: área de trabalho, barras e todas as janelas de topo visíveis.
  void DesenhaTela(CGradeCelulas& grade, const TMolduraTela& moldura);
  // Uma janela de topo com o canto em (x, y), sem área de trabalho: é como os
  // testes mostram um diálogo sozinho.
  void DesenhaJanela(CGradeCelulas& grade, HWND hJanela, int x, int y);
  const CMapaTela& Mapa() const { return m_mapa; }

  // O tamanho em células de uma janela de topo, moldura incluída.
  static TTamanho TamanhoEmCelulas(HWND hJanela);
  // A área das janelas numa tela desse tamanho (sem as barras que houver).
  static TRetangulo AreaDeTrabalho(TTamanho tela, const TMolduraTela& moldura);
  // A primeira janela de topo visível que não cabe na área (o texto dela e o tamanho
  // que pede); false quando todas cabem.
  static bool AlgumaNaoCabe(TRetangulo area, std::string& strJanela, TTamanho& pedido);

  // Células de uma coordenada do cliente em pixels (arredondada).
  static int Coluna(int xPixel) { return (2 * xPixel + kPixelsPorColuna) / (2 * kPixelsPorColuna); }
  static int Linha(int yPixel) { return (2 * yPixel + kPixelsPorLinha) / (2 * kPixelsPorLinha); }

 private:
  friend class detail::CContextoDesenho;
  // Primeira linha/coluna à vista de cada controle que rola (edits, listas), para
  // que a vista não salte entre um desenho e outro.
  std::map<HWND, TPonto> m_rolagem;
  // Onde cada janela de topo foi desenhada (o canto da moldura), para pôr os menus
  // que ela abriu sobre ela.
  std::map<HWND, TPonto> m_cantos;
  CMapaTela m_mapa;
};

}  // namespace vrmwnd::terminal
