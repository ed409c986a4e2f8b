// DECIMAL arithmetic: 15 significant digits from a double, quotients and products
// kept to 96 bits and 28 places with half-to-even rounding, overflow and division
// by zero, comparison across scales.
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "oleauto_test_util.h"

namespace {

constexpr ULONGLONG kAllOnes = ~ULONGLONG{0};
// 79228162514264337593543950335, the largest magnitude.
const DECIMAL kMax96 = MakeDecimal(kAllOnes, 0, false, 0xFFFFFFFFu);
const DECIMAL kTwoE28 = MakeDecimal(0x7C4A04C220000000, 0, false, 0x409F9CBC);  // 2 x 10^28

TEST(OleAutoDecimalTest, FromR8KeepsFifteenSignificantDigits) {
  const struct {
    double in;
    HRESULT hr;
    const char* text;
  } kCases[] = {
      {0.1, S_OK, "0.1"},
      {1.0 / 3.0, S_OK, "0.333333333333333"},
      {2.0 / 3.0, S_OK, "0.666666666666667"},
      {2.345, S_OK, "2.345"},
      {123456789.123456789, S_OK, "123456789.123457"},
      {-1.5, S_OK, "-1.5"},
      {100.0, S_OK, "100"},
      {1e20, S_OK, "100000000000000000000"},
      {1.2345678901234567e-20, S_OK, "0.0000000000000000000123456789"},
      {1e-30, S_OK, "0"},
      {-0.0, S_OK, "0"},
      {1e29, DISP_E_OVERFLOW, ""},
      {std::nan(""), DISP_E_OVERFLOW, ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.in);
    DECIMAL d{};
    EXPECT_EQ(VarDecFromR8(c.in, &d), c.hr);
    if (c.hr == S_OK) {
      EXPECT_EQ(DecimalText(d), c.text);
    }
  }
}

// The double is scaled to 15 digits by a double power of ten and that double is
// rounded, not the exact binary value: 92208149871.34465 is just above the tie
// ...344650 but scales to exactly ...3446.5, which goes to the even 6.
TEST(OleAutoDecimalTest, FromR8RoundsTheScaledDoubleAndDropsFewZeros) {
  constexpr ULONG kAllOnes32 = 0xFFFFFFFFu;
  const struct {
    double in;
    HRESULT hr;
    ULONGLONG lo64;
    ULONG hi32;
    int scale;
    bool negative;
  } kCases[] = {
      {0.1, S_OK, 1, 0, 1, false},
      {92208149871.34465, S_OK, 922'081'498'713'446, 0, 4, false},
      {0.3095286099317255, S_OK, 309'528'609'931'726, 0, 15, false},  // exact: ...725 48
      {0.99999999999999989, S_OK, 10, 0, 1, false},                   // 10^15 at 15 places, 14 zeros dropped
      {999'999'999'999'999.9, S_OK, 1'000'000'000'000'000, 0, 0, false},
      {1e15, S_OK, 1'000'000'000'000'000, 0, 0, false},  // 10^14 x 10
      {123'456'789'012'345'678.0, S_OK, 123'456'789'012'346'000, 0, 0, false},
      {100'000'000'000'000.5, S_OK, 100'000'000'000'000, 0, 0, false},  // a tie: to even
      {100'000'000'000'001.5, S_OK, 100'000'000'000'002, 0, 0, false},
      {-2.5, S_OK, 25, 0, 1, true},
      {1.5e-15, S_OK, 15, 0, 16, false},
      {1e-28, S_OK, 1, 0, 28, false},
      {5e-29, S_OK, 0, 0, 0, false},    // scaled to 28 places: 0.4999...
      {0x1p-95, S_OK, 0, 0, 0, false},  // exponent -94 still scales: rounds to 0
      {0x1p-96, S_OK, 0, 0, 0, false},  // exponent -95: 0 without scaling
      {4.9e-324, S_OK, 0, 0, 0, false},
      {-0.0, S_OK, 0, 0, 0, false},
      {std::nextafter(0x1p96, 0.0), S_OK, 18'446'706'480'165'601'280u, kAllOnes32, 0, false},
      {0x1p96, DISP_E_OVERFLOW, 0, 0, 0, false},
      {-0x1p96, DISP_E_OVERFLOW, 0, 0, 0, false},
      {std::numeric_limits<double>::infinity(), DISP_E_OVERFLOW, 0, 0, 0, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << std::hexfloat << c.in);
    DECIMAL d = MakeDecimal(77, 3, true, 1);
    ASSERT_EQ(VarDecFromR8(c.in, &d), c.hr);
    if (c.hr != S_OK) continue;
    EXPECT_EQ(d.Lo64, c.lo64);
    EXPECT_EQ(d.Hi32, c.hi32);
    EXPECT_EQ(d.scale, c.scale);
    EXPECT_EQ(d.sign, c.negative ? DECIMAL_NEG : 0);
  }
}

TEST(OleAutoDecimalTest, DivKeepsAllDigitsThatFitAndRoundsTheLast) {
  const struct {
    DECIMAL left;
    DECIMAL right;
    HRESULT hr;
    const char* text;
  } kCases[] = {
      {MakeDecimal(1, 0), MakeDecimal(3, 0), S_OK, "0.3333333333333333333333333333"},
      {MakeDecimal(2, 0), MakeDecimal(3, 0), S_OK, "0.6666666666666666666666666667"},
      {MakeDecimal(10, 0), MakeDecimal(3, 0), S_OK, "3.3333333333333333333333333333"},
      {MakeDecimal(1, 0), MakeDecimal(4, 0), S_OK, "0.25"},
      {MakeDecimal(1, 0), MakeDecimal(8, 0, true), S_OK, "-0.125"},
      {MakeDecimal(100'000, 4), MakeDecimal(30'000, 4), S_OK, "3.3333333333333333333333333333"},
      {MakeDecimal(5, 0), MakeDecimal(1, 2), S_OK, "500"},
      // 5e-29 and 1.5e-28: exact halves of the 28th place go to the even digit.
      {MakeDecimal(1, 0), kTwoE28, S_OK, "0"},
      {MakeDecimal(3, 0), kTwoE28, S_OK, "0.0000000000000000000000000002"},
      {MakeDecimal(1, 0), MakeDecimal(0, 0), DISP_E_DIVBYZERO, ""},
      {MakeDecimal(0, 0), MakeDecimal(0, 3), DISP_E_DIVBYZERO, ""},
      {kMax96, MakeDecimal(1, 1), DISP_E_OVERFLOW, ""},
      {kMax96, MakeDecimal(1, 0), S_OK, "79228162514264337593543950335"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << DecimalText(c.left) << " / " << DecimalText(c.right));
    DECIMAL result{};
    EXPECT_EQ(VarDecDiv(&c.left, &c.right, &result), c.hr);
    if (c.hr == S_OK) {
      EXPECT_EQ(DecimalText(result), c.text);
    }
  }
}

TEST(OleAutoDecimalTest, MulAddSubKeepScaleAndRoundWhatDoesNotFit) {
  enum Op { kMul, kAdd, kSub };
  const struct {
    DECIMAL left;
    Op op;
    DECIMAL right;
    HRESULT hr;
    const char* text;
  } kCases[] = {
      {MakeDecimal(5, 1), kMul, MakeDecimal(50'000, 4), S_OK, "2.5"},
      {kMax96, kMul, MakeDecimal(1, 1), S_OK, "7922816251426433759354395033.5"},
      {kMax96, kMul, MakeDecimal(5, 1), S_OK, "39614081257132168796771975168"},
      {kMax96, kMul, MakeDecimal(2, 0), DISP_E_OVERFLOW, ""},
      {MakeDecimal(15, 1), kMul, MakeDecimal(1, 28), S_OK, "0.0000000000000000000000000002"},
      {MakeDecimal(25, 1), kMul, MakeDecimal(1, 28, true), S_OK, "-0.0000000000000000000000000002"},
      {MakeDecimal(1, 16), kMul, MakeDecimal(1, 16), S_OK, "0"},
      {MakeDecimal(1, 1), kAdd, MakeDecimal(2, 1), S_OK, "0.3"},
      {MakeDecimal(1, 0), kSub, MakeDecimal(15, 1), S_OK, "-0.5"},
      {MakeDecimal(1, 0), kAdd, MakeDecimal(1, 28), S_OK, "1.0000000000000000000000000001"},
      {kMax96, kAdd, MakeDecimal(1, 0), DISP_E_OVERFLOW, ""},
      {kMax96, kAdd, MakeDecimal(5, 1), DISP_E_OVERFLOW, ""},  // ...335.5 rounds up past 2^96
      {kMax96, kSub, MakeDecimal(5, 1), S_OK, "79228162514264337593543950334"},
      {MakeDecimal(7, 0, true), kSub, MakeDecimal(7, 0, true), S_OK, "0"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << DecimalText(c.left) << " op" << c.op << " " << DecimalText(c.right));
    DECIMAL result{};
    const HRESULT hr = c.op == kMul   ? VarDecMul(&c.left, &c.right, &result)
                       : c.op == kAdd ? VarDecAdd(&c.left, &c.right, &result)
                                      : VarDecSub(&c.left, &c.right, &result);
    EXPECT_EQ(hr, c.hr);
    if (c.hr == S_OK) {
      EXPECT_EQ(DecimalText(result), c.text);
    }
  }
  DECIMAL product{};
  const DECIMAL half = MakeDecimal(5, 1);
  const DECIMAL five = MakeDecimal(50'000, 4);
  ASSERT_EQ(VarDecMul(&half, &five, &product), S_OK);
  EXPECT_EQ(product.scale, 5) << "an exact product keeps every place";
  EXPECT_EQ(product.Lo64, 250'000u);
}

// The mantissa, scale and sign a routine left, beside the expected ones.
struct Parts {
  ULONGLONG lo64;
  ULONG hi32;
  int scale;
  bool negative;
};

void ExpectParts(const DECIMAL& d, const Parts& expected) {
  EXPECT_EQ(d.Lo64, expected.lo64);
  EXPECT_EQ(d.Hi32, expected.hi32);
  EXPECT_EQ(d.scale, expected.scale);
  EXPECT_EQ(d.sign, expected.negative ? DECIMAL_NEG : 0);
}

// A quotient that needed rounding drops its trailing zeros, never below scale 0; an
// exact one keeps the dividend's places less the divisor's, or 0 when negative.
TEST(OleAutoDecimalTest, DivDropsZerosOnlyWhenTheMantissasDoNotDivide) {
  // 5 x 10^28 - 1: 1999999999999999999999999999.96 when divided by 25.
  const DECIMAL kFiveE28Less1 = MakeDecimal(0x36B90BE54FFFFFFF, 0, false, 0xA18F07D7);
  const DECIMAL kThreeE28 = MakeDecimal(0xBA6F072330000000, 0, false, 0x60EF6B1A);
  const DECIMAL k39E26Less1 = MakeDecimal(0xA279F420BBFFFFFF, 0, false, 0x0C9A011F);
  const struct {
    DECIMAL left;
    DECIMAL right;
    Parts expected;
  } kCases[] = {
      {MakeDecimal(1, 0), MakeDecimal(4, 0), {25, 0, 2, false}},
      {MakeDecimal(100, 2), MakeDecimal(1, 0), {100, 0, 2, false}},   // 1.00 stays 1.00
      {MakeDecimal(500, 2), MakeDecimal(5, 0), {100, 0, 2, false}},   // exact: 1.00
      {MakeDecimal(1000, 3), MakeDecimal(8, 0), {125, 0, 3, false}},  // exact: 0.125
      {MakeDecimal(10, 1), MakeDecimal(8, 0), {125, 0, 3, false}},    // 1.0 / 8: 0.125
      {MakeDecimal(10, 0), MakeDecimal(5, 1), {20, 0, 0, false}},     // 10 / 0.5: scale 0
      {MakeDecimal(7, 0), MakeDecimal(2, 3), {3500, 0, 0, false}},    // 7 / 0.002
      {MakeDecimal(6, 0, true), MakeDecimal(3, 0), {2, 0, 0, true}},
      {MakeDecimal(0, 4), MakeDecimal(3, 0, true), {0, 0, 4, true}},  // the sign of a 0 too
      // 0.1299999999999999999999999999|67 rounds up to 0.13 and drops 26 zeros.
      {k39E26Less1, kThreeE28, {13, 0, 2, false}},
      // ...9999.9|6 rounds to 2 x 10^28 at one place and drops only that zero.
      {kFiveE28Less1, MakeDecimal(25, 0), {0x3FA10079D0000000, 0x6765C79, 0, false}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << DecimalText(c.left) << " / " << DecimalText(c.right));
    DECIMAL result{};
    ASSERT_EQ(VarDecDiv(&c.left, &c.right, &result), S_OK);
    ExpectParts(result, c.expected);
  }
}

// Mantissas below 2^32 keep the product's sign and scale even for 0, rounding half
// to even down to 28 places; more than 19 places past 28 is a plain 0. Any other
// zero product is a plain 0.
TEST(OleAutoDecimalTest, MulKeepsNarrowZerosAndRoundsPast28Places) {
  constexpr ULONGLONG kMax32 = 0xFFFFFFFF;
  const struct {
    DECIMAL left;
    DECIMAL right;
    Parts expected;
  } kCases[] = {
      {MakeDecimal(0, 5), MakeDecimal(7, 3, true), {0, 0, 8, true}},
      {MakeDecimal(0, 5), MakeDecimal(1ULL << 40, 3, true), {0, 0, 0, false}},
      {MakeDecimal(0, 5, true), MakeDecimal(0, 0, false, 1), {0, 0, 0, false}},
      {MakeDecimal(15, 28), MakeDecimal(1, 1), {2, 0, 28, false}},            // 1.5 -> 2
      {MakeDecimal(25, 28), MakeDecimal(1, 1, true), {2, 0, 28, true}},       // 2.5 -> 2
      {MakeDecimal(35, 28), MakeDecimal(1, 1), {4, 0, 28, false}},            // 3.5 -> 4
      {MakeDecimal(1, 28, true), MakeDecimal(15, 5), {0, 0, 28, true}},       // 0.00015 -> 0
      {MakeDecimal(kMax32, 28), MakeDecimal(kMax32, 19), {2, 0, 28, false}},  // 1.84 -> 2
      {MakeDecimal(kMax32, 28), MakeDecimal(kMax32, 20, true), {0, 0, 0, false}},
      {MakeDecimal(1ULL << 32, 28), MakeDecimal(15, 1), {6'442'450'944, 0, 28, false}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << DecimalText(c.left) << " x " << DecimalText(c.right));
    DECIMAL result = MakeDecimal(99, 9, true, 9);
    ASSERT_EQ(VarDecMul(&c.left, &c.right, &result), S_OK);
    ExpectParts(result, c.expected);
  }
}

// A sign byte other than 0 or DECIMAL_NEG, like a scale above 28, is refused by the
// conversions out of DECIMAL.
TEST(OleAutoDecimalTest, ConversionsRefuseABadSignByteOrScale) {
  const struct {
    BYTE sign;
    BYTE scale;
    HRESULT hr;
  } kCases[] = {
      {0x00, 4, S_OK},         {DECIMAL_NEG, 4, S_OK},   {0x01, 4, E_INVALIDARG},
      {0x7F, 4, E_INVALIDARG}, {0x81, 4, E_INVALIDARG},  {0xFF, 0, E_INVALIDARG},
      {0x00, 28, S_OK},        {0x00, 29, E_INVALIDARG}, {DECIMAL_NEG, 29, E_INVALIDARG},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << "sign " << int{c.sign} << " scale " << int{c.scale});
    DECIMAL d = MakeDecimal(12'345, c.scale);
    d.sign = c.sign;
    CY cy = MakeCy(-7);
    double r8 = -7;
    EXPECT_EQ(VarCyFromDec(&d, &cy), c.hr);
    EXPECT_EQ(VarR8FromDec(&d, &r8), c.hr);
    if (c.hr != S_OK) {
      EXPECT_EQ(cy.int64, -7) << "nothing written";
    }
  }
}

TEST(OleAutoDecimalTest, CmpAcrossScalesAndSigns) {
  const struct {
    DECIMAL left;
    DECIMAL right;
    HRESULT expected;
  } kCases[] = {
      {MakeDecimal(10, 1), MakeDecimal(1, 0), VARCMP_EQ},
      {MakeDecimal(0, 0, true), MakeDecimal(0, 5), VARCMP_EQ},
      {MakeDecimal(1, 0, true), MakeDecimal(5, 1), VARCMP_LT},
      {MakeDecimal(3, 1), MakeDecimal(29'999, 5), VARCMP_GT},
      {MakeDecimal(2, 0, true), MakeDecimal(1, 0, true), VARCMP_LT},
      {kMax96, MakeDecimal(kAllOnes, 28, false, 0xFFFFFFFFu), VARCMP_GT},
      {MakeDecimal(1, 28), MakeDecimal(0, 0), VARCMP_GT},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << DecimalText(c.left) << " vs " << DecimalText(c.right));
    EXPECT_EQ(VarDecCmp(&c.left, &c.right), c.expected);
  }
}

TEST(OleAutoDecimalTest, ToDoubleAndFromIntegers) {
  DECIMAL d{};
  double r = 0;
  ASSERT_EQ(VarDecFromR8(0.1, &d), S_OK);
  ASSERT_EQ(VarR8FromDec(&d, &r), S_OK);
  EXPECT_EQ(r, 0.1);
  DECIMAL one{};
  DECIMAL three{};
  DECIMAL quotient{};
  ASSERT_EQ(VarDecFromI4(1, &one), S_OK);
  ASSERT_EQ(VarDecFromI8(-3, &three), S_OK);
  ASSERT_EQ(VarDecDiv(&one, &three, &quotient), S_OK);
  ASSERT_EQ(VarR8FromDec(&quotient, &r), S_OK);
  EXPECT_EQ(r, -1.0 / 3.0);
  ASSERT_EQ(VarDecFromI8(std::numeric_limits<LONGLONG>::min(), &d), S_OK);
  EXPECT_EQ(DecimalText(d), "-9223372036854775808");
  ASSERT_EQ(VarDecFromCy(MakeCy(-12'345), &d), S_OK);
  EXPECT_EQ(d.scale, 4);
  EXPECT_EQ(DecimalText(d), "-1.2345");
}

}  // namespace
