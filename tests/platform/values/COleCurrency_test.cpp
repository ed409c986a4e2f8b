// COleCurrency as MFC callers see it: the value in whole and fractional units, the
// status a result inherits from its operands (invalid before null), overflow and
// division by zero turning the result invalid, comparison by status and value, and
// reading and writing text through the OLE Automation routines.
#include <limits>

#include <gtest/gtest.h>

#include "vrmwnd/platform/COleCurrency.h"

namespace {

constexpr LONGLONG kMax = std::numeric_limits<LONGLONG>::max();

COleCurrency Raw(LONGLONG raw, COleCurrency::CurrencyStatus status = COleCurrency::valid) {
  CY cy{};
  cy.int64 = raw;
  COleCurrency cur(cy);
  cur.SetStatus(status);
  return cur;
}

TEST(COleCurrencyTest, UnitsAndFractionalUnitsMakeTheValue) {
  constexpr struct {
    LONG units, fraction;
    LONGLONG raw;
  } kCases[] = {
      {12, 3'456, 123'456}, {-1, -5'000, -15'000}, {0, 1, 1}, {1, -1, 9'999},  // the fraction is added as given
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.units << " + " << c.fraction << "/10000");
    const COleCurrency cur(c.units, c.fraction);
    EXPECT_EQ(static_cast<CY>(cur).int64, c.raw);
    EXPECT_EQ(cur.GetStatus(), COleCurrency::valid);
  }
  COleCurrency invalid = Raw(7, COleCurrency::invalid);
  invalid.SetCurrency(2, 5'000);
  EXPECT_EQ(invalid, Raw(25'000)) << "setting a value makes it valid again";
}

TEST(COleCurrencyTest, ResultStatusComesFromTheOperands) {
  using S = COleCurrency::CurrencyStatus;
  constexpr struct {
    S left, right, result;
  } kCases[] = {
      {COleCurrency::valid, COleCurrency::valid, COleCurrency::valid},
      {COleCurrency::invalid, COleCurrency::valid, COleCurrency::invalid},
      {COleCurrency::valid, COleCurrency::null, COleCurrency::null},
      {COleCurrency::null, COleCurrency::invalid, COleCurrency::invalid},  // invalid wins over null
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.left << " op " << c.right);
    const COleCurrency a = Raw(30'000, c.left), b = Raw(12'500, c.right);
    EXPECT_EQ((a + b).GetStatus(), c.result);
    EXPECT_EQ((a - b).GetStatus(), c.result);
    COleCurrency sum = a;
    sum += b;
    EXPECT_EQ(sum.GetStatus(), c.result);
    if (c.result == COleCurrency::valid) {
      EXPECT_EQ(static_cast<CY>(a + b).int64, 42'500);
      EXPECT_EQ(static_cast<CY>(a - b).int64, 17'500);
    }
  }
  for (S status : {COleCurrency::invalid, COleCurrency::null}) {
    SCOPED_TRACE(status);
    const COleCurrency a = Raw(30'000, status);
    EXPECT_EQ(a * 2, a) << "a product of a non-valid value is the value itself";
    EXPECT_EQ(a / 0, a) << "not even a division by zero changes it";
    EXPECT_EQ(-a, a);
  }
}

TEST(COleCurrencyTest, OverflowAndDivisionByZeroMakeTheResultInvalid) {
  EXPECT_EQ((Raw(kMax) + Raw(1)).GetStatus(), COleCurrency::invalid);
  EXPECT_EQ((Raw(-kMax) - Raw(2)).GetStatus(), COleCurrency::invalid);
  EXPECT_EQ((Raw(kMax / 2 + 1) * 2).GetStatus(), COleCurrency::invalid);
  EXPECT_EQ((Raw(10'000) / 0).GetStatus(), COleCurrency::invalid);

  constexpr struct {
    LONGLONG raw;
    LONG operand;
    LONGLONG product, quotient;
  } kCases[] = {
      {100'001, 3, 300'003, 33'333},  // 10.0001 / 3 = 3.3333, cut toward zero
      {-100'001, 3, -300'003, -33'333},
      {15'000, -2, -30'000, -7'500},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.raw << " and " << c.operand);
    EXPECT_EQ(Raw(c.raw) * c.operand, Raw(c.product));
    EXPECT_EQ(Raw(c.raw) / c.operand, Raw(c.quotient));
  }
  EXPECT_EQ(-Raw(15'000), Raw(-15'000));
}

TEST(COleCurrencyTest, ComparisonTakesTheStatusForEqualityOnly) {
  EXPECT_EQ(Raw(5), Raw(5));
  EXPECT_NE(Raw(5), Raw(5, COleCurrency::null)) << "the same value with another status differs";
  EXPECT_NE(Raw(5), Raw(6));
  EXPECT_LT(Raw(-1), Raw(0));
  EXPECT_GE(Raw(kMax), Raw(kMax - 1));
  EXPECT_TRUE(Raw(5, COleCurrency::invalid) <= Raw(5)) << "ordering looks at the values";
}

TEST(COleCurrencyTest, TextInAndOut) {
  constexpr LCID kUs = 1033, kBr = 1046;
  constexpr struct {
    const char* text;
    LCID lcid;
    BOOL ok;
    LONGLONG raw;
    const char* formatted;
  } kCases[] = {
      {"1,234.56", kUs, TRUE, 12'345'600, "1234.56"},
      {"1.234,56", kBr, TRUE, 12'345'600, "1234,56"},
      {"-0.5", kUs, TRUE, -5'000, "-0.5"},
      {"abc", kUs, FALSE, 0, "Invalid currency"},
      {"", kUs, FALSE, 0, "Invalid currency"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    COleCurrency cur = Raw(777);
    EXPECT_EQ(cur.ParseCurrency(c.text, 0, c.lcid), c.ok);
    EXPECT_EQ(static_cast<CY>(cur).int64, c.raw);
    EXPECT_EQ(cur.GetStatus(), c.ok ? COleCurrency::valid : COleCurrency::invalid);
    EXPECT_STREQ(cur.Format(0, c.lcid), c.formatted);
  }
  EXPECT_STREQ(Raw(15'000, COleCurrency::null).Format(), "") << "a null value has no text";
}

}  // namespace
