// The money shortcuts: a CY over a CY rounded once, a CY times or over a double as
// the DECIMAL route rounds it (twice, when its 28-29 digits land on a half), with
// the route's failure codes; and the same results as the route on random pairs.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "oleauto_cy_decimal_pairs.h"

namespace {

constexpr LONGLONG kMax = std::numeric_limits<LONGLONG>::max();
constexpr LONGLONG kMin = std::numeric_limits<LONGLONG>::min();
constexpr HRESULT kOverflow = DISP_E_OVERFLOW;
constexpr HRESULT kByZero = DISP_E_DIVBYZERO;

TEST(OleAutoCyDecimalTest, CyOverCyRoundsTheExactQuotientOnce) {
  constexpr struct {
    LONGLONG left;
    LONGLONG right;
    HRESULT hr;
    LONGLONG raw;
  } kCases[] = {
      {10'000, 30'000, S_OK, 3'333},  // 1 / 3
      {20'000, 30'000, S_OK, 6'667},  // 2 / 3
      {1, 20'000, S_OK, 0},           // 0.00005: a half, to the even 0
      {3, 20'000, S_OK, 2},           // 0.00015 -> 0.0002
      {-3, 20'000, S_OK, -2},
      {5, -20'000, S_OK, -2},  // 0.00025 -> 0.0002
      {1, kMax, S_OK, 0},
      {kMax, kMax, S_OK, 10'000},
      {kMax, 10'000, S_OK, kMax},
      {kMin, 10'000, S_OK, kMin},
      {kMin, -10'000, kOverflow, 0},  // 2^63 ten-thousandths
      {kMin, -10'001, S_OK, 9'222'449'791'875'588'249},
      {kMax, 2, kOverflow, 0},
      {kMax, 1, kOverflow, 0},  // the quotient passes 2^64 ten-thousandths
      {0, -5, S_OK, 0},
      {5, 0, kByZero, 0},
      {0, 0, kByZero, 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.left << " / " << c.right);
    CY result = MakeCy(-7);
    ASSERT_EQ(CyDivViaDecimal(MakeCy(c.left), MakeCy(c.right), &result), c.hr);
    EXPECT_EQ(result.int64, c.hr == S_OK ? c.raw : -7) << "a failure writes nothing";
  }
}

// The double enters as VarDecFromR8 gives it (92208149871.34465 as ...3446); a product
// over 96 bits keeps 28-29 digits, which may end on a half that the fourth place
// then rounds to even: 500000000000001.499999999999998 goes to ...002.
TEST(OleAutoCyDecimalTest, CyTimesDoubleAsTheDecimalRoute) {
  const struct {
    LONGLONG left;
    double right;
    HRESULT hr;
    LONGLONG raw;
  } kCases[] = {
      {1'500'000'000'000'006, 0.333333333333333, S_OK, 500'000'000'000'002},
      {-1'500'000'000'000'006, 0.333333333333333, S_OK, -500'000'000'000'002},
      {1'500'000'000'000'006, -0.333333333333333, S_OK, -500'000'000'000'002},
      {10'000, 92208149871.34465, S_OK, 922'081'498'713'446},
      {10'000, 0.1, S_OK, 1'000},
      {50'000, 0.5, S_OK, 25'000},
      {1, 0.5, S_OK, 0},  // a half: to the even 0
      {3, 0.5, S_OK, 2},
      {-3, 0.5, S_OK, -2},
      {123'456'789, 1.2345, S_OK, 152'407'406},  // 15240.74060205
      {kMax, 1.0, S_OK, kMax},
      {kMin, 1.0, S_OK, kMin},
      {kMax, 0.5, S_OK, 4'611'686'018'427'387'904},
      {kMax, 1e-15, S_OK, 9'223},
      {kMax, 1e-28, S_OK, 0},
      {kMax, 1e-300, S_OK, 0},
      {10'000, 1e14, S_OK, 1'000'000'000'000'000'000},
      {0, 1e20, S_OK, 0},
      {kMin, -1.0, kOverflow, 0},
      {kMax, 2.0, kOverflow, 0},
      {100'000, 1e14, kOverflow, 0},
      {1, 1e20, kOverflow, 0},
      {0, 1e300, kOverflow, 0},  // the double itself does not fit
      {1, std::numeric_limits<double>::infinity(), kOverflow, 0},
      {1, std::nan(""), kOverflow, 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.left << " x " << c.right);
    CY result = MakeCy(-7);
    ASSERT_EQ(CyMulR8ViaDecimal(MakeCy(c.left), c.right, &result), c.hr);
    EXPECT_EQ(result.int64, c.hr == S_OK ? c.raw : -7);
  }
}

// 3,855,626,851.6805 over 0.000123456789012347 is 31,230,577,779,686.9158500000000000004...
// of which the DECIMAL quotient keeps 14 places, .91585000000000: a half, to the even 8.
TEST(OleAutoCyDecimalTest, CyOverDoubleAsTheDecimalRoute) {
  const struct {
    LONGLONG left;
    double right;
    HRESULT hr;
    LONGLONG raw;
  } kCases[] = {
      {38'556'268'516'805, 0.000123456789012347, S_OK, 312'305'777'796'869'158},
      {-38'556'268'516'805, 0.000123456789012347, S_OK, -312'305'777'796'869'158},
      {10'000, 3.0, S_OK, 3'333},
      {20'000, 3.0, S_OK, 6'667},
      {10'000, 0.3095286099317255, S_OK, 32'307},
      {10'000, 0.0001, S_OK, 100'000'000},
      {1, 1.234e-6, S_OK, 810'373},  // 20 places: past 64 bits
      {123'456'789, 1.234e-6, S_OK, 100'046'020'259'319},
      {kMax, 1.234e-6, kOverflow, 0},  // past 128 bits
      {1, 2.0, S_OK, 0},
      {3, 2.0, S_OK, 2},
      {kMax, 2.0, S_OK, 4'611'686'018'427'387'904},
      {kMin, 1.0, S_OK, kMin},
      {5, 1e20, S_OK, 0},
      {0, 1e-28, S_OK, 0},
      {kMin, -1.0, kOverflow, 0},
      {kMax, 0.5, kOverflow, 0},
      {10'000, 1e-28, kOverflow, 0},
      {10'000, 1e300, kOverflow, 0},
      {10'000, 0.0, kByZero, 0},
      {10'000, 1e-300, kByZero, 0},  // a DECIMAL 0
      {0, -0.0, kByZero, 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.left << " / " << c.right);
    CY result = MakeCy(-7);
    ASSERT_EQ(CyDivR8ViaDecimal(MakeCy(c.left), c.right, &result), c.hr);
    EXPECT_EQ(result.int64, c.hr == S_OK ? c.raw : -7);
  }
}

// 100,000 pairs: 20,000 rounds of five.
TEST(OleAutoCyDecimalTest, ShortcutsMatchTheRouteOnRandomPairs) {
  cy_decimal_pairs::ExpectShortcutsMatchTheRoute(20'000, 20'240'611);
}

}  // namespace
