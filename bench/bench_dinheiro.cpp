// Custo da aritmética de dinheiro pelas rotinas de automação, lado a lado com uma
// linha de base no mesmo processo: ponto fixo em __int128 para as contas e snprintf
// para o texto. Os nomes "Base" marcam as linhas de base; como as rotinas, elas
// recebem o segundo operando em tempo de execução, não como constante.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include <benchmark/benchmark.h>

#include "vrmwnd/base/CQZCurrencyEx.h"

namespace {

// Valores variados para que nenhum ramo fique sempre igual.
std::vector<CY> Valores() {
  std::vector<CY> v;
  std::uint64_t x = 88172645463325252ULL;
  for (int i = 0; i < 1024; ++i) {
    x ^= x << 13, x ^= x >> 7, x ^= x << 17;
    v.push_back(CyDeBruto(static_cast<LONGLONG>(x % 100'000'000'000ULL) - 50'000'000'000LL));
  }
  return v;
}

const std::vector<CY>& Dados() {
  static const std::vector<CY> v = Valores();
  return v;
}

// Ponto fixo de quatro casas em __int128, meio para o par, como a linha de base.
std::int64_t BaseArredondaPar(__int128 bruto, std::int64_t divisor) {
  __int128 q = bruto / divisor, r = bruto % divisor;
  if (r < 0) r = -r;
  const __int128 dobro = 2 * r;
  if (dobro > divisor || (dobro == divisor && (q & 1))) q += bruto < 0 ? -1 : 1;
  return static_cast<std::int64_t>(q);
}

void CyVezesCy(benchmark::State& state) {
  const auto& v = Dados();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(v[i & 1023] * CyDeBruto(12'345));
    ++i;
  }
}
BENCHMARK(CyVezesCy);

void BaseCyVezesCy(benchmark::State& state) {
  const auto& v = Dados();
  std::int64_t nFator = 12'345;
  benchmark::DoNotOptimize(nFator);
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(BaseArredondaPar(static_cast<__int128>(v[i & 1023].int64) * nFator, 10'000));
    ++i;
  }
}
BENCHMARK(BaseCyVezesCy);

void CyVezesDouble(benchmark::State& state) {
  const auto& v = Dados();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(v[i & 1023] * 1.2345);
    ++i;
  }
}
BENCHMARK(CyVezesDouble);

// O double vira ponto fixo de oito casas a cada operação, como o lado medido o
// converte a cada operação.
void BaseCyVezesDouble(benchmark::State& state) {
  const auto& v = Dados();
  double dFator = 1.2345;
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(dFator);
    const std::int64_t nFator = std::llround(dFator * 1e8);
    benchmark::DoNotOptimize(BaseArredondaPar(static_cast<__int128>(v[i & 1023].int64) * nFator, 100'000'000));
    ++i;
  }
}
BENCHMARK(BaseCyVezesDouble);

void CyDivididoPorCy(benchmark::State& state) {
  const auto& v = Dados();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(v[i & 1023] / CyDeBruto(30'000));
    ++i;
  }
}
BENCHMARK(CyDivididoPorCy);

void BaseCyDivididoPorCy(benchmark::State& state) {
  const auto& v = Dados();
  std::int64_t nDivisor = 30'000;
  benchmark::DoNotOptimize(nDivisor);
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(BaseArredondaPar(static_cast<__int128>(v[i & 1023].int64) * 10'000, nDivisor));
    ++i;
  }
}
BENCHMARK(BaseCyDivididoPorCy);

void CyDivididoPorDouble(benchmark::State& state) {
  const auto& v = Dados();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(v[i & 1023] / 1.2345);
    ++i;
  }
}
BENCHMARK(CyDivididoPorDouble);

// O divisor double vira ponto fixo de oito casas a cada operação.
void BaseCyDivididoPorDouble(benchmark::State& state) {
  const auto& v = Dados();
  double dDivisor = 1.2345;
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(dDivisor);
    const std::int64_t nDivisor = std::llround(dDivisor * 1e8);
    benchmark::DoNotOptimize(BaseArredondaPar(static_cast<__int128>(v[i & 1023].int64) * 100'000'000, nDivisor));
    ++i;
  }
}
BENCHMARK(BaseCyDivididoPorDouble);

void ArredondaModo(benchmark::State& state) {
  const auto& v = Dados();
  const int nModo = static_cast<int>(state.range(0));
  CQZCurrencyEx valor;
  valor.SetModoArredondamento(nModo);
  valor.SetCasasDecimais(short{2});
  size_t i = 0;
  for (auto _ : state) {
    valor = v[i & 1023];
    benchmark::DoNotOptimize(valor.GetInt64());
    ++i;
  }
}
BENCHMARK(ArredondaModo)->DenseRange(0, 3)->ArgName("modo");

void BaseArredonda(benchmark::State& state) {
  const auto& v = Dados();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(BaseArredondaPar(v[i & 1023].int64, 100) * 100);
    ++i;
  }
}
BENCHMARK(BaseArredonda);

void Formata(benchmark::State& state) {
  const auto& v = Dados();
  size_t i = 0;
  char sz[64];
  for (auto _ : state) {
    CQZCurrencyEx::Formata(v[i & 1023], 2, sz);
    benchmark::DoNotOptimize(sz);
    ++i;
  }
}
BENCHMARK(Formata);

void BaseFormata(benchmark::State& state) {
  const auto& v = Dados();
  size_t i = 0;
  char sz[64];
  for (auto _ : state) {
    const LONGLONG bruto = v[i & 1023].int64;
    const LONGLONG inteiro = bruto / 10'000, centavos = (bruto < 0 ? -bruto : bruto) % 10'000 / 100;
    std::snprintf(sz, sizeof sz, "%lld,%02lld", static_cast<long long>(inteiro), static_cast<long long>(centavos));
    benchmark::DoNotOptimize(sz);
    ++i;
  }
}
BENCHMARK(BaseFormata);

}  // namespace
