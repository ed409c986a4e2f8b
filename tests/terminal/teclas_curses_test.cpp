// As teclas e os caracteres que o ncurses lê, como as teclas do Windows com os
// modificadores que GetKeyState vai ver; o texto copiado em OSC 52.
#include <curses.h>
#include <gtest/gtest.h>

#include "vrmwnd/platform/winmsg.h"
#include "vrmwnd/terminal/CTerminalCurses.h"

using vrmwnd::terminal::EventoDaTeclaCurses;
using vrmwnd::terminal::EventoDoCaractere;
using vrmwnd::terminal::TEvento;

namespace {

struct TEsperado {
  TEvento::ETipo tipo;
  int nTecla;
  std::vector<int> modificadores;
  std::string strTexto;
};

void Confere(const std::optional<TEvento>& evento, const TEsperado& esperado, const std::string& strCaso) {
  ASSERT_TRUE(evento.has_value()) << strCaso;
  EXPECT_EQ(evento->tipo, esperado.tipo) << strCaso;
  EXPECT_EQ(evento->nTecla, esperado.nTecla) << strCaso;
  EXPECT_EQ(evento->modificadores, esperado.modificadores) << strCaso;
  EXPECT_EQ(evento->strTexto, esperado.strTexto) << strCaso;
}

constexpr auto kTecla = TEvento::ETipo::Tecla;

}  // namespace

TEST(TeclasCursesTest, TeclasEspeciaisComOsModificadores) {
  struct TCaso {
    int nCodigo;
    const char* szNome;
    TEsperado esperado;
  };
  const TCaso casos[] = {
      {KEY_UP, "KEY_UP", {kTecla, VK_UP, {}, ""}},
      {KEY_NPAGE, "KEY_NPAGE", {kTecla, VK_NEXT, {}, ""}},
      {KEY_DC, "KEY_DC", {kTecla, VK_DELETE, {}, ""}},
      {KEY_BTAB, "KEY_BTAB", {kTecla, VK_TAB, {VK_LSHIFT}, ""}},
      {KEY_SHOME, "KEY_SHOME", {kTecla, VK_HOME, {VK_LSHIFT}, ""}},
      {KEY_F(2), "KEY_F(2)", {kTecla, VK_F2, {}, ""}},
      {KEY_F(12), "KEY_F(12)", {kTecla, VK_F12, {}, ""}},
      {KEY_F(14), "KEY_F(14)", {kTecla, VK_F2, {VK_LSHIFT}, ""}},
      {KEY_F(30), "KEY_F(30)", {kTecla, VK_F6, {VK_LCONTROL}, ""}},
      {KEY_F(50), "KEY_F(50)", {kTecla, VK_F2, {VK_LMENU}, ""}},
      {600, "kUP5", {kTecla, VK_UP, {VK_LCONTROL}, ""}},
      {601, "kRIT6", {kTecla, VK_RIGHT, {VK_LCONTROL, VK_LSHIFT}, ""}},
      {602, "kNXT3", {kTecla, VK_NEXT, {VK_LMENU}, ""}},
      {603, "kEND8", {kTecla, VK_END, {VK_LCONTROL, VK_LSHIFT, VK_LMENU}, ""}},
      {KEY_RESIZE, "KEY_RESIZE", {TEvento::ETipo::Redimensiona, 0, {}, ""}},
  };
  for (const TCaso& caso : casos) Confere(EventoDaTeclaCurses(caso.nCodigo, caso.szNome), caso.esperado, caso.szNome);
  EXPECT_FALSE(EventoDaTeclaCurses(604, "kUP9")) << "número de modificadores que o xterm não usa";
  EXPECT_FALSE(EventoDaTeclaCurses(605, "kUP")) << "a estendida sem número não é tecla";
}

TEST(TeclasCursesTest, CaracteresViramTeclasOuTexto) {
  struct TCaso {
    char32_t cCaractere;
    bool bAlt;
    TEsperado esperado;
  };
  const TCaso casos[] = {
      {U'\t', false, {kTecla, VK_TAB, {}, ""}},           {U'\r', false, {kTecla, VK_RETURN, {}, ""}},
      {0x1B, false, {kTecla, VK_ESCAPE, {}, ""}},         {0x7F, false, {kTecla, VK_BACK, {}, ""}},
      {0x03, false, {kTecla, 'C', {VK_LCONTROL}, ""}},    {0x00, false, {kTecla, VK_SPACE, {VK_LCONTROL}, ""}},
      {U'a', true, {kTecla, 'A', {VK_LMENU}, ""}},        {U'O', true, {kTecla, 'O', {VK_LMENU, VK_LSHIFT}, ""}},
      {U'7', true, {kTecla, '7', {VK_LMENU}, ""}},        {U'a', false, {TEvento::ETipo::Texto, 0, {}, "a"}},
      {U'ç', false, {TEvento::ETipo::Texto, 0, {}, "ç"}}, {U'€', true, {TEvento::ETipo::Texto, 0, {}, "€"}},
  };
  for (const TCaso& caso : casos)
    Confere(EventoDoCaractere(caso.cCaractere, caso.bAlt), caso.esperado,
            "U+" + std::to_string(static_cast<unsigned>(caso.cCaractere)));
  EXPECT_FALSE(EventoDoCaractere(0x1C, false)) << "controle sem tecla";
}

TEST(TeclasCursesTest, Osc52LevaOTextoEmBase64) {
  const std::pair<const char*, const char*> casos[] = {
      {"", "\033]52;c;\a"},        {"f", "\033]52;c;Zg==\a"},        {"fo", "\033]52;c;Zm8=\a"},
      {"foo", "\033]52;c;Zm9v\a"}, {"Ação", "\033]52;c;QcOnw6Nv\a"},
  };
  for (const auto& [szTexto, szSequencia] : casos)
    EXPECT_EQ(vrmwnd::terminal::SequenciaOsc52(szTexto), szSequencia) << szTexto;
}
