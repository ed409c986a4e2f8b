// compras data: uma data dada como dia/mês/ano ou como número do dia, com o número,
// o dia da semana, o código do mês e o texto em cada estilo.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "comandos.h"
#include "vrmwnd/base/datas.h"

namespace compras {
namespace {

// Lê um inteiro decimal inteiro (sem sobras) que cabe num int; false quando o texto
// não é número ou passa da faixa (nunca o resto de uma divisão por 2^32).
bool LeInteiro(const char* sz, long* pValor) {
  if (sz == nullptr || *sz == '\0') return false;
  char* pFim = nullptr;
  errno = 0;
  const long long llValor = std::strtoll(sz, &pFim, 10);
  if (*pFim != '\0' || errno == ERANGE || llValor < INT_MIN || llValor > INT_MAX) return false;
  *pValor = static_cast<long>(llValor);
  return true;
}

bool LeData(const char* sz, int* pDia, int* pMes, int* pAno) {
  long a[3];
  char szCopia[64];
  if (std::strlen(sz) >= sizeof szCopia) return false;
  std::strcpy(szCopia, sz);
  char* pParte = szCopia;
  for (int i = 0; i < 3; ++i) {
    char* pBarra = std::strchr(pParte, '/');
    if ((i < 2) != (pBarra != nullptr)) return false;
    if (pBarra) *pBarra = '\0';
    if (!LeInteiro(pParte, &a[i])) return false;
    pParte = pBarra ? pBarra + 1 : nullptr;
  }
  *pDia = static_cast<int>(a[0]);
  *pMes = static_cast<int>(a[1]);
  *pAno = static_cast<int>(a[2]);
  return true;
}

}  // namespace

int ComandoData(int argc, char** argv) {
  const TComando& eu = Comando("data");
  if (argc != 1) return UsoErrado(eu, "informe uma data (13/08/2018) ou um número de dia (62318)");
  REG_QZDMA dma = 0;
  int nDia, nMes, nAno;
  long nNumero;
  if (std::strchr(argv[0], '/')) {
    if (!LeData(argv[0], &nDia, &nMes, &nAno))
      return UsoErrado(eu, "data ilegível; use dia/mês/ano, por exemplo 13/08/2018");
    dma = QZDMA(nDia, nMes, nAno);
    if (dma == 0) {
      std::fprintf(stderr, "compras data: %s não é uma data válida entre 01/01/1848 e 31/12/4717\n", argv[0]);
      return 2;
    }
  } else {
    if (!LeInteiro(argv[0], &nNumero)) return UsoErrado(eu, "número de dia ilegível");
    if (nNumero < static_cast<long>(QZDMA_MINIMA) || nNumero > static_cast<long>(QZDMA_MAXIMA)) {
      std::fprintf(stderr, "compras data: o número do dia vai de %u a %u\n", QZDMA_MINIMA, QZDMA_MAXIMA);
      return 2;
    }
    dma = static_cast<REG_QZDMA>(nNumero);
  }
  QZDMAParaData(dma, &nDia, &nMes, &nAno);
  const REG_QZMA ma = QZMA(nMes, nAno);
  std::printf("Data:            %02d/%02d/%04d\n", nDia, nMes, nAno);
  std::printf("Número do dia:   %u\n", dma);
  std::printf("Dia da semana:   %d (%s)\n", QZDiaDaSemana(dma), QZNomeDiaDaSemana(QZDiaDaSemana(dma)));
  std::printf("Código do mês:   %u (%s de %d)\n", ma, QZNomeMes(nMes), nAno);
  std::printf("Textos:\n");
  char szTexto[32];
  for (int nEstilo = QZ_DATA_DMA; nEstilo <= QZ_DATA_EXTENSO; ++nEstilo) {
    std::printf("  estilo %d: %-24s", nEstilo, QZDataTexto(szTexto, sizeof szTexto, dma, nEstilo, '/', false));
    if (nEstilo % 2 == 0 && nEstilo < QZ_DATA_EXTENSO)
      std::printf(" (ano de 4 dígitos fora de 1984..2083: %s)",
                  QZDataTexto(szTexto, sizeof szTexto, dma, nEstilo, '/', true));
    std::printf("\n");
  }
  return 0;
}

}  // namespace compras
