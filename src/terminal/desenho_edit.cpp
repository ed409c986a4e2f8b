// O edit em células: o campo inteiro no estilo do estado (foco, somente leitura,
// desabilitado), o texto rolado para que o caret fique à vista (a rolagem é guardada
// entre desenhos), a seleção, o cursor do terminal no caret e, no edit de várias
// linhas, as linhas do texto (quebradas na largura quando não rola na horizontal).
#include <algorithm>

#include "desenho.h"
#include "vrmwnd/platform/winctrl.h"
#include "vrmwnd/terminal/texto_celulas.h"

namespace vrmwnd::terminal::detail {
namespace {

// Uma linha do edit como aparece: as células e o índice (em caracteres do texto) de
// cada uma; nInicio é o índice do primeiro caractere da linha.
struct TLinhaEdit {
  int nInicio = 0;
  std::vector<std::string> celulas;
  std::vector<int> indices;
};

// Quebra a linha cheia entre palavras, como o edit faz: o que vem depois do último
// espaço passa para uma linha nova; sem espaço, a palavra é cortada na largura.
void QuebraLinhaCheia(std::vector<TLinhaEdit>& linhas, int nIndice) {
  TLinhaEdit& cheia = linhas.back();
  std::size_t nEspaco = cheia.celulas.size();
  while (nEspaco > 0 && cheia.celulas[nEspaco - 1] != " ") --nEspaco;
  if (nEspaco == 0 || nEspaco == cheia.celulas.size()) {
    linhas.push_back(TLinhaEdit{nIndice, {}, {}});
    return;
  }
  TLinhaEdit nova{cheia.indices[nEspaco], {}, {}};
  nova.celulas.assign(cheia.celulas.begin() + static_cast<long>(nEspaco), cheia.celulas.end());
  nova.indices.assign(cheia.indices.begin() + static_cast<long>(nEspaco), cheia.indices.end());
  cheia.celulas.resize(nEspaco);
  cheia.indices.resize(nEspaco);
  linhas.push_back(std::move(nova));
}

// As linhas do texto: "\r\n" e "\n" quebram (e contam como caracteres); com
// nQuebra > 0 uma linha mais larga continua na seguinte, quebrada entre palavras, e
// o espaço da quebra fica no fim da linha de cima, sem célula.
std::vector<TLinhaEdit> LinhasDoEdit(const std::string& strTexto, int nQuebra) {
  std::vector<TLinhaEdit> linhas(1);
  const std::u32string pontos = PontosDeCodigo(strTexto);
  for (std::size_t i = 0; i < pontos.size(); ++i) {
    const char32_t cp = pontos[i];
    const int nIndice = static_cast<int>(i);
    if (cp == U'\r' && i + 1 < pontos.size() && pontos[i + 1] == U'\n') continue;
    if (cp == U'\n') {
      linhas.push_back(TLinhaEdit{nIndice + 1, {}, {}});
      continue;
    }
    if (MarcaCombinante(cp) && !linhas.back().celulas.empty()) {
      linhas.back().celulas.back() += Utf8DoPonto(cp);
      continue;
    }
    if (nQuebra > 0 && static_cast<int>(linhas.back().celulas.size()) == nQuebra) {
      if (cp == U' ') {
        linhas.push_back(TLinhaEdit{nIndice + 1, {}, {}});
        continue;
      }
      QuebraLinhaCheia(linhas, nIndice);
    }
    linhas.back().celulas.push_back(cp < 0x20 ? " " : Utf8DoPonto(cp));
    linhas.back().indices.push_back(nIndice);
  }
  return linhas;
}

// A coluna do caractere nIndice na linha: as células dos caracteres antes dele.
int ColunaDoIndice(const TLinhaEdit& linha, int nIndice) {
  return static_cast<int>(
      std::count_if(linha.indices.begin(), linha.indices.end(), [nIndice](int n) { return n < nIndice; }));
}

// A linha em que está o caractere nIndice (a última que começa antes dele).
int LinhaDoIndice(const std::vector<TLinhaEdit>& linhas, int nIndice) {
  int nLinha = 0;
  for (int i = 0; i < static_cast<int>(linhas.size()); ++i)
    if (linhas[static_cast<std::size_t>(i)].nInicio <= nIndice) nLinha = i;
  return nLinha;
}

EEstilo EstiloDoEdit(CContextoDesenho& ctx, HWND h, DWORD nEstilo) {
  if (!CContextoDesenho::Habilitada(h)) return EEstilo::Desabilitado;
  if (nEstilo & ES_READONLY) return EEstilo::SomenteLeitura;
  return ctx.Foco() == h ? EEstilo::CampoFoco : EEstilo::Campo;
}

// Rola para que a posição fique entre a primeira mostrada e a última.
int Rola(int nPrimeira, int nPosicao, int nVisiveis) {
  if (nPosicao < nPrimeira) return nPosicao;
  if (nPosicao > nPrimeira + nVisiveis - 1) return nPosicao - nVisiveis + 1;
  return nPrimeira;
}

}  // namespace

void DesenhaEdit(CContextoDesenho& ctx, HWND h, const TRetangulo& ret) {
  CGradeCelulas& grade = ctx.Grade();
  const DWORD nEstilo = static_cast<DWORD>(GetWindowLongPtrA(h, GWL_STYLE));
  const bool bVariasLinhas = (nEstilo & ES_MULTILINE) != 0;
  const EEstilo estilo = EstiloDoEdit(ctx, h, nEstilo);
  const bool bFoco = ctx.Foco() == h;
  std::string strTexto = TextoDaJanela(h);
  if (nEstilo & ES_PASSWORD) strTexto.assign(static_cast<std::size_t>(LarguraDoTexto(strTexto)), '*');
  DWORD nInicioSel = 0, nFimSel = 0;
  SendMessageA(h, EM_GETSEL, reinterpret_cast<WPARAM>(&nInicioSel), reinterpret_cast<LPARAM>(&nFimSel));
  const int nCaret = static_cast<int>(nFimSel);

  const TRetangulo area = bVariasLinhas ? ret : TRetangulo{ret.x, ctx.LinhaDoMeio(ret), ret.nLargura, 1};
  grade.Preenche(area, estilo);
  ctx.AlvoLinear(area, h);
  const int nQuebra = bVariasLinhas && !(nEstilo & ES_AUTOHSCROLL) ? area.nLargura : 0;
  const std::vector<TLinhaEdit> linhas = LinhasDoEdit(strTexto, nQuebra);
  const int nLinhaCaret = LinhaDoIndice(linhas, nCaret);
  const TLinhaEdit& linhaCaret = linhas[static_cast<std::size_t>(nLinhaCaret)];
  const int nColunaCaret = ColunaDoIndice(linhaCaret, nCaret);

  TPonto& rolagem = ctx.Rolagem(h);
  rolagem.y = std::clamp(Rola(rolagem.y, nLinhaCaret, area.nAltura), 0, static_cast<int>(linhas.size()) - 1);
  rolagem.x = nQuebra > 0 ? 0 : std::max(0, Rola(rolagem.x, nColunaCaret, area.nLargura));
  const int nAlinhamento = (nEstilo & ES_RIGHT) ? 2 : (nEstilo & ES_CENTER) ? 1 : 0;
  for (int i = 0; i < area.nAltura && rolagem.y + i < static_cast<int>(linhas.size()); ++i) {
    const TLinhaEdit& linha = linhas[static_cast<std::size_t>(rolagem.y + i)];
    const int nCelulas = static_cast<int>(linha.celulas.size());
    const int nSobra = area.nLargura - nCelulas;
    const int x0 = nSobra > 0 && rolagem.x == 0 ? area.x + (nAlinhamento == 2   ? nSobra
                                                            : nAlinhamento == 1 ? nSobra / 2
                                                                                : 0)
                                                : area.x - rolagem.x;
    const int y = area.y + i;
    for (int c = 0; c < nCelulas; ++c) {
      const int x = x0 + c;
      if (x < area.x || x >= area.Direita()) continue;
      grade.Escreve(x, y, linha.celulas[static_cast<std::size_t>(c)], estilo, 1);
      const int nIndice = linha.indices[static_cast<std::size_t>(c)];
      if ((bFoco || (nEstilo & ES_NOHIDESEL)) && nIndice >= static_cast<int>(nInicioSel) &&
          nIndice < static_cast<int>(nFimSel))
        grade.Pinta({x, y, 1, 1}, EEstilo::Selecao);
    }
    if (bFoco && rolagem.y + i == nLinhaCaret) ctx.Cursor(std::min(x0 + nColunaCaret, area.Direita() - 1), y);
  }
}

}  // namespace vrmwnd::terminal::detail
