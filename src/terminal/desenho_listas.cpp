// Listas e barras em células: a list view em relatório (cabeçalho, linhas, a linha
// selecionada, rolada para mostrar o item com o foco), a grade (cabeçalho, linha de
// totais, linhas a partir da do topo, cores que a tela deu, colunas escondidas, a
// linha da célula corrente e as selecionadas), as abas, a barra de progresso e as
// barras de rolagem com a alça de redimensionar.
#include <algorithm>

#include "desenho.h"
#include "vrmwnd/platform/afxtabctrl.h"
#include "vrmwnd/platform/commctrl.h"
#include "vrmwnd/platform/gxwnd.h"
#include "vrmwnd/platform/winctrl.h"
#include "vrmwnd/terminal/texto_celulas.h"

namespace vrmwnd::terminal::detail {
namespace {

// Os números do Windows para a barra de progresso e a barra de rolagem.
constexpr UINT kPbmGetRange = WM_USER + 7, kPbmGetPos = WM_USER + 8;
constexpr DWORD kSbsVert = 0x1, kSbsSizeGrip = 0x10;

// Tira a moldura de um controle com borda e devolve o interior.
TRetangulo Interior(CGradeCelulas& grade, HWND h, const TRetangulo& ret) {
  const bool bBorda =
      (GetWindowLongPtrA(h, GWL_STYLE) & WS_BORDER) || (GetWindowLongPtrA(h, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  if (!bBorda || ret.nLargura < 3 || ret.nAltura < 3) return ret;
  grade.Moldura(ret, EEstilo::Moldura, false);
  return {ret.x + 1, ret.y + 1, ret.nLargura - 2, ret.nAltura - 2};
}

struct TColunaLista {
  std::string strTitulo;
  int nCelulas = 0;
  int nAlinhamento = 0;
};

std::vector<TColunaLista> ColunasDaLista(HWND h) {
  std::vector<TColunaLista> colunas;
  for (int i = 0;; ++i) {
    char szTitulo[256] = "";
    LVCOLUMNA coluna{LVCF_FMT | LVCF_WIDTH | LVCF_TEXT, 0, 0, szTitulo, sizeof szTitulo, 0};
    if (!SendMessageA(h, LVM_GETCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&coluna))) break;
    const int nAlinhamento = coluna.fmt == LVCFMT_RIGHT ? 2 : coluna.fmt == LVCFMT_CENTER ? 1 : 0;
    colunas.push_back({szTitulo, coluna.cx > 0 ? std::max(1, CDesenhista::Coluna(coluna.cx)) : 0, nAlinhamento});
  }
  return colunas;
}

std::string TextoDoItem(HWND h, int nItem, int nColuna) {
  char szTexto[512] = "";
  LVITEMA item{};
  item.iSubItem = nColuna;
  item.pszText = szTexto;
  item.cchTextMax = sizeof szTexto;
  SendMessageA(h, LVM_GETITEMTEXTA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item));
  return szTexto;
}

// Uma linha de colunas: cada texto cortado na sua largura menos o espaço que separa.
void EscreveColunas(CGradeCelulas& grade, int x, int y, int xFim, const std::vector<TColunaLista>& colunas,
                    const std::vector<std::string>& textos, EEstilo estilo) {
  for (std::size_t c = 0; c < colunas.size() && x < xFim; ++c) {
    if (colunas[c].nCelulas == 0) continue;
    const int nLargura = std::min(colunas[c].nCelulas - 1, xFim - x);
    if (nLargura > 0) EscreveAlinhado(grade, {x, y, nLargura, 1}, textos[c], colunas[c].nAlinhamento, estilo);
    x += colunas[c].nCelulas;
  }
}

int ItemComFoco(HWND h) {
  int nItem = static_cast<int>(SendMessageA(h, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
  if (nItem < 0) nItem = static_cast<int>(SendMessageA(h, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  return nItem;
}

}  // namespace

void DesenhaListView(CContextoDesenho& ctx, HWND h, const TRetangulo& ret) {
  CGradeCelulas& grade = ctx.Grade();
  const EEstilo estilo = CContextoDesenho::Habilitada(h) ? EEstilo::Campo : EEstilo::Desabilitado;
  const TRetangulo dentro = Interior(grade, h, ret);
  grade.Preenche(dentro, estilo);
  ctx.AlvoLinear(ret, h);
  const std::vector<TColunaLista> colunas = ColunasDaLista(h);
  std::vector<std::string> titulos;
  for (const auto& c : colunas) titulos.push_back(c.strTitulo);
  grade.Preenche({dentro.x, dentro.y, dentro.nLargura, 1}, EEstilo::Cabecalho);
  EscreveColunas(grade, dentro.x, dentro.y, dentro.Direita(), colunas, titulos, EEstilo::Cabecalho);
  ctx.Alvo({dentro.x, dentro.y, dentro.nLargura, 1}, h, kPixelsPorColuna / 2, 1, kPixelsPorColuna, 0);

  const int nItens = static_cast<int>(SendMessageA(h, LVM_GETITEMCOUNT, 0, 0));
  const int nVisiveis = std::max(0, dentro.nAltura - 1);
  const int nFoco = ItemComFoco(h);
  TPonto& rolagem = ctx.Rolagem(h);
  if (nFoco >= 0 && nFoco < rolagem.y) rolagem.y = nFoco;
  if (nFoco >= rolagem.y + nVisiveis) rolagem.y = nFoco - nVisiveis + 1;
  rolagem.y = std::clamp(rolagem.y, 0, std::max(0, nItens - nVisiveis));
  for (int i = 0; i < nVisiveis; ++i) {
    const int nItem = rolagem.y + i;
    const TRetangulo linha{dentro.x, dentro.y + 1 + i, dentro.nLargura, 1};
    // Abaixo do último item o clique cai em nenhum item, como no Windows.
    ctx.Alvo(linha, h, kPixelsPorColuna / 2,
             kListViewHeaderHeight + nItem * kListViewRowHeight + kListViewRowHeight / 2, kPixelsPorColuna, 0);
    if (nItem >= nItens) continue;
    const bool bSelecionado = SendMessageA(h, LVM_GETITEMSTATE, static_cast<WPARAM>(nItem), LVIS_SELECTED) != 0;
    const EEstilo estiloLinha = bSelecionado ? EEstilo::Selecao : estilo;
    std::vector<std::string> textos;
    for (int c = 0; c < static_cast<int>(colunas.size()); ++c) textos.push_back(TextoDoItem(h, nItem, c));
    grade.Preenche(linha, estiloLinha);
    EscreveColunas(grade, linha.x, linha.y, linha.Direita(), colunas, textos, estiloLinha);
    if (nItem == nFoco && ctx.Foco() == h) ctx.Cursor(linha.x, linha.y);
  }
}

namespace {

struct TColunaGrade {
  ROWCOL nColuna = 0;
  int x = 0;  // célula de início
  int nCelulas = 0;
  int xPixel = 0;  // o meio da coluna na grade, em pixels
};

std::vector<TColunaGrade> ColunasDaGrade(CGXGridCore& grade, int x0) {
  std::vector<TColunaGrade> colunas;
  int x = x0, nPixels = 0;
  for (ROWCOL c = 0; c <= grade.GetColCount(); ++c) {
    const int nLarguraPixels = grade.GetColWidth(c);
    if (nLarguraPixels > 0) {
      const int nCelulas = std::max(1, CDesenhista::Coluna(nLarguraPixels));
      colunas.push_back({c, x, nCelulas, nPixels + nLarguraPixels / 2});
      x += nCelulas;
    }
    nPixels += nLarguraPixels;
  }
  return colunas;
}

EEstilo EstiloDaLinha(CGXGridCore& grade, ROWCOL nLinha, ROWCOL nCorrente) {
  if (nLinha == 0) return EEstilo::Cabecalho;
  if (grade.HasTotalsLine() && nLinha == 1) return EEstilo::Total;
  if (grade.IsRowSelected(nLinha)) return EEstilo::Selecao;
  return nLinha == nCorrente ? EEstilo::Realce : EEstilo::Campo;
}

// Uma linha da grade na linha y da tela; yPixel é o meio dela na grade.
void DesenhaLinhaDaGrade(CContextoDesenho& ctx, HWND h, CGXGridCore& g, const std::vector<TColunaGrade>& colunas,
                         const TRetangulo& linha, ROWCOL nLinha, int yPixel) {
  CGradeCelulas& grade = ctx.Grade();
  ROWCOL nCorrente = 0, nColunaCorrente = 0;
  g.GetCurrentCell(nCorrente, nColunaCorrente);
  const EEstilo estiloLinha = EstiloDaLinha(g, nLinha, nCorrente);
  grade.Preenche(linha, estiloLinha);
  for (const TColunaGrade& c : colunas) {
    CGXStyle estilo;
    g.ComposeStyleRowCol(nLinha, c.nColuna, &estilo);
    const TRetangulo celula = TRetangulo{c.x, linha.y, c.nCelulas - 1, 1}.Intersecao(linha);
    EEstilo estiloCelula = c.nColuna == 0 && nLinha > 0 ? EEstilo::Cabecalho : estiloLinha;
    if (nLinha == nCorrente && c.nColuna == nColunaCorrente && estiloLinha == EEstilo::Realce)
      estiloCelula = EEstilo::Selecao;
    grade.Preenche(TRetangulo{c.x, linha.y, c.nCelulas, 1}.Intersecao(linha), estiloCelula);
    const DWORD nAlinhamento = estilo.GetHorizontalAlignment();
    EscreveAlinhado(grade, celula, estilo.GetValue().GetString(),
                    nAlinhamento == DT_RIGHT    ? 2
                    : nAlinhamento == DT_CENTER ? 1
                                                : 0,
                    estiloCelula);
    if (nLinha > 0 && (estilo.GetIncludeTextColor() || estilo.GetIncludeInterior()))
      grade.Colore(celula, estilo.GetIncludeTextColor() ? static_cast<long>(estilo.GetTextColor()) : kSemCor,
                   estilo.GetIncludeInterior() ? static_cast<long>(estilo.GetInterior()) : kSemCor);
    ctx.Alvo(TRetangulo{c.x, linha.y, c.nCelulas, 1}.Intersecao(linha), h, c.xPixel, yPixel, 0, 0);
  }
}

}  // namespace

void DesenhaGrade(CContextoDesenho& ctx, HWND h, const TRetangulo& ret) {
  CGradeCelulas& grade = ctx.Grade();
  const TRetangulo dentro = Interior(grade, h, ret);
  grade.Preenche(dentro, EEstilo::Campo);
  ctx.AlvoLinear(ret, h);
  auto* pGrade = dynamic_cast<CGXGridCore*>(CWnd::FromHandlePermanent(h));
  if (pGrade == nullptr) return;
  const std::vector<TColunaGrade> colunas = ColunasDaGrade(*pGrade, dentro.x);
  // A primeira linha à vista no topo da grade e as que cabem abaixo dela.
  std::vector<ROWCOL> linhas{0};
  if (pGrade->HasTotalsLine()) linhas.push_back(1);
  for (ROWCOL r = pGrade->GetTopRow();
       r <= pGrade->GetRowCount() && linhas.size() < static_cast<std::size_t>(dentro.nAltura); ++r)
    linhas.push_back(r);
  for (std::size_t i = 0; i < linhas.size() && static_cast<int>(i) < dentro.nAltura; ++i) {
    const int yPixel = i == 0 ? CGXGridCore::kHeaderHeight / 2
                              : CGXGridCore::kHeaderHeight + static_cast<int>(i - 1) * CGXGridCore::kRowHeight +
                                    CGXGridCore::kRowHeight / 2;
    DesenhaLinhaDaGrade(ctx, h, *pGrade, colunas, {dentro.x, dentro.y + static_cast<int>(i), dentro.nLargura, 1},
                        linhas[i], yPixel);
  }
  ROWCOL nCorrente = 0, nColuna = 0;
  if (ctx.Foco() == h && pGrade->GetCurrentCell(nCorrente, nColuna)) {
    const auto it = std::find(linhas.begin() + 1, linhas.end(), nCorrente);
    if (it != linhas.end()) ctx.Cursor(dentro.x, dentro.y + static_cast<int>(it - linhas.begin()));
  }
}

void DesenhaAbas(CContextoDesenho& ctx, HWND h, const TRetangulo& ret) {
  CGradeCelulas& grade = ctx.Grade();
  const int nAbas = static_cast<int>(SendMessageA(h, TCM_GETITEMCOUNT, 0, 0));
  const int nAtual = static_cast<int>(SendMessageA(h, TCM_GETCURSEL, 0, 0));
  int x = ret.x;
  for (int i = 0; i < nAbas && x < ret.Direita(); ++i) {
    char szTexto[128] = "";
    TCITEMA item{TCIF_TEXT, 0, 0, szTexto, sizeof szTexto, 0, 0};
    std::string strTexto = SendMessageA(h, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item))
                               ? RotuloSemAtalho(szTexto).strTexto
                               : "Aba " + std::to_string(i + 1);
    const EEstilo estilo = i == nAtual ? EEstilo::Selecao : EEstilo::Cabecalho;
    x += grade.Escreve(x, ret.y, " " + strTexto + " ", estilo) + 1;
  }
  if (ret.nAltura > 1)
    for (int c = ret.x; c < ret.Direita(); ++c) grade.Escreve(c, ret.y + 1, "─", EEstilo::Janela, 1);
  ctx.AlvoLinear({ret.x, ret.y, ret.nLargura, 1}, h);
  if (ctx.Foco() == h) ctx.Cursor(ret.x, ret.y);
}

void DesenhaProgresso(CContextoDesenho& ctx, HWND h, const TRetangulo& ret) {
  const long nMinimo = static_cast<long>(SendMessageA(h, kPbmGetRange, TRUE, 0));
  long nMaximo = static_cast<long>(SendMessageA(h, kPbmGetRange, FALSE, 0));
  if (nMaximo <= nMinimo) nMaximo = nMinimo + 100;
  const long nPosicao = std::clamp(static_cast<long>(SendMessageA(h, kPbmGetPos, 0, 0)), nMinimo, nMaximo);
  const TRetangulo barra{ret.x, ctx.LinhaDoMeio(ret), ret.nLargura, 1};
  const int nCheias = static_cast<int>((nPosicao - nMinimo) * barra.nLargura / (nMaximo - nMinimo));
  for (int i = 0; i < barra.nLargura; ++i)
    ctx.Grade().Escreve(barra.x + i, barra.y, i < nCheias ? "█" : "░", EEstilo::Janela, 1);
}

void DesenhaBarraDeRolagem(CContextoDesenho& ctx, HWND h, const TRetangulo& ret) {
  CGradeCelulas& grade = ctx.Grade();
  const DWORD nEstilo = static_cast<DWORD>(GetWindowLongPtrA(h, GWL_STYLE));
  if (nEstilo & kSbsSizeGrip) {
    grade.Escreve(ret.Direita() - 1, ret.Baixo() - 1, "◢", EEstilo::Janela, 1);
    ctx.AlvoLinear(ret, h);
    return;
  }
  const bool bVertical = (nEstilo & kSbsVert) != 0;
  const int nCelulas = bVertical ? ret.nAltura : ret.nLargura;
  for (int i = 0; i < nCelulas; ++i) {
    const char* szParte = i == 0 ? (bVertical ? "▲" : "◀") : i == nCelulas - 1 ? (bVertical ? "▼" : "▶") : "░";
    grade.Escreve(bVertical ? ret.x : ret.x + i, bVertical ? ret.y + i : ret.y, szParte, EEstilo::Janela, 1);
  }
  ctx.AlvoLinear(ret, h);
}

}  // namespace vrmwnd::terminal::detail
