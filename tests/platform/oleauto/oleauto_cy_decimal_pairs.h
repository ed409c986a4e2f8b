// The money shortcuts against the DECIMAL route they stand in for, over random
// pairs: amounts of every size, doubles of every kind (money-like, 15-digit
// fractions, any bit pattern, the specials), and pairs built to make the DECIMAL's
// own rounding land on a half, so that its second rounding to four places shows.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include <gtest/gtest.h>

#include "oleauto/oleauto_detail.h"
#include "oleauto_test_util.h"

namespace cy_decimal_pairs {

using detail::u128;

// VarDecFromCy and VarDecFromR8, the DECIMAL operation, VarCyFromDec.
template <HRESULT (*kOperation)(const DECIMAL*, const DECIMAL*, DECIMAL*)>
HRESULT RouteR8(CY left, double right, CY* out) {
  DECIMAL a{};
  DECIMAL b{};
  DECIMAL result{};
  VarDecFromCy(left, &a);
  HRESULT hr = VarDecFromR8(right, &b);
  if (SUCCEEDED(hr)) hr = kOperation(&a, &b, &result);
  return SUCCEEDED(hr) ? VarCyFromDec(&result, out) : hr;
}

inline constexpr auto RouteMulR8 = RouteR8<VarDecMul>;
inline constexpr auto RouteDivR8 = RouteR8<VarDecDiv>;

inline HRESULT RouteDivCy(CY left, CY right, CY* out) {
  DECIMAL a{};
  DECIMAL b{};
  DECIMAL quotient{};
  VarDecFromCy(left, &a);
  VarDecFromCy(right, &b);
  const HRESULT hr = VarDecDiv(&a, &b, &quotient);
  return SUCCEEDED(hr) ? VarCyFromDec(&quotient, out) : hr;
}

// An amount of a random bit length, either sign, now and then an extreme.
inline CY Amount(std::mt19937_64& rng) {
  constexpr LONGLONG kMax = std::numeric_limits<LONGLONG>::max();
  constexpr LONGLONG kEdges[] = {0, 1, -1, 10'000, -10'000, kMax, -kMax - 1, kMax / 10'000};
  if (rng() % 16 == 0) return MakeCy(kEdges[rng() % std::size(kEdges)]);
  const int bits = static_cast<int>(rng() % 64);
  const auto raw = static_cast<LONGLONG>(bits == 0 ? 0 : rng() >> (64 - bits));
  return MakeCy(rng() % 2 ? raw : -raw);
}

inline double Factor(std::mt19937_64& rng) {
  static const double kSpecials[] = {0.0,
                                     -0.0,
                                     1.0,
                                     0.5,
                                     0.1,
                                     1e15,
                                     999'999'999'999'999.9,
                                     0x1p96,
                                     std::nextafter(0x1p96, 0.0),
                                     1e-28,
                                     5e-29,
                                     std::numeric_limits<double>::infinity(),
                                     std::nan(""),
                                     std::numeric_limits<double>::denorm_min()};
  const double sign = rng() % 2 ? 1.0 : -1.0;
  switch (rng() % 4) {
    case 0: {  // money-like: up to 15 digits with up to 10 places
      const auto digits = static_cast<double>(rng() % 1'000'000'000'000'000);
      return sign * digits / detail::kR8Pow10[rng() % 11];
    }
    case 1: {  // 15 significant digits anywhere from 1e-20 to 1e20
      const auto digits = static_cast<double>(100'000'000'000'000 + rng() % 900'000'000'000'000);
      const int power = static_cast<int>(rng() % 41) - 34;
      return sign * (power < 0 ? digits / std::pow(10.0, -power) : digits * std::pow(10.0, power));
    }
    case 2: {  // any bit pattern with a binary exponent from -120 to 120
      const std::uint64_t exponent = 1023 - 120 + rng() % 241;
      return sign * std::bit_cast<double>((exponent << 52) | (rng() >> 12));
    }
    default:
      return rng() % 8 == 0 ? kSpecials[rng() % std::size(kSpecials)]
                            : sign * 1.0 / static_cast<double>(1 + rng() % 1000);
  }
}

// A random 15-digit mantissa coprime to 10.
inline std::uint64_t OddDigits(std::mt19937_64& rng) {
  std::uint64_t m = 100'000'000'000'000 + rng() % 900'000'000'000'000;
  while (m % 2 == 0 || m % 5 == 0) ++m;
  return m;
}

// value x inverse = 1 (mod modulus), for value coprime to modulus < 2^63.
inline std::uint64_t Inverse(std::uint64_t value, std::uint64_t modulus) {
  __int128 r0 = modulus, r1 = value % modulus, t0 = 0, t1 = 1;
  while (r1 != 0) {
    const __int128 q = r0 / r1;
    const __int128 r2 = r0 - q * r1;
    const __int128 t2 = t0 - q * t1;
    r0 = r1, r1 = r2, t0 = t1, t1 = t2;
  }
  return static_cast<std::uint64_t>(t0 < 0 ? t0 + modulus : t0);
}

// A random amount up to limit (below 2^63) congruent to residue modulo modulus.
inline CY WithResidue(std::mt19937_64& rng, std::uint64_t residue, std::uint64_t modulus, std::uint64_t limit) {
  const std::uint64_t room = limit > residue ? (limit - residue) / modulus : 0;
  const auto raw = static_cast<LONGLONG>(residue + (room == 0 ? 0 : rng() % (room + 1)) * modulus);
  return MakeCy(rng() % 2 ? raw : -raw);
}

constexpr std::uint64_t kMaxRaw = std::numeric_limits<LONGLONG>::max();

// amount x m / 10^places with amount x m = 5 x 10^(places-1) + delta modulo 10^places:
// the digits the DECIMAL drops can carry the rest onto an exact half.
inline void NearHalfProduct(std::mt19937_64& rng, CY* amount, double* factor) {
  const std::uint64_t m = OddDigits(rng);
  const int places = 15 + static_cast<int>(rng() % 4);  // 10^places below 2^63
  const auto modulus = static_cast<std::uint64_t>(detail::kPow10[places]);
  const auto reach = static_cast<std::int64_t>(detail::kPow10[rng() % 6]);
  const std::int64_t delta = static_cast<std::int64_t>(rng() % (2 * reach + 1)) - reach;
  const std::uint64_t residue = modulus / 2 + delta;
  const std::uint64_t base = static_cast<std::uint64_t>(static_cast<u128>(residue) * Inverse(m, modulus) % modulus);
  *amount = WithResidue(rng, base, modulus, kMaxRaw);
  *factor = static_cast<double>(m) / detail::kR8Pow10[places];
}

// amount x 10^places / m with a remainder (m + g) / 2 for a small odd g: a quotient
// just off a half, which the DECIMAL's last place can round onto it.
inline void NearHalfQuotient(std::mt19937_64& rng, CY* amount, double* divisor) {
  const std::uint64_t m = OddDigits(rng);
  const int places = 15 + static_cast<int>(rng() % 5);
  const std::uint64_t g = 2 * (rng() % 100'000) + 1;
  const std::uint64_t rest = rng() % 2 ? (m + g) / 2 : (m - g) / 2;
  const std::uint64_t power = static_cast<std::uint64_t>(detail::kPow10[places] % m);
  const std::uint64_t base = static_cast<std::uint64_t>(static_cast<u128>(rest) * Inverse(power, m) % m);
  *divisor = static_cast<double>(m) / detail::kR8Pow10[places];
  // A quotient within the CY range: amount below 2^63 x divisor.
  *amount = WithResidue(rng, base, m, static_cast<std::uint64_t>(0x1p63 * *divisor));
}

// The exact CY value rounded once, half to even: for a product amount x m / 10^p, for
// a quotient amount x 10^p / m, m and p being the double's DECIMAL. False when the
// route failed or the exact value does not fit these integers.
inline u128 Magnitude(CY value) {
  return static_cast<u128>(value.int64 < 0 ? -static_cast<__int128>(value.int64) : value.int64);
}

inline bool RoundedOnce(CY amount, double other, bool divide, u128* magnitude) {
  DECIMAL d{};
  if (FAILED(VarDecFromR8(other, &d)) || d.Hi32 != 0 || d.Lo64 == 0) return false;
  const u128 a = Magnitude(amount);
  if (!divide) {
    const u128 product = a * d.Lo64;
    *magnitude = d.scale == 0 ? product : detail::divide_pow10_half_even_wide(product, d.scale);
    return true;
  }
  u128 numerator = 0;
  if (__builtin_mul_overflow(a, detail::pow10_u128(d.scale), &numerator)) return false;
  *magnitude = numerator / d.Lo64;
  const u128 twice = (numerator % d.Lo64) * 2;
  if (twice > d.Lo64 || (twice == d.Lo64 && (*magnitude & 1) != 0)) ++*magnitude;
  return true;
}

inline double Shown(double value) { return value; }
inline LONGLONG Shown(CY value) { return value.int64; }

// Shortcut and route agree on the code and, when it succeeds, on the value.
template <typename Operand>
::testing::AssertionResult Same(HRESULT (*shortcut)(CY, Operand, LPCY), HRESULT (*route)(CY, Operand, LPCY), CY amount,
                                Operand other) {
  CY fast = MakeCy(-7);
  CY slow = MakeCy(-7);
  const HRESULT fast_hr = shortcut(amount, other, &fast);
  const HRESULT slow_hr = route(amount, other, &slow);
  if (fast_hr == slow_hr && (FAILED(slow_hr) || fast.int64 == slow.int64)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "raw " << amount.int64 << " with " << std::hexfloat << Shown(other)
                                       << std::defaultfloat << " (" << Shown(other) << "): shortcut " << fast_hr << " "
                                       << fast.int64 << ", route " << slow_hr << " " << slow.int64;
}

// Whether the route's result differs from the exact value rounded once.
inline bool Landed(HRESULT (*route)(CY, double, LPCY), bool divide, CY amount, double other) {
  CY slow = MakeCy(0);
  u128 once = 0;
  if (FAILED(route(amount, other, &slow))) return false;
  return RoundedOnce(amount, other, divide, &once) && once != Magnitude(slow);
}

// rounds of five pairs: a CY over a CY, a CY times and over a random double, and a
// product and a quotient built near a half. Those must show the route's double
// rounding now and then, or they test nothing.
inline void ExpectShortcutsMatchTheRoute(int rounds, std::uint64_t seed) {
  std::mt19937_64 rng(seed);
  int products_landed = 0;
  int quotients_landed = 0;
  for (int i = 0; i < rounds; ++i) {
    const CY amount = Amount(rng);
    ASSERT_TRUE(Same(CyDivViaDecimal, RouteDivCy, amount, Amount(rng)));
    ASSERT_TRUE(Same(CyMulR8ViaDecimal, RouteMulR8, amount, Factor(rng)));
    ASSERT_TRUE(Same(CyDivR8ViaDecimal, RouteDivR8, amount, Factor(rng)));
    CY crafted{};
    double other = 0;
    NearHalfProduct(rng, &crafted, &other);
    ASSERT_TRUE(Same(CyMulR8ViaDecimal, RouteMulR8, crafted, other));
    products_landed += Landed(RouteMulR8, false, crafted, other) ? 1 : 0;
    NearHalfQuotient(rng, &crafted, &other);
    ASSERT_TRUE(Same(CyDivR8ViaDecimal, RouteDivR8, crafted, other));
    quotients_landed += Landed(RouteDivR8, true, crafted, other) ? 1 : 0;
  }
  EXPECT_GT(products_landed, rounds / 50) << "products whose DECIMAL lands on a half";
  EXPECT_GT(quotients_landed, rounds / 50) << "quotients whose DECIMAL lands on a half";
}

}  // namespace cy_decimal_pairs
