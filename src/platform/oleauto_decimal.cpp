// DECIMAL conversions and arithmetic as OLEAUT32 gives them: exact results kept to
// 96 bits and at most 28 places, digits that do not fit dropped half to even; a
// double enters with 15 significant digits.
#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <string>

#include "oleauto_detail.h"

using detail::Decimal;
using detail::U256;
using detail::u128;

namespace detail {
namespace {

constexpr int kR8Digits = 15;
constexpr std::uint64_t kLowest15 = 100'000'000'000'000;  // 10^14
constexpr int kMaxChunk = 38;

// Reads "d.ddd...e±x" or "ddd.ddd" as produced by std::to_chars into digits and the
// power of ten of the last digit.
void read_digits(const char* first, const char* last, u128* digits, int* exponent) {
  u128 value = 0;
  int fraction = 0;
  bool in_fraction = false;
  int power = 0;
  for (const char* p = first; p != last; ++p) {
    if (*p >= '0' && *p <= '9') {
      value = value * 10 + static_cast<unsigned>(*p - '0');
      if (in_fraction) ++fraction;
    } else if (*p == '.') {
      in_fraction = true;
    } else if (*p == 'e') {
      std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), last, power);
      break;
    }
  }
  *digits = value;
  *exponent = power - fraction;
}

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

void r8_digits_by_text(double magnitude, u128* digits, int* exponent) {
  char text[64];
  auto r = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific,
                         kR8Digits - 1);
  read_digits(text, r.ptr, digits, exponent);
  if (-*exponent > kMaxScale) {
    // Too small for 15 digits within 28 places: round once, at the 28th place.
    r = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::fixed, kMaxScale);
    read_digits(text, r.ptr, digits, exponent);
  }
}

// magnitude = m x 2^e exactly; its 15 digits are m x 10^s / 2^-e for the s that
// puts the integer part in [10^14, 10^15), the bits shifted out rounding it half to
// even. For 1e-8 <= magnitude < 1e15, s is 0..22 and m x 10^s < 2^127.
bool r8_digits_by_bits(double magnitude, u128* digits, int* exponent) {
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  if (bits == 0) {
    *digits = 0;
    *exponent = -(kR8Digits - 1);
    return true;
  }
  const int biased = static_cast<int>(bits >> 52);
  if (biased == 0 || biased == 0x7FF || (bits >> 63) != 0) return false;
  const u128 mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int shift = 1075 - biased;
  // floor(log10 2^(biased - 1023)), which is the decimal exponent or one below it.
  const int power = ((biased - 1023) * 78913) >> 18;
  int places = kR8Digits - 1 - power;
  for (int attempt = 0; attempt < 2; ++attempt, --places) {
    if (places < 0 || places > 22 || shift <= 0 || shift >= 127) return false;
    const u128 scaled = mantissa * kPow10[static_cast<std::size_t>(places)];
    u128 whole = scaled >> shift;
    if (whole >= u128{kLowest15} * 10) continue;
    if (whole < kLowest15) return false;
    const u128 rest = scaled - (whole << shift);
    const u128 half = u128{1} << (shift - 1);
    if (rest > half || (rest == half && (whole & 1) != 0)) ++whole;
    if (whole == u128{kLowest15} * 10) {
      whole = kLowest15;  // 999...95 rounded up to a new leading digit
      --places;
    }
    *digits = whole;
    *exponent = -places;
    return true;
  }
  return false;
}

LongDivision long_divide(u128 dividend, u128 divisor, int scale, int max_chunk) {
  LongDivision r;
  if (((dividend | divisor) >> 64) == 0) {
    r.quotient = static_cast<std::uint64_t>(dividend) / static_cast<std::uint64_t>(divisor);
  } else {
    r.quotient = dividend / divisor;
  }
  r.remainder = dividend - r.quotient * divisor;
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

HRESULT VarDecFromR8(DOUBLE in, DECIMAL* out) {
  if (!out) return E_INVALIDARG;
  if (!std::isfinite(in) || std::fabs(in) >= 1e29) return DISP_E_OVERFLOW;
  const double magnitude = std::fabs(in);
  u128 digits = 0;
  int exponent = 0;
  if (!detail::r8_digits_by_bits(magnitude, &digits, &exponent)) {
    detail::r8_digits_by_text(magnitude, &digits, &exponent);
  }
  Decimal value;
  if (exponent >= 0) {
    const U256 whole = U256::product(digits, detail::pow10_u128(exponent));
    if (!whole.fits_96()) return DISP_E_OVERFLOW;
    value.magnitude = whole.low128();
  } else {
    value.magnitude = digits;
    value.scale = -exponent;
  }
  value = detail::strip_zeros(value);
  value.negative = std::signbit(in) && value.magnitude != 0;
  detail::pack(value, out);
  return S_OK;
}

HRESULT VarR8FromDec(const DECIMAL* in, DOUBLE* out) {
  if (!in || !out) return E_INVALIDARG;
  const Decimal value = detail::unpack(*in);
  if (value.scale > detail::kMaxScale) return E_INVALIDARG;
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

HRESULT VarDecMul(const DECIMAL* left, const DECIMAL* right, DECIMAL* result) {
  if (!valid(left) || !valid(right) || !result) return E_INVALIDARG;
  const Decimal a = detail::unpack(*left);
  const Decimal b = detail::unpack(*right);
  if ((a.magnitude >> 64) == 0 && (b.magnitude >> 64) == 0 && a.scale + b.scale <= detail::kMaxScale) {
    // A 64 x 64-bit product that fits 96 bits at a valid scale is kept as it is.
    const u128 narrow = a.magnitude * b.magnitude;
    if (narrow <= detail::kMax96) {
      detail::pack({narrow, a.scale + b.scale, a.negative != b.negative && narrow != 0}, result);
      return S_OK;
    }
  }
  const U256 product = U256::product(a.magnitude, b.magnitude);
  const bool negative = a.negative != b.negative && !product.is_zero();
  Decimal value;
  const HRESULT hr = detail::reduce_to_decimal(product, a.scale + b.scale, negative, &value);
  if (SUCCEEDED(hr)) detail::pack(value, result);
  return hr;
}

// Long division: the quotient takes as many places as 96 bits and 28 places allow
// while a remainder is left, then rounds half to even. An exact quotient keeps the
// dividend's places less the divisor's (never below 0).
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
  const bool negative = a.negative != b.negative && quotient != 0;
  Decimal value;
  const HRESULT hr =
      detail::reduce_to_decimal(U256::from(quotient), division.scale, negative, &value);
  if (SUCCEEDED(hr)) detail::pack(value, result);
  return hr;
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
