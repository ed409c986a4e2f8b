// O usuário interativo: desenha, espera a pessoa e põe o que ela fez na fila como a
// entrada do Windows; o aviso de terminal pequeno demais, que espera o terminal
// crescer; as janelas redimensionáveis que acompanham o tamanho do terminal.
#include "vrmwnd/terminal/CUsuarioTerminal.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "vrmwnd/platform/clipboard.h"
#include "vrmwnd/terminal/texto_celulas.h"

namespace vrmwnd::terminal {
namespace {

// InputKey recebe os modificadores numa lista fixa.
void Aperta(int nTecla, const std::vector<int>& m) {
  switch (m.size()) {
    case 0: InputKey(nTecla); break;
    case 1: InputKey(nTecla, {m[0]}); break;
    case 2: InputKey(nTecla, {m[0], m[1]}); break;
    default: InputKey(nTecla, {m[0], m[1], m[2]}); break;
  }
}

// Uma letra ou um dígito vão como a tecla (a maiúscula com Shift), como o teclado
// do Windows os manda; o resto como o caractere.
void Digita(const std::string& strTexto) {
  const std::u32string pontos = PontosDeCodigo(strTexto);
  const char32_t c = pontos.size() == 1 ? pontos[0] : 0;
  if (c >= U'a' && c <= U'z') {
    Aperta(static_cast<int>(c - U'a' + U'A'), {});
  } else if (c >= U'A' && c <= U'Z') {
    Aperta(static_cast<int>(c), {VK_LSHIFT});
  } else if ((c >= U'0' && c <= U'9')) {
    Aperta(static_cast<int>(c), {});
  } else if (c == U' ') {
    Aperta(VK_SPACE, {});
  } else {
    InputText(strTexto.c_str());
  }
}

// O aviso de terminal pequeno demais, centrado.
void DesenhaAviso(CGradeCelulas& grade, const std::string& strJanela, TTamanho pedido) {
  grade.Preenche(grade.Toda(), EEstilo::Aviso);
  const std::string strAviso = "Terminal pequeno demais: a janela \"" + strJanela + "\" pede " +
                               std::to_string(pedido.nColunas) + " colunas por " + std::to_string(pedido.nLinhas) +
                               " linhas e o terminal tem " + std::to_string(grade.Colunas()) + " por " +
                               std::to_string(grade.Linhas()) + ". Aumente o terminal para continuar.";
  const std::vector<std::string> linhas = QuebraLinhas(strAviso, std::max(1, grade.Colunas() - 2), true);
  const int y0 = std::max(0, (grade.Linhas() - static_cast<int>(linhas.size())) / 2);
  for (std::size_t i = 0; i < linhas.size(); ++i) {
    const int nLargura = LarguraDoTexto(linhas[i]);
    grade.Escreve(std::max(0, (grade.Colunas() - nLargura) / 2), y0 + static_cast<int>(i), linhas[i], EEstilo::Aviso);
  }
}

// Ctrl+Shift+seta muda o tamanho da janela modal de cima, quando ela tem a borda de
// redimensionar (WS_THICKFRAME), uma célula para aquele lado: a pessoa arrasta a
// alça dela (ou o canto da moldura) como faria com o mouse.
bool RedimensionaPelaTecla(const TEvento& evento) {
  const auto& m = evento.modificadores;
  const bool bCtrlShift = m.size() == 2 && std::find(m.begin(), m.end(), VK_LCONTROL) != m.end() &&
                          std::find(m.begin(), m.end(), VK_LSHIFT) != m.end();
  const HWND hModal = GetModalWindow();
  if (!bCtrlShift || hModal == nullptr || !(GetWindowLongPtrA(hModal, GWL_STYLE) & WS_THICKFRAME)) return false;
  int dx = 0, dy = 0;
  switch (evento.nTecla) {
    case VK_LEFT: dx = -kPixelsPorColuna; break;
    case VK_RIGHT: dx = kPixelsPorColuna; break;
    case VK_UP: dy = -kPixelsPorLinha; break;
    case VK_DOWN: dy = kPixelsPorLinha; break;
    default: return false;
  }
  InputDragSizeGrip(hModal, dx, dy, 1);
  return true;
}

}  // namespace

bool EntregaEvento(const TEvento& evento, const CMapaTela& mapa) {
  using E = TEvento::ETipo;
  switch (evento.tipo) {
    case E::Tecla:
      if (!RedimensionaPelaTecla(evento)) Aperta(evento.nTecla, evento.modificadores);
      return true;
    case E::Texto: Digita(evento.strTexto); return !evento.strTexto.empty();
    case E::Clique:
    case E::CliqueDuplo:
    case E::CliqueDireito:
    case E::Roda: {
      const TAlvo* pAlvo = mapa.AlvoEm(evento.celula.x, evento.celula.y);
      if (pAlvo == nullptr || pAlvo->hJanela == nullptr) return false;
      const POINT ponto = pAlvo->PontoEm(evento.celula.x, evento.celula.y);
      if (evento.tipo == E::Clique) InputClick(pAlvo->hJanela, ponto.x, ponto.y);
      if (evento.tipo == E::CliqueDuplo) InputDoubleClick(pAlvo->hJanela, ponto.x, ponto.y);
      if (evento.tipo == E::CliqueDireito) InputRightClick(pAlvo->hJanela, ponto.x, ponto.y);
      if (evento.tipo == E::Roda) InputWheel(pAlvo->hJanela, evento.nDentes * WHEEL_DELTA, ponto.x, ponto.y);
      return true;
    }
    default: return false;
  }
}

CUsuarioTerminal::CUsuarioTerminal(ITerminal& terminal, TMolduraTela moldura)
    : m_terminal(terminal),
      m_moldura(std::move(moldura)),
      m_tamanho(terminal.Tamanho()),
      m_nSequenciaAreaDeTransferencia(GetClipboardSequenceNumber()) {}

void CUsuarioTerminal::AcompanhaAreaDeTransferencia() {
  const DWORD nSequencia = GetClipboardSequenceNumber();
  if (nSequencia == m_nSequenciaAreaDeTransferencia || !OpenClipboard(nullptr)) return;
  m_nSequenciaAreaDeTransferencia = nSequencia;
  std::string strTexto;
  bool bTemTexto = false;
  if (HANDLE hTexto = GetClipboardData(CF_TEXT)) {
    const char* szTexto = static_cast<const char*>(GlobalLock(hTexto));
    strTexto.assign(szTexto, strnlen(szTexto, GlobalSize(hTexto)));
    GlobalUnlock(hTexto);
    bTemTexto = true;
  }
  CloseClipboard();
  if (bTemTexto) m_terminal.Copia(strTexto);
}

void CUsuarioTerminal::Desenha() {
  AcompanhaAreaDeTransferencia();
  const TTamanho tamanho = m_terminal.Tamanho();
  CabeNaArea(CDesenhista::AreaDeTrabalho(tamanho, m_moldura));
  CGradeCelulas grade(tamanho.nColunas, tamanho.nLinhas);
  std::string strJanela;
  TTamanho pedido;
  m_bTelaPequena = CDesenhista::AlgumaNaoCabe(CDesenhista::AreaDeTrabalho(tamanho, m_moldura), strJanela, pedido);
  if (m_bTelaPequena) {
    DesenhaAviso(grade, strJanela, pedido);
  } else {
    m_desenhista.DesenhaTela(grade, m_moldura);
  }
  m_terminal.Mostra(grade);
  m_ultimoDesenho = std::chrono::steady_clock::now();
}

bool CUsuarioTerminal::TrataDoTerminal(const TEvento& evento) {
  if (evento.tipo != TEvento::ETipo::Redimensiona) return false;
  const TTamanho novo = m_terminal.Tamanho();
  AcompanhaTamanho(m_tamanho, novo);
  m_tamanho = novo;
  return true;
}

bool CUsuarioTerminal::Act(HWND) {
  while (true) {
    Desenha();
    const std::optional<TEvento> evento = m_terminal.Le(-1);
    if (!evento) continue;
    if (evento->tipo == TEvento::ETipo::Fim) return false;
    // Enquanto o terminal é pequeno demais, só o tamanho novo conta.
    if (TrataDoTerminal(*evento) || TelaPequena()) continue;
    if (EntregaEvento(*evento, m_desenhista.Mapa())) return true;
  }
}

void CUsuarioTerminal::Refresh() {
  if (std::chrono::steady_clock::now() - m_ultimoDesenho < kIntervaloRedesenho) return;
  Desenha();
  while (const std::optional<TEvento> evento = m_terminal.Le(0)) {
    if (evento->tipo == TEvento::ETipo::Fim) break;
    if (TrataDoTerminal(*evento) || TelaPequena()) continue;
    EntregaEvento(*evento, m_desenhista.Mapa());
  }
}

namespace {

struct TMudanca {
  TTamanho anterior, novo;
  TRetangulo area;
};

}  // namespace

// Uma janela de topo com borda de redimensionar (WS_THICKFRAME) cresce e encolhe
// tanto quanto o terminal, sem passar da área de trabalho nem ficar menor que 20
// colunas por 5 linhas; o programa a ajusta com WM_SIZE como se a pessoa arrastasse a
// borda.
void CUsuarioTerminal::AcompanhaTamanho(TTamanho anterior, TTamanho novo) {
  TMudanca mudanca{anterior, novo, CDesenhista::AreaDeTrabalho(novo, m_moldura)};
  EnumWindows(
      [](HWND h, LPARAM p) {
        const auto& m = *reinterpret_cast<const TMudanca*>(p);
        if (!IsWindowVisible(h) || !(GetWindowLongPtrA(h, GWL_STYLE) & WS_THICKFRAME)) return TRUE;
        const TTamanho atual = CDesenhista::TamanhoEmCelulas(h);
        const int nColunas =
            std::clamp(atual.nColunas + m.novo.nColunas - m.anterior.nColunas, 20, std::max(20, m.area.nLargura));
        const int nLinhas =
            std::clamp(atual.nLinhas + m.novo.nLinhas - m.anterior.nLinhas, 5, std::max(5, m.area.nAltura));
        RECT r{};
        GetWindowRect(h, &r);
        MoveWindow(h, r.left, r.top, r.right - r.left + (nColunas - atual.nColunas) * kPixelsPorColuna,
                   r.bottom - r.top + (nLinhas - atual.nLinhas) * kPixelsPorLinha, TRUE);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&mudanca));
}

void CUsuarioTerminal::CabeNaArea(TRetangulo area) {
  EnumWindows(
      [](HWND h, LPARAM p) {
        const auto& a = *reinterpret_cast<const TRetangulo*>(p);
        if (!IsWindowVisible(h) || !(GetWindowLongPtrA(h, GWL_STYLE) & WS_THICKFRAME)) return TRUE;
        const TTamanho atual = CDesenhista::TamanhoEmCelulas(h);
        const int nSobraX = std::max(0, atual.nColunas - a.nLargura), nSobraY = std::max(0, atual.nLinhas - a.nAltura);
        if (nSobraX == 0 && nSobraY == 0) return TRUE;
        RECT r{};
        GetWindowRect(h, &r);
        MoveWindow(h, r.left, r.top, r.right - r.left - nSobraX * kPixelsPorColuna,
                   r.bottom - r.top - nSobraY * kPixelsPorLinha, TRUE);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&area));
}

}  // namespace vrmwnd::terminal
