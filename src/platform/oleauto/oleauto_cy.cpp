// CY (currency: a signed 64-bit count of ten-thousandths) conversions and arithmetic
// as OLEAUT32 gives them: sums and integer products exact, the CY x CY product and
// every conversion from a wider value rounded half to even at the fourth place,
// DISP_E_OVERFLOW whenever the result leaves the 64-bit range.
#include <cmath>
#include <limits>

#include "oleauto_detail.h"

using detail::u128;

namespace {

constexpr int kCyPlaces = 4;
constexpr LONGLONG kCyScale = 10'000;
constexpr u128 kMaxPositive = static_cast<u128>(std::numeric_limits<LONGLONG>::max());

// Stores sign and magnitude as a CY when it fits the signed 64-bit range.
HRESULT store(u128 magnitude, bool negative, CY* out) {
  if (magnitude > kMaxPositive + (negative ? 1 : 0)) return DISP_E_OVERFLOW;
  const __int128 signed_value = negative ? -static_cast<__int128>(magnitude) : static_cast<__int128>(magnitude);
  out->int64 = static_cast<LONGLONG>(signed_value);
  return S_OK;
}

HRESULT store_exact(__int128 value, CY* out) {
  const bool negative = value < 0;
  return store(static_cast<u128>(negative ? -value : value), negative, out);
}

}  // namespace

HRESULT VarCyAdd(CY left, CY right, LPCY result) {
  if (!result) return E_INVALIDARG;
  LONGLONG sum = 0;
  if (__builtin_add_overflow(left.int64, right.int64, &sum)) return DISP_E_OVERFLOW;
  result->int64 = sum;
  return S_OK;
}

HRESULT VarCySub(CY left, CY right, LPCY result) {
  if (!result) return E_INVALIDARG;
  LONGLONG difference = 0;
  if (__builtin_sub_overflow(left.int64, right.int64, &difference)) return DISP_E_OVERFLOW;
  result->int64 = difference;
  return S_OK;
}

HRESULT VarCyMul(CY left, CY right, LPCY result) {
  if (!result) return E_INVALIDARG;
  const __int128 product = static_cast<__int128>(left.int64) * right.int64;
  const bool negative = product < 0;
  const u128 magnitude = static_cast<u128>(negative ? -product : product);
  return store(detail::divide_pow10_half_even(magnitude, kCyPlaces), negative, result);
}

HRESULT VarCyMulI4(CY left, LONG right, LPCY result) {
  if (!result) return E_INVALIDARG;
  return store_exact(static_cast<__int128>(left.int64) * right, result);
}

// The double's exact binary value m x 2^e times 10,000, rounded half to even: no
// intermediate floating-point product, so 0.1 gives exactly 1,000.
HRESULT VarCyFromR8(DOUBLE in, CY* out) {
  if (!out) return E_INVALIDARG;
  if (!std::isfinite(in) || std::fabs(in) >= 1e15) return DISP_E_OVERFLOW;
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(in), &exponent);
  const auto mantissa = static_cast<u128>(std::ldexp(fraction, 53));
  const int shift = 53 - exponent;  // positive: |in| < 1e15 < 2^50
  const u128 scaled = mantissa * kCyScale;
  u128 magnitude = 0;
  if (shift < 127) {
    magnitude = scaled >> shift;
    const u128 remainder = scaled - (magnitude << shift);
    const u128 half = u128{1} << (shift - 1);
    if (remainder > half || (remainder == half && (magnitude & 1) != 0)) ++magnitude;
  }
  return store(magnitude, std::signbit(in) && magnitude != 0, out);
}

HRESULT VarCyFromI4(LONG in, CY* out) {
  if (!out) return E_INVALIDARG;
  out->int64 = static_cast<LONGLONG>(in) * kCyScale;
  return S_OK;
}

// Windows bounds the input by the 64-bit limits divided by 10,000 and refuses both
// bounds, so 922,337,203,685,477 overflows although its CY would fit.
HRESULT VarCyFromI8(LONGLONG in, CY* out) {
  if (!out) return E_INVALIDARG;
  constexpr LONGLONG kBound = std::numeric_limits<LONGLONG>::max() / kCyScale;
  if (in >= kBound || in <= -kBound) return DISP_E_OVERFLOW;
  out->int64 = in * kCyScale;
  return S_OK;
}

HRESULT VarR8FromCy(CY in, DOUBLE* out) {
  if (!out) return E_INVALIDARG;
  *out = static_cast<double>(in.int64) / static_cast<double>(kCyScale);
  return S_OK;
}

HRESULT VarCyFromDec(const DECIMAL* in, CY* out) {
  if (!in || !out || !detail::is_valid_decimal(*in)) return E_INVALIDARG;
  const detail::Decimal value = detail::unpack(*in);
  u128 magnitude = value.magnitude;
  if (value.scale > kCyPlaces) {
    magnitude = detail::divide_pow10_half_even(magnitude, value.scale - kCyPlaces);
  } else {
    magnitude *= detail::pow10_u128(kCyPlaces - value.scale);
  }
  return store(magnitude, value.negative && magnitude != 0, out);
}
