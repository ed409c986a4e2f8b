// CY arithmetic and conversions: exact sums, products rounded half to even at the
// fourth place, overflow at the ends of the 64-bit range, and the money results the
// base library builds on them.
#include <cmath>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "oleauto_test_util.h"

namespace {

constexpr LONGLONG kMax = std::numeric_limits<LONGLONG>::max();
constexpr LONGLONG kMin = std::numeric_limits<LONGLONG>::min();

TEST(OleAutoCyTest, AddAndSubOverflowAtTheRangeEnds) {
  constexpr struct {
    LONGLONG left;
    LONGLONG right;
    bool add;
    HRESULT hr;
    LONGLONG raw;
  } kCases[] = {
      {kMax, 0, true, S_OK, kMax},          {kMax, 1, true, DISP_E_OVERFLOW, 0},  {kMin, -1, true, DISP_E_OVERFLOW, 0},
      {-1, kMax, false, S_OK, kMin},        {kMin, 1, false, DISP_E_OVERFLOW, 0}, {0, kMin, false, DISP_E_OVERFLOW, 0},
      {12'345, -2'345, true, S_OK, 10'000},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.left << (c.add ? " + " : " - ") << c.right);
    CY result = MakeCy(0);
    const HRESULT hr =
        c.add ? VarCyAdd(MakeCy(c.left), MakeCy(c.right), &result) : VarCySub(MakeCy(c.left), MakeCy(c.right), &result);
    EXPECT_EQ(hr, c.hr);
    if (hr == S_OK) {
      EXPECT_EQ(result.int64, c.raw);
    }
  }
}

TEST(OleAutoCyTest, MulRoundsTheExactProductHalfToEven) {
  constexpr struct {
    LONGLONG left;
    LONGLONG right;
    HRESULT hr;
    LONGLONG raw;
  } kCases[] = {
      {15'000, 1, S_OK, 2},  // 1.5 x 0.0001 = 0.00015 -> 0.0002
      {25'000, 1, S_OK, 2},  // 0.00025 -> 0.0002 (2 is even)
      {-25'000, 1, S_OK, -2},
      {25'001, 1, S_OK, 3},  // just above the half
      {35'000, 1, S_OK, 4},
      {50'000, 5'000, S_OK, 25'000},         // 5 x 0.5 = 2.5
      {2'000'000, 1'250, S_OK, 250'000},     // 200 x 0.125 = 25
      {kMax, 1, S_OK, 922'337'203'685'478},  // needs all 128 bits of the product
      {kMax, -10'000, S_OK, -kMax},
      {kMin, 10'000, S_OK, kMin},
      {kMin, -10'000, DISP_E_OVERFLOW, 0},
      {1'000'000'000'000'000'000, 100'000, DISP_E_OVERFLOW, 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.left << " x " << c.right);
    CY result = MakeCy(0);
    EXPECT_EQ(VarCyMul(MakeCy(c.left), MakeCy(c.right), &result), c.hr);
    if (c.hr == S_OK) {
      EXPECT_EQ(result.int64, c.raw);
    }
  }
}

TEST(OleAutoCyTest, MulI4IsExact) {
  CY result = MakeCy(0);
  EXPECT_EQ(VarCyMulI4(MakeCy(5'001), 3, &result), S_OK);
  EXPECT_EQ(result.int64, 15'003);
  EXPECT_EQ(VarCyMulI4(MakeCy(kMin), -1, &result), DISP_E_OVERFLOW);
  EXPECT_EQ(VarCyMulI4(MakeCy(kMax / 2 + 1), 2, &result), DISP_E_OVERFLOW);
  EXPECT_EQ(VarCyMulI4(MakeCy(kMax / 2 + 1), -2, &result), S_OK);
  EXPECT_EQ(result.int64, kMin);
}

TEST(OleAutoCyTest, FromR8RoundsTheExactBinaryValueHalfToEven) {
  const struct {
    double in;
    HRESULT hr;
    LONGLONG raw;
  } kCases[] = {
      {0.1, S_OK, 1'000},
      {2.345, S_OK, 23'450},
      {0.03125, S_OK, 312},  // exactly 312.5: to even
      {0.09375, S_OK, 938},  // exactly 937.5: to even
      {-0.03125, S_OK, -312},
      {0.00035, S_OK, 3},  // 3.4999999999999998... although x * 10000.0 == 3.5
      {0.00025, S_OK, 3},  // 2.5000000000000001...
      {0.12345, S_OK, 1'235},
      {-0.0, S_OK, 0},
      {1e-300, S_OK, 0},
      {922'337'203'685'477.5, S_OK, 9'223'372'036'854'775'000},
      {-922'337'203'685'477.5, S_OK, -9'223'372'036'854'775'000},
      {922'337'203'685'477.6, DISP_E_OVERFLOW, 0},  // 922337203685477.625
      {-922'337'203'685'477.6, DISP_E_OVERFLOW, 0},
      {1e300, DISP_E_OVERFLOW, 0},
      {std::nan(""), DISP_E_OVERFLOW, 0},
      {std::numeric_limits<double>::infinity(), DISP_E_OVERFLOW, 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << std::hexfloat << c.in);
    CY result = MakeCy(-1);
    EXPECT_EQ(VarCyFromR8(c.in, &result), c.hr);
    if (c.hr == S_OK) {
      EXPECT_EQ(result.int64, c.raw);
    }
  }
}

TEST(OleAutoCyTest, FromDecRoundsHalfToEvenAtTheFourthPlace) {
  const struct {
    DECIMAL in;
    HRESULT hr;
    LONGLONG raw;
  } kCases[] = {
      {MakeDecimal(123'445, 5), S_OK, 12'344},
      {MakeDecimal(123'455, 5), S_OK, 12'346},
      {MakeDecimal(123'445, 5, true), S_OK, -12'344},
      {MakeDecimal(1'234'450'001, 9), S_OK, 12'345},
      {MakeDecimal(5, 5), S_OK, 0},
      {MakeDecimal(15, 5), S_OK, 2},
      {MakeDecimal(5, 0), S_OK, 50'000},
      {MakeDecimal(9'223'372'036'854'775'807, 4), S_OK, kMax},
      {MakeDecimal(9'223'372'036'854'775'808u, 4), DISP_E_OVERFLOW, 0},
      {MakeDecimal(9'223'372'036'854'775'808u, 4, true), S_OK, kMin},
      {MakeDecimal(0, 0, false, 1), DISP_E_OVERFLOW, 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << DecimalText(c.in));
    CY result = MakeCy(-1);
    EXPECT_EQ(VarCyFromDec(&c.in, &result), c.hr);
    if (c.hr == S_OK) {
      EXPECT_EQ(result.int64, c.raw);
    }
  }
}

TEST(OleAutoCyTest, IntegerAndDoubleConversions) {
  CY result = MakeCy(0);
  EXPECT_EQ(VarCyFromI4(-5, &result), S_OK);
  EXPECT_EQ(result.int64, -50'000);
  // The bound is the 64-bit limit over 10,000, itself refused though it would fit.
  constexpr struct {
    LONGLONG in;
    HRESULT hr;
    LONGLONG raw;
  } kI8[] = {
      {922'337'203'685'476, S_OK, 9'223'372'036'854'760'000},
      {-922'337'203'685'476, S_OK, -9'223'372'036'854'760'000},
      {922'337'203'685'477, DISP_E_OVERFLOW, 0},
      {-922'337'203'685'477, DISP_E_OVERFLOW, 0},
      {kMax, DISP_E_OVERFLOW, 0},
      {kMin, DISP_E_OVERFLOW, 0},
      {0, S_OK, 0},
  };
  for (const auto& c : kI8) {
    SCOPED_TRACE(c.in);
    result = MakeCy(-1);
    EXPECT_EQ(VarCyFromI8(c.in, &result), c.hr);
    EXPECT_EQ(result.int64, c.hr == S_OK ? c.raw : -1);
  }
  double d = 0;
  EXPECT_EQ(VarR8FromCy(MakeCy(1'000), &d), S_OK);
  EXPECT_EQ(d, 0.1);
  EXPECT_EQ(VarR8FromCy(MakeCy(-12'345), &d), S_OK);
  EXPECT_EQ(d, -1.2345);
}

// The base library multiplies and divides money through DECIMAL; these are the
// results it relies on.
TEST(OleAutoCyTest, MoneyThroughDecimal) {
  DECIMAL amount{};
  DECIMAL factor{};
  DECIMAL product{};
  ASSERT_EQ(VarDecFromCy(MakeCy(50'000), &amount), S_OK);
  ASSERT_EQ(VarDecFromR8(0.5, &factor), S_OK);
  ASSERT_EQ(VarDecMul(&amount, &factor, &product), S_OK);
  CY result = MakeCy(0);
  ASSERT_EQ(VarCyFromDec(&product, &result), S_OK);
  EXPECT_EQ(result.int64, 25'000) << "CY 5 x 0.5";

  DECIMAL ten{};
  DECIMAL zero{};
  DECIMAL quotient{};
  ASSERT_EQ(VarDecFromCy(MakeCy(100'000), &ten), S_OK);
  ASSERT_EQ(VarDecFromCy(MakeCy(0), &zero), S_OK);
  EXPECT_EQ(VarDecDiv(&ten, &zero, &quotient), DISP_E_DIVBYZERO) << "CY 10 / CY 0";

  // A value with eight places: 0.123456789 x 10,000 kept as CY is 0.12345679.
  DECIMAL scaled{};
  DECIMAL ten_thousand{};
  ASSERT_EQ(VarDecFromR8(0.123456789, &factor), S_OK);
  ASSERT_EQ(VarDecFromI4(10'000, &ten_thousand), S_OK);
  ASSERT_EQ(VarDecMul(&factor, &ten_thousand, &scaled), S_OK);
  ASSERT_EQ(VarCyFromDec(&scaled, &result), S_OK);
  EXPECT_EQ(result.int64, 12'345'679);
}

}  // namespace
