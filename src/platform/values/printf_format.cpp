// printf formatting as MSVC's C library does it, over the C library of this system.
// Each conversion is read with the argument type MSVC gives it and printed alone.
//
// | size prefix      | integer argument read as            | note                  |
// |------------------|-------------------------------------|-----------------------|
// | (none), l, I32   | int / unsigned int (32 bits)        | long is 32 bits       |
// | hh, h            | char / short                        |                       |
// | ll, I64          | long long / unsigned long long      |                       |
// | I, z, t          | ptrdiff_t / size_t                  |                       |
// | j                | intmax_t / uintmax_t                |                       |
// | L (e, f, g, a)   | long double                         |                       |
// | l, w (c, s); C, S| UTF-16 char / string, as UTF-8      |                       |
//
// %s width and precision count characters (code points), never bytes, and a null
// string prints "(null)". %p prints 16 upper-case hex digits. %n and unknown
// conversions are refused.
#include "printf_format.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "utf8.h"
#include "vrmwnd/platform/CException.h"

namespace vrmwnd::platform::detail {

namespace {

struct ArgList {
  va_list ap;
};

enum class Size { kDefault, kChar, kShort, kLongLong, kPtr, kMax, kLongDouble, kWide };

struct Conversion {
  std::string flags;
  int width = 0;
  int precision = -1;  // -1: none
  Size size = Size::kDefault;
  char type = 0;
};

int read_number(const char*& p) {
  long long n = 0;
  while (*p >= '0' && *p <= '9') {
    n = n * 10 + (*p++ - '0');
    if (n > 100'000'000) AfxThrowInvalidArgException();
  }
  return static_cast<int>(n);
}

Size read_size(const char*& p) {
  struct Prefix {
    const char* text;
    Size size;
  };
  static constexpr Prefix kPrefixes[] = {
      {"I64", Size::kLongLong}, {"I32", Size::kDefault}, {"hh", Size::kChar},      {"ll", Size::kLongLong},
      {"h", Size::kShort},      {"l", Size::kWide},      {"I", Size::kPtr},        {"z", Size::kPtr},
      {"t", Size::kPtr},        {"j", Size::kMax},       {"L", Size::kLongDouble}, {"w", Size::kWide},
  };
  for (const auto& prefix : kPrefixes) {
    const std::size_t n = std::strlen(prefix.text);
    if (std::strncmp(p, prefix.text, n) == 0) {
      p += n;
      return prefix.size;
    }
  }
  return Size::kDefault;
}

// Parses the conversion after '%'; p is left after the conversion character.
Conversion parse_conversion(const char*& p, ArgList& args) {
  Conversion conv;
  while (*p && std::strchr("-+ #0", *p)) conv.flags += *p++;
  if (*p == '*') {
    ++p;
    const int width = va_arg(args.ap, int);
    if (width < 0) conv.flags += '-';
    conv.width = width < 0 ? -width : width;
  } else {
    conv.width = read_number(p);
  }
  if (*p == '.') {
    ++p;
    if (*p == '*') {
      ++p;
      const int precision = va_arg(args.ap, int);
      conv.precision = precision < 0 ? -1 : precision;
    } else {
      conv.precision = read_number(p);
    }
  }
  conv.size = read_size(p);
  if (*p == 0 || !std::strchr("diouxXcCsSeEfFgGaAp", *p)) AfxThrowInvalidArgException();
  conv.type = *p++;
  return conv;
}

std::string c_format(const Conversion& conv, const char* size) {
  std::string s(1, '%');
  s += conv.flags;
  if (conv.width > 0) s += std::to_string(conv.width);
  if (conv.precision >= 0) {
    s += '.';
    s += std::to_string(conv.precision);
  }
  return s + size + conv.type;
}

template <typename T>
void append_c(std::string& out, const std::string& format, T value) {
  char buffer[128];
  const int n = std::snprintf(buffer, sizeof buffer, format.c_str(), value);
  if (n < 0) AfxThrowInvalidArgException();
  if (static_cast<std::size_t>(n) < sizeof buffer) {
    out.append(buffer, static_cast<std::size_t>(n));
    return;
  }
  std::string big(static_cast<std::size_t>(n) + 1, '\0');
  std::snprintf(big.data(), big.size(), format.c_str(), value);
  out.append(big.data(), static_cast<std::size_t>(n));
}

void append_integer(std::string& out, const Conversion& conv, ArgList& args) {
  const std::string format = c_format(conv, "ll");
  if (conv.type == 'd' || conv.type == 'i') {
    long long v = 0;
    switch (conv.size) {
      case Size::kChar: v = static_cast<signed char>(va_arg(args.ap, int)); break;
      case Size::kShort: v = static_cast<short>(va_arg(args.ap, int)); break;
      case Size::kLongLong: v = va_arg(args.ap, long long); break;
      case Size::kPtr: v = va_arg(args.ap, std::ptrdiff_t); break;
      case Size::kMax: v = va_arg(args.ap, std::intmax_t); break;
      default: v = va_arg(args.ap, int); break;
    }
    append_c(out, format, v);
    return;
  }
  unsigned long long v = 0;
  switch (conv.size) {
    case Size::kChar: v = static_cast<unsigned char>(va_arg(args.ap, unsigned)); break;
    case Size::kShort: v = static_cast<unsigned short>(va_arg(args.ap, unsigned)); break;
    case Size::kLongLong: v = va_arg(args.ap, unsigned long long); break;
    case Size::kPtr: v = va_arg(args.ap, std::size_t); break;
    case Size::kMax: v = va_arg(args.ap, std::uintmax_t); break;
    default: v = va_arg(args.ap, unsigned); break;
  }
  append_c(out, format, v);
}

// Pads text to the width in characters: right-justified unless the '-' flag.
void append_padded(std::string& out, const Conversion& conv, std::string_view text) {
  std::size_t chars = 0;
  for (char c : text) chars += utf8_is_continuation(c) ? 0 : 1;
  const std::size_t width = static_cast<std::size_t>(conv.width);
  const std::size_t pad = width > chars ? width - chars : 0;
  const bool left = conv.flags.find('-') != std::string::npos;
  if (!left) out.append(pad, ' ');
  out.append(text);
  if (left) out.append(pad, ' ');
}

void append_string(std::string& out, const Conversion& conv, ArgList& args) {
  const bool wide = conv.type == 'S' || conv.size == Size::kWide;
  std::string text;
  if (wide) {
    const char16_t* p = va_arg(args.ap, const char16_t*);
    if (p) {
      std::size_t n = 0;
      while (p[n]) ++n;
      text = utf16_to_utf8(p, n);
    } else {
      text = "(null)";
    }
  } else {
    const char* p = va_arg(args.ap, const char*);
    text = p ? p : "(null)";
  }
  std::size_t end = text.size();
  if (conv.precision >= 0) {
    std::size_t chars = 0;
    for (end = 0; end < text.size(); ++end) {
      const bool starts_char = !utf8_is_continuation(text[end]);
      if (starts_char && chars++ == static_cast<std::size_t>(conv.precision)) break;
    }
  }
  append_padded(out, conv, std::string_view(text).substr(0, end));
}

void append_char(std::string& out, const Conversion& conv, ArgList& args) {
  const int value = va_arg(args.ap, int);
  std::string text;
  if (conv.type == 'C' || conv.size == Size::kWide) {
    utf8_append(text, static_cast<char16_t>(value));
  } else {
    text += static_cast<char>(value);
  }
  append_padded(out, conv, text);
}

void append_conversion(std::string& out, const Conversion& conv, ArgList& args) {
  switch (conv.type) {
    case 'd':
    case 'i':
    case 'o':
    case 'u':
    case 'x':
    case 'X': append_integer(out, conv, args); return;
    case 's':
    case 'S': append_string(out, conv, args); return;
    case 'c':
    case 'C': append_char(out, conv, args); return;
    case 'p': {
      char digits[32];
      std::snprintf(digits, sizeof digits, "%016llX",
                    static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(va_arg(args.ap, void*))));
      append_padded(out, conv, digits);
      return;
    }
    default:
      if (conv.size == Size::kLongDouble) {
        append_c(out, c_format(conv, "L"), va_arg(args.ap, long double));
      } else {
        append_c(out, c_format(conv, ""), va_arg(args.ap, double));
      }
  }
}

}  // namespace

void format_append(std::string& out, const char* format, va_list args) {
  if (!format) AfxThrowInvalidArgException();
  ArgList list;
  va_copy(list.ap, args);
  std::string result = out;
  try {
    for (const char* p = format; *p;) {
      if (*p != '%') {
        result += *p++;
      } else if (p[1] == '%') {
        result += '%';
        p += 2;
      } else {
        ++p;
        const Conversion conv = parse_conversion(p, list);
        append_conversion(result, conv, list);
      }
    }
  } catch (...) {
    va_end(list.ap);
    throw;
  }
  va_end(list.ap);
  out.swap(result);
}

}  // namespace vrmwnd::platform::detail
