// As teclas do ncurses em teclas do Windows. As teclas de função vêm em grupos de 12
// conforme os modificadores (F13 é Shift+F1, F25 Ctrl+F1, ...); as estendidas trazem
// os modificadores no nome, no número do xterm:
//
// | número | modificadores   | número | modificadores     |
// |--------|-----------------|--------|-------------------|
// | 2      | Shift           | 6      | Ctrl+Shift        |
// | 3      | Alt             | 7      | Ctrl+Alt          |
// | 4      | Shift+Alt       | 8      | Ctrl+Shift+Alt    |
// | 5      | Ctrl            |        |                   |
// Os terminais não dizem de que lado está o modificador: vale o da esquerda.
#include <curses.h>

#include <string>

#include "vrmwnd/platform/winmsg.h"
#include "vrmwnd/terminal/CTerminalCurses.h"
#include "vrmwnd/terminal/texto_celulas.h"

namespace vrmwnd::terminal {
namespace {

std::vector<int> ModificadoresXterm(int nNumero) {
  const int m = nNumero - 1;
  std::vector<int> modificadores;
  if (m & 4) modificadores.push_back(VK_LCONTROL);
  if (m & 1) modificadores.push_back(VK_LSHIFT);
  if (m & 2) modificadores.push_back(VK_LMENU);
  return modificadores;
}

struct TTeclaCurses {
  int nCodigo;
  int nTecla;
  bool bShift;
};

constexpr TTeclaCurses kTeclas[] = {
    {KEY_UP, VK_UP, false},          {KEY_DOWN, VK_DOWN, false},      {KEY_LEFT, VK_LEFT, false},
    {KEY_RIGHT, VK_RIGHT, false},    {KEY_HOME, VK_HOME, false},      {KEY_END, VK_END, false},
    {KEY_PPAGE, VK_PRIOR, false},    {KEY_NPAGE, VK_NEXT, false},     {KEY_DC, VK_DELETE, false},
    {KEY_IC, VK_INSERT, false},      {KEY_BACKSPACE, VK_BACK, false}, {KEY_ENTER, VK_RETURN, false},
    {KEY_BTAB, VK_TAB, true},        {KEY_SLEFT, VK_LEFT, true},      {KEY_SRIGHT, VK_RIGHT, true},
    {KEY_SR, VK_UP, true},           {KEY_SF, VK_DOWN, true},         {KEY_SHOME, VK_HOME, true},
    {KEY_SEND, VK_END, true},        {KEY_SDC, VK_DELETE, true},      {KEY_SIC, VK_INSERT, true},
    {KEY_SPREVIOUS, VK_PRIOR, true}, {KEY_SNEXT, VK_NEXT, true},
};

struct TNomeEstendido {
  const char* szPrefixo;
  int nTecla;
};

constexpr TNomeEstendido kEstendidas[] = {
    {"kUP", VK_UP},   {"kDN", VK_DOWN},   {"kLFT", VK_LEFT}, {"kRIT", VK_RIGHT}, {"kHOM", VK_HOME},
    {"kEND", VK_END}, {"kPRV", VK_PRIOR}, {"kNXT", VK_NEXT}, {"kDC", VK_DELETE}, {"kIC", VK_INSERT},
};

}  // namespace

std::optional<TEvento> EventoDaTeclaCurses(int nCodigo, std::string_view strNome) {
  if (nCodigo == KEY_RESIZE) return TEvento::De(TEvento::ETipo::Redimensiona);
  for (const TTeclaCurses& t : kTeclas) {
    if (t.nCodigo != nCodigo) continue;
    return TEvento::Tecla(t.nTecla, t.bShift ? std::vector<int>{VK_LSHIFT} : std::vector<int>{});
  }
  if (nCodigo > KEY_F0 && nCodigo <= KEY_F(63)) {
    static const std::vector<int> kGrupos[] = {
        {}, {VK_LSHIFT}, {VK_LCONTROL}, {VK_LCONTROL, VK_LSHIFT}, {VK_LMENU}, {VK_LMENU, VK_LSHIFT}};
    const int n = nCodigo - KEY_F0 - 1;
    return TEvento::Tecla(VK_F1 + n % 12, kGrupos[n / 12]);
  }
  for (const TNomeEstendido& e : kEstendidas) {
    const std::string_view strPrefixo = e.szPrefixo;
    if (strNome.size() != strPrefixo.size() + 1 || strNome.substr(0, strPrefixo.size()) != strPrefixo) continue;
    const char cNumero = strNome.back();
    if (cNumero < '2' || cNumero > '8') continue;
    return TEvento::Tecla(e.nTecla, ModificadoresXterm(cNumero - '0'));
  }
  return std::nullopt;
}

std::optional<TEvento> EventoDoCaractere(char32_t c, bool bAlt) {
  const std::vector<int> alt = bAlt ? std::vector<int>{VK_LMENU} : std::vector<int>{};
  switch (c) {
    case U'\t': return TEvento::Tecla(VK_TAB, alt);
    case U'\r':
    case U'\n': return TEvento::Tecla(VK_RETURN, alt);
    case 0x1B: return TEvento::Tecla(VK_ESCAPE);
    case 0x08:
    case 0x7F: return TEvento::Tecla(VK_BACK, alt);
    case 0x00: return TEvento::Tecla(VK_SPACE, {VK_LCONTROL});
    default: break;
  }
  if (c >= 1 && c <= 26) {
    std::vector<int> modificadores{VK_LCONTROL};
    if (bAlt) modificadores.push_back(VK_LMENU);
    return TEvento::Tecla(static_cast<int>('A' + c - 1), modificadores);
  }
  if (c < 0x20) return std::nullopt;
  if (bAlt) {
    if (c >= U'a' && c <= U'z') return TEvento::Tecla(static_cast<int>(c - U'a' + U'A'), {VK_LMENU});
    if (c >= U'A' && c <= U'Z') return TEvento::Tecla(static_cast<int>(c), {VK_LMENU, VK_LSHIFT});
    if (c >= U'0' && c <= U'9') return TEvento::Tecla(static_cast<int>(c), {VK_LMENU});
  }
  return TEvento::Texto(Utf8DoPonto(c));
}

std::string SequenciaOsc52(std::string_view strTexto) {
  static constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string strSaida = "\033]52;c;";
  std::size_t i = 0;
  for (; i + 2 < strTexto.size(); i += 3) {
    const unsigned n = (static_cast<unsigned char>(strTexto[i]) << 16) |
                       (static_cast<unsigned char>(strTexto[i + 1]) << 8) | static_cast<unsigned char>(strTexto[i + 2]);
    for (int k = 18; k >= 0; k -= 6) strSaida += kBase64[(n >> k) & 0x3F];
  }
  if (i < strTexto.size()) {
    unsigned n = static_cast<unsigned char>(strTexto[i]) << 16;
    if (i + 1 < strTexto.size()) n |= static_cast<unsigned char>(strTexto[i + 1]) << 8;
    strSaida += kBase64[(n >> 18) & 0x3F];
    strSaida += kBase64[(n >> 12) & 0x3F];
    strSaida += i + 1 < strTexto.size() ? kBase64[(n >> 6) & 0x3F] : '=';
    strSaida += '=';
  }
  return strSaida + "\a";
}

}  // namespace vrmwnd::terminal
