// GetNumberFormatA over the digits of the given text: the fraction is cut to
// NumDigits rounding half away from zero, the integer part grouped by the
// NUMBERFMTA's Grouping and the sign placed by its NegativeOrder.
//
// | NegativeOrder | 0       | 1      | 2       | 3      | 4       |
// |---------------|---------|--------|---------|--------|---------|
// | -1.1 reads    | (1.1)   | -1.1   | - 1.1   | 1.1-   | 1.1 -   |
#include <algorithm>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "vrmwnd/platform/numfmt.h"

namespace detail {
namespace {

constexpr UINT kMaxNumDigits = 9;
constexpr UINT kMaxGrouping = 9999;
constexpr UINT kMaxNegativeOrder = 4;

// "-123.45": sign, integer digits and fraction digits as written.
struct NumberText {
  bool negative = false;
  std::string integer;
  std::string fraction;
};

// Windows takes only digits, at most one '.', and a '-' in the first position.
bool parse_number_text(const char* value, NumberText* number) {
  const char* p = value;
  if (*p == '-') {
    number->negative = true;
    ++p;
  }
  bool in_fraction = false;
  for (; *p; ++p) {
    if (*p >= '0' && *p <= '9') {
      (in_fraction ? number->fraction : number->integer).push_back(*p);
    } else if (*p == '.' && !in_fraction) {
      in_fraction = true;
    } else {
      return false;
    }
  }
  return !number->integer.empty() || !number->fraction.empty();
}

// Adds one unit in the last place of digits, growing it on a carry out.
void increment(std::string* digits) {
  for (auto it = digits->rbegin(); it != digits->rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits->insert(digits->begin(), '1');
}

void round_fraction(NumberText* number, UINT places) {
  if (number->fraction.size() > places) {
    const bool up = number->fraction[places] >= '5';
    number->fraction.resize(places);
    if (up) {
      std::string all = number->integer + number->fraction;
      const std::size_t before = all.size();
      increment(&all);
      const std::size_t integer_size = number->integer.size() + (all.size() - before);
      number->integer = all.substr(0, integer_size);
      number->fraction = all.substr(integer_size);
    }
  }
  number->fraction.resize(places, '0');
  const auto first = number->integer.find_first_not_of('0');
  number->integer.erase(0, first == std::string::npos ? number->integer.size() : first);
}

// Grouping 3 reads 1,234,567; 32 reads 12,34,567 (the last size repeats); a final
// 0 stops the repetition (230 reads 1234,567,89) and 0 alone means no groups.
std::string group(const std::string& integer, UINT grouping, const char* separator) {
  std::vector<std::size_t> sizes;
  for (const char c : std::to_string(grouping)) sizes.push_back(static_cast<std::size_t>(c - '0'));
  bool repeat = true;
  if (sizes.back() == 0) {
    sizes.pop_back();
    repeat = false;
  }
  std::deque<std::string> pieces;
  std::size_t end = integer.size();
  for (std::size_t i = 0; !sizes.empty(); ++i) {
    if (i >= sizes.size() && !repeat) break;
    const std::size_t size = sizes[std::min(i, sizes.size() - 1)];
    if (end <= size) break;
    pieces.push_front(integer.substr(end - size, size));
    end -= size;
  }
  std::string result = integer.substr(0, end);
  for (const auto& piece : pieces) result += separator + piece;
  return result;
}

std::string format_number(NumberText number, const NUMBERFMTA& format) {
  round_fraction(&number, format.NumDigits);
  const bool zero = number.integer.empty() &&
                    number.fraction.find_first_not_of('0') == std::string::npos;
  std::string body = number.integer.empty()
                         ? (format.LeadingZero || format.NumDigits == 0 ? "0" : "")
                         : group(number.integer, format.Grouping, format.lpThousandSep);
  if (format.NumDigits > 0) body += format.lpDecimalSep + number.fraction;
  if (!number.negative || zero) return body;
  switch (format.NegativeOrder) {
    case 0: return "(" + body + ")";
    case 2: return "- " + body;
    case 3: return body + "-";
    case 4: return body + " -";
    default: return "-" + body;
  }
}

bool valid_format(const NUMBERFMTA& format) {
  return format.lpDecimalSep && format.lpThousandSep && format.NumDigits <= kMaxNumDigits &&
         format.Grouping <= kMaxGrouping && format.NegativeOrder <= kMaxNegativeOrder;
}

// The number settings of the locales the suite runs under (1046 for the defaults).
bool locale_format(LCID locale, NUMBERFMTA* format) {
  static char dot[] = ".";
  static char comma[] = ",";
  switch (locale & 0xFFFF) {
    case 0:
    case LOCALE_USER_DEFAULT:
    case LOCALE_SYSTEM_DEFAULT:
    case LCID_PORTUGUESE_BRAZIL:
      *format = {2, 1, 3, comma, dot, 1};
      return true;
    case LCID_ENGLISH_US:
      *format = {2, 1, 3, dot, comma, 1};
      return true;
    default:
      return false;
  }
}

int fail(DWORD error) {
  SetLastError(error);
  return 0;
}

}  // namespace
}  // namespace detail

int GetNumberFormatA(LCID locale, DWORD flags, const char* value, const NUMBERFMTA* format,
                     char* number, int cchNumber) {
  if (cchNumber < 0 || (cchNumber > 0 && !number) || !value) {
    return detail::fail(ERROR_INVALID_PARAMETER);
  }
  NUMBERFMTA settings{};
  if (format) {
    if (flags != 0) return detail::fail(ERROR_INVALID_FLAGS);
    if (!detail::valid_format(*format)) return detail::fail(ERROR_INVALID_PARAMETER);
    settings = *format;
  } else {
    if ((flags & ~LOCALE_NOUSEROVERRIDE) != 0) return detail::fail(ERROR_INVALID_FLAGS);
    if (!detail::locale_format(locale, &settings)) return detail::fail(ERROR_INVALID_PARAMETER);
  }
  detail::NumberText text;
  if (!detail::parse_number_text(value, &text)) return detail::fail(ERROR_INVALID_PARAMETER);
  const std::string result = detail::format_number(text, settings);
  const int needed = static_cast<int>(result.size()) + 1;
  if (cchNumber == 0) return needed;
  if (needed > cchNumber) return detail::fail(ERROR_INSUFFICIENT_BUFFER);
  std::memcpy(number, result.c_str(), static_cast<std::size_t>(needed));
  return needed;
}
