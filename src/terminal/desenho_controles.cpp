// Os controles de texto em células: static (texto quebrado e alinhado, ícone como
// símbolo), botão (o padrão marcado com » «, caixa de seleção [x], rádio (•), grupo
// com moldura), edit (campo com caret, seleção, senha, várias linhas, somente leitura)
// e combo (campo com ▼ e a lista aberta por cima do diálogo).
#include <algorithm>
#include <cstring>

#include "desenho.h"
#include "vrmwnd/platform/winctrl.h"
#include "vrmwnd/terminal/texto_celulas.h"

namespace vrmwnd::terminal::detail {
namespace {

constexpr DWORD kBsLeftText = 0x20;
constexpr DWORD kSsSimple = 0xB;
constexpr int kItensDaListaAberta = 8;

DWORD Estilo(HWND h) { return static_cast<DWORD>(GetWindowLongPtrA(h, GWL_STYLE)); }

// O texto de um botão de apertar na largura: "[ OK ]" ("[» OK «]" o padrão), sem
// espaços quando não cabe, por fim o texto cortado entre colchetes; nAntes são as
// células antes do texto.
struct TBotao {
  std::string strTexto;
  int nAntes = 0;
};
TBotao MolduraDoBotao(const std::string& strTexto, bool bPadrao, int nLargura) {
  const std::string kFormas[][2] = {{"[ ", " ]"}, {"[", "]"}};
  const std::string kPadrao[][2] = {{"[» ", " «]"}, {"»", "«"}};
  for (int i = 0; i < 2; ++i) {
    const auto& forma = bPadrao ? kPadrao[i] : kFormas[i];
    const std::string strBotao = forma[0] + strTexto + forma[1];
    if (LarguraDoTexto(strBotao) <= nLargura) return {strBotao, LarguraDoTexto(forma[0])};
  }
  if (nLargura < 3) return {strTexto, 0};
  std::string strCortado;
  const std::vector<std::string> celulas = CelulasDoTexto(strTexto);
  for (int i = 0; i < nLargura - 2; ++i) strCortado += celulas[static_cast<std::size_t>(i)];
  return {"[" + strCortado + "]", 1};
}

void DesenhaIcone(CContextoDesenho& ctx, HWND h, const TRetangulo& ret) {
  if (SendMessageA(h, STM_GETICON, 0, 0) == 0) return;
  ctx.Grade().Escreve(ret.x, ctx.LinhaDoMeio(ret), "◆", EEstilo::Janela, 1);
}

void DesenhaMarcavel(CContextoDesenho& ctx, HWND h, const TRetangulo& ret, const TRotulo& rotulo, bool bRadio) {
  CGradeCelulas& grade = ctx.Grade();
  const int nMarca = static_cast<int>(SendMessageA(h, BM_GETCHECK, 0, 0));
  std::string strMarca = bRadio ? (nMarca ? "(•)" : "( )") : (nMarca == BST_CHECKED ? "[x]" : nMarca ? "[-]" : "[ ]");
  const bool bHabilitado = CContextoDesenho::Habilitada(h);
  const EEstilo estilo = bHabilitado ? EEstilo::Janela : EEstilo::Desabilitado;
  const int y = ctx.LinhaDoMeio(ret);
  int xMarca = ret.x, xTexto = ret.x + 4;
  if (Estilo(h) & kBsLeftText) {
    xMarca = ret.Direita() - 3;
    xTexto = ret.x;
  }
  grade.Preenche({ret.x, y, ret.nLargura, 1}, EEstilo::Janela);
  grade.Escreve(xMarca, y, strMarca, estilo, 3);
  EscreveRotulo(grade, xTexto, y, rotulo, estilo, ret.nLargura - 4);
  if (ctx.Foco() == h) {
    grade.Pinta({xMarca, y, 3, 1}, EEstilo::BotaoFoco);
    ctx.Cursor(xMarca + 1, y);
  }
}

}  // namespace

void DesenhaEstatico(CContextoDesenho& ctx, HWND h, const TRetangulo& ret) {
  const DWORD nEstilo = Estilo(h), nTipo = nEstilo & SS_TYPEMASK;
  if (nTipo == SS_ICON) {
    DesenhaIcone(ctx, h, ret);
    return;
  }
  const TRotulo rotulo = RotuloSemAtalho(TextoDaJanela(h), !(nEstilo & SS_NOPREFIX));
  const bool bQuebra = nTipo != SS_LEFTNOWORDWRAP && nTipo != kSsSimple;
  const std::vector<std::string> linhas = QuebraLinhas(rotulo.strTexto, ret.nLargura, bQuebra);
  const EEstilo estilo = CContextoDesenho::Habilitada(h) ? EEstilo::Janela : EEstilo::Desabilitado;
  const int nAlinhamento = nTipo == SS_CENTER ? 1 : nTipo == SS_RIGHT ? 2 : 0;
  for (int i = 0; i < std::min<int>(ret.nAltura, static_cast<int>(linhas.size())); ++i)
    EscreveAlinhado(ctx.Grade(), {ret.x, ret.y + i, ret.nLargura, 1}, linhas[static_cast<std::size_t>(i)], nAlinhamento,
                    estilo);
  if (rotulo.nAtalho >= 0 && nAlinhamento == 0 && !linhas.empty() && rotulo.nAtalho < LarguraDoTexto(linhas.front()))
    ctx.Grade().Sublinha(ret.x + rotulo.nAtalho, ret.y);
  if (nEstilo & SS_NOTIFY) ctx.AlvoLinear(ret, h);
}

void DesenhaBotao(CContextoDesenho& ctx, HWND h, const TRetangulo& ret) {
  CGradeCelulas& grade = ctx.Grade();
  const DWORD nTipo = Estilo(h) & BS_TYPEMASK;
  const TRotulo rotulo = RotuloSemAtalho(TextoDaJanela(h));
  switch (nTipo) {
    case BS_GROUPBOX:
      grade.Moldura({ret.x, ret.y, ret.nLargura, std::max(2, ret.nAltura)}, EEstilo::Janela, false);
      if (!rotulo.strTexto.empty())
        EscreveRotulo(grade, ret.x + 1, ret.y, TRotulo{" " + rotulo.strTexto + " ", rotulo.nAtalho + 1},
                      EEstilo::Janela, ret.nLargura - 2);
      return;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      DesenhaMarcavel(ctx, h, ret, rotulo, nTipo == BS_RADIOBUTTON || nTipo == BS_AUTORADIOBUTTON);
      ctx.AlvoLinear(ret, h);
      return;
    default: break;
  }
  const bool bPadrao = nTipo == BS_DEFPUSHBUTTON;
  const bool bApertado = (SendMessageA(h, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  const EEstilo estilo = !CContextoDesenho::Habilitada(h) ? EEstilo::Desabilitado
                         : (ctx.Foco() == h || bApertado) ? EEstilo::BotaoFoco
                                                          : EEstilo::Botao;
  const TBotao botao = MolduraDoBotao(rotulo.strTexto, bPadrao, ret.nLargura);
  const int nLargura = std::min(LarguraDoTexto(botao.strTexto), ret.nLargura);
  const int x = ret.x + (ret.nLargura - nLargura) / 2, y = ctx.LinhaDoMeio(ret);
  grade.Escreve(x, y, botao.strTexto, estilo, nLargura);
  if (rotulo.nAtalho >= 0 && botao.nAntes + rotulo.nAtalho < nLargura - botao.nAntes)
    grade.Sublinha(x + botao.nAntes + rotulo.nAtalho, y);
  if (ctx.Foco() == h) ctx.Cursor(x, y);
  ctx.AlvoLinear(ret, h);
}

void DesenhaCombo(CContextoDesenho& ctx, HWND h, const TRetangulo& ret) {
  CGradeCelulas& grade = ctx.Grade();
  const TRetangulo campo{ret.x, ret.y, ret.nLargura, 1};
  const HWND hFoco = ctx.Foco();
  const bool bFoco = hFoco == h || IsChild(h, hFoco);
  const EEstilo estilo = !CContextoDesenho::Habilitada(h) ? EEstilo::Desabilitado
                         : bFoco                          ? EEstilo::CampoFoco
                                                          : EEstilo::Campo;
  grade.Preenche(campo, estilo);
  COMBOBOXINFO info{sizeof info, nullptr, nullptr, nullptr};
  GetComboBoxInfo(h, &info);
  const TRetangulo texto{campo.x, campo.y, std::max(0, campo.nLargura - 1), 1};
  ctx.AlvoLinear(campo, h);
  if (info.hwndItem != nullptr) {
    DesenhaEdit(ctx, info.hwndItem, texto);
  } else {
    grade.Escreve(texto.x, texto.y, TextoDaJanela(h), estilo, texto.nLargura);
    if (bFoco) ctx.Cursor(texto.x, texto.y);
  }
  grade.Escreve(campo.Direita() - 1, campo.y, "▼", estilo, 1);
  if (info.hwndList != nullptr && SendMessageA(h, CB_GETDROPPEDSTATE, 0, 0))
    ctx.PorCima([&ctx, h, hLista = info.hwndList, campo] {
      CGradeCelulas& g = ctx.Grade();
      const int nItens = static_cast<int>(SendMessageA(h, CB_GETCOUNT, 0, 0));
      const int nAtual = static_cast<int>(SendMessageA(h, CB_GETCURSEL, 0, 0));
      const int nAltura = static_cast<int>(SendMessageA(h, CB_GETITEMHEIGHT, 0, 0));
      const int nLinhas = std::clamp(nItens, 1, kItensDaListaAberta);
      const int nLargura =
          std::max(campo.nLargura, CDesenhista::Coluna(static_cast<int>(SendMessageA(h, CB_GETDROPPEDWIDTH, 0, 0))));
      TRetangulo caixa{campo.x, campo.y + 1, nLargura, nLinhas + 2};
      if (caixa.Baixo() > g.Linhas() && campo.y - caixa.nAltura >= 0) caixa.y = campo.y - caixa.nAltura;
      g.Preenche(caixa, EEstilo::Lista);
      g.Moldura(caixa, EEstilo::Lista, false);
      ctx.Alvo(caixa, nullptr, 0, 0);
      TPonto& rolagem = ctx.Rolagem(hLista);
      if (nAtual >= 0 && nAtual < rolagem.y) rolagem.y = nAtual;
      if (nAtual >= rolagem.y + nLinhas) rolagem.y = nAtual - nLinhas + 1;
      rolagem.y = std::clamp(rolagem.y, 0, std::max(0, nItens - nLinhas));
      for (int i = 0; i < nLinhas && rolagem.y + i < nItens; ++i) {
        const int nItem = rolagem.y + i;
        const int nTamanho = static_cast<int>(SendMessageA(h, CB_GETLBTEXTLEN, static_cast<WPARAM>(nItem), 0));
        std::string strItem(static_cast<std::size_t>(std::max(0, nTamanho)) + 1, '\0');
        SendMessageA(h, CB_GETLBTEXT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(strItem.data()));
        strItem.resize(std::strlen(strItem.c_str()));
        const TRetangulo linha{caixa.x + 1, caixa.y + 1 + i, caixa.nLargura - 2, 1};
        const EEstilo estiloItem = nItem == nAtual ? EEstilo::Selecao : EEstilo::Lista;
        g.Preenche(linha, estiloItem);
        g.Escreve(linha.x, linha.y, strItem, estiloItem, linha.nLargura);
        ctx.Alvo(linha, hLista, kPixelsPorColuna / 2, nItem * nAltura + nAltura / 2, kPixelsPorColuna, 0);
      }
    });
}

int EscreveRotulo(CGradeCelulas& grade, int x, int y, const TRotulo& rotulo, EEstilo estilo, int nLargura) {
  const int nUsadas = grade.Escreve(x, y, rotulo.strTexto, estilo, nLargura);
  if (rotulo.nAtalho >= 0 && rotulo.nAtalho < nUsadas) grade.Sublinha(x + rotulo.nAtalho, y);
  return nUsadas;
}

}  // namespace vrmwnd::terminal::detail
