// BSTR allocation and CY/DECIMAL text: the number parser under pt-BR and en-US
// separators (blanks, signs, parentheses, currency, thousands, exponent), and the
// plain text VarBstrFromCy/VarBstrFromDec give.
#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "oleauto_test_util.h"

namespace {

constexpr LCID kBr = LCID_PORTUGUESE_BRAZIL;
constexpr LCID kUs = LCID_ENGLISH_US;

TEST(OleAutoBstrTest, LengthPrefixedAndNullSafe) {
  BSTR text = SysAllocString(u"abc");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(SysStringLen(text), 3u);
  EXPECT_EQ(std::u16string(text), u"abc");
  SysFreeString(text);

  text = SysAllocStringLen(u"abcdef", 3);
  EXPECT_EQ(SysStringLen(text), 3u);
  EXPECT_EQ(text[3], 0) << "always null-terminated";
  SysFreeString(text);

  text = SysAllocStringLen(u"a\0b", 3);
  EXPECT_EQ(SysStringLen(text), 3u) << "embedded nulls count";
  EXPECT_EQ(text[2], u'b');
  SysFreeString(text);

  text = SysAllocStringLen(nullptr, 4);
  EXPECT_EQ(SysStringLen(text), 4u);
  EXPECT_EQ(text[0], 0);
  SysFreeString(text);

  EXPECT_EQ(SysAllocString(nullptr), nullptr);
  EXPECT_EQ(SysStringLen(nullptr), 0u);
  SysFreeString(nullptr);
}

TEST(OleAutoTextTest, CyFromStrReadsLocaleNumbers) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  const struct {
    const char16_t* text;
    LCID lcid;
    HRESULT hr;
    LONGLONG raw;
  } kCases[] = {
      {u"1.234,56", kBr, S_OK, 12'345'600},
      {u"1,234.56", kUs, S_OK, 12'345'600},
      {u"1,234.56", kBr, DISP_E_TYPEMISMATCH, 0},
      {u"abc", kBr, DISP_E_TYPEMISMATCH, 0},
      {u"", kBr, DISP_E_TYPEMISMATCH, 0},
      {u"   ", kBr, DISP_E_TYPEMISMATCH, 0},
      {u"12a", kBr, DISP_E_TYPEMISMATCH, 0},
      {u"--1", kBr, DISP_E_TYPEMISMATCH, 0},
      {u"(1", kBr, DISP_E_TYPEMISMATCH, 0},
      {u"1e", kUs, DISP_E_TYPEMISMATCH, 0},
      {u"  -12,5  ", kBr, S_OK, -125'000},
      {u"12,5-", kBr, S_OK, -125'000},
      {u"+7", kBr, S_OK, 70'000},
      {u"(3,25)", kBr, S_OK, -32'500},
      {u"R$ 10,00", kBr, S_OK, 100'000},
      {u"$1,000", kUs, S_OK, 10'000'000},
      {u",5", kBr, S_OK, 5'000},
      {u"1.2.3", kBr, S_OK, 1'230'000},
      {u"1e3", kUs, S_OK, 10'000'000},
      {u"1,5E-2", kBr, S_OK, 150},
      {u"0,00005", kBr, S_OK, 0},
      {u"0,00015", kBr, S_OK, 2},
      {u"-0,00025", kBr, S_OK, -2},
      {u"0,000250001", kBr, S_OK, 3},
      {u"0.000000000000000000000000001", kUs, S_OK, 0},
      {u"922337203685477,5807", kBr, S_OK, kMax},
      {u"922337203685477,5808", kBr, DISP_E_OVERFLOW, 0},
      {u"-922337203685477,5808", kBr, S_OK, kMin},
      {u"100000000000000000000", kBr, DISP_E_OVERFLOW, 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << "text #" << (&c - kCases) << " lcid " << c.lcid);
    CY result = MakeCy(-1);
    EXPECT_EQ(VarCyFromStr(c.text, c.lcid, LOCALE_NOUSEROVERRIDE, &result), c.hr);
    if (c.hr == S_OK) {
      EXPECT_EQ(result.int64, c.raw);
    }
  }
  CY result = MakeCy(0);
  EXPECT_EQ(VarCyFromStr(nullptr, kBr, 0, &result), DISP_E_TYPEMISMATCH);
}

TEST(OleAutoTextTest, BstrFromCyIsPlainWithoutTrailingZeros) {
  const struct {
    LONGLONG raw;
    LCID lcid;
    const char* text;
  } kCases[] = {
      {-12'345'000, kUs, "-1234.5"},
      {50'000, kUs, "5"},
      {5'000, kUs, "0.5"},
      {-1, kUs, "-0.0001"},
      {0, kUs, "0"},
      {12'345'678'900, kUs, "1234567.89"},
      {std::numeric_limits<LONGLONG>::min(), kUs, "-922337203685477.5808"},
      {15'000, kBr, "1,5"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.raw);
    BSTR text = nullptr;
    ASSERT_EQ(VarBstrFromCy(MakeCy(c.raw), c.lcid, LOCALE_NOUSEROVERRIDE, &text), S_OK);
    EXPECT_EQ(Narrow(text), c.text);
  }
}

TEST(OleAutoTextTest, BstrFromDecDropsTrailingZerosOfTheScale) {
  const struct {
    DECIMAL in;
    LCID lcid;
    const char* text;
  } kCases[] = {
      {MakeDecimal(1'000, 3), kUs, "1"},
      {MakeDecimal(1'500, 3), kUs, "1.5"},
      {MakeDecimal(15, 1, true), kUs, "-1.5"},
      {MakeDecimal(1, 10), kUs, "0.0000000001"},
      {MakeDecimal(0, 4, true), kUs, "0"},
      {MakeDecimal(~ULONGLONG{0}, 0, false, 0xFFFFFFFFu), kUs, "79228162514264337593543950335"},
      {MakeDecimal(15, 1), kBr, "1,5"},
  };
  for (const auto& c : kCases) {
    BSTR text = nullptr;
    ASSERT_EQ(VarBstrFromDec(&c.in, c.lcid, LOCALE_NOUSEROVERRIDE, &text), S_OK);
    EXPECT_EQ(Narrow(text), c.text);
  }
  const DECIMAL bad = MakeDecimal(1, 29);
  BSTR text = nullptr;
  EXPECT_EQ(VarBstrFromDec(&bad, kUs, 0, &text), E_INVALIDARG);
}

}  // namespace
