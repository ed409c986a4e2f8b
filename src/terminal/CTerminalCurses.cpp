// O terminal pelo ncurses: abrir e fechar a tela, cores e atributos de cada estilo
// (com cores e em preto e branco), as células como caracteres largos, as teclas, o
// mouse e a área de transferência por OSC 52. A volta do terminal em sinais e em
// std::terminate está em restauracao.cpp.
#include "vrmwnd/terminal/CTerminalCurses.h"

#include <curses.h>
#include <poll.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <langinfo.h>
#include <map>
#include <stdexcept>
#include <utility>

#include "restauracao.h"
#include "vrmwnd/platform/winmsg.h"
#include "vrmwnd/terminal/texto_celulas.h"

namespace vrmwnd::terminal {
namespace {

struct TAparencia {
  short nFrente;
  short nFundo;
  attr_t nCor;   // atributos com cores
  attr_t nMono;  // atributos em preto e branco
};

// Um estilo por linha, na ordem de EEstilo.
const TAparencia kAparencias[] = {
    {COLOR_WHITE, COLOR_BLUE, A_NORMAL, A_NORMAL},             // Fundo
    {COLOR_BLACK, COLOR_CYAN, A_NORMAL, A_REVERSE},            // Barra
    {COLOR_BLACK, COLOR_WHITE, A_NORMAL, A_NORMAL},            // Janela
    {COLOR_BLACK, COLOR_WHITE, A_NORMAL, A_NORMAL},            // Moldura
    {COLOR_BLUE, COLOR_WHITE, A_BOLD, A_BOLD},                 // MolduraAtiva
    {COLOR_BLACK, COLOR_CYAN, A_NORMAL, A_UNDERLINE},          // Campo
    {COLOR_BLACK, COLOR_YELLOW, A_NORMAL, A_REVERSE},          // CampoFoco
    {COLOR_BLUE, COLOR_WHITE, A_NORMAL, A_NORMAL},             // SomenteLeitura
    {COLOR_WHITE, COLOR_BLUE, A_BOLD, A_REVERSE | A_BOLD},     // Selecao
    {COLOR_BLACK, COLOR_GREEN, A_NORMAL, A_BOLD},              // Realce
    {COLOR_BLACK, COLOR_WHITE, A_NORMAL, A_NORMAL},            // Botao
    {COLOR_WHITE, COLOR_BLUE, A_BOLD, A_REVERSE},              // BotaoFoco
    {COLOR_BLUE, COLOR_WHITE, A_DIM, A_DIM},                   // Desabilitado
    {COLOR_WHITE, COLOR_BLACK, A_BOLD, A_BOLD | A_UNDERLINE},  // Cabecalho
    {COLOR_BLACK, COLOR_WHITE, A_BOLD, A_BOLD},                // Total
    {COLOR_BLACK, COLOR_CYAN, A_NORMAL, A_NORMAL},             // Lista
    {COLOR_WHITE, COLOR_RED, A_BOLD, A_REVERSE | A_BOLD},      // Aviso
};
static_assert(std::size(kAparencias) == static_cast<std::size_t>(EEstilo::Aviso) + 1);

// Os terminais numeram as cores básicas como CorBasica: 0 preto ... 7 branco.
static_assert(COLOR_RED == 1 && COLOR_GREEN == 2 && COLOR_YELLOW == 3 && COLOR_BLUE == 4 && COLOR_WHITE == 7);

bool LocaleUtf8() {
  const char* szCodigo = nl_langinfo(CODESET);
  return szCodigo != nullptr && (std::strcmp(szCodigo, "UTF-8") == 0 || std::strcmp(szCodigo, "utf8") == 0);
}

// Os textos são UTF-8: sem um locale UTF-8 o terminal não mostraria os acentos.
void EscolheLocale() {
  std::setlocale(LC_ALL, "");
  if (LocaleUtf8()) return;
  for (const char* szLocale : {"C.UTF-8", "C.utf8", "en_US.UTF-8", "pt_BR.UTF-8"})
    if (std::setlocale(LC_CTYPE, szLocale) != nullptr && LocaleUtf8()) return;
}

std::string Capacidade(const char* szNome) {
  const char* sz = tigetstr(const_cast<char*>(szNome));
  return sz != nullptr && sz != reinterpret_cast<char*>(-1) ? std::string(sz) : std::string();
}

}  // namespace

struct CTerminalCurses::TEstado {
  SCREEN* pTela = nullptr;
  bool bCores = false;
  std::map<std::pair<short, short>, short> pares;

  // O par de cores de frente e fundo, criado na primeira vez.
  short Par(short nFrente, short nFundo) {
    const auto chave = std::make_pair(nFrente, nFundo);
    if (auto it = pares.find(chave); it != pares.end()) return it->second;
    const short nPar = static_cast<short>(pares.size() + 1);
    if (nPar >= COLOR_PAIRS) return 0;
    init_pair(nPar, nFrente, nFundo);
    pares.emplace(chave, nPar);
    return nPar;
  }

  void Aparencia(const TCelula& c, attr_t& nAtributos, short& nPar) {
    const TAparencia& a = kAparencias[static_cast<std::size_t>(c.estilo)];
    nPar = 0;
    if (bCores) {
      nAtributos = a.nCor;
      const short nFrente = c.nCorTexto == kSemCor ? a.nFrente : static_cast<short>(CorBasica(c.nCorTexto));
      const short nFundo = c.nCorFundo == kSemCor ? a.nFundo : static_cast<short>(CorBasica(c.nCorFundo));
      nPar = Par(nFrente, nFundo);
    } else {
      // Sem cores, a cor que o programa deu (a linha vermelha) vira negrito.
      nAtributos = a.nMono | (c.nCorTexto != kSemCor && CorBasica(c.nCorTexto) != 0 ? A_BOLD : A_NORMAL);
    }
    if (c.bSublinhado) nAtributos |= A_UNDERLINE;
  }
};

CTerminalCurses::CTerminalCurses() : m_pEstado(std::make_unique<TEstado>()) {
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO))
    throw std::runtime_error("a entrada e a saída precisam ser um terminal");
  EscolheLocale();
  detail::restauracao::Prepara(STDOUT_FILENO);
  m_pEstado->pTela = newterm(nullptr, stdout, stdin);
  if (m_pEstado->pTela == nullptr) {
    detail::restauracao::Restaura();
    const char* szTerm = std::getenv("TERM");
    throw std::runtime_error(std::string("o terminal \"") + (szTerm ? szTerm : "") + "\" não abriu");
  }
  set_term(m_pEstado->pTela);
  cbreak();
  noecho();
  nonl();
  keypad(stdscr, TRUE);
  intrflush(stdscr, FALSE);
  set_escdelay(25);
  // Cada tela vai inteira, mesmo com teclas já esperando.
  typeahead(-1);
  curs_set(0);
  mousemask(BUTTON1_CLICKED | BUTTON1_DOUBLE_CLICKED | BUTTON3_CLICKED | BUTTON4_PRESSED | BUTTON5_PRESSED, nullptr);
  m_pEstado->bCores = has_colors() && std::getenv("NO_COLOR") == nullptr;
  if (m_pEstado->bCores) {
    start_color();
    m_pEstado->bCores = COLORS >= 8 && COLOR_PAIRS >= 16;
  }
  detail::restauracao::Ativa(Capacidade("rmcup") + Capacidade("cnorm") + Capacidade("sgr0") + Capacidade("rmkx") +
                             (has_mouse() ? "\033[?1000l\033[?1002l\033[?1006l" : ""));
}

CTerminalCurses::~CTerminalCurses() {
  endwin();
  delscreen(m_pEstado->pTela);
  detail::restauracao::Restaura();
}

bool CTerminalCurses::Colorido() const { return m_pEstado->bCores; }

TTamanho CTerminalCurses::Tamanho() {
  int nLinhas = 0, nColunas = 0;
  getmaxyx(stdscr, nLinhas, nColunas);
  return TTamanho{nColunas, nLinhas};
}

void CTerminalCurses::Mostra(const CGradeCelulas& tela) {
  const TTamanho tamanho = Tamanho();
  for (int y = 0; y < std::min(tela.Linhas(), tamanho.nLinhas); ++y) {
    for (int x = 0; x < std::min(tela.Colunas(), tamanho.nColunas); ++x) {
      const TCelula& c = tela.Celula(x, y);
      wchar_t texto[CCHARW_MAX + 1] = {};
      const std::u32string pontos = PontosDeCodigo(c.strTexto);
      for (std::size_t i = 0; i < pontos.size() && i < CCHARW_MAX; ++i) texto[i] = static_cast<wchar_t>(pontos[i]);
      if (texto[0] == 0) texto[0] = L' ';
      attr_t nAtributos = A_NORMAL;
      short nPar = 0;
      m_pEstado->Aparencia(c, nAtributos, nPar);
      cchar_t celula;
      setcchar(&celula, texto, nAtributos, nPar, nullptr);
      mvadd_wch(y, x, &celula);
    }
  }
  const auto& cursor = tela.Cursor();
  if (cursor && cursor->x < tamanho.nColunas && cursor->y < tamanho.nLinhas) {
    move(cursor->y, cursor->x);
    curs_set(1);
  } else {
    curs_set(0);
  }
  refresh();
}

namespace {

std::optional<TEvento> EventoDoMouse() {
  MEVENT evento{};
  if (getmouse(&evento) != OK) return std::nullopt;
  const TPonto celula{evento.x, evento.y};
  using E = TEvento::ETipo;
  if (evento.bstate & BUTTON1_DOUBLE_CLICKED) return TEvento::Mouse(E::CliqueDuplo, celula);
  if (evento.bstate & BUTTON1_CLICKED) return TEvento::Mouse(E::Clique, celula);
  if (evento.bstate & BUTTON3_CLICKED) return TEvento::Mouse(E::CliqueDireito, celula);
  if (evento.bstate & BUTTON4_PRESSED) return TEvento::Mouse(E::Roda, celula, 1);
  if (evento.bstate & BUTTON5_PRESSED) return TEvento::Mouse(E::Roda, celula, -1);
  return std::nullopt;
}

std::optional<TEvento> EventoDaTecla(wint_t nCodigo) {
  if (nCodigo == KEY_MOUSE) return EventoDoMouse();
  const char* szNome = keyname(static_cast<int>(nCodigo));
  return EventoDaTeclaCurses(static_cast<int>(nCodigo), szNome ? szNome : "");
}

// A entrada acabou (o terminal fechou) quando não há o que ler e nunca haverá.
bool EntradaAcabou() {
  pollfd entrada{STDIN_FILENO, POLLIN, 0};
  return poll(&entrada, 1, 0) > 0 && (entrada.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

}  // namespace

std::optional<TEvento> CTerminalCurses::Le(int nEsperaMs) {
  timeout(nEsperaMs);
  wint_t nCaractere = 0;
  const int nLido = wget_wch(stdscr, &nCaractere);
  if (nLido == ERR) {
    if (EntradaAcabou()) return TEvento::De(TEvento::ETipo::Fim);
    return std::nullopt;
  }
  if (nLido == KEY_CODE_YES) return EventoDaTecla(nCaractere);
  if (nCaractere != 0x1B) return EventoDoCaractere(static_cast<char32_t>(nCaractere), false);
  // Escape seguido logo de outra tecla é Alt com ela.
  timeout(0);
  wint_t nSeguinte = 0;
  const int nLidoSeguinte = wget_wch(stdscr, &nSeguinte);
  if (nLidoSeguinte == OK && nSeguinte != 0x1B) return EventoDoCaractere(static_cast<char32_t>(nSeguinte), true);
  if (nLidoSeguinte == KEY_CODE_YES) {
    std::optional<TEvento> evento = EventoDaTecla(nSeguinte);
    if (evento && evento->tipo == TEvento::ETipo::Tecla) evento->modificadores.push_back(VK_LMENU);
    return evento;
  }
  if (nLidoSeguinte == OK) unget_wch(static_cast<wchar_t>(nSeguinte));  // o outro Escape fica para a próxima
  return TEvento::Tecla(VK_ESCAPE);
}

void CTerminalCurses::Copia(std::string_view strTexto) {
  const char* szTerm = std::getenv("TERM");
  if (szTerm != nullptr && std::strcmp(szTerm, "linux") == 0) return;
  const std::string strSequencia = SequenciaOsc52(strTexto);
  std::fflush(stdout);
  for (std::size_t nEscritos = 0; nEscritos < strSequencia.size();) {
    const ssize_t n = write(STDOUT_FILENO, strSequencia.data() + nEscritos, strSequencia.size() - nEscritos);
    if (n <= 0) break;
    nEscritos += static_cast<std::size_t>(n);
  }
}

}  // namespace vrmwnd::terminal
