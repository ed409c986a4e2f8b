// Internal helpers shared by the OLE Automation routines: a DECIMAL unpacked into a
// 128-bit magnitude, a 256-bit scratch integer for products and aligned sums, powers
// of ten, half-to-even reduction to 96 bits, and the separators of the known locales.
#pragma once

#include <cstdint>
#include <string>

#include "vrmwnd/platform/oleauto.h"

namespace detail {

using u128 = unsigned __int128;
constexpr u128 kMax96 = (u128{1} << 96) - 1;
constexpr int kMaxScale = DECIMAL_MAX_SCALE;

// 10^n for n in 0..38.
u128 pow10_u128(int n);

// A DECIMAL as sign, magnitude (< 2^96 once packed) and scale (0..28).
struct Decimal {
  u128 magnitude = 0;
  int scale = 0;
  bool negative = false;
};

Decimal unpack(const DECIMAL& in);
// Writes a value whose magnitude fits 96 bits and whose scale is 0..28.
void pack(const Decimal& value, DECIMAL* out);

// Unsigned 256-bit integer in eight 32-bit limbs, least significant first; enough
// for a 96 x 96-bit product and for a 96-bit magnitude scaled by 10^28.
struct U256 {
  std::uint32_t limb[8] = {};

  static U256 from(u128 value);
  static U256 product(u128 left, u128 right);  // both below 2^128
  bool is_zero() const;
  bool fits_96() const;
  u128 low128() const;
  std::uint32_t divide_small(std::uint32_t divisor);  // returns the remainder
  void add(const U256& other);
  void subtract(const U256& other);  // requires *this >= other
  int compare(const U256& other) const;
};

// Brings value / 10^scale into 96 bits and a scale of at most 28, dropping digits
// with half-to-even rounding. DISP_E_OVERFLOW when the integer part does not fit.
HRESULT reduce_to_decimal(U256 value, int scale, bool negative, Decimal* out);

// Divides magnitude by 10^digits (digits 1..38), rounding half to even.
u128 divide_pow10_half_even(u128 magnitude, int digits);

// Separators of the locales the suite runs under: 1046 (pt-BR) for the user and
// system defaults and for LCID 0, 1033 (en-US). False for any other locale.
struct LocaleSeparators {
  char16_t decimal;
  char16_t thousand;
  const char16_t* currency;
};
bool locale_separators(LCID lcid, LocaleSeparators* out);

// The digits of magnitude / 10^scale in plain notation, trailing fraction zeros
// dropped, with a leading '-' when negative and the given decimal separator.
std::u16string plain_text(u128 magnitude, int scale, bool negative, char16_t decimal);

}  // namespace detail
