// Internal helpers shared by the OLE Automation routines: a DECIMAL unpacked into a
// 128-bit magnitude, a 256-bit scratch integer for products and aligned sums, powers
// of ten, half-to-even reduction to 96 bits, a double read as OLEAUT32 reads it, a
// 128-by-64-bit division, and the separators of the known locales.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform_detail.h"
#include "vrmwnd/platform/oleauto.h"

namespace vrmwnd::platform::detail {

using u128 = unsigned __int128;
constexpr u128 kMax96 = (u128{1} << 96) - 1;
constexpr int kMaxScale = DECIMAL_MAX_SCALE;

inline constexpr std::array<u128, 39> kPow10 = [] {
  std::array<u128, 39> table{};
  table[0] = 1;
  for (std::size_t i = 1; i < table.size(); ++i) table[i] = table[i - 1] * 10;
  return table;
}();

// 10^n for n in 0..38.
inline u128 pow10_u128(int n) { return kPow10[static_cast<std::size_t>(n)]; }

// A DECIMAL as sign, magnitude (< 2^96 once packed) and scale (0..28).
struct Decimal {
  u128 magnitude = 0;
  int scale = 0;
  bool negative = false;
};

// What the conversions out of DECIMAL accept: a scale of at most 28 and a sign byte
// of 0 or DECIMAL_NEG; anything else is E_INVALIDARG.
inline bool is_valid_decimal(const DECIMAL& in) { return in.scale <= kMaxScale && (in.sign & ~DECIMAL_NEG) == 0; }

inline Decimal unpack(const DECIMAL& in) {
  return {(u128{in.Hi32} << 64) | in.Lo64, in.scale, (in.sign & DECIMAL_NEG) != 0};
}

// Writes a value whose magnitude fits 96 bits and whose scale is 0..28, as one
// 16-byte store: DECIMALs are copied whole, and a whole copy of several smaller
// stores must wait for them to reach the cache.
inline void pack(const Decimal& value, DECIMAL* out) {
  static_assert(sizeof(DECIMAL) == 16 && offsetof(DECIMAL, Hi32) == 4 && offsetof(DECIMAL, Lo64) == 8);
  const std::uint64_t head = (std::uint64_t{static_cast<std::uint32_t>(value.magnitude >> 64)} << 32) |
                             (std::uint64_t{value.negative ? DECIMAL_NEG : BYTE{0}} << 24) |
                             (static_cast<std::uint64_t>(value.scale) << 16);
  const auto low = static_cast<std::uint64_t>(value.magnitude);
#if defined(__SSE2__)
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                   _mm_set_epi64x(static_cast<long long>(low), static_cast<long long>(head)));
#else
  const std::uint64_t image[2] = {head, low};
  std::memcpy(out, image, sizeof image);
#endif
}

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

// Divides magnitude by 10^digits (digits 1..38), rounding half to even, in 128-bit
// arithmetic throughout.
u128 divide_pow10_half_even_wide(u128 magnitude, int digits);

template <int kDigits>
std::uint64_t divide_pow10_half_even_narrow(std::uint64_t magnitude) {
  constexpr auto kDivisor = static_cast<std::uint64_t>(kPow10[kDigits]);
  std::uint64_t quotient = magnitude / kDivisor;
  const std::uint64_t remainder = magnitude - quotient * kDivisor;
  if (remainder > kDivisor / 2 || (remainder == kDivisor / 2 && (quotient & 1) != 0)) ++quotient;
  return quotient;
}

// The same quotient. A magnitude below 2^64 takes 64-bit division by a constant
// (a multiplication); divided by 10^20 or more it rounds to 0, since half the
// divisor is then at least 5 x 10^19 > 2^64.
inline u128 divide_pow10_half_even(u128 magnitude, int digits) {
  if ((magnitude >> 64) != 0) return divide_pow10_half_even_wide(magnitude, digits);
  const auto narrow = static_cast<std::uint64_t>(magnitude);
  switch (digits) {
    case 1: return divide_pow10_half_even_narrow<1>(narrow);
    case 2: return divide_pow10_half_even_narrow<2>(narrow);
    case 3: return divide_pow10_half_even_narrow<3>(narrow);
    case 4: return divide_pow10_half_even_narrow<4>(narrow);
    case 5: return divide_pow10_half_even_narrow<5>(narrow);
    case 6: return divide_pow10_half_even_narrow<6>(narrow);
    case 7: return divide_pow10_half_even_narrow<7>(narrow);
    case 8: return divide_pow10_half_even_narrow<8>(narrow);
    case 9: return divide_pow10_half_even_narrow<9>(narrow);
    case 10: return divide_pow10_half_even_narrow<10>(narrow);
    case 11: return divide_pow10_half_even_narrow<11>(narrow);
    case 12: return divide_pow10_half_even_narrow<12>(narrow);
    case 13: return divide_pow10_half_even_narrow<13>(narrow);
    case 14: return divide_pow10_half_even_narrow<14>(narrow);
    case 15: return divide_pow10_half_even_narrow<15>(narrow);
    case 16: return divide_pow10_half_even_narrow<16>(narrow);
    case 17: return divide_pow10_half_even_narrow<17>(narrow);
    case 18: return divide_pow10_half_even_narrow<18>(narrow);
    case 19: return divide_pow10_half_even_narrow<19>(narrow);
    default: return 0;
  }
}

// The quotient digits of a long division, before the last one is rounded.
struct LongDivision {
  u128 quotient = 0;
  u128 remainder = 0;
  int scale = 0;
  bool overflow = false;     // the integer part does not fit 96 bits
  bool exact_start = false;  // the first integer division left no remainder
};

// Divides dividend by divisor (not 0) giving the result scale places: at least 0
// places, and more, while a remainder is left, up to 28 places or as long as the
// quotient fits 96 bits. Each step appends up to max_chunk digits with one 128-bit
// division; max_chunk 1 is the plain digit-at-a-time division, and every larger
// chunk stops exactly where it would.
LongDivision long_divide(u128 dividend, u128 divisor, int scale, int max_chunk);
// The chunk VarDecDiv divides by: as many digits as a 128-bit division can take.
inline constexpr int kMaxChunk = 38;
// The value with its trailing zero places dropped (the scale never below 0).
Decimal strip_zeros(Decimal value);

// A double as OLEAUT32 brings it into DECIMAL, before any trailing zero is dropped:
// with |in| = f x 2^e and 0.5 <= f < 1, e < -94 is 0 and e > 96 (infinities and
// NaN too) is DISP_E_OVERFLOW. Otherwise p = 14 - floor(e x 19728 / 65536), and
// |in| is scaled by one IEEE multiply by 1e<min(p, 28)> or, for p < 0, one IEEE
// division by 1e<-p> (none when p = -1 and |in| < 1e15, p becoming 0); below 1e14
// with p < 28 it is multiplied by 10 once more (p + 1). The scaled double rounded
// half to even is the magnitude at scale p, or, for p < 0, times 10^-p at scale 0.
// The sign is left out.
inline constexpr double kR8Pow10[29] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,
                                        1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19,
                                        1e20, 1e21, 1e22, 1e23, 1e24, 1e25, 1e26, 1e27, 1e28};

inline HRESULT r8_to_decimal_parts(double in, u128* magnitude, int* scale) {
  const auto bits = std::bit_cast<std::uint64_t>(in);
  const int exponent = static_cast<int>((bits >> 52) & 0x7FF) - 1022;
  *magnitude = 0;
  *scale = 0;
  if (exponent < -94) return S_OK;
  if (exponent > 96) return DISP_E_OVERFLOW;
  double scaled = std::bit_cast<double>(bits & ~(std::uint64_t{1} << 63));
  int power = 14 - ((exponent * 19728) >> 16);
  if (power >= 0) {
    power = power < kMaxScale ? power : kMaxScale;
    scaled *= kR8Pow10[power];
  } else if (power != -1 || scaled >= 1e15) {
    scaled /= kR8Pow10[-power];
  } else {
    power = 0;
  }
  if (scaled < 1e14 && power < kMaxScale) {
    scaled *= 10;
    ++power;
  }
  auto whole = static_cast<std::uint64_t>(scaled);  // below 2^53: exact, as is the rest
  const double rest = scaled - static_cast<double>(whole);
  if (rest > 0.5 || (rest == 0.5 && (whole & 1) != 0)) ++whole;
  if (power >= 0) {
    *magnitude = whole;
    *scale = power;
    return S_OK;
  }
  *magnitude = u128{whole} * kPow10[static_cast<std::size_t>(-power)];
  return *magnitude > kMax96 ? DISP_E_OVERFLOW : S_OK;
}

// Quotient and remainder of dividend / divisor when the quotient fits 64 bits
// (dividend >> 64 < divisor): one hardware division on x86-64.
inline std::uint64_t divide_128_by_64(u128 dividend, std::uint64_t divisor, std::uint64_t* remainder) {
#if defined(__x86_64__)
  std::uint64_t quotient = 0;
  std::uint64_t rest = 0;
  __asm__("divq %[divisor]"
          : "=a"(quotient), "=d"(rest)
          : [divisor] "rm"(divisor), "a"(static_cast<std::uint64_t>(dividend)),
            "d"(static_cast<std::uint64_t>(dividend >> 64))
          : "cc");
  *remainder = rest;
  return quotient;
#else
  const auto quotient = static_cast<std::uint64_t>(dividend / divisor);
  *remainder = static_cast<std::uint64_t>(dividend - u128{quotient} * divisor);
  return quotient;
#endif
}

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

// The same text written backwards from end, for scales 0..28; returns its start.
// kPlainTextCapacity characters before end are always enough.
constexpr int kPlainTextCapacity = 48;
char16_t* write_plain_text(u128 magnitude, int scale, bool negative, char16_t decimal, char16_t* end);

}  // namespace vrmwnd::platform::detail
