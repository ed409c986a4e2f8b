// Conversões das datas da suíte (dia e mês contados a partir de 1848) e seus textos.
#include "vrmwnd/base/datas.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int kDiasNoMes[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kDiasAntes[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

constexpr const char* kMeses[13] = {"",      "Janeiro", "Fevereiro", "Março",   "Abril",    "Maio",    "Junho",
                                    "Julho", "Agosto",  "Setembro",  "Outubro", "Novembro", "Dezembro"};
constexpr const char* kMesesAbreviados[13] = {"",    "Jan", "Fev", "Mar", "Abr", "Mai", "Jun",
                                              "Jul", "Ago", "Set", "Out", "Nov", "Dez"};
constexpr const char* kDiasDaSemana[8] = {
    "", "Domingo", "Segunda-feira", "Terça-feira", "Quarta-feira", "Quinta-feira", "Sexta-feira", "Sábado"};

// Número do dia de uma data já validada e ajustada.
long NumeroDoDia(int nDia, int nMes, int nAno) {
  long n = static_cast<long>(nAno - QZ_ANO_MINIMO) * 365 + kDiasAntes[nMes - 1] + nDia + nAno / 4 - nAno / 100 +
           nAno / 400 - 446;
  if (QZAnoBissexto(nAno) && nMes <= 2) --n;
  return n;
}

}  // namespace

int QZCompletaAno(int nAno) {
  if (nAno >= 0 && nAno < 100) return nAno < 84 ? 2000 + nAno : 1900 + nAno;
  return nAno;
}

bool QZAnoBissexto(int nAno) { return nAno % 4 == 0 && (nAno % 100 != 0 || nAno % 400 == 0); }

int QZUltimoDiaDoMes(int nMes, int nAno) {
  if (nMes < 1 || nMes > 12) return 0;
  return nMes == 2 && QZAnoBissexto(nAno) ? 29 : kDiasNoMes[nMes - 1];
}

REG_QZDMA QZDMA(int nDia, int nMes, int nAno) {
  nAno = QZCompletaAno(nAno);
  if (nDia < 1 || nMes < 1 || nMes > 12 || nAno < QZ_ANO_MINIMO || nAno > QZ_ANO_MAXIMO) return 0;
  const int nUltimo = QZUltimoDiaDoMes(nMes, nAno);
  if (nDia > nUltimo) nDia = nUltimo;
  return static_cast<REG_QZDMA>(NumeroDoDia(nDia, nMes, nAno));
}

bool QZDMAValida(REG_QZDMA dma) { return dma >= QZDMA_MINIMA && dma <= QZDMA_MAXIMA; }

void QZDMAParaData(REG_QZDMA dma, int* pnDia, int* pnMes, int* pnAno) {
  int nDia = 0, nMes = 0, nAno = 0;
  if (QZDMAValida(dma)) {
    const long n = static_cast<long>(dma);
    // Estimativa do ano pela duração média, corrigida pelos limites exatos.
    nAno = QZ_ANO_MINIMO + static_cast<int>((n - 2) * 400 / 146'097);
    while (nAno > QZ_ANO_MINIMO && NumeroDoDia(1, 1, nAno) > n) --nAno;
    while (nAno < QZ_ANO_MAXIMO && NumeroDoDia(1, 1, nAno + 1) <= n) ++nAno;
    nMes = 12;
    while (nMes > 1 && NumeroDoDia(1, nMes, nAno) > n) --nMes;
    nDia = static_cast<int>(n - NumeroDoDia(1, nMes, nAno)) + 1;
  }
  if (pnDia) *pnDia = nDia;
  if (pnMes) *pnMes = nMes;
  if (pnAno) *pnAno = nAno;
}

int QZDiaDaSemana(REG_QZDMA dma) {
  if (!QZDMAValida(dma)) return 0;
  return static_cast<int>((dma + 4) % 7) + 1;
}

REG_QZMA QZMA(int nMes, int nAno) {
  nAno = QZCompletaAno(nAno);
  if (nMes < 1 || nMes > 12 || nAno < QZ_ANO_MINIMO || nAno > QZ_ANO_MAXIMO) return 0;
  return static_cast<REG_QZMA>(nMes + (nAno - QZ_ANO_MINIMO) * 12);
}

bool QZMAValido(REG_QZMA ma) { return ma >= 1 && ma <= QZMA_MAXIMO; }

void QZMAParaData(REG_QZMA ma, int* pnMes, int* pnAno) {
  int nMes = 0, nAno = 0;
  if (QZMAValido(ma)) {
    nAno = ma / 12;
    nMes = ma - 12 * nAno;
    if (nMes == 0) {
      nMes = 12;
      --nAno;
    }
    nAno += QZ_ANO_MINIMO;
  }
  if (pnMes) *pnMes = nMes;
  if (pnAno) *pnAno = nAno;
}

const char* QZNomeMes(int nMes) { return nMes >= 1 && nMes <= 12 ? kMeses[nMes] : ""; }
const char* QZNomeMesAbreviado(int nMes) { return nMes >= 1 && nMes <= 12 ? kMesesAbreviados[nMes] : ""; }
const char* QZNomeDiaDaSemana(int nDiaDaSemana) {
  return nDiaDaSemana >= 1 && nDiaDaSemana <= 7 ? kDiasDaSemana[nDiaDaSemana] : "";
}

char* QZDataTexto(char* szBuffer, int nTamanho, int nDia, int nMes, int nAno, int nEstilo, char cSeparador,
                  bool bAno4Digitos) {
  if (szBuffer == nullptr || nTamanho <= 0) return szBuffer;
  szBuffer[0] = '\0';
  nAno = QZCompletaAno(nAno);
  if (nEstilo < QZ_DATA_DMA || nEstilo > QZ_DATA_EXTENSO) return szBuffer;
  if (nDia < 0 || nMes < 0 || nAno < 0 || nDia > 31 || nMes > 12 || (nAno > 100 && nAno < QZ_ANO_MINIMO) ||
      nAno > QZ_ANO_MAXIMO)
    return szBuffer;

  char szTexto[40];
  int nEscritos;
  if (nEstilo == QZ_DATA_EXTENSO) {
    if (nTamanho < 24 || nMes < 1) return szBuffer;
    nEscritos = std::snprintf(szTexto, sizeof szTexto, "%02d de %s de %04d", nDia, QZNomeMes(nMes), nAno);
  } else {
    const bool bAnoLongo = nEstilo % 2 == 1;
    const int nMinimo = (bAnoLongo ? 9 : 7) + (cSeparador ? 2 : 0);
    if (nTamanho < nMinimo) return szBuffer;
    const bool bQuatro = bAnoLongo || (bAno4Digitos && (nAno < 1984 || nAno > 2083));
    char szAno[8];
    std::snprintf(szAno, sizeof szAno, bQuatro ? "%04d" : "%02d", bQuatro ? nAno : nAno % 100);
    char szDia[4], szMes[4];
    std::snprintf(szDia, sizeof szDia, "%02d", nDia % 100);
    std::snprintf(szMes, sizeof szMes, "%02d", nMes % 100);
    const char* aPartes[3] = {szDia, szMes, szAno};
    if (nEstilo == QZ_DATA_MDA || nEstilo == QZ_DATA_MDAAAA) {
      aPartes[0] = szMes;
      aPartes[1] = szDia;
    } else if (nEstilo == QZ_DATA_ADM || nEstilo == QZ_DATA_AAAADM) {
      aPartes[0] = szAno;
      aPartes[2] = szDia;
    }
    const char szSep[2] = {cSeparador, '\0'};
    nEscritos = std::snprintf(szTexto, sizeof szTexto, "%s%s%s%s%s", aPartes[0], szSep, aPartes[1], szSep, aPartes[2]);
  }
  if (nEscritos < 0 || nEscritos >= nTamanho) return szBuffer;
  std::memcpy(szBuffer, szTexto, static_cast<size_t>(nEscritos) + 1);
  return szBuffer;
}

char* QZDataTexto(char* szBuffer, int nTamanho, REG_QZDMA dma, int nEstilo, char cSeparador, bool bAno4Digitos) {
  int nDia, nMes, nAno;
  QZDMAParaData(dma, &nDia, &nMes, &nAno);
  if (nDia == 0) {
    if (szBuffer && nTamanho > 0) szBuffer[0] = '\0';
    return szBuffer;
  }
  return QZDataTexto(szBuffer, nTamanho, nDia, nMes, nAno, nEstilo, cSeparador, bAno4Digitos);
}
