// Datas da suíte: o número do dia (REG_QZDMA) e o código do mês (REG_QZMA), ambos
// contados a partir de 1848, as conversões de e para dia, mês e ano, o dia da
// semana, os nomes dos meses e os textos de data nos estilos 0 a 6.
#pragma once

#include <cstdint>

#include "vrmwnd/base/exporta.h"

// Número do dia: 2 é 1º de janeiro de 1848; 0 é "sem data". Válidos: 2 a 1.048.247.
using REG_QZDMA = std::uint32_t;
// Código do mês: mês + (ano - 1848) * 12; 0 é "sem mês". Válidos: 1 a 34.440.
using REG_QZMA = std::uint16_t;

inline constexpr REG_QZDMA QZDMA_MINIMA = 2;
inline constexpr REG_QZDMA QZDMA_MAXIMA = 1'048'247;  // 31/12/4717
inline constexpr REG_QZMA QZMA_MAXIMO = 34'440;       // 12/4717
inline constexpr int QZ_ANO_MINIMO = 1848;
inline constexpr int QZ_ANO_MAXIMO = 4717;

// Ano abaixo de 100 vira 2000 + ano quando abaixo de 84, senão 1900 + ano.
VRMWND_BASE_API int QZCompletaAno(int nAno);
VRMWND_BASE_API bool QZAnoBissexto(int nAno);
// Último dia do mês (1..12) no ano dado; 0 para mês inválido.
VRMWND_BASE_API int QZUltimoDiaDoMes(int nMes, int nAno);

// Número do dia de (dia, mês, ano). Completa o ano; dia além do fim do mês vira o
// último dia (31/04 -> 30/04, 29/02 de ano comum -> 28/02). Data inválida: 0.
VRMWND_BASE_API REG_QZDMA QZDMA(int nDia, int nMes, int nAno);
VRMWND_BASE_API bool QZDMAValida(REG_QZDMA dma);
// Dia, mês e ano do número do dia; sem data (fora de 2..1.048.247) dá 0, 0, 0.
VRMWND_BASE_API void QZDMAParaData(REG_QZDMA dma, int* pnDia, int* pnMes, int* pnAno);
// 1 = domingo ... 7 = sábado; 0 para sem data.
VRMWND_BASE_API int QZDiaDaSemana(REG_QZDMA dma);

// Código do mês de (mês, ano), com o ano completado; inválido: 0.
VRMWND_BASE_API REG_QZMA QZMA(int nMes, int nAno);
VRMWND_BASE_API bool QZMAValido(REG_QZMA ma);
// Mês e ano do código; código inválido dá 0, 0.
VRMWND_BASE_API void QZMAParaData(REG_QZMA ma, int* pnMes, int* pnAno);

// Nomes por índice 1..12 ("Janeiro", "Jan") e 1..7 ("Domingo"); fora disso, "".
VRMWND_BASE_API const char* QZNomeMes(int nMes);
VRMWND_BASE_API const char* QZNomeMesAbreviado(int nMes);
VRMWND_BASE_API const char* QZNomeDiaDaSemana(int nDiaDaSemana);

// Estilos do texto de data.
// | estilo | ordem          | ano                                                  |
// |--------|----------------|------------------------------------------------------|
// | 0      | dia, mês, ano  | 2 dígitos; 4 com bAno4Digitos fora de 1984..2083     |
// | 1      | dia, mês, ano  | 4 dígitos                                            |
// | 2, 3   | mês, dia, ano  | como 0, como 1                                       |
// | 4, 5   | ano, mês, dia  | como 0, como 1                                       |
// | 6      | "%02d de %s de %04d" (dia, nome do mês, ano)                          |
enum {
  QZ_DATA_DMA = 0,
  QZ_DATA_DMAAAA = 1,
  QZ_DATA_MDA = 2,
  QZ_DATA_MDAAAA = 3,
  QZ_DATA_ADM = 4,
  QZ_DATA_AAAADM = 5,
  QZ_DATA_EXTENSO = 6,
};

// Escreve a data em szBuffer (nTamanho caracteres com o nulo) e devolve szBuffer.
// cSeparador 0 não separa. Texto vazio quando o buffer é menor que o mínimo do
// estilo (7/9 para 0, 2, 4; 9/11 para 1, 3, 5, sem/com separador; 24 para 6) ou
// menor que o texto, quando o dia passa de 31, o mês de 12, o ano (completado) cai
// em 101..1847 ou passa de 4717, ou o estilo não existe. Nunca escreve além de
// nTamanho.
VRMWND_BASE_API char* QZDataTexto(char* szBuffer, int nTamanho, int nDia, int nMes, int nAno, int nEstilo,
                                  char cSeparador, bool bAno4Digitos);
// O mesmo a partir do número do dia; sem data dá o texto vazio.
VRMWND_BASE_API char* QZDataTexto(char* szBuffer, int nTamanho, REG_QZDMA dma, int nEstilo, char cSeparador,
                                  bool bAno4Digitos);
