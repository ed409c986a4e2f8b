// GetNumberFormatA over number text: rounding of extra fraction digits half away
// from zero, grouping, leading zero, the five negative orders, buffer sizes and the
// texts it refuses.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "vrmwnd/platform/numfmt.h"

namespace {

char kComma[] = ",";
char kDot[] = ".";

NUMBERFMTA Brazilian(UINT digits, UINT leading_zero = 1, UINT grouping = 3, UINT negative = 1) {
  return NUMBERFMTA{digits, leading_zero, grouping, kComma, kDot, negative};
}

std::string Format(const char* value, const NUMBERFMTA& format) {
  char buffer[64];
  std::memset(buffer, 0, sizeof buffer);
  SetLastError(ERROR_SUCCESS);
  const int written = GetNumberFormatA(0, 0, value, &format, buffer, sizeof buffer);
  if (written == 0) return "error " + std::to_string(GetLastError());
  EXPECT_EQ(written, static_cast<int>(std::strlen(buffer)) + 1) << "count includes the null";
  return buffer;
}

TEST(NumberFormatTest, FormatsTheDigitsOfTheText) {
  const struct {
    const char* value;
    NUMBERFMTA format;
    const char* expected;
  } kCases[] = {
      {"1234567.891", Brazilian(2), "1.234.567,89"},
      {"1234.5", Brazilian(2), "1.234,50"},
      {"-0.5", Brazilian(2), "-0,50"},
      {"7", Brazilian(0), "7"},
      {"0.125", Brazilian(2), "0,13"},
      {"0.124", Brazilian(2), "0,12"},
      {"-0.125", Brazilian(2), "-0,13"},
      {"9.995", Brazilian(2), "10,00"},
      {"999999.995", Brazilian(2), "1.000.000,00"},
      {"0.5", Brazilian(0), "1"},
      {"-0.001", Brazilian(2), "0,00"},
      {".5", Brazilian(2), "0,50"},
      {".5", Brazilian(2, 0), ",50"},
      {"0", Brazilian(0, 0), "0"},
      {"000123", Brazilian(0), "123"},
      {"5.", Brazilian(2), "5,00"},
      {"1234567", Brazilian(2, 1, 0), "1234567,00"},
      {"123456789", Brazilian(0, 1, 32), "12.34.56.789"},
      {"123456789", Brazilian(0, 1, 230), "1234.567.89"},
      {"123456789", Brazilian(0, 1, 1200), "123456..78.9"},
      {"123", Brazilian(0, 1, 3), "123"},
      {"-1", Brazilian(2, 1, 3, 0), "(1,00)"},
      {"-1", Brazilian(2, 1, 3, 1), "-1,00"},
      {"-1", Brazilian(2, 1, 3, 2), "- 1,00"},
      {"-1", Brazilian(2, 1, 3, 3), "1,00-"},
      {"-1", Brazilian(2, 1, 3, 4), "1,00 -"},
      {"-1234.5", Brazilian(1), "-1.234,5"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.value << " digits=" << c.format.NumDigits
                                    << " grouping=" << c.format.Grouping);
    EXPECT_EQ(Format(c.value, c.format), c.expected);
  }
}

TEST(NumberFormatTest, RefusesTextThatIsNotAPlainNumber) {
  for (const char* value : {"abc", "", "-", ".", "1-", " 1", "1 ", "1..2", "--1", "1,5", "+1", "1e3"}) {
    SCOPED_TRACE(value);
    EXPECT_EQ(Format(value, Brazilian(2)), "error " + std::to_string(ERROR_INVALID_PARAMETER));
  }
}

TEST(NumberFormatTest, BufferSizes) {
  const NUMBERFMTA format = Brazilian(2);
  char buffer[13];
  EXPECT_EQ(GetNumberFormatA(0, 0, "1234567.891", &format, nullptr, 0), 13) << "cchNumber 0 asks for the size";
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(GetNumberFormatA(0, 0, "1234567.891", &format, buffer, 12), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(GetNumberFormatA(0, 0, "1234567.891", &format, buffer, 13), 13);
  EXPECT_STREQ(buffer, "1.234.567,89");
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(GetNumberFormatA(0, 0, "1", &format, nullptr, 5), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(NumberFormatTest, FormatAndLocaleChecks) {
  char buffer[32];
  NUMBERFMTA format = Brazilian(2);
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(GetNumberFormatA(0, LOCALE_NOUSEROVERRIDE, "1", &format, buffer, 32), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS) << "flags and a format together";
  format.NegativeOrder = 5;
  EXPECT_EQ(GetNumberFormatA(0, 0, "1", &format, buffer, 32), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  format = Brazilian(2);
  format.lpDecimalSep = nullptr;
  EXPECT_EQ(GetNumberFormatA(0, 0, "1", &format, buffer, 32), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);

  EXPECT_EQ(GetNumberFormatA(LCID_ENGLISH_US, LOCALE_NOUSEROVERRIDE, "-1234.567", nullptr, buffer, 32), 10);
  EXPECT_STREQ(buffer, "-1,234.57");
  EXPECT_EQ(GetNumberFormatA(LCID_PORTUGUESE_BRAZIL, 0, "1234.5", nullptr, buffer, 32), 9);
  EXPECT_STREQ(buffer, "1.234,50");
}

}  // namespace
