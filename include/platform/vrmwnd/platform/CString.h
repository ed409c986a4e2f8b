// MFC's CString with the semantics of CStringA, holding UTF-8: lengths, indexes and
// Left/Mid/Right count bytes; GetCharCount and the Utf8* helpers count characters
// (code points) and cut texts on character boundaries. Format understands MSVC's
// printf formats (%I64d, %I32d, long as 32 bits) and takes CString arguments.
#pragma once

#include <compare>
#include <cstdarg>
#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/wintypes.h"

using TCHAR = char;
using LPSTR = char*;
using LPCSTR = const char*;
using LPTSTR = char*;
using LPCTSTR = const char*;
#ifndef _T
#define _T(x) x
#endif

class VRMWND_PLATFORM_API CString {
 public:
  CString() = default;
  CString(const char* psz);                   // nullptr gives ""
  CString(const char* pch, int nLength);      // nLength bytes, embedded nulls kept
  CString(char ch, int nRepeat = 1);          // nRepeat < 1 gives ""
  CString(const char16_t* psz);               // UTF-16 (BSTR, OLECHAR*) to UTF-8
  CString(const char16_t* pch, int nLength);  // nLength UTF-16 units
  CString(const CString&) = default;
  CString(CString&&) noexcept = default;
  CString& operator=(const CString&) = default;
  CString& operator=(CString&&) noexcept = default;
  CString& operator=(const char* psz);
  CString& operator=(char ch);
  CString& operator=(const char16_t* psz);

  // printf formatting with MSVC's rules; see the table in printf_format.cpp. A bad format
  // raises CInvalidArgException*. CString arguments may be passed as they are.
  template <typename... Args>
  void Format(const char* pszFormat, const Args&... args) {
    Empty();
    append_format(pszFormat, format_arg(args)...);
  }
  template <typename... Args>
  void AppendFormat(const char* pszFormat, const Args&... args) {
    append_format(pszFormat, format_arg(args)...);
  }
  void FormatV(const char* pszFormat, va_list args);
  void AppendFormatV(const char* pszFormat, va_list args);

  int GetLength() const { return static_cast<int>(data_.size()); }  // bytes
  int GetCharCount() const;                                         // code points
  bool IsEmpty() const { return data_.empty(); }
  void Empty() { data_.clear(); }
  const char* GetString() const { return data_.c_str(); }
  operator LPCTSTR() const { return data_.c_str(); }

  // Byte access. GetAt accepts GetLength() (the terminating null); SetAt and []
  // do not. Out of range raises CInvalidArgException*.
  char GetAt(int iChar) const;
  void SetAt(int iChar, char ch);
  char operator[](int iChar) const { return GetAt(iChar); }

  // Substrings by bytes; counts are clipped to the text, negative ones taken as 0.
  CString Left(int nCount) const;
  CString Mid(int iFirst) const;
  CString Mid(int iFirst, int nCount) const;
  CString Right(int nCount) const;
  CString SpanIncluding(const char* pszCharSet) const;
  CString SpanExcluding(const char* pszCharSet) const;
  // The next token after iStart, skipping leading delimiters; at the end returns ""
  // and sets iStart to -1. Empty tokens are never returned.
  CString Tokenize(const char* pszTokens, int& iStart) const;

  // Byte index of the first match at or after iStart, or -1.
  int Find(char ch, int iStart = 0) const;
  int Find(const char* pszSub, int iStart = 0) const;
  int ReverseFind(char ch) const;

  // Editing; each returns what MFC returns (a count or the new length).
  int Replace(char chOld, char chNew);
  int Replace(const char* pszOld, const char* pszNew);  // "" or nullptr old: 0
  int Remove(char ch);
  int Insert(int iIndex, char ch);
  int Insert(int iIndex, const char* psz);
  int Delete(int iIndex, int nCount = 1);

  // Trimming removes whole characters: whitespace (space, \t, \n, \v, \f, \r), one
  // character, or any character (code point) of a set.
  CString& Trim();
  CString& Trim(char chTarget);
  CString& Trim(const char* pszTargets);
  CString& TrimLeft();
  CString& TrimLeft(char chTarget);
  CString& TrimLeft(const char* pszTargets);
  CString& TrimRight();
  CString& TrimRight(char chTarget);
  CString& TrimRight(const char* pszTargets);

  // Case of ASCII and of the Latin-1 letters (à..þ <-> À..Þ); other text unchanged.
  CString& MakeUpper();
  CString& MakeLower();
  // Reverses the characters (code points), so the UTF-8 stays valid.
  CString& MakeReverse();

  // -1, 0 or 1. Compare is by bytes (code point order); CompareNoCase folds the
  // letters MakeLower folds.
  int Compare(const char* psz) const;
  int CompareNoCase(const char* psz) const;

  CString& operator+=(const CString& str);
  CString& operator+=(const char* psz);
  CString& operator+=(char ch);

  // Writable buffer of at least nMinBufLength bytes plus the null. Until
  // ReleaseBuffer only the buffer may be used. ReleaseBuffer(-1) takes the length
  // up to the first null.
  char* GetBuffer();
  char* GetBuffer(int nMinBufLength);
  char* GetBufferSetLength(int nNewLength);
  void ReleaseBuffer(int nNewLength = -1);
  void FreeExtra() { data_.shrink_to_fit(); }

  friend bool operator==(const CString& a, const CString& b) { return a.data_ == b.data_; }
  friend bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
  friend std::strong_ordering operator<=>(const CString& a, const CString& b) { return a.Compare(b.GetString()) <=> 0; }
  friend std::strong_ordering operator<=>(const CString& a, const char* b) { return a.Compare(b) <=> 0; }

 private:
  template <typename T>
  static auto format_arg(const T& value) {
    if constexpr (std::is_base_of_v<CString, T>) {
      return value.GetString();
    } else if constexpr (std::is_same_v<T, std::string>) {
      return value.c_str();
    } else {
      static_assert(std::is_trivially_copyable_v<std::decay_t<const T&>>, "Format takes scalars, pointers and CString");
      return static_cast<std::decay_t<const T&>>(value);
    }
  }
  void append_format(const char* pszFormat, ...);

  std::string data_;
};

VRMWND_PLATFORM_API CString operator+(const CString& a, const CString& b);
VRMWND_PLATFORM_API CString operator+(const CString& a, const char* b);
VRMWND_PLATFORM_API CString operator+(const char* a, const CString& b);
VRMWND_PLATFORM_API CString operator+(const CString& a, char b);
VRMWND_PLATFORM_API CString operator+(char a, const CString& b);

// Characters (code points) of a UTF-8 text; nullptr counts 0.
VRMWND_PLATFORM_API int Utf8CharCount(const char* psz);
// The code points of a UTF-8 text, and a code point appended as UTF-8. Overlong
// forms, encoded surrogates and truncated sequences decode as U+FFFD, one per bad
// byte, never reading past the text.
VRMWND_PLATFORM_API std::u32string Utf8ToCodePoints(std::string_view text);
VRMWND_PLATFORM_API void Utf8Append(std::string& out, char32_t cp);
// Bytes of the longest prefix of psz[0..nLength) that has at most nMaxBytes bytes
// and ends on a character boundary (for fixed-size fields of binary layouts).
VRMWND_PLATFORM_API std::size_t Utf8PrefixBytes(const char* psz, std::size_t nLength, std::size_t nMaxBytes);
// The text cut to at most nMaxBytes bytes / nMaxChars characters, never inside
// a character.
VRMWND_PLATFORM_API CString Utf8CutToBytes(const char* psz, int nMaxBytes);
VRMWND_PLATFORM_API CString Utf8CutToChars(const char* psz, int nMaxChars);
// UTF-8 to UTF-16 (for BSTR and OLECHAR texts). Invalid bytes become U+FFFD.
VRMWND_PLATFORM_API std::u16string Utf8ToUtf16(const char* psz);
