// DECIMAL conversions and arithmetic as OLEAUT32 gives them: exact results kept to
// 96 bits and at most 28 places, digits that do not fit dropped half to even; a
// double enters with the 15 digits of its value scaled in double arithmetic.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "oleauto_detail.h"

using detail::Decimal;
using detail::U256;
using detail::u128;

namespace detail {
namespace {

constexpr int kMaxChunk = 38;

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

Decimal strip_zeros(Decimal value) {
  drop_trailing_zeros(&value.magnitude, &value.scale, 0);
  return value;
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

}  // namespace detail

HRESULT VarDecFromCy(CY in, DECIMAL* out) {
  if (!out) return E_INVALIDARG;
  Decimal value;
  value.negative = in.int64 < 0;
  value.magnitude = static_cast<u128>(value.negative ? -static_cast<__int128>(in.int64) : in.int64);
  value.scale = 4;
  detail::pack(value, out);
  return S_OK;
}

HRESULT VarDecFromI8(LONGLONG in, DECIMAL* out) {
  if (!out) return E_INVALIDARG;
  Decimal value;
  value.negative = in < 0;
  value.magnitude = static_cast<u128>(value.negative ? -static_cast<__int128>(in) : in);
  detail::pack(value, out);
  return S_OK;
}

HRESULT VarDecFromI4(LONG in, DECIMAL* out) { return VarDecFromI8(in, out); }

// The parts of r8_to_decimal_parts; at a scale p > 0 trailing zeros are divided
// out by 10^8, 10^4, 10^2 and 10, each tried once, never more than min(p, 14)
// places: 0.99999999999999989 scales to 10^15 at 15 places and comes out as 10 at
// scale 1. A value that rounds to 0 is a plain 0.
HRESULT VarDecFromR8(DOUBLE in, DECIMAL* out) {
  if (!out) return E_INVALIDARG;
  Decimal value;
  const HRESULT hr = detail::r8_to_decimal_parts(in, &value.magnitude, &value.scale);
  if (FAILED(hr)) return hr;
  if (value.magnitude == 0) {
    detail::pack({}, out);
    return S_OK;
  }
  if (value.scale > 0) {
    auto mantissa = static_cast<std::uint64_t>(value.magnitude);  // at most 10^15
    int most = std::min(value.scale, 14);
    for (const int digits : {8, 4, 2, 1}) {
      const auto divisor = static_cast<std::uint64_t>(detail::pow10_u128(digits));
      if (digits > most || mantissa % divisor != 0) continue;
      mantissa /= divisor;
      value.scale -= digits;
      most -= digits;
    }
    value.magnitude = mantissa;
  }
  value.negative = std::signbit(in);
  detail::pack(value, out);
  return S_OK;
}

HRESULT VarR8FromDec(const DECIMAL* in, DOUBLE* out) {
  if (!in || !out || !detail::is_valid_decimal(*in)) return E_INVALIDARG;
  const Decimal value = detail::unpack(*in);
  std::u16string text = detail::plain_text(value.magnitude, value.scale, value.negative, u'.');
  std::string narrow(text.begin(), text.end());
  double result = 0;
  std::from_chars(narrow.data(), narrow.data() + narrow.size(), result);
  *out = result;
  return S_OK;
}

namespace {

bool valid(const DECIMAL* value) { return value && value->scale <= DECIMAL_MAX_SCALE; }

// Both magnitudes brought to the larger of the two scales.
int align(const Decimal& left, const Decimal& right, U256* a, U256* b) {
  const int scale = std::max(left.scale, right.scale);
  *a = U256::product(left.magnitude, detail::pow10_u128(scale - left.scale));
  *b = U256::product(right.magnitude, detail::pow10_u128(scale - right.scale));
  return scale;
}

HRESULT add_signed(Decimal left, Decimal right, DECIMAL* result) {
  U256 a;
  U256 b;
  const int scale = align(left, right, &a, &b);
  bool negative = left.negative;
  if (left.negative == right.negative) {
    a.add(b);
  } else if (a.compare(b) >= 0) {
    a.subtract(b);
  } else {
    b.subtract(a);
    a = b;
    negative = right.negative;
  }
  if (a.is_zero()) negative = false;
  Decimal sum;
  const HRESULT hr = detail::reduce_to_decimal(a, scale, negative, &sum);
  if (SUCCEEDED(hr)) detail::pack(sum, result);
  return hr;
}

}  // namespace

HRESULT VarDecAdd(const DECIMAL* left, const DECIMAL* right, DECIMAL* result) {
  if (!valid(left) || !valid(right) || !result) return E_INVALIDARG;
  return add_signed(detail::unpack(*left), detail::unpack(*right), result);
}

HRESULT VarDecSub(const DECIMAL* left, const DECIMAL* right, DECIMAL* result) {
  if (!valid(left) || !valid(right) || !result) return E_INVALIDARG;
  Decimal negated = detail::unpack(*right);
  negated.negative = !negated.negative;
  return add_signed(detail::unpack(*left), negated, result);
}

// Two mantissas below 2^32 make a 64-bit product kept with the operands' sign (a
// zero too) at their summed scale; above 28 places it is divided by 10^(scale - 28)
// half to even, or is a plain 0 when that takes more than 19 digits. Any other
// product is brought to 96 bits and 28 places half to even, and a zero product is
// a plain 0 (scale 0).
HRESULT VarDecMul(const DECIMAL* left, const DECIMAL* right, DECIMAL* result) {
  if (!valid(left) || !valid(right) || !result) return E_INVALIDARG;
  const Decimal a = detail::unpack(*left);
  const Decimal b = detail::unpack(*right);
  const int scale = a.scale + b.scale;
  const bool negative = a.negative != b.negative;
  if (((a.magnitude | b.magnitude) >> 32) == 0) {
    const u128 product = a.magnitude * b.magnitude;
    const int excess = scale - detail::kMaxScale;
    if (excess > 19) {
      detail::pack({}, result);
    } else if (excess > 0) {
      detail::pack({detail::divide_pow10_half_even(product, excess), detail::kMaxScale, negative},
                   result);
    } else {
      detail::pack({product, scale, negative}, result);
    }
    return S_OK;
  }
  if (a.magnitude == 0 || b.magnitude == 0) {
    detail::pack({}, result);
    return S_OK;
  }
  if (((a.magnitude | b.magnitude) >> 64) == 0 && scale <= detail::kMaxScale) {
    const u128 narrow = a.magnitude * b.magnitude;
    if (narrow <= detail::kMax96) {
      detail::pack({narrow, scale, negative}, result);
      return S_OK;
    }
  }
  Decimal value;
  const HRESULT hr =
      detail::reduce_to_decimal(U256::product(a.magnitude, b.magnitude), scale, negative, &value);
  if (SUCCEEDED(hr)) detail::pack(value, result);
  return hr;
}

// Long division: the quotient takes as many places as 96 bits and 28 places allow
// while a remainder is left, then rounds half to even and drops the trailing zeros
// of its places (1 / 4 is 0.25). When the mantissas divide exactly the quotient
// keeps the dividend's places less the divisor's, raised to 0 when negative
// (1.00 / 1 is 1.00). The sign is the operands' (a zero quotient too).
HRESULT VarDecDiv(const DECIMAL* left, const DECIMAL* right, DECIMAL* result) {
  if (!valid(left) || !valid(right) || !result) return E_INVALIDARG;
  const Decimal a = detail::unpack(*left);
  const Decimal b = detail::unpack(*right);
  if (b.magnitude == 0) return DISP_E_DIVBYZERO;
  const detail::LongDivision division =
      detail::long_divide(a.magnitude, b.magnitude, a.scale - b.scale, detail::kMaxChunk);
  if (division.overflow) return DISP_E_OVERFLOW;
  u128 quotient = division.quotient;
  if (division.remainder != 0) {
    const u128 twice = division.remainder * 2;
    if (twice > b.magnitude || (twice == b.magnitude && (quotient & 1) != 0)) ++quotient;
  }
  Decimal value;
  const HRESULT hr = detail::reduce_to_decimal(U256::from(quotient), division.scale,
                                               a.negative != b.negative, &value);
  if (FAILED(hr)) return hr;
  if (!division.exact_start) value = detail::strip_zeros(value);
  detail::pack(value, result);
  return S_OK;
}

HRESULT VarDecCmp(const DECIMAL* left, const DECIMAL* right) {
  if (!valid(left) || !valid(right)) return E_INVALIDARG;
  const Decimal a = detail::unpack(*left);
  const Decimal b = detail::unpack(*right);
  const bool a_negative = a.negative && a.magnitude != 0;
  const bool b_negative = b.negative && b.magnitude != 0;
  if (a_negative != b_negative) return a_negative ? VARCMP_LT : VARCMP_GT;
  U256 x;
  U256 y;
  align(a, b, &x, &y);
  int order = x.compare(y);
  if (a_negative) order = -order;
  return order < 0 ? VARCMP_LT : order > 0 ? VARCMP_GT : VARCMP_EQ;
}
