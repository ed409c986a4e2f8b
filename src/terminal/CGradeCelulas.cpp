// A grade de células: escrita recortada, molduras com os caracteres de caixa, cores
// do programa e a tela como texto e como letras de estilo.
#include "vrmwnd/terminal/CGradeCelulas.h"

#include <algorithm>
#include <array>

#include "vrmwnd/terminal/texto_celulas.h"

namespace vrmwnd::terminal {

TRetangulo TRetangulo::Intersecao(const TRetangulo& outro) const {
  const int nEsquerda = std::max(x, outro.x), nTopo = std::max(y, outro.y);
  const int nDireita = std::min(Direita(), outro.Direita()), nBaixo = std::min(Baixo(), outro.Baixo());
  return {nEsquerda, nTopo, std::max(0, nDireita - nEsquerda), std::max(0, nBaixo - nTopo)};
}

char LetraDoEstilo(EEstilo estilo) {
  static constexpr std::array kLetras = {'.', '=', ' ', 'm', 'M', '_', 'F', 'l', '#',
                                         '+', 'b', 'B', 'd', 'h', 't', 'L', '!'};
  const auto i = static_cast<std::size_t>(estilo);
  return i < kLetras.size() ? kLetras[i] : '?';
}

int CorBasica(long nCor) {
  const int r = static_cast<int>(nCor & 0xFF), g = static_cast<int>((nCor >> 8) & 0xFF),
            b = static_cast<int>((nCor >> 16) & 0xFF);
  // Cada componente conta como aceso da metade para cima; oliva (135, 135, 0) é amarelo.
  const int nAcesas = (r >= 0x80 ? 1 : 0) | (g >= 0x80 ? 2 : 0) | (b >= 0x80 ? 4 : 0);
  if (nAcesas != 0) return nAcesas;
  // Escuras: a componente mais forte, quando há uma (verde médio 0, 128, 0 já foi).
  const int nMaior = std::max({r, g, b});
  if (nMaior < 0x40) return 0;
  return (r == nMaior ? 1 : 0) | (g == nMaior ? 2 : 0) | (b == nMaior ? 4 : 0);
}

CGradeCelulas::CGradeCelulas(int nColunas, int nLinhas)
    : m_nColunas(std::max(0, nColunas)),
      m_nLinhas(std::max(0, nLinhas)),
      m_celulas(static_cast<std::size_t>(m_nColunas) * static_cast<std::size_t>(m_nLinhas)),
      m_recorte(Toda()) {}

void CGradeCelulas::Preenche(const TRetangulo& ret, EEstilo estilo, std::string_view strCaractere) {
  const TRetangulo area = ret.Intersecao(m_recorte);
  for (int y = area.y; y < area.Baixo(); ++y) {
    for (int x = area.x; x < area.Direita(); ++x) {
      TCelula& c = m_celulas[Indice(x, y)];
      c = TCelula{};
      c.strTexto = strCaractere;
      c.estilo = estilo;
    }
  }
}

int CGradeCelulas::Escreve(int x, int y, std::string_view strTexto, EEstilo estilo, int nLargura) {
  const std::vector<std::string> celulas = CelulasDoTexto(strTexto);
  int nMaximo = nLargura < 0 ? std::max(0, m_recorte.Direita() - x) : nLargura;
  const int nUsadas = std::min(nMaximo, static_cast<int>(celulas.size()));
  for (int i = 0; i < nUsadas; ++i) {
    if (!Escrevivel(x + i, y)) continue;
    TCelula& c = m_celulas[Indice(x + i, y)];
    c = TCelula{};
    c.strTexto = celulas[static_cast<std::size_t>(i)];
    c.estilo = estilo;
  }
  return nUsadas;
}

void CGradeCelulas::Pinta(const TRetangulo& ret, EEstilo estilo) {
  const TRetangulo area = ret.Intersecao(m_recorte);
  for (int y = area.y; y < area.Baixo(); ++y)
    for (int x = area.x; x < area.Direita(); ++x) m_celulas[Indice(x, y)].estilo = estilo;
}

void CGradeCelulas::Colore(const TRetangulo& ret, long nCorTexto, long nCorFundo) {
  const TRetangulo area = ret.Intersecao(m_recorte);
  for (int y = area.y; y < area.Baixo(); ++y) {
    for (int x = area.x; x < area.Direita(); ++x) {
      m_celulas[Indice(x, y)].nCorTexto = nCorTexto;
      m_celulas[Indice(x, y)].nCorFundo = nCorFundo;
    }
  }
}

void CGradeCelulas::Sublinha(int x, int y) {
  if (Escrevivel(x, y)) m_celulas[Indice(x, y)].bSublinhado = true;
}

void CGradeCelulas::Moldura(const TRetangulo& ret, EEstilo estilo, bool bDupla) {
  if (ret.nLargura < 2 || ret.nAltura < 2) return;
  const char* szH = bDupla ? "═" : "─";
  const char* szV = bDupla ? "║" : "│";
  for (int x = ret.x + 1; x < ret.Direita() - 1; ++x) {
    Escreve(x, ret.y, szH, estilo, 1);
    Escreve(x, ret.Baixo() - 1, szH, estilo, 1);
  }
  for (int y = ret.y + 1; y < ret.Baixo() - 1; ++y) {
    Escreve(ret.x, y, szV, estilo, 1);
    Escreve(ret.Direita() - 1, y, szV, estilo, 1);
  }
  Escreve(ret.x, ret.y, bDupla ? "╔" : "┌", estilo, 1);
  Escreve(ret.Direita() - 1, ret.y, bDupla ? "╗" : "┐", estilo, 1);
  Escreve(ret.x, ret.Baixo() - 1, bDupla ? "╚" : "└", estilo, 1);
  Escreve(ret.Direita() - 1, ret.Baixo() - 1, bDupla ? "╝" : "┘", estilo, 1);
}

namespace {

template <class F>
std::string TextoPorLinhas(int nColunas, int nLinhas, F celula) {
  std::string strSaida;
  for (int y = 0; y < nLinhas; ++y) {
    std::string strLinha;
    std::size_t nUtil = 0;
    for (int x = 0; x < nColunas; ++x) {
      strLinha += celula(x, y);
      if (strLinha.back() != ' ') nUtil = strLinha.size();
    }
    strLinha.resize(nUtil);
    strSaida += strLinha + "\n";
  }
  return strSaida;
}

}  // namespace

std::string CGradeCelulas::Texto() const {
  return TextoPorLinhas(m_nColunas, m_nLinhas, [this](int x, int y) { return Celula(x, y).strTexto; });
}

std::string CGradeCelulas::Estilos() const {
  static constexpr char kCores[] = {'k', 'r', 'g', 'y', 'b', 'p', 'c', 'w'};
  return TextoPorLinhas(m_nColunas, m_nLinhas, [this](int x, int y) {
    const TCelula& c = Celula(x, y);
    if (c.bSublinhado) return std::string(1, '^');
    return std::string(1, c.nCorTexto == kSemCor ? LetraDoEstilo(c.estilo) : kCores[CorBasica(c.nCorTexto)]);
  });
}

}  // namespace vrmwnd::terminal
