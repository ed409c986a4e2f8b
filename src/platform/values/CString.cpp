// CString: construction and conversion from UTF-16, byte access and substrings,
// searching, editing, trimming, case and comparison, buffers, and the UTF-8 helpers
// that count and cut by characters.
#include "vrmwnd/platform/CString.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

#include "printf_format.h"
#include "utf8.h"
#include "vrmwnd/platform/CException.h"

namespace {

int sign_of(int value) { return (value > 0) - (value < 0); }

int clamp_index(int value, int length) { return std::clamp(value, 0, length); }

std::size_t length_of16(const char16_t* text) {
  std::size_t n = 0;
  if (text) {
    while (text[n]) ++n;
  }
  return n;
}

// Latin-1 letters in UTF-8 are C3 80..C3 9E (upper, but not C3 97 ×) and C3 A0..C3 BE
// (lower, but not C3 B7 ÷); their case differs by 0x20 in the second byte.
enum class Case { kUpper, kLower };

void change_case(std::string& text, Case to) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto& c = reinterpret_cast<unsigned char&>(text[i]);
    if (to == Case::kUpper && c >= 'a' && c <= 'z') c -= 0x20;
    if (to == Case::kLower && c >= 'A' && c <= 'Z') c += 0x20;
    if (c != 0xC3 || i + 1 >= text.size()) continue;
    auto& next = reinterpret_cast<unsigned char&>(text[++i]);
    if (to == Case::kUpper && next >= 0xA0 && next <= 0xBE && next != 0xB7) next -= 0x20;
    if (to == Case::kLower && next >= 0x80 && next <= 0x9E && next != 0x97) next += 0x20;
  }
}

std::vector<char32_t> code_points(std::string_view text) {
  std::vector<char32_t> out;
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t size = 0;
    out.push_back(detail::utf8_decode(text, pos, &size));
    pos += size;
  }
  return out;
}

bool is_space(char32_t c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Bytes at the start of text made of characters that `in_set` accepts.
template <typename Pred>
std::size_t leading_span(std::string_view text, Pred in_set) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t size = 0;
    if (!in_set(detail::utf8_decode(text, pos, &size))) break;
    pos += size;
  }
  return pos;
}

// Start of the character that ends at `end`; a byte that does not end a well-formed
// character stands alone.
std::size_t char_start_before(std::string_view text, std::size_t end) {
  std::size_t start = end - 1;
  while (start > 0 && detail::utf8_is_continuation(text[start]) && end - start < 4) --start;
  std::size_t size = 0;
  detail::utf8_decode(text, start, &size);
  return start + size == end ? start : end - 1;
}

// Bytes at the end of text made of characters that `in_set` accepts.
template <typename Pred>
std::size_t trailing_span(std::string_view text, Pred in_set) {
  std::size_t end = text.size();
  while (end > 0) {
    const std::size_t start = char_start_before(text, end);
    std::size_t size = 0;
    if (!in_set(detail::utf8_decode(text, start, &size))) break;
    end = start;
  }
  return text.size() - end;
}

struct CharSet {
  std::vector<char32_t> chars;
  bool operator()(char32_t c) const { return std::find(chars.begin(), chars.end(), c) != chars.end(); }
};

CharSet set_of(const char* targets) { return {code_points(targets ? targets : "")}; }

}  // namespace

CString::CString(const char* psz) : data_(psz ? psz : "") {}

CString::CString(const char* pch, int nLength) {
  if (nLength < 0 || (!pch && nLength > 0)) AfxThrowInvalidArgException();
  if (nLength > 0) data_.assign(pch, static_cast<std::size_t>(nLength));
}

CString::CString(char ch, int nRepeat) : data_(static_cast<std::size_t>(std::max(nRepeat, 0)), ch) {}

CString::CString(const char16_t* psz) : data_(detail::utf16_to_utf8(psz, length_of16(psz))) {}

CString::CString(const char16_t* pch, int nLength) {
  if (nLength < 0 || (!pch && nLength > 0)) AfxThrowInvalidArgException();
  if (nLength > 0) data_ = detail::utf16_to_utf8(pch, static_cast<std::size_t>(nLength));
}

CString& CString::operator=(const char* psz) {
  data_ = psz ? psz : "";
  return *this;
}

CString& CString::operator=(char ch) {
  data_.assign(1, ch);
  return *this;
}

CString& CString::operator=(const char16_t* psz) {
  data_ = detail::utf16_to_utf8(psz, length_of16(psz));
  return *this;
}

void CString::FormatV(const char* pszFormat, va_list args) {
  std::string out;
  detail::format_append(out, pszFormat, args);
  data_.swap(out);
}

void CString::AppendFormatV(const char* pszFormat, va_list args) { detail::format_append(data_, pszFormat, args); }

void CString::append_format(const char* pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  try {
    detail::format_append(data_, pszFormat, args);
  } catch (...) {
    va_end(args);
    throw;
  }
  va_end(args);
}

int CString::GetCharCount() const { return Utf8CharCount(data_.c_str()); }

char CString::GetAt(int iChar) const {
  if (iChar < 0 || iChar > GetLength()) AfxThrowInvalidArgException();
  return data_.c_str()[iChar];
}

void CString::SetAt(int iChar, char ch) {
  if (iChar < 0 || iChar >= GetLength()) AfxThrowInvalidArgException();
  data_[static_cast<std::size_t>(iChar)] = ch;
}

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Mid(int iFirst) const { return Mid(iFirst, GetLength()); }

CString CString::Mid(int iFirst, int nCount) const {
  const int first = clamp_index(iFirst, GetLength());
  const int count = std::clamp(nCount, 0, GetLength() - first);
  return CString(data_.data() + first, count);
}

CString CString::Right(int nCount) const {
  const int count = clamp_index(nCount, GetLength());
  return Mid(GetLength() - count, count);
}

CString CString::SpanIncluding(const char* pszCharSet) const {
  return Left(static_cast<int>(leading_span(data_, set_of(pszCharSet))));
}

CString CString::SpanExcluding(const char* pszCharSet) const {
  const CharSet set = set_of(pszCharSet);
  return Left(static_cast<int>(leading_span(data_, [&](char32_t c) { return !set(c); })));
}

CString CString::Tokenize(const char* pszTokens, int& iStart) const {
  if (iStart < 0) AfxThrowInvalidArgException();
  if (iStart < GetLength()) {
    if (!pszTokens || !*pszTokens) return Mid(iStart);
    const CharSet set = set_of(pszTokens);
    const std::string_view rest = std::string_view(data_).substr(static_cast<std::size_t>(iStart));
    const std::size_t skip = leading_span(rest, set);
    if (skip < rest.size()) {
      const std::size_t token = leading_span(rest.substr(skip), [&](char32_t c) { return !set(c); });
      const int from = iStart + static_cast<int>(skip);
      iStart = from + static_cast<int>(token) + 1;
      return Mid(from, static_cast<int>(token));
    }
  }
  iStart = -1;
  return CString();
}

int CString::Find(char ch, int iStart) const {
  if (iStart < 0 || iStart >= GetLength()) return -1;
  const auto pos = data_.find(ch, static_cast<std::size_t>(iStart));
  return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const char* pszSub, int iStart) const {
  if (!pszSub || iStart < 0 || iStart > GetLength()) return -1;
  const auto pos = data_.find(pszSub, static_cast<std::size_t>(iStart));
  return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const {
  const auto pos = data_.rfind(ch);
  return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Replace(char chOld, char chNew) {
  int count = 0;
  for (char& c : data_) {
    if (c == chOld) {
      c = chNew;
      ++count;
    }
  }
  return count;
}

int CString::Replace(const char* pszOld, const char* pszNew) {
  if (!pszOld || !*pszOld) return 0;
  const std::string_view old_text(pszOld);
  const std::string_view new_text(pszNew ? pszNew : "");
  std::string out;
  int count = 0;
  std::size_t from = 0;
  for (std::size_t pos; (pos = data_.find(old_text, from)) != std::string::npos;) {
    out.append(data_, from, pos - from).append(new_text);
    from = pos + old_text.size();
    ++count;
  }
  if (count > 0) data_ = out.append(data_, from);
  return count;
}

int CString::Remove(char ch) {
  const auto old_size = data_.size();
  std::erase(data_, ch);
  return static_cast<int>(old_size - data_.size());
}

int CString::Insert(int iIndex, char ch) { return Insert(iIndex, CString(ch).GetString()); }

int CString::Insert(int iIndex, const char* psz) {
  data_.insert(static_cast<std::size_t>(clamp_index(iIndex, GetLength())), psz ? psz : "");
  return GetLength();
}

int CString::Delete(int iIndex, int nCount) {
  const int first = clamp_index(iIndex, GetLength());
  const int count = std::clamp(nCount, 0, GetLength() - first);
  data_.erase(static_cast<std::size_t>(first), static_cast<std::size_t>(count));
  return GetLength();
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(char chTarget) { return TrimRight(chTarget).TrimLeft(chTarget); }
CString& CString::Trim(const char* pszTargets) { return TrimRight(pszTargets).TrimLeft(pszTargets); }

CString& CString::TrimLeft() {
  data_.erase(0, leading_span(data_, is_space));
  return *this;
}

CString& CString::TrimLeft(char chTarget) {
  data_.erase(0, std::min(data_.find_first_not_of(chTarget), data_.size()));
  return *this;
}

CString& CString::TrimLeft(const char* pszTargets) {
  data_.erase(0, leading_span(data_, set_of(pszTargets)));
  return *this;
}

CString& CString::TrimRight() {
  data_.resize(data_.size() - trailing_span(data_, is_space));
  return *this;
}

CString& CString::TrimRight(char chTarget) {
  const auto last = data_.find_last_not_of(chTarget);
  data_.resize(last == std::string::npos ? 0 : last + 1);
  return *this;
}

CString& CString::TrimRight(const char* pszTargets) {
  data_.resize(data_.size() - trailing_span(data_, set_of(pszTargets)));
  return *this;
}

CString& CString::MakeUpper() {
  change_case(data_, Case::kUpper);
  return *this;
}

CString& CString::MakeLower() {
  change_case(data_, Case::kLower);
  return *this;
}

CString& CString::MakeReverse() {
  std::string out;
  out.reserve(data_.size());
  for (std::size_t end = data_.size(); end > 0;) {
    const std::size_t start = char_start_before(data_, end);
    out.append(data_, start, end - start);
    end = start;
  }
  data_.swap(out);
  return *this;
}

int CString::Compare(const char* psz) const {
  const std::string_view other(psz ? psz : "");
  return sign_of(std::string_view(data_).compare(other));
}

int CString::CompareNoCase(const char* psz) const {
  std::string a = data_;
  std::string b = psz ? psz : "";
  change_case(a, Case::kLower);
  change_case(b, Case::kLower);
  return sign_of(a.compare(b));
}

CString& CString::operator+=(const CString& str) {
  data_ += str.data_;
  return *this;
}

CString& CString::operator+=(const char* psz) {
  data_ += psz ? psz : "";
  return *this;
}

CString& CString::operator+=(char ch) {
  data_ += ch;
  return *this;
}

char* CString::GetBuffer() { return data_.data(); }

char* CString::GetBuffer(int nMinBufLength) {
  if (nMinBufLength < 0) AfxThrowInvalidArgException();
  if (static_cast<std::size_t>(nMinBufLength) > data_.size()) {
    data_.resize(static_cast<std::size_t>(nMinBufLength));
  }
  return data_.data();
}

char* CString::GetBufferSetLength(int nNewLength) {
  if (nNewLength < 0) AfxThrowInvalidArgException();
  data_.resize(static_cast<std::size_t>(nNewLength));
  return data_.data();
}

void CString::ReleaseBuffer(int nNewLength) {
  if (nNewLength < 0) {
    data_.resize(std::strlen(data_.c_str()));
  } else {
    data_.resize(std::min(static_cast<std::size_t>(nNewLength), data_.size()));
  }
}

CString operator+(const CString& a, const CString& b) { return CString(a) += b; }
CString operator+(const CString& a, const char* b) { return CString(a) += b; }
CString operator+(const char* a, const CString& b) { return CString(a) += b; }
CString operator+(const CString& a, char b) { return CString(a) += b; }
CString operator+(char a, const CString& b) { return CString(a) += b; }

int Utf8CharCount(const char* psz) {
  int count = 0;
  for (const char* p = psz ? psz : ""; *p; ++p) count += detail::utf8_is_continuation(*p) ? 0 : 1;
  return count;
}

std::u32string Utf8ToCodePoints(std::string_view text) {
  std::u32string points;
  for (std::size_t pos = 0, size = 0; pos < text.size(); pos += size) points += detail::utf8_decode(text, pos, &size);
  return points;
}

void Utf8Append(std::string& out, char32_t cp) { detail::utf8_append(out, cp); }

std::size_t Utf8PrefixBytes(const char* psz, std::size_t nLength, std::size_t nMaxBytes) {
  if (!psz || nLength <= nMaxBytes) return psz ? nLength : 0;
  std::size_t end = nMaxBytes;
  while (end > 0 && detail::utf8_is_continuation(psz[end])) --end;
  return end;
}

CString Utf8CutToBytes(const char* psz, int nMaxBytes) {
  const std::size_t length = psz ? std::strlen(psz) : 0;
  const auto bytes = Utf8PrefixBytes(psz, length, static_cast<std::size_t>(std::max(nMaxBytes, 0)));
  return CString(psz, static_cast<int>(bytes));
}

CString Utf8CutToChars(const char* psz, int nMaxChars) {
  if (!psz || nMaxChars <= 0) return CString();
  std::size_t end = 0;
  int chars = 0;
  for (; psz[end]; ++end) {
    if (!detail::utf8_is_continuation(psz[end]) && chars++ == nMaxChars) break;
  }
  return CString(psz, static_cast<int>(end));
}

std::u16string Utf8ToUtf16(const char* psz) { return detail::utf8_to_utf16(psz ? psz : ""); }
