// Datas da suíte: o número do dia, o código do mês e os textos de data. Propriedades:
// uma data válida tem o número e o dia da semana que o calendário do C++ dá (a
// referência mais lenta); todo número válido volta a si por dia, mês e ano; uma data
// fora da faixa dá 0; o texto de data nunca passa do buffer e sempre termina nele.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <memory>

#include "fuzz_apoio.h"
#include "vrmwnd/base/datas.h"

namespace {

template <class T>
T Le(const std::uint8_t*& p, std::size_t& n) {
  T valor{};
  if (n < sizeof(T)) return valor;
  std::memcpy(&valor, p, sizeof(T));
  p += sizeof(T);
  n -= sizeof(T);
  return valor;
}

void ConfereData(int nDia, int nMes, int nAno) {
  using namespace std::chrono;
  const REG_QZDMA dma = QZDMA(nDia, nMes, nAno);
  const int nCompleto = nAno >= 0 && nAno < 100 ? QZCompletaAno(nAno) : nAno;
  const bool bForaDaFaixa = nMes < 1 || nMes > 12 || nDia < 1 || nCompleto < QZ_ANO_MINIMO || nCompleto > QZ_ANO_MAXIMO;
  if (bForaDaFaixa) {
    EXIGE(dma == 0, "%d/%d/%d deu %u", nDia, nMes, nAno, dma);
    return;
  }
  // Um dia além do fim do mês vale o último dia do mês.
  const year_month_day_last ultimo{year{nCompleto}, month_day_last{month{static_cast<unsigned>(nMes)}}};
  const unsigned nDiaValido = std::min(static_cast<unsigned>(nDia), static_cast<unsigned>(ultimo.day()));
  const year_month_day data{year{nCompleto}, month{static_cast<unsigned>(nMes)}, day{nDiaValido}};
  const auto dias = sys_days{data} - sys_days{year{1848} / January / 1};
  EXIGE(dma == static_cast<REG_QZDMA>(dias.count() + 2), "%d/%d/%d deu %u, o calendário %lld", nDia, nMes, nAno, dma,
        static_cast<long long>(dias.count() + 2));
  int d = 0, m = 0, a = 0;
  QZDMAParaData(dma, &d, &m, &a);
  EXIGE(d == static_cast<int>(nDiaValido) && m == nMes && a == nCompleto, "%u voltou %d/%d/%d", dma, d, m, a);
  EXIGE(QZDiaDaSemana(dma) == static_cast<int>(weekday{sys_days{data}}.c_encoding()) + 1, "dia da semana de %u", dma);
  EXIGE(QZMAValido(QZMA(nMes, nAno)) && QZMA(nMes, nAno) == nMes + (nCompleto - 1848) * 12, "mês de %d/%d", nMes, nAno);
}

void ConfereNumero(std::uint32_t nNumero) {
  const bool bValido = nNumero >= QZDMA_MINIMA && nNumero <= QZDMA_MAXIMA;
  EXIGE(QZDMAValida(nNumero) == bValido, "validade de %u", nNumero);
  int d = 0, m = 0, a = 0;
  QZDMAParaData(nNumero, &d, &m, &a);
  if (bValido)
    EXIGE(QZDMA(d, m, a) == nNumero, "%u -> %d/%d/%d -> %u", nNumero, d, m, a, QZDMA(d, m, a));
  else
    EXIGE(d == 0 && m == 0 && a == 0, "%u inválido deu %d/%d/%d", nNumero, d, m, a);
  const auto ma = static_cast<REG_QZMA>(nNumero);
  QZMAParaData(ma, &m, &a);
  if (QZMAValido(ma)) EXIGE(QZMA(m, a) == ma, "mês %u -> %d/%d", ma, m, a);
}

void ConfereTexto(int nTamanho, REG_QZDMA dma, int nDia, int nMes, int nAno, int nEstilo, char cSeparador, bool bAno4) {
  // Exatamente nTamanho bytes no heap: o AddressSanitizer pega a escrita além.
  const auto pBuffer = std::make_unique<char[]>(static_cast<std::size_t>(nTamanho) + (nTamanho == 0 ? 1 : 0));
  for (int nForma = 0; nForma < 2; ++nForma) {
    const char* sz = nForma == 0 ? QZDataTexto(pBuffer.get(), nTamanho, dma, nEstilo, cSeparador, bAno4)
                                 : QZDataTexto(pBuffer.get(), nTamanho, nDia, nMes, nAno, nEstilo, cSeparador, bAno4);
    EXIGE(sz == pBuffer.get(), "devolve o buffer");
    if (nTamanho > 0)
      EXIGE(std::memchr(pBuffer.get(), '\0', static_cast<std::size_t>(nTamanho)) != nullptr, "texto sem nulo");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pDados, std::size_t nTamanho) {
  const std::uint8_t* p = pDados;
  std::size_t n = nTamanho;
  const auto nDia = Le<std::int32_t>(p, n);
  const auto nMes = Le<std::int32_t>(p, n);
  const auto nAno = Le<std::int32_t>(p, n);
  const auto nNumero = Le<std::uint32_t>(p, n);
  const auto byEstilo = Le<std::uint8_t>(p, n);
  const auto byTamanho = Le<std::uint8_t>(p, n);
  const auto cSeparador = Le<char>(p, n);
  ConfereData(nDia, nMes, nAno);
  ConfereData(nDia % 40, nMes % 14, nAno % 5000);  // perto da faixa, onde os casos moram
  ConfereNumero(nNumero);
  ConfereNumero(nNumero % (QZDMA_MAXIMA + 3));
  ConfereTexto(byTamanho % 40, nNumero % (QZDMA_MAXIMA + 3), nDia, nMes, nAno, byEstilo % 9 - 1, cSeparador,
               (byEstilo & 0x80) != 0);
  return 0;
}
