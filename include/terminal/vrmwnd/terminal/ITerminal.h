// O terminal visto pelo usuário interativo (ITerminal): o tamanho, mostrar uma tela
// de células, ler o que a pessoa faz (teclas, caracteres, mouse, mudança de tamanho)
// e copiar um texto para a área de transferência do terminal. O ncurses dá um; os
// testes dão outro, que lê eventos de um roteiro e guarda as telas mostradas.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "vrmwnd/terminal/CGradeCelulas.h"
#include "vrmwnd/terminal/exporta.h"

namespace vrmwnd::terminal {

// Uma ação da pessoa no terminal, já em termos do Windows: a tecla é uma tecla
// virtual (VK_TAB, VK_F2, 'A', ...) com os modificadores apertados (VK_LSHIFT,
// VK_LCONTROL, VK_LMENU; os terminais não dizem o lado, então é o esquerdo, ou
// o direito quando o terminal diz); o texto é um caractere digitado (UTF-8); o mouse
// vem em células da tela.
struct TEvento {
  enum class ETipo { Tecla, Texto, Clique, CliqueDuplo, CliqueDireito, Roda, Redimensiona, Fim };
  ETipo tipo = ETipo::Tecla;
  int nTecla = 0;
  std::vector<int> modificadores;
  std::string strTexto;
  TPonto celula;
  int nDentes = 0;  // roda: positivo para cima (longe da pessoa)

  static TEvento Tecla(int nTecla, std::vector<int> modificadores = {}) {
    TEvento e;
    e.nTecla = nTecla;
    e.modificadores = std::move(modificadores);
    return e;
  }
  static TEvento Texto(std::string strTexto) {
    TEvento e;
    e.tipo = ETipo::Texto;
    e.strTexto = std::move(strTexto);
    return e;
  }
  static TEvento Mouse(ETipo tipo, TPonto celula, int nDentes = 0) {
    TEvento e;
    e.tipo = tipo;
    e.celula = celula;
    e.nDentes = nDentes;
    return e;
  }
  static TEvento De(ETipo tipo) {
    TEvento e;
    e.tipo = tipo;
    return e;
  }
};

class VRMWND_TERMINAL_API ITerminal {
 public:
  virtual ~ITerminal() = default;
  virtual TTamanho Tamanho() = 0;
  // Mostra a tela (o cursor onde a grade diz, escondido sem ele).
  virtual void Mostra(const CGradeCelulas& tela) = 0;
  // Espera até nEsperaMs milissegundos (negativo: sem limite) pela próxima ação;
  // nenhuma quando o tempo acaba. Fim: a entrada acabou.
  virtual std::optional<TEvento> Le(int nEsperaMs) = 0;
  // Põe o texto na área de transferência do terminal, onde o terminal deixa.
  virtual void Copia(std::string_view strTexto) = 0;
};

}  // namespace vrmwnd::terminal
