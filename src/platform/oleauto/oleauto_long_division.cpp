// Long division of 128-bit magnitudes for VarDecDiv, a chunk of digits per 128-bit
// division, and the dropping of trailing zero digits that keeps a quotient's places
// as few as OLEAUT32 gives them.
#include <algorithm>

#include "oleauto_detail.h"

namespace vrmwnd::platform::detail {
namespace {

// The inverse of an odd number modulo 2^128, by Newton's iteration (each step
// doubles the bits that are right; an odd a is its own inverse modulo 8).
constexpr u128 inverse_mod_2_128(u128 odd) {
  u128 inverse = odd;
  for (int i = 0; i < 6; ++i) inverse *= 2 - odd * inverse;
  return inverse;
}

// Whether 10^kDigits (kDigits <= 8) divides value, in 64-bit arithmetic:
// value = high x 2^64 + low, and every partial product stays below 2^64.
template <int kDigits>
bool divisible_by_pow10(u128 value) {
  constexpr auto kDivisor = static_cast<std::uint64_t>(kPow10[kDigits]);
  constexpr auto kHighWeight = static_cast<std::uint64_t>((u128{1} << 64) % kDivisor);
  const auto high = static_cast<std::uint64_t>(value >> 64);
  const auto low = static_cast<std::uint64_t>(value);
  return ((high % kDivisor) * kHighWeight + low % kDivisor) % kDivisor == 0;
}

template <int kDigits>
bool divisible_by_pow10(std::uint64_t value) {
  return value % static_cast<std::uint64_t>(kPow10[kDigits]) == 0;
}

// value / 10^kDigits for a value that 10^kDigits divides: the power of two is a
// shift, the power of five a product with its inverse modulo 2^128.
template <int kDigits>
u128 divide_exactly_by_pow10(u128 value) {
  constexpr u128 kInverse = inverse_mod_2_128(kPow10[kDigits] >> kDigits);
  return (value >> kDigits) * kInverse;
}

template <int kDigits>
std::uint64_t divide_exactly_by_pow10(std::uint64_t value) {
  return value / static_cast<std::uint64_t>(kPow10[kDigits]);
}

template <int kDigits, typename Unsigned>
bool drop_zeros(Unsigned* value, int* scale, int stop) {
  if (*scale - stop < kDigits || !divisible_by_pow10<kDigits>(*value)) return false;
  *value = divide_exactly_by_pow10<kDigits>(*value);
  *scale -= kDigits;
  return true;
}

template <typename Unsigned>
void drop_trailing_zeros_of(Unsigned* value, int* scale, int stop) {
  while (drop_zeros<8>(value, scale, stop)) {
  }
  drop_zeros<4>(value, scale, stop);
  drop_zeros<2>(value, scale, stop);
  drop_zeros<1>(value, scale, stop);
}

// Drops trailing zero digits of value while its scale stays above stop: eight at a
// time, then four, two and one, which drops as many as one at a time would.
void drop_trailing_zeros(u128* value, int* scale, int stop) {
  if ((*value >> 64) != 0) {
    drop_trailing_zeros_of(value, scale, stop);
    return;
  }
  auto narrow = static_cast<std::uint64_t>(*value);
  drop_trailing_zeros_of(&narrow, scale, stop);
  *value = narrow;
}

int bit_length(u128 value) {
  const auto high = static_cast<std::uint64_t>(value >> 64);
  if (high != 0) return 128 - __builtin_clzll(high);
  const auto low = static_cast<std::uint64_t>(value);
  return low == 0 ? 0 : 64 - __builtin_clzll(low);
}

// The largest n with 10^n <= 2^bits (bits 0..128): 1233 / 4096 is just below log10 2.
int decimal_digits_within(int bits) { return bits <= 0 ? 0 : (bits * 1233) >> 12; }

}  // namespace

Decimal strip_zeros(Decimal value) {
  drop_trailing_zeros(&value.magnitude, &value.scale, 0);
  return value;
}

LongDivision long_divide(u128 dividend, u128 divisor, int scale, int max_chunk) {
  LongDivision r;
  if (((dividend | divisor) >> 64) == 0) {
    r.quotient = static_cast<std::uint64_t>(dividend) / static_cast<std::uint64_t>(divisor);
  } else {
    r.quotient = dividend / divisor;
  }
  r.remainder = dividend - r.quotient * divisor;
  r.exact_start = r.remainder == 0;
  r.scale = scale;
  // remainder < divisor < 2^bits, so remainder x 10^fit stays below 2^128.
  const int fit = decimal_digits_within(128 - bit_length(divisor));
  while (r.scale < 0 || (r.remainder != 0 && r.scale < kMaxScale)) {
    // (quotient + 1) x 10^chunk <= 2^96: no digit of the chunk can overflow 96 bits,
    // so the digit-at-a-time loop would take every one of them.
    const int safe = decimal_digits_within(96 - bit_length(r.quotient + 1));
    const int chunk = std::min({max_chunk, fit, safe, kMaxScale - r.scale});
    if (chunk >= 2) {
      const u128 power = kPow10[static_cast<std::size_t>(chunk)];
      const u128 scaled = r.remainder * power;
      const u128 digits = scaled / divisor;
      r.quotient = r.quotient * power + digits;
      r.remainder = scaled - digits * divisor;
      const int start = r.scale;
      r.scale += chunk;
      if (r.remainder == 0) {
        // The plain loop stops at the first zero remainder from place 0 on; the
        // digits the chunk added after it are zeros.
        drop_trailing_zeros(&r.quotient, &r.scale, std::max(start, 0));
      }
      continue;
    }
    // One digit; a quotient already past 96 bits when shifted needs no division.
    const u128 shifted = r.quotient * 10;
    const u128 digit = shifted > kMax96 ? 0 : r.remainder * 10 / divisor;
    if (shifted > kMax96 || shifted + digit > kMax96) {
      r.overflow = r.scale < 0;
      break;
    }
    r.quotient = shifted + digit;
    r.remainder = r.remainder * 10 - digit * divisor;
    ++r.scale;
  }
  return r;
}

}  // namespace vrmwnd::platform::detail
