// GetNumberFormatA over the digits of the given text: the fraction is cut to
// NumDigits rounding half away from zero, the integer part grouped by the
// NUMBERFMTA's Grouping and the sign placed by its NegativeOrder.
//
// | NegativeOrder | 0       | 1      | 2       | 3      | 4       |
// |---------------|---------|--------|---------|--------|---------|
// | -1.1 reads    | (1.1)   | -1.1   | - 1.1   | 1.1-   | 1.1 -   |
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "vrmwnd/platform/numfmt.h"

#include "oleauto/oleauto_detail.h"

namespace vrmwnd::platform::detail {
namespace {

constexpr UINT kMaxNumDigits = 9;
constexpr UINT kMaxGrouping = 9999;
constexpr UINT kMaxNegativeOrder = 4;

// "-123.45": sign, integer digits and fraction digits as written, pointing into
// the caller's text.
struct NumberText {
  bool negative = false;
  std::string_view integer;
  std::string_view fraction;
};

// Windows takes only digits, at most one '.', and a '-' in the first position.
bool parse_number_text(const char* value, NumberText* number) {
  const char* p = value;
  if (*p == '-') {
    number->negative = true;
    ++p;
  }
  const char* integer = p;
  while (*p >= '0' && *p <= '9') ++p;
  number->integer = std::string_view(integer, static_cast<std::size_t>(p - integer));
  if (*p == '.') {
    const char* fraction = ++p;
    while (*p >= '0' && *p <= '9') ++p;
    number->fraction = std::string_view(fraction, static_cast<std::size_t>(p - fraction));
  }
  if (*p != 0) return false;
  return !number->integer.empty() || !number->fraction.empty();
}

// The digits kept: integer digits without leading zeros and exactly `places`
// fraction digits, the first dropped digit rounding half away from zero.
struct RoundedNumber {
  std::string digits;  // integer digits followed by the fraction digits
  std::size_t integer_size = 0;
};

RoundedNumber round_fraction(const NumberText& number, UINT places) {
  RoundedNumber rounded;
  std::string& all = rounded.digits;
  const std::size_t kept = std::min<std::size_t>(number.fraction.size(), places);
  all.reserve(number.integer.size() + places + 1);
  all.append(number.integer).append(number.fraction.substr(0, kept));
  std::size_t integer_size = number.integer.size();
  if (number.fraction.size() > places && number.fraction[places] >= '5') {
    auto it = all.rbegin();
    for (; it != all.rend() && *it == '9'; ++it) *it = '0';
    if (it != all.rend()) {
      ++*it;
    } else {
      all.insert(all.begin(), '1');
      ++integer_size;
    }
  }
  all.append(places - kept, '0');
  const std::size_t leading = all.find_first_not_of('0');
  const std::size_t zeros = std::min(leading == std::string::npos ? all.size() : leading, integer_size);
  all.erase(0, zeros);
  rounded.integer_size = integer_size - zeros;
  return rounded;
}

// Grouping 3 reads 1,234,567; 32 reads 12,34,567 (the last size repeats); a final
// 0 stops the repetition (230 reads 1234,567,89) and 0 alone means no groups.
void append_grouped(std::string_view integer, UINT grouping, const char* separator, std::string* out) {
  std::size_t sizes[4];  // the digits of grouping, at most 9999
  std::size_t count = 0;
  for (UINT rest = grouping; count == 0 || rest != 0; rest /= 10) sizes[count++] = rest % 10;
  std::reverse(sizes, sizes + count);
  bool repeat = true;
  if (sizes[count - 1] == 0) {
    --count;
    repeat = false;
  }
  // Groups are cut from the right: first the listed sizes, then the last repeated.
  std::size_t end = integer.size();
  std::size_t listed = 0;
  std::size_t repeated = 0;
  for (std::size_t i = 0; count != 0; ++i) {
    if (i >= count && !repeat) break;
    const std::size_t size = sizes[std::min(i, count - 1)];
    if (end <= size) break;
    end -= size;
    (i < count ? listed : repeated) += 1;
  }
  out->append(integer.substr(0, end));
  for (std::size_t g = 0; g < repeated + listed; ++g) {
    const std::size_t size = g < repeated ? sizes[count - 1] : sizes[listed - 1 - (g - repeated)];
    out->append(separator).append(integer.substr(end, size));
    end += size;
  }
}

std::string format_number(const NumberText& number, const NUMBERFMTA& format) {
  const RoundedNumber rounded = round_fraction(number, format.NumDigits);
  const std::string_view digits = rounded.digits;
  const std::string_view integer = digits.substr(0, rounded.integer_size);
  const std::string_view fraction = digits.substr(rounded.integer_size);
  const bool negative = number.negative && digits.find_first_not_of('0') != std::string::npos;
  const int order = negative ? static_cast<int>(format.NegativeOrder) : -1;
  std::string out;
  if (order == 0) out += '(';
  if (order == 1) out += '-';
  if (order == 2) out += "- ";
  if (integer.empty()) {
    if (format.LeadingZero || format.NumDigits == 0) out += '0';
  } else {
    append_grouped(integer, format.Grouping, format.lpThousandSep, &out);
  }
  if (format.NumDigits > 0) out.append(format.lpDecimalSep).append(fraction);
  if (order == 0) out += ')';
  if (order == 3) out += '-';
  if (order == 4) out += " -";
  return out;
}

bool valid_format(const NUMBERFMTA& format) {
  return format.lpDecimalSep && format.lpThousandSep && format.NumDigits <= kMaxNumDigits &&
         format.Grouping <= kMaxGrouping && format.NegativeOrder <= kMaxNegativeOrder;
}

// The number settings of the locales the suite runs under, with the separators the
// automation routines use for them.
bool locale_format(LCID locale, NUMBERFMTA* format) {
  static char dot[] = ".";
  static char comma[] = ",";
  LocaleSeparators separators;
  if (!locale_separators(locale, &separators)) return false;
  const bool decimal_comma = separators.decimal == u',';
  *format = {2, 1, 3, decimal_comma ? comma : dot, decimal_comma ? dot : comma, 1};
  return true;
}

int fail(DWORD error) {
  SetLastError(error);
  return 0;
}

}  // namespace
}  // namespace vrmwnd::platform::detail

int GetNumberFormatA(LCID locale, DWORD flags, const char* value, const NUMBERFMTA* format, char* number,
                     int cchNumber) {
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
