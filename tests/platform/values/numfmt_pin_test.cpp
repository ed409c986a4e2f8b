// GetNumberFormatA pinned against a straightforward string-by-string formatter
// over random number texts and formats: long carries, leading zeros, every
// grouping shape, negative orders and multi-character separators.
#include <algorithm>
#include <deque>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "vrmwnd/platform/numfmt.h"

namespace {

// The formatter written the plain way: one string per step.
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
  const bool zero = number.integer.empty() && number.fraction.find_first_not_of('0') == std::string::npos;
  std::string body = number.integer.empty() ? (format.LeadingZero || format.NumDigits == 0 ? "0" : "")
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

std::string ReferenceFormat(const char* value, const NUMBERFMTA& format) {
  NumberText number;
  if (!parse_number_text(value, &number)) return "invalid";
  return format_number(number, format);
}

std::string RandomDigits(std::mt19937_64& rng, std::size_t most) {
  static constexpr char kBiased[] = "0123456789995500";
  std::string digits(rng() % (most + 1), '0');
  for (char& c : digits) c = kBiased[rng() % (sizeof kBiased - 1)];
  return digits;
}

TEST(NumberFormatPinTest, MatchesTheStringByStringFormatter) {
  std::mt19937_64 rng(1046);
  char kComma[] = ",";
  char kDot[] = ".";
  char kLong[] = "<sep>";
  char* const kSeparators[] = {kComma, kDot, kLong};
  constexpr UINT kGroupings[] = {0, 3, 32, 230, 1200, 3020, 9999, 1, 10, 302, 21};
  for (int i = 0; i < 50'000; ++i) {
    std::string text = rng() % 3 == 0 ? "-" : "";
    text += RandomDigits(rng, 14);
    if (rng() % 4 != 0) text += "." + RandomDigits(rng, 12);
    if (rng() % 50 == 0) text.insert(rng() % (text.size() + 1), 1, "x.-"[rng() % 3]);
    const NUMBERFMTA format{
        static_cast<UINT>(rng() % 10), static_cast<UINT>(rng() % 2), kGroupings[rng() % std::size(kGroupings)],
        kSeparators[rng() % 3],        kSeparators[rng() % 3],       static_cast<UINT>(rng() % 5)};
    char buffer[128] = {};
    const int written = GetNumberFormatA(0, 0, text.c_str(), &format, buffer, sizeof buffer);
    ASSERT_EQ(written == 0 ? std::string("invalid") : std::string(buffer), ReferenceFormat(text.c_str(), format))
        << "\"" << text << "\" digits=" << format.NumDigits << " grouping=" << format.Grouping
        << " order=" << format.NegativeOrder;
  }
}

}  // namespace
