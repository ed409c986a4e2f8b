// O terminal de verdade (CTerminalCurses), pelo ncurses com caracteres largos: abre a
// tela na entrada e na saída padrão, mostra as grades de células com cores (ou em
// preto e branco, quando o terminal não tem cores ou NO_COLOR está definida), lê
// teclas, caracteres UTF-8 e o mouse, e devolve o terminal como estava em toda saída:
// no fim normal, numa exceção, em std::terminate e nos sinais que encerram o
// programa. Enquanto a tela está aberta a saída de erros vai para um arquivo e volta
// ao terminal no fim.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "vrmwnd/terminal/ITerminal.h"
#include "vrmwnd/terminal/exporta.h"

namespace vrmwnd::terminal {

class VRMWND_TERMINAL_API CTerminalCurses : public ITerminal {
 public:
  // Lança std::runtime_error (com a mensagem em português) quando a entrada ou a
  // saída não são um terminal ou o terminal não abre.
  CTerminalCurses();
  ~CTerminalCurses() override;
  CTerminalCurses(const CTerminalCurses&) = delete;
  CTerminalCurses& operator=(const CTerminalCurses&) = delete;

  TTamanho Tamanho() override;
  void Mostra(const CGradeCelulas& tela) override;
  std::optional<TEvento> Le(int nEsperaMs) override;
  // OSC 52: o terminal (ou o tmux) põe o texto na área de transferência; o console
  // do Linux não tem área de transferência e não recebe nada.
  void Copia(std::string_view strTexto) override;
  bool Colorido() const;

 private:
  struct TEstado;
  std::unique_ptr<TEstado> m_pEstado;
};

// A tecla especial do ncurses (KEY_UP, KEY_F(14), ...; szNome é o keyname dela,
// que diz os modificadores das teclas estendidas: "kUP5" é Ctrl+Seta para cima) como
// evento; nenhum para o que não é tecla.
VRMWND_TERMINAL_API std::optional<TEvento> EventoDaTeclaCurses(int nCodigo, std::string_view strNome);
// Um caractere lido (com Alt quando veio depois de um Escape) como evento: Tab,
// Enter, Escape, Backspace e Ctrl+letra como teclas, o resto como texto.
VRMWND_TERMINAL_API std::optional<TEvento> EventoDoCaractere(char32_t cCaractere, bool bAlt);
// A sequência OSC 52 que põe o texto na área de transferência do terminal.
VRMWND_TERMINAL_API std::string SequenciaOsc52(std::string_view strTexto);

}  // namespace vrmwnd::terminal
