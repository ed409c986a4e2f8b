// CY and DECIMAL to and from text under a locale's separators, as OLEAUT32's
// number parser and VarBstrFrom* do it: the parser takes blanks, a sign or
// parentheses, the currency symbol, thousands separators in the integer part, one
// decimal separator and an exponent; the text out is plain ("-1234.5").
#include <cstdint>
#include <string>

#include "oleauto_detail.h"

using detail::u128;

namespace {

// value = digits x 10^exponent, digits without leading zeros.
struct ParsedNumber {
  std::string digits;
  long exponent = 0;
  bool negative = false;
};

bool is_blank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == 0x00A0;
}

bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool starts_with(const char16_t* text, const char16_t* prefix) {
  while (*prefix) {
    if (*text++ != *prefix++) return false;
  }
  return true;
}

std::size_t length_of(const char16_t* text) {
  std::size_t n = 0;
  while (text[n]) ++n;
  return n;
}

// What may stand before or after the digits: blanks, one sign, the currency
// symbol, and an opening parenthesis before / the closing one after.
struct Affixes {
  bool sign_seen = false;
  bool currency_seen = false;
  int parens = 0;  // 1 after '(', 2 after the matching ')'
};

const char16_t* skip_affixes(const char16_t* p, const detail::LocaleSeparators& seps, bool leading, Affixes* affixes,
                             ParsedNumber* number) {
  for (;;) {
    if (is_blank(*p)) {
      ++p;
    } else if ((*p == u'+' || *p == u'-') && !affixes->sign_seen) {
      affixes->sign_seen = true;
      number->negative = *p == u'-';
      ++p;
    } else if (!affixes->currency_seen && starts_with(p, seps.currency)) {
      affixes->currency_seen = true;
      p += length_of(seps.currency);
    } else if (leading && *p == u'(' && affixes->parens == 0) {
      affixes->parens = 1;
      ++p;
    } else if (!leading && *p == u')' && affixes->parens == 1) {
      affixes->parens = 2;
      ++p;
    } else {
      return p;
    }
  }
}

const char16_t* read_exponent(const char16_t* p, long* exponent) {
  const char16_t* start = p;
  bool negative = false;
  if (*p == u'+' || *p == u'-') negative = *p++ == u'-';
  if (!is_digit(*p)) return start - 1;  // "1e" is not a number: leave the 'e' unread
  long value = 0;
  for (; is_digit(*p); ++p) {
    if (value < 100'000) value = value * 10 + (*p - u'0');
  }
  *exponent += negative ? -value : value;
  return p;
}

bool parse_number(const char16_t* text, const detail::LocaleSeparators& seps, ParsedNumber* number) {
  Affixes affixes;
  const char16_t* p = skip_affixes(text, seps, true, &affixes, number);
  bool any_digit = false;
  bool in_fraction = false;
  for (;; ++p) {
    if (is_digit(*p)) {
      any_digit = true;
      if (!number->digits.empty() || *p != u'0') number->digits.push_back(static_cast<char>(*p));
      if (in_fraction) --number->exponent;
    } else if (*p == seps.thousand && any_digit && !in_fraction) {
      continue;
    } else if (*p == seps.decimal && !in_fraction) {
      in_fraction = true;
    } else {
      break;
    }
  }
  if (!any_digit) return false;
  if (*p == u'e' || *p == u'E') p = read_exponent(p + 1, &number->exponent);
  p = skip_affixes(p, seps, false, &affixes, number);
  if (*p != 0 || affixes.parens == 1) return false;
  if (affixes.parens == 2) {
    if (number->negative) return false;
    number->negative = true;
  }
  return true;
}

// Rounds digits x 10^(exponent + 4) half to even into a CY.
HRESULT cy_from_parsed(const ParsedNumber& number, CY* out) {
  const long places = number.exponent + 4;
  const long count = static_cast<long>(number.digits.size());
  if (count == 0 || count + places < 0) {
    out->int64 = 0;
    return S_OK;
  }
  if (count + places > 19) return DISP_E_OVERFLOW;
  const long kept = count + places;  // digits before the fourth place
  u128 magnitude = 0;
  for (long i = 0; i < kept && i < count; ++i) {
    magnitude = magnitude * 10 + static_cast<unsigned>(number.digits[i] - '0');
  }
  for (long i = count; i < kept; ++i) magnitude *= 10;
  if (kept < count) {
    const int first_dropped = number.digits[kept] - '0';
    bool rest = false;
    for (long i = kept + 1; i < count; ++i) rest = rest || number.digits[i] != '0';
    if (first_dropped > 5 || (first_dropped == 5 && (rest || (magnitude & 1) != 0))) ++magnitude;
  }
  constexpr u128 kMaxPositive = static_cast<u128>(INT64_MAX);
  if (magnitude > kMaxPositive + (number.negative ? 1 : 0)) return DISP_E_OVERFLOW;
  out->int64 =
      number.negative ? static_cast<LONGLONG>(-static_cast<__int128>(magnitude)) : static_cast<LONGLONG>(magnitude);
  return S_OK;
}

HRESULT bstr_from_plain_text(u128 magnitude, int scale, bool negative, char16_t decimal, BSTR* out) {
  char16_t buffer[detail::kPlainTextCapacity];
  char16_t* const end = buffer + detail::kPlainTextCapacity;
  const char16_t* text = detail::write_plain_text(magnitude, scale, negative, decimal, end);
  *out = SysAllocStringLen(text, static_cast<UINT>(end - text));
  return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

HRESULT VarCyFromStr(LPCOLESTR in, LCID lcid, ULONG /*flags*/, CY* out) {
  if (!out) return E_INVALIDARG;
  detail::LocaleSeparators seps{};
  if (!detail::locale_separators(lcid, &seps)) return E_INVALIDARG;
  ParsedNumber number;
  if (!in || !parse_number(in, seps, &number)) return DISP_E_TYPEMISMATCH;
  return cy_from_parsed(number, out);
}

HRESULT VarBstrFromCy(CY in, LCID lcid, ULONG /*flags*/, BSTR* out) {
  if (!out) return E_INVALIDARG;
  detail::LocaleSeparators seps{};
  if (!detail::locale_separators(lcid, &seps)) return E_INVALIDARG;
  const bool negative = in.int64 < 0;
  const auto magnitude = static_cast<u128>(negative ? -static_cast<__int128>(in.int64) : in.int64);
  return bstr_from_plain_text(magnitude, 4, negative, seps.decimal, out);
}

HRESULT VarBstrFromDec(const DECIMAL* in, LCID lcid, ULONG /*flags*/, BSTR* out) {
  if (!in || !out || in->scale > DECIMAL_MAX_SCALE) return E_INVALIDARG;
  detail::LocaleSeparators seps{};
  if (!detail::locale_separators(lcid, &seps)) return E_INVALIDARG;
  const detail::Decimal value = detail::unpack(*in);
  return bstr_from_plain_text(value.magnitude, value.scale, value.negative, seps.decimal, out);
}
