// Internal printf engine behind CString::Format: formats with MSVC's rules into a
// std::string. A bad format raises CInvalidArgException*.
#pragma once

#include <cstdarg>
#include <string>

#include "platform_detail.h"

namespace vrmwnd::platform::detail {

void format_append(std::string& out, const char* format, va_list args);

}  // namespace vrmwnd::platform::detail
