// DECIMAL conversions and arithmetic as OLEAUT32 gives them: exact results kept to
// 96 bits and at most 28 places, digits that do not fit dropped half to even; a
// double enters with 15 significant digits.
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

constexpr int kR8Digits = 15;

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

Decimal strip_zeros(Decimal value) {
  while (value.scale > 0 && value.magnitude % 10 == 0) {
    value.magnitude /= 10;
    --value.scale;
  }
  return value;
}

}  // namespace
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
  char text[64];
  const double magnitude = std::fabs(in);
  auto r = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific,
                         detail::kR8Digits - 1);
  u128 digits = 0;
  int exponent = 0;
  detail::read_digits(text, r.ptr, &digits, &exponent);
  if (-exponent > detail::kMaxScale) {
    // Too small for 15 digits within 28 places: round once, at the 28th place.
    r = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::fixed,
                      detail::kMaxScale);
    detail::read_digits(text, r.ptr, &digits, &exponent);
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
  const U256 product = U256::product(a.magnitude, b.magnitude);
  const bool negative = a.negative != b.negative && !product.is_zero();
  Decimal value;
  const HRESULT hr = detail::reduce_to_decimal(product, a.scale + b.scale, negative, &value);
  if (SUCCEEDED(hr)) detail::pack(value, result);
  return hr;
}

// Long division one digit at a time: the quotient takes as many places as 96 bits
// and 28 places allow while a remainder is left, then rounds half to even. An exact
// quotient keeps the dividend's places less the divisor's (never below 0).
HRESULT VarDecDiv(const DECIMAL* left, const DECIMAL* right, DECIMAL* result) {
  if (!valid(left) || !valid(right) || !result) return E_INVALIDARG;
  const Decimal a = detail::unpack(*left);
  const Decimal b = detail::unpack(*right);
  if (b.magnitude == 0) return DISP_E_DIVBYZERO;
  int scale = a.scale - b.scale;
  u128 quotient = a.magnitude / b.magnitude;
  u128 remainder = a.magnitude % b.magnitude;
  while (scale < 0 || (remainder != 0 && scale < detail::kMaxScale)) {
    const u128 next = quotient * 10 + remainder * 10 / b.magnitude;
    if (next > detail::kMax96) {
      if (scale < 0) return DISP_E_OVERFLOW;
      break;
    }
    quotient = next;
    remainder = remainder * 10 % b.magnitude;
    ++scale;
  }
  if (remainder != 0) {
    const u128 twice = remainder * 2;
    if (twice > b.magnitude || (twice == b.magnitude && (quotient & 1) != 0)) ++quotient;
  }
  const bool negative = a.negative != b.negative && quotient != 0;
  Decimal value;
  const HRESULT hr = detail::reduce_to_decimal(U256::from(quotient), scale, negative, &value);
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
