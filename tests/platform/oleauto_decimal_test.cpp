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
  const struct { double in; HRESULT hr; const char* text; } kCases[] = {
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
  DECIMAL tenth{};
  ASSERT_EQ(VarDecFromR8(0.1, &tenth), S_OK);
  EXPECT_EQ(tenth.Lo64, 1u);
  EXPECT_EQ(tenth.scale, 1);
}

TEST(OleAutoDecimalTest, DivKeepsAllDigitsThatFitAndRoundsTheLast) {
  const struct { DECIMAL left; DECIMAL right; HRESULT hr; const char* text; } kCases[] = {
      {MakeDecimal(1, 0), MakeDecimal(3, 0), S_OK, "0.3333333333333333333333333333"},
      {MakeDecimal(2, 0), MakeDecimal(3, 0), S_OK, "0.6666666666666666666666666667"},
      {MakeDecimal(10, 0), MakeDecimal(3, 0), S_OK, "3.3333333333333333333333333333"},
      {MakeDecimal(1, 0), MakeDecimal(4, 0), S_OK, "0.25"},
      {MakeDecimal(1, 0), MakeDecimal(8, 0, true), S_OK, "-0.125"},
      {MakeDecimal(100'000, 4), MakeDecimal(30'000, 4), S_OK, "3.3333333333333333333333333333"},
      {MakeDecimal(5, 0), MakeDecimal(1, 2), S_OK, "500"},
      // 5e-29 and 1.5e-28: exact halves of the 28th place go to the even digit.
      {MakeDecimal(1, 0), kTwoE28, S_OK, "0"},
      {MakeDecimal(3, 0), kTwoE28, S_OK,
       "0.0000000000000000000000000002"},
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
  const struct { DECIMAL left; Op op; DECIMAL right; HRESULT hr; const char* text; } kCases[] = {
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
    SCOPED_TRACE(testing::Message() << DecimalText(c.left) << " op" << c.op << " "
                                    << DecimalText(c.right));
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

TEST(OleAutoDecimalTest, CmpAcrossScalesAndSigns) {
  const struct { DECIMAL left; DECIMAL right; HRESULT expected; } kCases[] = {
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
