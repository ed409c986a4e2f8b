// Textos UTF-8 medidos em células do terminal: cada caractere ocupa uma célula e as
// marcas que se combinam a ele (o acento de "e" + U+0301) ficam na mesma; rótulos com
// a letra de atalho marcada por &; linhas quebradas numa largura.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "vrmwnd/terminal/exporta.h"

namespace vrmwnd::terminal {

// Os pontos de código de um texto UTF-8; um byte que não é UTF-8 vira U+FFFD.
VRMWND_TERMINAL_API std::u32string PontosDeCodigo(std::string_view strTexto);
// O ponto de código em UTF-8.
VRMWND_TERMINAL_API std::string Utf8DoPonto(char32_t cp);
// Marcas que se desenham sobre o caractere anterior (acentos combinantes, ...).
VRMWND_TERMINAL_API bool MarcaCombinante(char32_t cp);
// As células de um texto, na ordem; um byte que não é UTF-8 vira U+FFFD.
VRMWND_TERMINAL_API std::vector<std::string> CelulasDoTexto(std::string_view strTexto);
VRMWND_TERMINAL_API int LarguraDoTexto(std::string_view strTexto);

// Um rótulo sem os & de atalho: "&Código" dá "Código" com o atalho na célula 0;
// "&&" é um & sem atalho. Sem prefixo (SS_NOPREFIX) o texto fica como está.
struct TRotulo {
  std::string strTexto;
  int nAtalho = -1;  // célula sublinhada, -1 nenhuma
};
VRMWND_TERMINAL_API TRotulo RotuloSemAtalho(std::string_view strTexto, bool bComPrefixo = true);

// As linhas do texto numa largura de células: quebra nas quebras de linha ("\n" ou
// "\r\n") e, com bQuebraPalavras, entre palavras (uma palavra maior que a largura é
// cortada). Sem quebra de palavras cada linha fica inteira.
VRMWND_TERMINAL_API std::vector<std::string> QuebraLinhas(std::string_view strTexto, int nLargura,
                                                          bool bQuebraPalavras);

}  // namespace vrmwnd::terminal
