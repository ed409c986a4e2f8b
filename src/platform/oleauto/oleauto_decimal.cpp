// DECIMAL conversions and arithmetic as OLEAUT32 gives them: exact results kept to
// 96 bits and at most 28 places, digits that do not fit dropped half to even; a
// double enters with the 15 digits of its value scaled in double arithmetic.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "oleauto_detail.h"

using detail::Decimal;
using detail::u128;
using detail::U256;

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
      detail::pack({detail::divide_pow10_half_even(product, excess), detail::kMaxScale, negative}, result);
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
  const HRESULT hr = detail::reduce_to_decimal(U256::product(a.magnitude, b.magnitude), scale, negative, &value);
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
  const HRESULT hr = detail::reduce_to_decimal(U256::from(quotient), division.scale, a.negative != b.negative, &value);
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
