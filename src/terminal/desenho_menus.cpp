// Os menus abertos (as janelas "#32768" de TrackPopupMenu) em células: cada popup é
// uma caixa sobre a janela dona, no ponto em que foi aberto, e o submenu fica ao lado
// do item pai (do outro lado quando não cabe); nenhum sai da área de trabalho. Cada
// item mostra o texto com a letra de atalho sublinhada, a marca ✓, o cinza, o
// separador e a seta ► do submenu; o item realçado (MF_HILITE, lido do menu) vai em
// inverso. O clique num item vai ao popup no ponto do item; na moldura não faz nada.
#include <algorithm>

#include "desenho.h"
#include "vrmwnd/platform/winmenu.h"

namespace vrmwnd::terminal::detail {
namespace {

struct TItemMenu {
  std::string strTexto;
  UINT nTipo = 0;
  UINT nEstado = 0;
  HMENU hSubmenu = nullptr;
};

std::vector<TItemMenu> ItensDoMenu(HMENU hMenu) {
  std::vector<TItemMenu> itens;
  for (int i = 0; i < GetMenuItemCount(hMenu); ++i) {
    MENUITEMINFOA info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
    if (!GetMenuItemInfoA(hMenu, static_cast<UINT>(i), TRUE, &info)) break;
    std::string strTexto(info.cch + 1, '\0');
    info.dwTypeData = strTexto.data();
    info.cch = static_cast<UINT>(strTexto.size());
    GetMenuItemInfoA(hMenu, static_cast<UINT>(i), TRUE, &info);
    strTexto.resize(info.cch);
    itens.push_back(TItemMenu{strTexto, info.fType, info.fState, info.hSubMenu});
  }
  return itens;
}

// Uma linha de item: borda, espaço, marca, espaço, texto, dois espaços, seta,
// espaço, borda.
constexpr int kAntesDoTexto = 4, kDepoisDoTexto = 4;

TTamanho TamanhoDaCaixa(const std::vector<TItemMenu>& itens) {
  int nTexto = 0;
  for (const TItemMenu& item : itens)
    nTexto = std::max(nTexto, LarguraDoTexto(RotuloSemAtalho(item.strTexto).strTexto));
  return TTamanho{kAntesDoTexto + nTexto + kDepoisDoTexto, std::max<int>(1, static_cast<int>(itens.size())) + 2};
}

// A célula de um ponto da tela em pixels, na janela de topo desenhada com o canto
// em `canto` (o cliente começa na célula seguinte à moldura); a célula que contém o
// ponto, como o canto do menu fica no ponto do mouse.
TPonto CelulaDoPonto(HWND hTopo, TPonto canto, POINT ponto) {
  POINT origem{0, 0};
  ClientToScreen(hTopo, &origem);
  auto Celulas = [](int nPixels, int nPasso) {
    return nPixels >= 0 ? nPixels / nPasso : -((-nPixels + nPasso - 1) / nPasso);
  };
  return TPonto{canto.x + 1 + Celulas(ponto.x - origem.x, kPixelsPorColuna),
                canto.y + 1 + Celulas(ponto.y - origem.y, kPixelsPorLinha)};
}

HWND JanelaDeTopo(HWND h) {
  while (h != nullptr && (GetWindowLongPtrA(h, GWL_STYLE) & WS_CHILD)) h = GetParent(h);
  return h;
}

struct TCaixaAberta {
  HMENU hMenu;
  TRetangulo caixa;
};

// Onde vai a caixa do popup: ao lado do item pai, quando é o submenu de um popup já
// desenhado; senão no ponto em que foi aberto, sobre a janela dona.
TPonto LugarDaCaixa(HWND hPopup, HMENU hMenu, TTamanho tamanho, const std::vector<TCaixaAberta>& abertas,
                    const std::map<HWND, TPonto>& cantos, const TRetangulo& area) {
  for (const TCaixaAberta& pai : abertas) {
    for (int i = 0; i < GetMenuItemCount(pai.hMenu); ++i) {
      if (GetSubMenu(pai.hMenu, i) != hMenu) continue;
      const int x = pai.caixa.Direita() + tamanho.nColunas <= area.Direita() ? pai.caixa.Direita()
                                                                             : pai.caixa.x - tamanho.nColunas;
      return TPonto{x, pai.caixa.y + i};
    }
  }
  RECT janela{};
  GetWindowRect(hPopup, &janela);
  const HWND hTopo = JanelaDeTopo(GetWindow(hPopup, GW_OWNER));
  const auto it = cantos.find(hTopo);
  if (it == cantos.end()) return TPonto{area.x, area.y};
  return CelulaDoPonto(hTopo, it->second, POINT{janela.left, janela.top});
}

void DesenhaItem(CContextoDesenho& ctx, HWND hPopup, HMENU hMenu, int nItem, const TItemMenu& item,
                 const TRetangulo& caixa) {
  CGradeCelulas& g = ctx.Grade();
  const TRetangulo linha{caixa.x + 1, caixa.y + 1 + nItem, caixa.nLargura - 2, 1};
  if (item.nTipo & MFT_SEPARATOR) {
    g.Escreve(caixa.x, linha.y, "├", EEstilo::Lista, 1);
    g.Preenche(linha, EEstilo::Lista, "─");
    g.Escreve(linha.Direita(), linha.y, "┤", EEstilo::Lista, 1);
  } else {
    const EEstilo estilo = (item.nEstado & MFS_HILITE)   ? EEstilo::Selecao
                           : (item.nEstado & MFS_GRAYED) ? EEstilo::Desabilitado
                                                         : EEstilo::Lista;
    g.Preenche(linha, estilo);
    if (item.nEstado & MFS_CHECKED) g.Escreve(linha.x + 1, linha.y, "✓", estilo, 1);
    EscreveRotulo(g, caixa.x + kAntesDoTexto, linha.y, RotuloSemAtalho(item.strTexto), estilo,
                  caixa.nLargura - kAntesDoTexto - kDepoisDoTexto);
    if (item.hSubmenu != nullptr) g.Escreve(linha.Direita() - 2, linha.y, "►", estilo, 1);
  }
  // O clique vai ao meio do item, onde o menu o põe (GetMenuItemRect).
  RECT janela{}, ret{};
  GetWindowRect(hPopup, &janela);
  if (GetMenuItemRect(nullptr, hMenu, static_cast<UINT>(nItem), &ret))
    ctx.Alvo(linha, hPopup, (ret.left + ret.right) / 2 - janela.left, (ret.top + ret.bottom) / 2 - janela.top, 0, 0);
}

}  // namespace

void DesenhaMenusAbertos(CContextoDesenho& ctx, const std::vector<HWND>& popups, const std::map<HWND, TPonto>& cantos,
                         const TRetangulo& area) {
  CGradeCelulas& g = ctx.Grade();
  std::vector<TCaixaAberta> abertas;
  for (HWND hPopup : popups) {
    const HMENU hMenu = reinterpret_cast<HMENU>(SendMessageA(hPopup, MN_GETHMENU, 0, 0));
    const std::vector<TItemMenu> itens = ItensDoMenu(hMenu);
    const TTamanho tamanho = TamanhoDaCaixa(itens);
    TPonto canto = LugarDaCaixa(hPopup, hMenu, tamanho, abertas, cantos, area);
    canto.x = std::clamp(canto.x, area.x, std::max(area.x, area.Direita() - tamanho.nColunas));
    canto.y = std::clamp(canto.y, area.y, std::max(area.y, area.Baixo() - tamanho.nLinhas));
    const TRetangulo caixa{canto.x, canto.y, tamanho.nColunas, tamanho.nLinhas};
    g.SetRecorte(area);
    g.Preenche(caixa, EEstilo::Lista);
    g.Moldura(caixa, EEstilo::Lista, false);
    ctx.Alvo(caixa, nullptr, 0, 0);
    for (std::size_t i = 0; i < itens.size(); ++i)
      DesenhaItem(ctx, hPopup, hMenu, static_cast<int>(i), itens[i], caixa);
    abertas.push_back(TCaixaAberta{hMenu, caixa});
  }
  g.SetRecorte(g.Toda());
}

}  // namespace vrmwnd::terminal::detail
