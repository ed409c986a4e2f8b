// The fast paths of the OLE Automation arithmetic pinned against the general paths
// they stand in for, over many random inputs plus halves, boundaries, zero and
// overflow: 64-bit rounding division, chunked long division and the narrow DECIMAL
// product.
#include <cstdint>
#include <limits>
#include <random>

#include <gtest/gtest.h>

#include "oleauto/oleauto_detail.h"
#include "oleauto_test_util.h"

namespace {

using detail::u128;

constexpr u128 kTwoTo96 = u128{1} << 96;

// A value of a random bit length below 2^bits, so that small and wide values both
// come up often.
u128 RandomBelowBits(std::mt19937_64& rng, int bits) {
  const int length = static_cast<int>(rng() % static_cast<std::uint64_t>(bits + 1));
  const u128 value = (u128{rng()} << 64) | rng();
  return length == 0 ? 0 : value >> (128 - length);
}

testing::Message Hex(u128 value) {
  return testing::Message() << std::hex << static_cast<std::uint64_t>(value >> 64) << ':'
                            << static_cast<std::uint64_t>(value);
}

TEST(OleAutoFastPathTest, NarrowRoundingDivisionMatchesTheWideOne) {
  std::mt19937_64 rng(20240611);
  for (int i = 0; i < 200'000; ++i) {
    const int digits = 1 + static_cast<int>(rng() % 38);
    const u128 divisor = detail::pow10_u128(digits);
    u128 magnitude = RandomBelowBits(rng, 127);
    switch (i % 4) {
      case 0: magnitude = magnitude / divisor * divisor + divisor / 2; break;  // a half
      case 1: magnitude = magnitude / divisor * divisor + divisor / 2 - 1; break;
      case 2: magnitude = static_cast<std::uint64_t>(magnitude); break;  // below 2^64
      default: break;
    }
    ASSERT_EQ(detail::divide_pow10_half_even(magnitude, digits), detail::divide_pow10_half_even_wide(magnitude, digits))
        << Hex(magnitude) << " / 10^" << digits;
  }
  constexpr u128 kEdges[] = {0,
                             1,
                             4'999,
                             5'000,
                             5'001,
                             15'000,
                             25'000,
                             std::numeric_limits<std::uint64_t>::max(),
                             u128{std::numeric_limits<std::uint64_t>::max()} + 1};
  for (const u128 edge : kEdges) {
    for (int digits = 1; digits <= 38; ++digits) {
      ASSERT_EQ(detail::divide_pow10_half_even(edge, digits), detail::divide_pow10_half_even_wide(edge, digits))
          << Hex(edge) << " / 10^" << digits;
    }
  }
}

// The long division written the plain way: one digit, two divisions per step.
detail::LongDivision DigitByDigit(u128 dividend, u128 divisor, int scale) {
  detail::LongDivision r{dividend / divisor, dividend % divisor, scale, false};
  while (r.scale < 0 || (r.remainder != 0 && r.scale < 28)) {
    const u128 next = r.quotient * 10 + r.remainder * 10 / divisor;
    if (next > kTwoTo96 - 1) {
      r.overflow = r.scale < 0;
      break;
    }
    r.quotient = next;
    r.remainder = r.remainder * 10 % divisor;
    ++r.scale;
  }
  return r;
}

void ExpectSameDivision(u128 dividend, u128 divisor, int scale) {
  const detail::LongDivision plain = DigitByDigit(dividend, divisor, scale);
  for (const int chunk : {1, 38}) {
    const detail::LongDivision fast = detail::long_divide(dividend, divisor, scale, chunk);
    ASSERT_TRUE(plain.overflow == fast.overflow && plain.scale == fast.scale && plain.quotient == fast.quotient &&
                plain.remainder == fast.remainder)
        << Hex(dividend) << " / " << Hex(divisor) << " at scale " << scale << " in chunks of " << chunk << ": places "
        << plain.scale << " vs " << fast.scale;
  }
}

TEST(OleAutoFastPathTest, ChunkedLongDivisionStopsWhereTheDigitLoopStops) {
  std::mt19937_64 rng(7);
  for (int i = 0; i < 60'000; ++i) {
    int scale = static_cast<int>(rng() % 57) - 28;
    u128 divisor = RandomBelowBits(rng, 96);
    if (divisor == 0) divisor = 1;
    u128 dividend = RandomBelowBits(rng, 96);
    switch (i % 5) {
      case 0:  // exact quotients, which stop on a zero remainder
        divisor = u128{1 + rng() % 100'000};
        dividend = divisor * (RandomBelowBits(rng, 60));
        break;
      case 1:  // divisors of 2s and 5s end after a few places
        divisor = (u128{1} << (rng() % 40)) * detail::pow10_u128(static_cast<int>(rng() % 12));
        break;
      case 2:  // money: a CY over a CY
        dividend = rng() >> (rng() % 64);
        divisor = u128{1 + (rng() >> (rng() % 64))};
        scale = 0;
        break;
      default: break;
    }
    ExpectSameDivision(dividend, divisor, scale);
  }
  const u128 kMax = kTwoTo96 - 1;
  const struct {
    u128 dividend;
    u128 divisor;
    int scale;
  } kCases[] = {
      {1, 3, 0},
      {2, 3, 0},
      {0, 7, -28},
      {0, 7, 0},
      {kMax, 1, 0},
      {kMax, 1, -1},
      {kMax, 10, -1},
      {kMax, 3, 0},
      {1, kMax, 0},
      {kMax, kMax, 28},
      {kMax - 1, kMax, 0},
      {5, 1, -27},
      {8, 1, -28},
      {1, 1, 28},
      {10, 4, 0},
      {123'450'000, 30'000, 0},
      {100'000, 30'000, 0},
  };
  for (const auto& c : kCases) ExpectSameDivision(c.dividend, c.divisor, c.scale);
}

TEST(OleAutoFastPathTest, NarrowDecimalProductMatchesTheWideOne) {
  std::mt19937_64 rng(42);
  for (int i = 0; i < 100'000; ++i) {
    const auto left_scale = static_cast<BYTE>(rng() % 29);
    const auto right_scale = static_cast<BYTE>(rng() % 29);
    const u128 a = RandomBelowBits(rng, i % 2 ? 64 : 96);
    const u128 b = RandomBelowBits(rng, i % 3 ? 64 : 96);
    const bool a_negative = rng() % 2 == 0;
    const bool b_negative = rng() % 2 == 0;
    const DECIMAL left = MakeDecimal(static_cast<ULONGLONG>(a), left_scale, a_negative, static_cast<ULONG>(a >> 64));
    const DECIMAL right = MakeDecimal(static_cast<ULONGLONG>(b), right_scale, b_negative, static_cast<ULONG>(b >> 64));
    // Windows' rule for zeros: mantissas below 2^32 keep sign and scale, unless the
    // scale is more than 19 past 28; any other zero product is a plain 0.
    const int scale = left_scale + right_scale;
    const bool keeps_zero = ((a | b) >> 32) == 0 ? scale - 28 <= 19 : a != 0 && b != 0;
    detail::Decimal expected;
    HRESULT expected_hr = S_OK;
    if (keeps_zero) {
      expected_hr = detail::reduce_to_decimal(detail::U256::product(a, b), scale, a_negative != b_negative, &expected);
    }
    DECIMAL product{};
    ASSERT_EQ(VarDecMul(&left, &right, &product), expected_hr) << Hex(a) << " x " << Hex(b);
    if (FAILED(expected_hr)) continue;
    const detail::Decimal got = detail::unpack(product);
    ASSERT_TRUE(got.magnitude == expected.magnitude && got.scale == expected.scale && got.negative == expected.negative)
        << Hex(a) << "e-" << int{left_scale} << " x " << Hex(b) << "e-" << int{right_scale};
  }
}

}  // namespace
