// CY products and quotients with the results of the DECIMAL route (VarDecFromCy and
// VarDecFromR8 for the operands, VarDecMul or VarDecDiv, VarCyFromDec) and its
// failure codes, computed in 64- and 128-bit integers without building a DECIMAL.
#include <algorithm>
#include <cmath>
#include <limits>

#include "oleauto_detail.h"

using detail::u128;
using detail::U256;

namespace {

constexpr int kCyPlaces = 4;
constexpr std::uint64_t kCyScale = 10'000;
constexpr u128 kMaxPositive = static_cast<u128>(std::numeric_limits<LONGLONG>::max());
// The DECIMAL quotient and product never keep more than 24 places beyond the CY's four.
constexpr int kMostExtraPlaces = detail::kMaxScale - kCyPlaces;
// A quotient of fewer ten-thousandths than this stays below 2^96 with 15 more places:
// its DECIMAL keeps at least 15 places beyond the fourth.
constexpr std::uint64_t kKeeps15Places = static_cast<std::uint64_t>((u128{1} << 96) / detail::kPow10[15]) - 1;

std::uint64_t magnitude_of(CY value) {
  const auto raw = static_cast<std::uint64_t>(value.int64);
  return value.int64 < 0 ? 0 - raw : raw;
}

HRESULT store(u128 magnitude, bool negative, LPCY result) {
  if (magnitude > kMaxPositive + (negative ? 1 : 0)) return DISP_E_OVERFLOW;
  const auto narrow = static_cast<std::uint64_t>(magnitude);
  result->int64 = static_cast<LONGLONG>(negative ? 0 - narrow : narrow);
  return S_OK;
}

// The exact CY value whole + rest / divisor (0 <= rest < divisor) rounded once,
// half to even.
bool rounds_up(u128 whole, u128 rest, u128 divisor) {
  const u128 twice = rest * 2;
  return twice > divisor || (twice == divisor && (whole & 1) != 0);
}

// Whether rounding rest / divisor to `extra` places (1..24) gives exactly 0.5,
// the fraction itself not being 0.5: off by no more than half a unit of that
// place, and at one place by less, since a tie there goes to the even 4 or 6.
[[gnu::noinline]] bool lands_on_half(u128 rest, u128 divisor, int extra) {
  const u128 twice = rest * 2;
  const u128 off = twice > divisor ? twice - divisor : divisor - twice;  // |2 rest - divisor|
  if (off == 0) return false;
  if (extra == 1) return off * 10 < divisor;
  return off <= divisor / detail::pow10_u128(extra);
}

// numerator / divisor as whole and rest; false when the whole reaches 2^64 (the
// ten-thousandths of no CY).
bool divide(u128 numerator, u128 divisor, u128* whole, u128* rest) {
  if ((divisor >> 64) != 0) {
    *whole = numerator / divisor;
    *rest = numerator - *whole * divisor;
    return true;
  }
  const auto narrow = static_cast<std::uint64_t>(divisor);
  if ((numerator >> 64) >= narrow) return false;
  std::uint64_t remainder = 0;
  *whole = detail::divide_128_by_64(numerator, narrow, &remainder);
  *rest = remainder;
  return true;
}

// The CY whole + rest / divisor as the DECIMAL route leaves it when its DECIMAL kept
// `extra` places beyond the fourth (0: none, or no half within reach).
[[gnu::always_inline]] inline HRESULT store_rounded(u128 whole, u128 rest, u128 divisor, int extra, bool negative,
                                                    LPCY result) {
  const bool up = extra > 0 && lands_on_half(rest, divisor, extra) ? (whole & 1) != 0 : rounds_up(whole, rest, divisor);
  return store(whole + (up ? 1 : 0), negative, result);
}

// The places VarDecMul keeps of product / 10^scale: the most, up to 28, that leave
// the rounded mantissa below 2^96.
int product_places(u128 product, int scale) {
  int dropped = std::max(0, scale - detail::kMaxScale);
  for (;;) {
    const u128 kept = dropped == 0 ? product : detail::divide_pow10_half_even(product, dropped);
    if (kept <= detail::kMax96) return scale - dropped;
    ++dropped;
  }
}

// The places beyond the CY's four that VarDecDiv gives numerator / divisor: the
// most, up to 24, whose digits stay below 2^96.
int quotient_extra_places(u128 numerator, u128 divisor) {
  const U256 limit = U256::product(divisor, u128{1} << 96);
  int extra = kMostExtraPlaces;
  while (extra > 0 && U256::product(numerator, detail::pow10_u128(extra)).compare(limit) >= 0) {
    --extra;
  }
  return extra;
}

// product / 10^scale (scale 4 to 32) as a CY: VarDecMul rounds it to 96 bits and 28
// places, VarCyFromDec to four places.
HRESULT product_to_cy(u128 product, int scale, bool negative, LPCY result) {
  if (scale == kCyPlaces) return store(product, negative, result);
  const u128 divisor = detail::pow10_u128(scale - kCyPlaces);
  u128 whole = 0;
  u128 rest = 0;
  if (!divide(product, divisor, &whole, &rest)) return DISP_E_OVERFLOW;
  int extra = 0;
  if (scale > detail::kMaxScale || product > detail::kMax96) {
    extra = product_places(product, scale) - kCyPlaces;
    if (extra < 0) return DISP_E_OVERFLOW;
  }
  return store_rounded(whole, rest, divisor, extra, negative, result);
}

// A CY and a double as the route reads them: the CY's magnitude, the double's DECIMAL
// mantissa (trailing zeros kept) and scale, and the sign of the result.
struct Operands {
  std::uint64_t amount = 0;
  u128 other = 0;
  int scale = 0;
  bool negative = false;
};

HRESULT read_operands(CY left, double right, LPCY result, Operands* out) {
  if (!result) return E_INVALIDARG;
  out->amount = magnitude_of(left);
  out->negative = (left.int64 < 0) != std::signbit(right);
  return detail::r8_to_decimal_parts(right, &out->other, &out->scale);
}

}  // namespace

HRESULT CyDivViaDecimal(CY left, CY right, LPCY result) {
  if (!result) return E_INVALIDARG;
  if (right.int64 == 0) return DISP_E_DIVBYZERO;
  const std::uint64_t divisor = magnitude_of(right);
  const u128 numerator = u128{magnitude_of(left)} * kCyScale;
  if ((numerator >> 64) >= divisor) return DISP_E_OVERFLOW;
  std::uint64_t rest = 0;
  const std::uint64_t whole = detail::divide_128_by_64(numerator, divisor, &rest);
  const bool up = rest > divisor - rest || (rest == divisor - rest && (whole & 1) != 0);
  return store(u128{whole} + (up ? 1 : 0), (left.int64 < 0) != (right.int64 < 0), result);
}

HRESULT CyMulR8ViaDecimal(CY left, DOUBLE right, LPCY result) {
  Operands in;
  const HRESULT hr = read_operands(left, right, result, &in);
  if (FAILED(hr)) return hr;
  if ((in.other >> 64) != 0) {  // an integer of 20 digits or more
    return in.amount == 0 ? store(0, false, result) : DISP_E_OVERFLOW;
  }
  return product_to_cy(u128{in.amount} * static_cast<std::uint64_t>(in.other), kCyPlaces + in.scale, in.negative,
                       result);
}

HRESULT CyDivR8ViaDecimal(CY left, DOUBLE right, LPCY result) {
  Operands in;
  const HRESULT hr = read_operands(left, right, result, &in);
  if (FAILED(hr)) return hr;
  if (in.other == 0) return DISP_E_DIVBYZERO;
  // The ten-thousandths of the quotient: amount x 10^scale / divisor, which from 10^20
  // on may pass 2^128 (and the quotient 2^128 / 10^15).
  constexpr int kNarrowPower = 19;
  const int wide = std::max(0, in.scale - kNarrowPower);
  u128 numerator = u128{in.amount} * static_cast<std::uint64_t>(detail::kPow10[in.scale - wide]);
  if (wide > 0 && __builtin_mul_overflow(numerator, detail::pow10_u128(wide), &numerator)) {
    return DISP_E_OVERFLOW;
  }
  u128 whole = 0;
  u128 rest = 0;
  if (!divide(numerator, in.other, &whole, &rest)) return DISP_E_OVERFLOW;
  // Below 10^15 the divisor lands a quotient on a half only within 15 places.
  const bool near = in.other > detail::kPow10[15] || whole >= kKeeps15Places;
  const int extra = near ? quotient_extra_places(numerator, in.other) : 0;
  return store_rounded(whole, rest, in.other, extra, in.negative, result);
}
