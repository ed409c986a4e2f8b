// A árvore de janelas em células: a área de trabalho com as barras, as janelas de
// topo na ordem Z (centradas, moldura dupla na ativa), as filhas de cada uma pela
// posição em pixels arredondada a células, o desenho de cada classe e o mapa do mouse.
//
// | classe               | desenho                                    |
// |----------------------|--------------------------------------------|
// | STATIC               | texto quebrado e alinhado; ícone: símbolo  |
// | BUTTON               | botão, caixa de seleção, rádio, grupo      |
// | EDIT                 | campo com caret, seleção, várias linhas    |
// | COMBOBOX             | campo com ▼; a lista aberta por cima       |
// | SysListView32        | relatório: cabeçalho e linhas              |
// | GXWND                | grade: cabeçalho, totais, linhas, corrente |
// | SysTabControl32      | abas                                       |
// | msctls_progress32    | barra de progresso                         |
// | ScrollBar            | barra de rolagem; SBS_SIZEGRIP: ◢          |
// | #32770 filho         | painel (a página de uma aba)               |
// | #32768 (de topo)     | menu aberto (desenho_menus.cpp)            |
// Classes que não estão na tabela: moldura quando têm borda, e as filhas.
#include <algorithm>
#include <cctype>

#include "desenho.h"
#include "vrmwnd/platform/winctrl.h"
#include "vrmwnd/platform/winmenu.h"

namespace vrmwnd::terminal {

using detail::CContextoDesenho;
using detail::TextoDaJanela;

void CMapaTela::Adiciona(const TAlvo& alvo) {
  if (!alvo.ret.Vazio()) m_alvos.push_back(alvo);
}

const TAlvo* CMapaTela::AlvoEm(int x, int y) const {
  for (auto it = m_alvos.rbegin(); it != m_alvos.rend(); ++it)
    if (it->ret.Contem(x, y)) return &*it;
  return nullptr;
}

std::string detail::TextoDaJanela(HWND hJanela) {
  const int nTamanho = GetWindowTextLengthA(hJanela);
  if (nTamanho <= 0) return std::string();
  std::string strTexto(static_cast<std::size_t>(nTamanho) + 1, '\0');
  const int nLidos = GetWindowTextA(hJanela, strTexto.data(), nTamanho + 1);
  strTexto.resize(static_cast<std::size_t>(std::max(0, nLidos)));
  return strTexto;
}

std::string detail::ClasseDaJanela(HWND hJanela) {
  char szClasse[64] = "";
  GetClassNameA(hJanela, szClasse, sizeof szClasse);
  std::string strClasse = szClasse;
  for (char& c : strClasse) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return strClasse;
}

void detail::EscreveAlinhado(CGradeCelulas& grade, const TRetangulo& linha, const std::string& strTexto,
                             int nAlinhamento, EEstilo estilo) {
  const int nLargura = std::min(LarguraDoTexto(strTexto), linha.nLargura);
  const int nSobra = linha.nLargura - nLargura;
  const int x = linha.x + (nAlinhamento == 2 ? nSobra : nAlinhamento == 1 ? nSobra / 2 : 0);
  grade.Escreve(x, linha.y, strTexto, estilo, nLargura);
}

bool detail::CContextoDesenho::Habilitada(HWND hJanela) {
  for (HWND h = hJanela; h != nullptr; h = GetParent(h)) {
    if (!IsWindowEnabled(h)) return false;
    if (!(GetWindowLongPtrA(h, GWL_STYLE) & WS_CHILD)) break;
  }
  return true;
}

void detail::CContextoDesenho::Alvo(const TRetangulo& ret, HWND hJanela, int xPixel, int yPixel, int nPassoX,
                                    int nPassoY) {
  TAlvo alvo{
      ret.Intersecao(m_grade.GetRecorte()), Habilitada(hJanela) ? hJanela : nullptr, xPixel, yPixel, nPassoX, nPassoY};
  // O ponto acompanha o recorte: a célula do canto pode ter sido cortada.
  alvo.xPixel += (alvo.ret.x - ret.x) * nPassoX;
  alvo.yPixel += (alvo.ret.y - ret.y) * nPassoY;
  m_desenhista.m_mapa.Adiciona(alvo);
}

void detail::CContextoDesenho::Cursor(int x, int y) {
  if (m_grade.GetRecorte().Contem(x, y)) m_grade.SetCursor(TPonto{x, y});
}

void detail::CContextoDesenho::DesenhaTopo(HWND hJanela, TPonto canto, bool bAtiva) {
  const TTamanho tamanho = CDesenhista::TamanhoEmCelulas(hJanela);
  const TRetangulo ret{canto.x, canto.y, tamanho.nColunas, tamanho.nLinhas};
  m_grade.SetRecorte(m_grade.Toda());
  m_grade.Preenche(ret, EEstilo::Janela);
  const EEstilo moldura = bAtiva ? EEstilo::MolduraAtiva : EEstilo::Moldura;
  m_grade.Moldura(ret, moldura, bAtiva);
  const std::string strTitulo = TextoDaJanela(hJanela);
  if (!strTitulo.empty() && ret.nLargura > 4)
    m_grade.Escreve(ret.x + 2, ret.y, " " + strTitulo + " ", moldura, ret.nLargura - 4);
  Alvo(ret, nullptr, 0, 0);
  const TRetangulo cliente{ret.x + 1, ret.y + 1, std::max(0, ret.nLargura - 2), std::max(0, ret.nAltura - 2)};
  AlvoLinear(cliente, hJanela);
  DesenhaFilhas(hJanela, cliente, cliente);
  m_grade.SetRecorte(m_grade.Toda());
  std::vector<std::function<void()>> porCima;
  porCima.swap(m_porCima);
  for (auto& desenho : porCima) desenho();
  m_grade.SetRecorte(m_grade.Toda());
}

void detail::CContextoDesenho::DesenhaFilhas(HWND hPai, const TRetangulo& cliente, const TRetangulo& recorte) {
  POINT origem{0, 0};
  ClientToScreen(hPai, &origem);
  for (HWND h = GetWindow(hPai, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) {
    if (!(GetWindowLongPtrA(h, GWL_STYLE) & WS_VISIBLE)) continue;
    RECT r{};
    GetWindowRect(h, &r);
    OffsetRect(&r, -origem.x, -origem.y);
    const int x0 = CDesenhista::Coluna(r.left), y0 = CDesenhista::Linha(r.top);
    const TRetangulo ret{cliente.x + x0, cliente.y + y0, std::max(1, CDesenhista::Coluna(r.right) - x0),
                         std::max(1, CDesenhista::Linha(r.bottom) - y0)};
    const TRetangulo recorteFilha = ret.Intersecao(recorte);
    if (recorteFilha.Vazio()) continue;
    m_grade.SetRecorte(recorteFilha);
    m_nLinhaDoMeio = cliente.y + CDesenhista::Linha((r.top + r.bottom) / 2);
    DesenhaControle(h, ret);
    // O combo desenha o seu edit e a sua lista.
    if (ClasseDaJanela(h) != "combobox") DesenhaFilhas(h, ret, recorteFilha);
  }
}

void detail::CContextoDesenho::DesenhaControle(HWND h, const TRetangulo& ret) {
  using TDesenho = void (*)(CContextoDesenho&, HWND, const TRetangulo&);
  static const std::pair<const char*, TDesenho> kClasses[] = {
      {"static", DesenhaEstatico},
      {"button", DesenhaBotao},
      {"edit", DesenhaEdit},
      {"combobox", DesenhaCombo},
      {"syslistview32", DesenhaListView},
      {"gxwnd", DesenhaGrade},
      {"systabcontrol32", DesenhaAbas},
      {"msctls_progress32", DesenhaProgresso},
      {"scrollbar", DesenhaBarraDeRolagem},
  };
  const std::string strClasse = ClasseDaJanela(h);
  for (const auto& [szClasse, desenho] : kClasses) {
    if (strClasse == szClasse) {
      desenho(*this, h, ret);
      return;
    }
  }
  const LONG_PTR nEstilo = GetWindowLongPtrA(h, GWL_STYLE);
  if (strClasse == "#32770") {
    m_grade.Preenche(ret, EEstilo::Janela);
    AlvoLinear(ret, h);
  } else if ((nEstilo & WS_BORDER) || (GetWindowLongPtrA(h, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) {
    m_grade.Moldura(ret, EEstilo::Moldura, false);
    AlvoLinear(ret, h);
  }
}

TTamanho CDesenhista::TamanhoEmCelulas(HWND hJanela) {
  RECT cliente{};
  GetClientRect(hJanela, &cliente);
  return TTamanho{Coluna(cliente.right) + 2, Linha(cliente.bottom) + 2};
}

TRetangulo CDesenhista::AreaDeTrabalho(TTamanho tela, const TMolduraTela& moldura) {
  const int nTopo = moldura.strTitulo.empty() ? 0 : 1;
  const int nBaixo = moldura.strTeclas.empty() ? 0 : 1;
  return TRetangulo{0, nTopo, tela.nColunas, std::max(0, tela.nLinhas - nTopo - nBaixo)};
}

namespace {

bool MenuAberto(HWND h) { return detail::ClasseDaJanela(h) == kMenuWindowClass; }

// As janelas de topo visíveis, de baixo para cima; os menus abertos à parte.
std::vector<HWND> JanelasDeTopo(std::vector<HWND>* pMenus = nullptr) {
  std::vector<HWND> janelas;
  EnumWindows(
      [](HWND h, LPARAM p) {
        if (IsWindowVisible(h)) reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&janelas));
  std::reverse(janelas.begin(), janelas.end());
  auto menus = std::stable_partition(janelas.begin(), janelas.end(), [](HWND h) { return !MenuAberto(h); });
  if (pMenus != nullptr) pMenus->assign(menus, janelas.end());
  janelas.erase(menus, janelas.end());
  return janelas;
}

TPonto Centro(const TRetangulo& area, TTamanho tamanho) {
  return TPonto{area.x + std::max(0, (area.nLargura - tamanho.nColunas) / 2),
                area.y + std::max(0, (area.nAltura - tamanho.nLinhas) / 2)};
}

}  // namespace

bool CDesenhista::AlgumaNaoCabe(TRetangulo area, std::string& strJanela, TTamanho& pedido) {
  for (HWND h : JanelasDeTopo()) {
    const TTamanho tamanho = TamanhoEmCelulas(h);
    if (tamanho.nColunas > area.nLargura || tamanho.nLinhas > area.nAltura) {
      strJanela = TextoDaJanela(h);
      pedido = tamanho;
      return true;
    }
  }
  return false;
}

void CDesenhista::DesenhaTela(CGradeCelulas& grade, const TMolduraTela& moldura) {
  std::erase_if(m_rolagem, [](const auto& par) { return !IsWindow(par.first); });
  m_cantos.clear();
  m_mapa.Limpa();
  grade.SetRecorte(grade.Toda());
  grade.SetCursor(std::nullopt);
  grade.Preenche(grade.Toda(), EEstilo::Fundo);
  const TRetangulo area = AreaDeTrabalho(grade.Tamanho(), moldura);
  if (!moldura.strTitulo.empty()) {
    grade.Preenche({0, 0, grade.Colunas(), 1}, EEstilo::Barra);
    grade.Escreve(1, 0, moldura.strTitulo, EEstilo::Barra, grade.Colunas() - 2);
  }
  if (!moldura.strTeclas.empty()) {
    grade.Preenche({0, grade.Linhas() - 1, grade.Colunas(), 1}, EEstilo::Barra);
    grade.Escreve(1, grade.Linhas() - 1, moldura.strTeclas, EEstilo::Barra, grade.Colunas() - 2);
  }
  std::vector<HWND> menus;
  const std::vector<HWND> janelas = JanelasDeTopo(&menus);
  HWND hAtiva = GetActiveWindow();
  if (std::find(janelas.begin(), janelas.end(), hAtiva) == janelas.end())
    hAtiva = janelas.empty() ? nullptr : janelas.back();
  for (HWND h : janelas) {
    CContextoDesenho ctx(*this, grade);
    const TPonto canto = Centro(area, TamanhoEmCelulas(h));
    m_cantos[h] = canto;
    ctx.DesenhaTopo(h, canto, h == hAtiva);
  }
  if (menus.empty()) return;
  CContextoDesenho ctx(*this, grade);
  detail::DesenhaMenusAbertos(ctx, menus, m_cantos, area);
}

void CDesenhista::DesenhaJanela(CGradeCelulas& grade, HWND hJanela, int x, int y) {
  m_mapa.Limpa();
  grade.SetCursor(std::nullopt);
  CContextoDesenho ctx(*this, grade);
  ctx.DesenhaTopo(hJanela, TPonto{x, y}, GetActiveWindow() == hJanela);
}

}  // namespace vrmwnd::terminal
