// CString as the suite uses it: MSVC printf formats, byte substrings at and past the
// ends, searching and editing counts, trimming by character sets, accented case,
// UTF-16 conversion and the character-boundary cuts.
#include <climits>
#include <cstdint>

#include <gtest/gtest.h>

#include "excecoes_teste.h"
#include "vrmwnd/platform/CString.h"

namespace {

TEST(CStringTest, FormatFollowsMsvcSizePrefixes) {
  CString s;
  s.Format("%I64d|%I64u|%I64X", INT64_MIN, UINT64_MAX, std::uint64_t{0xABCDEF0123});
  EXPECT_STREQ(s, "-9223372036854775808|18446744073709551615|ABCDEF0123");

  s.Format("%I32d|%ld|%lu|%lX", INT32_MIN, LONG{-7}, DWORD{4000000000u}, DWORD{0xBEEF});
  EXPECT_STREQ(s, "-2147483648|-7|4000000000|BEEF");

  s.Format("%Iu|%zd|%hd|%hhu", std::size_t{42}, std::ptrdiff_t{-3}, 70000, 257);
  EXPECT_STREQ(s, "42|-3|4464|1");

  s.Format("[%05.1f][%-6d][%+d][%*d][%.*s][%%]", 3.14159, 42, 5, -4, 7, 2, "abc");
  EXPECT_STREQ(s, "[003.1][42    ][+5][7   ][ab][%]");
}

TEST(CStringTest, FormatStringsCountCharactersAndTakeCString) {
  const CString nome("ação");
  CString s;
  s.Format("[%-6s][%6s][%.2s]", nome, "é", "ção");
  EXPECT_STREQ(s, "[ação  ][     é][çã]");

  s.Format("%s|%S|%ls|%c|%C", static_cast<const char*>(nullptr), u"Olá", u"€", 'x', u'ã');
  EXPECT_STREQ(s, "(null)|Olá|€|x|ã");

  s.AppendFormat("+%d", 1);
  EXPECT_STREQ(s, "(null)|Olá|€|x|ã+1");
}

TEST(CStringTest, BadFormatRaisesAndKeepsText) {
  for (const char* format : {"%n", "%", "%5", "%y", "%I64"}) {
    SCOPED_TRACE(format);
    CString s("antes");
    EXPECT_TRUE(LancaArgumentoInvalido([&] { s.AppendFormat(format, 1); }));
    EXPECT_STREQ(s, "antes");
  }
}

TEST(CStringTest, SubstringsClipAtAndBeyondTheEnds) {
  const CString s("abcdef");
  constexpr struct {
    int first;
    int count;
    const char* mid;
  } kMid[] = {
      {0, 3, "abc"}, {4, 10, "ef"}, {6, 1, ""}, {9, 2, ""}, {-2, 3, "abc"}, {2, -1, ""},
  };
  for (const auto& c : kMid) {
    SCOPED_TRACE(testing::Message() << "Mid(" << c.first << ", " << c.count << ")");
    EXPECT_STREQ(s.Mid(c.first, c.count), c.mid);
  }
  EXPECT_STREQ(s.Mid(4), "ef");
  EXPECT_STREQ(s.Mid(7), "");
  EXPECT_STREQ(s.Mid(-1), "abcdef");

  constexpr struct {
    int count;
    const char* left;
    const char* right;
  } kEnds[] = {{0, "", ""}, {2, "ab", "ef"}, {6, "abcdef", "abcdef"}, {9, "abcdef", "abcdef"}, {-1, "", ""}};
  for (const auto& c : kEnds) {
    SCOPED_TRACE(testing::Message() << "count=" << c.count);
    EXPECT_STREQ(s.Left(c.count), c.left);
    EXPECT_STREQ(s.Right(c.count), c.right);
  }
}

TEST(CStringTest, FindReportsMissesAsMinusOne) {
  const CString s("a;b;;c");
  constexpr struct {
    const char* sub;
    int start;
    int expected;
  } kCasos[] = {{";", 0, 1},  {";", 2, 3},  {";;", 0, 3},  {"x", 0, -1},
                {";", 6, -1}, {";", 7, -1}, {";", -1, -1}, {"", 6, 6}};
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << "Find(\"" << c.sub << "\", " << c.start << ")");
    EXPECT_EQ(s.Find(c.sub, c.start), c.expected);
  }
  EXPECT_EQ(s.Find('c'), 5);
  EXPECT_EQ(s.Find('a', 1), -1);
  EXPECT_EQ(s.ReverseFind(';'), 4);
  EXPECT_EQ(s.ReverseFind('z'), -1);
}

TEST(CStringTest, EditingReturnsCountsAndLengths) {
  constexpr struct {
    const char* text;
    const char* old_text;
    const char* new_text;
    int count;
    const char* result;
  } kCasos[] = {
      {"aaaa", "aa", "b", 2, "bb"}, {"ação ação", "ção", "cao", 2, "acao acao"},
      {"abc", "x", "y", 0, "abc"},  {"abc", "", "y", 0, "abc"},
      {"a.b.c", ".", "", 2, "abc"},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.text);
    CString s(c.text);
    EXPECT_EQ(s.Replace(c.old_text, c.new_text), c.count);
    EXPECT_STREQ(s, c.result);
  }

  CString s("1.234.567");
  EXPECT_EQ(s.Replace('.', ','), 2);
  EXPECT_EQ(s.Remove(','), 2);
  EXPECT_STREQ(s, "1234567");
  EXPECT_EQ(s.Insert(99, "!"), 8);
  EXPECT_EQ(s.Insert(-3, '#'), 9);
  EXPECT_EQ(s.Delete(1, 3), 6);
  EXPECT_EQ(s.Delete(5, 50), 5);
  EXPECT_STREQ(s, "#4567");
}

TEST(CStringTest, TrimRemovesWholeCharactersOfTheSet) {
  constexpr struct {
    const char* text;
    const char* set;  // nullptr: whitespace
    const char* both;
    const char* left;
    const char* right;
  } kCasos[] = {
      {" \t a b \r\n", nullptr, "a b", "a b \r\n", " \t a b"},
      {"xxaxx", "x", "a", "axx", "xxa"},
      {"-=a=-", "=-", "a", "a=-", "-=a"},
      {"ããaçç", "ãç", "a", "açç", "ããa"},
      {"ção", "ã", "ção", "ção", "ção"},  // ã shares its lead byte with ç
      {"----", "-", "", "", ""},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.text);
    CString both(c.text), left(c.text), right(c.text);
    if (c.set) {
      both.Trim(c.set), left.TrimLeft(c.set), right.TrimRight(c.set);
    } else {
      both.Trim(), left.TrimLeft(), right.TrimRight();
    }
    EXPECT_STREQ(both, c.both);
    EXPECT_STREQ(left, c.left);
    EXPECT_STREQ(right, c.right);
  }
  CString s("00120");
  EXPECT_STREQ(s.Trim('0'), "12");
}

TEST(CStringTest, CaseCoversLatinOneAccents) {
  CString s("ação à vista: 5×2 ÷ ü, ß");
  EXPECT_STREQ(s.MakeUpper(), "AÇÃO À VISTA: 5×2 ÷ Ü, ß");
  EXPECT_STREQ(s.MakeLower(), "ação à vista: 5×2 ÷ ü, ß");
  EXPECT_EQ(CString("AÇÃO").CompareNoCase("ação"), 0);
  EXPECT_EQ(CString("Ação").Compare("ação"), -1);
  EXPECT_EQ(CString("b").Compare("a"), 1);
  EXPECT_STREQ(CString("aç€b").MakeReverse(), "b€ça");
}

TEST(CStringTest, ConvertsUtf16IncludingSurrogates) {
  constexpr struct {
    const char16_t* utf16;
    const char* utf8;
    const char16_t* back;  // Utf8ToUtf16 of utf8
  } kCasos[] = {
      {u"Preço", "Preço", u"Preço"},
      {u"€ 10", "€ 10", u"€ 10"},
      {u"\U0001F600", "\xF0\x9F\x98\x80", u"\U0001F600"},
      {u"a\xD800z", "a\xEF\xBF\xBDz", u"a\xFFFDz"},  // a lone surrogate becomes U+FFFD
      {u"", "a\xC3", u"a\xFFFD"},                    // truncated UTF-8
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.utf8);
    if (*c.utf16) {
      EXPECT_STREQ(CString(c.utf16), c.utf8);
    }
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.back);
  }
  EXPECT_STREQ(CString(u"abcdef", 3), "abc");
  EXPECT_EQ(CString("ação").GetCharCount(), 4);
  EXPECT_EQ(CString("ação").GetLength(), 6);
}

TEST(CStringTest, CutsNeverSplitACharacter) {
  constexpr struct {
    int max;
    const char* bytes;
    const char* chars;
  } kCasos[] = {
      {0, "", ""},       {1, "a", "a"},      {2, "a", "aç"},      {3, "aç", "açã"},
      {4, "aç", "ação"}, {5, "açã", "ação"}, {6, "ação", "ação"}, {-1, "", ""},
  };
  for (const auto& c : kCasos) {
    SCOPED_TRACE(testing::Message() << "max=" << c.max);
    EXPECT_STREQ(Utf8CutToBytes("ação", c.max), c.bytes);
    EXPECT_STREQ(Utf8CutToChars("ação", c.max), c.chars);
  }
  EXPECT_EQ(Utf8PrefixBytes("€€", 6, 5), 3u);
}

TEST(CStringTest, ByteAccessChecksTheRange) {
  CString s("abc");
  EXPECT_EQ(s.GetAt(3), '\0');
  s.SetAt(1, 'X');
  EXPECT_EQ(s[1], 'X');
  EXPECT_TRUE(LancaArgumentoInvalido([&] { s.GetAt(4); }));
  EXPECT_TRUE(LancaArgumentoInvalido([&] { s.SetAt(3, 'x'); }));
  EXPECT_TRUE(LancaArgumentoInvalido([&] { s.GetAt(-1); }));
}

TEST(CStringTest, TokenizeSkipsEmptyTokensAndSpansStopAtTheSet) {
  const CString s(";;a;bc;;d;");
  CString tokens;
  int pos = 0;
  for (CString t = s.Tokenize(";", pos); pos != -1; t = s.Tokenize(";", pos)) tokens += t + "|";
  EXPECT_STREQ(tokens, "a|bc|d|");
  EXPECT_STREQ(CString("12.5kg").SpanIncluding("0123456789."), "12.5");
  EXPECT_STREQ(CString("nome=valor").SpanExcluding("=:"), "nome");
}

TEST(CStringTest, BufferTakesWhatWasWritten) {
  CString s("ab");
  char* p = s.GetBuffer(10);
  std::snprintf(p, 11, "%s", "0123456789");
  s.ReleaseBuffer();
  EXPECT_STREQ(s, "0123456789");
  p = s.GetBufferSetLength(4);
  p[3] = 'Z';
  s.ReleaseBuffer(4);
  EXPECT_STREQ(s, "012Z");
  s.GetBuffer()[0] = '\0';
  s.ReleaseBuffer();
  EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringTest, OperatorsConcatenateAndCompare) {
  CString s = CString("a") + "b" + 'c' + CString("d");
  s = "<" + s + ">";
  s += 'x';
  EXPECT_STREQ(s, "<abcd>x");
  EXPECT_TRUE(s == "<abcd>x");
  EXPECT_TRUE("<abcd>x" == s);
  EXPECT_TRUE(CString("abc") < CString("abd"));
  EXPECT_TRUE("b" > CString("a"));
  EXPECT_TRUE(CString("x") != "y");
  EXPECT_STREQ(CString('-', 3), "---");
  EXPECT_STREQ(CString('-', 0), "");
}

TEST(CExceptionTest, ReportErrorHandsTheTextToTheHandler) {
  static CString s_text;
  static UINT s_type = 99;
  const auto previous = AfxSetReportErrorHandler([](const char* text, UINT type) {
    s_text = text;
    s_type = type;
    return 1;
  });
  CInvalidArgException invalid(FALSE);
  EXPECT_EQ(invalid.ReportError(0x30), 1);
  EXPECT_STREQ(s_text, "Encountered an improper argument.");
  EXPECT_EQ(s_type, 0x30u);

  char small[9];
  EXPECT_TRUE(CMemoryException(FALSE).GetErrorMessage(small, sizeof small));
  EXPECT_STREQ(small, "Out of m");
  AfxSetReportErrorHandler(previous);
  EXPECT_EQ(invalid.ReportError(), 0) << "without a handler nothing is shown";
}

}  // namespace

TEST(CStringTest, CodePointsOfUtf8AndBack) {
  struct Case {
    const char* text;
    std::u32string points;
  };
  const Case cases[] = {
      {"ação", U"ação"},
      {"\xF0\x9F\x93\xA6 caixa", U"\U0001F4E6 caixa"},
      {"a\xC0\xAF"
       "b",
       U"a\uFFFD\uFFFDb"},                      // overlong: each byte is replaced
      {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},  // an encoded surrogate
      {"fim\xE2\x82", U"fim\uFFFD\uFFFD"},      // cut inside a character
      {"", U""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToCodePoints(c.text), c.points) << c.text;
    std::string back;
    for (char32_t cp : c.points) Utf8Append(back, cp);
    EXPECT_EQ(Utf8ToCodePoints(back), c.points) << "re-encoded " << c.text;
  }
  std::string surrogate;
  Utf8Append(surrogate, 0xD800);
  EXPECT_EQ(surrogate, "\xEF\xBF\xBD") << "a surrogate code point is written as U+FFFD";
}
