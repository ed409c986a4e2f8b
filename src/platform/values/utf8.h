// Internal UTF-8 and UTF-16 routines of the platform layer: decoding one character,
// encoding a code point, and converting between the two encodings. Malformed input
// never reads past the text; each bad byte decodes as U+FFFD.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform_detail.h"

namespace vrmwnd::platform::detail {

inline constexpr char32_t kReplacementChar = 0xFFFD;

// Decodes the character at text[pos], stores its byte length in *size.
char32_t utf8_decode(std::string_view text, std::size_t pos, std::size_t* size);
void utf8_append(std::string& out, char32_t cp);
std::string utf16_to_utf8(const char16_t* text, std::size_t length);
std::u16string utf8_to_utf16(std::string_view text);

inline bool utf8_is_continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace vrmwnd::platform::detail
