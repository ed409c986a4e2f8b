// The grid core's sorting of record rows by a column's shown values, the totals
// line's sums and the printing of the visible columns to text.
//
// | shown values (both cells)        | compared as                          |
// |----------------------------------|--------------------------------------|
// | numbers: -1.234,5678             | value (up to 4 decimals, 18 digits)  |
// | dates: dd/mm/yyyy                | date                                 |
// | anything else, or mixed          | text, byte by byte                   |
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "values/utf8.h"
#include "vrmwnd/platform/gxgrid.h"
#include "vrmwnd/platform/wingdi.h"

namespace vrmwnd::platform::detail {
namespace {

// A Brazilian number scaled by 10^4, and how many decimals it was written with.
struct GridNumber {
  std::int64_t scaled = 0;
  int decimals = 0;
};

std::optional<GridNumber> parse_number(const CString& text) {
  const char* p = text.GetString();
  bool negative = false;
  if (*p == '-') {
    negative = true;
    ++p;
  }
  GridNumber number;
  std::int64_t whole = 0;
  int digits = 0;
  for (; *p != '\0' && *p != ','; ++p) {
    if (*p == '.') continue;
    if (*p < '0' || *p > '9' || ++digits > 14) return std::nullopt;
    whole = whole * 10 + (*p - '0');
  }
  std::int64_t fraction = 0;
  if (*p == ',') {
    for (++p; *p != '\0'; ++p) {
      if (*p < '0' || *p > '9' || number.decimals == 4) return std::nullopt;
      fraction = fraction * 10 + (*p - '0');
      ++number.decimals;
    }
    if (number.decimals == 0) return std::nullopt;
  }
  if (digits == 0) return std::nullopt;
  for (int i = number.decimals; i < 4; ++i) fraction *= 10;
  number.scaled = whole * 10000 + fraction;
  if (negative) number.scaled = -number.scaled;
  return number;
}

std::optional<int> parse_date(const CString& text) {
  int day = 0, month = 0, year = 0;
  char tail = 0;
  if (text.GetLength() != 10 || std::sscanf(text.GetString(), "%2d/%2d/%4d%c", &day, &month, &year, &tail) != 3) {
    return std::nullopt;
  }
  if (day < 1 || day > 31 || month < 1 || month > 12) return std::nullopt;
  return year * 10000 + month * 100 + day;
}

int compare_values(const CString& a, const CString& b) {
  if (auto na = parse_number(a), nb = parse_number(b); na && nb)
    return na->scaled < nb->scaled ? -1 : (na->scaled > nb->scaled ? 1 : 0);
  if (auto da = parse_date(a), db = parse_date(b); da && db) return *da < *db ? -1 : (*da > *db ? 1 : 0);
  return a.Compare(b) < 0 ? -1 : (a.Compare(b) > 0 ? 1 : 0);
}

CString format_number(std::int64_t scaled, int decimals) {
  const bool negative = scaled < 0;
  std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
  std::uint64_t whole = magnitude / 10000;
  std::uint64_t fraction = magnitude % 10000;
  CString digits;
  digits.Format("%llu", static_cast<unsigned long long>(whole));
  CString grouped;
  for (int i = 0; i < digits.GetLength(); ++i) {
    if (i > 0 && (digits.GetLength() - i) % 3 == 0) grouped += '.';
    grouped += digits[i];
  }
  if (decimals > 0) {
    CString frac;
    frac.Format("%04llu", static_cast<unsigned long long>(fraction));
    grouped += ',';
    grouped += frac.Left(decimals);
  }
  return negative && magnitude != 0 ? CString("-") + grouped : grouped;
}

// The first `count` characters of a UTF-8 text.
CString left_chars(const CString& text, int count) {
  const char* p = text.GetString();
  int bytes = 0;
  for (int n = 0; p[bytes] != '\0'; ++bytes) {
    if (!utf8_is_continuation(p[bytes]) && n++ == count) break;
  }
  return CString(p, bytes);
}

CString fit(const CString& text, int width, DWORD alignment) {
  const int length = text.GetCharCount();
  if (length >= width) return left_chars(text, width);
  const int pad = width - length;
  if (alignment == DT_RIGHT) return CString(' ', pad) + text;
  if (alignment == DT_CENTER) return CString(' ', pad / 2) + text + CString(' ', pad - pad / 2);
  return text + CString(' ', pad);
}

}  // namespace
}  // namespace vrmwnd::platform::detail

CString CGXGridCore::TotalOf(ROWCOL col) {
  std::int64_t sum = 0;
  int decimals = 0;
  for (ROWCOL row = GetFirstRecordRow(); row <= rows_; ++row) {
    if (auto number = detail::parse_number(GetValueRowCol(row, col))) {
      if (__builtin_add_overflow(sum, number->scaled, &sum)) return "#####";
      decimals = std::max(decimals, number->decimals);
    }
  }
  return detail::format_number(sum, decimals);
}

BOOL CGXGridCore::SortRows(ROWCOL col, BOOL ascending) {
  if (col == 0 || col > cols_) return FALSE;
  const ROWCOL first = GetFirstRecordRow();
  const long current = current_row_ ? GetRecordFromRow(current_row_) : -1;
  std::vector<std::pair<CString, long>> keyed;
  for (ROWCOL row = first; row <= rows_; ++row) keyed.emplace_back(GetValueRowCol(row, col), GetRecordFromRow(row));
  std::stable_sort(keyed.begin(), keyed.end(), [ascending](const auto& a, const auto& b) {
    const int order = detail::compare_values(a.first, b.first);
    return ascending ? order < 0 : order > 0;
  });
  for (std::size_t i = 0; i < keyed.size(); ++i) records_[i] = keyed[i].second;
  sort_col_ = col;
  sort_ascending_ = ascending != FALSE;
  // The current cell keeps its place; when another record now lies under it, the
  // grid tells so as if the cell had moved.
  if (current >= 0 && GetRecordFromRow(current_row_) != current) OnMovedCurrentCell(current_row_, current_col_);
  return TRUE;
}

CString CGXGridCore::PrintToText() {
  CString text;
  for (ROWCOL row = 0; row <= rows_; ++row) {
    CString line;
    for (ROWCOL col = 0; col <= cols_; ++col) {
      if (IsColHidden(col)) continue;
      CGXStyle style;
      ComposeStyleRowCol(row, col, &style);
      const int width = std::max(1, GetColWidth(col) / kFixedCharWidth);
      if (col > 0) line += ' ';
      line += detail::fit(style.GetValue(), width, row == 0 ? DT_LEFT : style.GetHorizontalAlignment());
    }
    line.TrimRight();
    text += line;
    text += '\n';
  }
  return text;
}
