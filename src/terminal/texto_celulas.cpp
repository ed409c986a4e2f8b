// Textos UTF-8 em células: a decodificação da plataforma (um byte ruim vira U+FFFD e
// nada é lido além do texto), marcas combinantes na célula do caractere anterior, rótulos
// com & e quebra de linhas por palavras.
#include "vrmwnd/terminal/texto_celulas.h"

#include <algorithm>

#include "vrmwnd/platform/CString.h"

namespace vrmwnd::terminal {

std::string Utf8DoPonto(char32_t cp) {
  std::string strSaida;
  Utf8Append(strSaida, cp);
  return strSaida;
}

bool MarcaCombinante(char32_t cp) {
  return (cp >= 0x0300 && cp <= 0x036F) || (cp >= 0x1AB0 && cp <= 0x1AFF) || (cp >= 0x1DC0 && cp <= 0x1DFF) ||
         (cp >= 0x20D0 && cp <= 0x20FF) || (cp >= 0xFE20 && cp <= 0xFE2F) || cp == 0x200D;
}

std::u32string PontosDeCodigo(std::string_view strTexto) { return Utf8ToCodePoints(strTexto); }

std::vector<std::string> CelulasDoTexto(std::string_view strTexto) {
  std::vector<std::string> celulas;
  for (char32_t cp : PontosDeCodigo(strTexto)) {
    if (MarcaCombinante(cp) && !celulas.empty()) {
      Utf8Append(celulas.back(), cp);
      continue;
    }
    celulas.emplace_back();
    Utf8Append(celulas.back(), cp < 0x20 || cp == 0x7F ? U' ' : cp);
  }
  return celulas;
}

int LarguraDoTexto(std::string_view strTexto) { return static_cast<int>(CelulasDoTexto(strTexto).size()); }

TRotulo RotuloSemAtalho(std::string_view strTexto, bool bComPrefixo) {
  TRotulo rotulo;
  if (!bComPrefixo) {
    rotulo.strTexto = strTexto;
    return rotulo;
  }
  int nCelula = 0;
  for (std::size_t i = 0; i < strTexto.size(); ++i) {
    const char c = strTexto[i];
    if (c == '&' && i + 1 < strTexto.size()) {
      ++i;
      if (strTexto[i] != '&' && rotulo.nAtalho < 0) rotulo.nAtalho = nCelula;
    }
    rotulo.strTexto += strTexto[i];
    if ((static_cast<unsigned char>(strTexto[i]) & 0xC0) != 0x80) ++nCelula;
  }
  return rotulo;
}

namespace {

// Quebra uma linha (sem quebras) entre palavras na largura.
void QuebraPalavras(const std::vector<std::string>& celulas, int nLargura, std::vector<std::string>& linhas) {
  std::size_t nInicio = 0;
  while (nInicio < celulas.size()) {
    std::size_t nFim = std::min(celulas.size(), nInicio + static_cast<std::size_t>(nLargura));
    if (nFim < celulas.size()) {
      std::size_t nEspaco = nFim;
      while (nEspaco > nInicio && celulas[nEspaco] != " ") --nEspaco;
      if (nEspaco > nInicio) nFim = nEspaco;
    }
    std::string strLinha;
    for (std::size_t i = nInicio; i < nFim; ++i) strLinha += celulas[i];
    while (!strLinha.empty() && strLinha.back() == ' ') strLinha.pop_back();
    linhas.push_back(strLinha);
    nInicio = nFim;
    while (nInicio < celulas.size() && celulas[nInicio] == " ") ++nInicio;
  }
}

}  // namespace

std::vector<std::string> QuebraLinhas(std::string_view strTexto, int nLargura, bool bQuebraPalavras) {
  std::vector<std::string> linhas;
  std::size_t nInicio = 0;
  while (true) {
    std::size_t nFim = strTexto.find('\n', nInicio);
    std::string_view strLinha =
        strTexto.substr(nInicio, nFim == std::string_view::npos ? std::string_view::npos : nFim - nInicio);
    if (!strLinha.empty() && strLinha.back() == '\r') strLinha.remove_suffix(1);
    if (!bQuebraPalavras || nLargura <= 0 || strLinha.empty()) {
      linhas.emplace_back(strLinha);
    } else {
      QuebraPalavras(CelulasDoTexto(strLinha), nLargura, linhas);
    }
    if (nFim == std::string_view::npos) break;
    nInicio = nFim + 1;
  }
  return linhas;
}

}  // namespace vrmwnd::terminal
