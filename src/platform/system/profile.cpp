// GetPrivateProfileIntA, GetPrivateProfileStringA and WritePrivateProfileStringA
// over the in-memory ini text.
#include "vrmwnd/platform/profile.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "ini_text.h"

namespace vrmwnd::platform::detail {
namespace {

bool load_profile(LPCSTR file_name, IniText* ini) {
  std::string text;
  if (file_name == nullptr || !read_file(native_path(file_name), &text)) return false;
  *ini = IniText::parse(text);
  return true;
}

std::string unquote(const std::string& value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

// Copies a list of names, each null-terminated, with a final extra null.
DWORD copy_list(const std::vector<std::string>& names, LPSTR buffer, DWORD size) {
  if (size < 2) {
    if (size == 1) buffer[0] = '\0';
    return 0;
  }
  DWORD used = 0;
  for (const std::string& name : names) {
    for (char c : name) {
      if (used + 2 >= size) {
        buffer[used] = '\0';
        buffer[used + 1] = '\0';
        return size - 2;
      }
      buffer[used++] = c;
    }
    if (used + 2 >= size) {
      buffer[used] = '\0';
      buffer[used + 1] = '\0';
      return size - 2;
    }
    buffer[used++] = '\0';
  }
  buffer[used] = '\0';
  return used;
}

DWORD copy_text(const std::string& text, LPSTR buffer, DWORD size) {
  if (size == 0) return 0;
  const DWORD n = static_cast<DWORD>(std::min<std::size_t>(text.size(), size - 1));
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
  return n;
}

struct WriteRequest {
  LPCSTR app_name;
  LPCSTR key_name;
  LPCSTR value;
};

void apply_write(std::string* text, void* ctx) {
  const auto* r = static_cast<const WriteRequest*>(ctx);
  IniText ini = IniText::parse(*text);
  if (r->key_name == nullptr) {
    IniText kept;
    for (const IniSection& s : ini.sections()) {
      if (iequals(s.name, r->app_name)) continue;
      IniSection& copy = kept.section(s.name);
      copy.entries = s.entries;
    }
    ini = kept;
  } else if (r->value == nullptr) {
    ini.erase(r->app_name, r->key_name);
  } else {
    ini.set(r->app_name, r->key_name, r->value);
  }
  *text = ini.serialize();
}

}  // namespace
}  // namespace vrmwnd::platform::detail

UINT GetPrivateProfileIntA(LPCSTR app_name, LPCSTR key_name, int default_value, LPCSTR file_name) {
  detail::IniText ini;
  if (app_name == nullptr || key_name == nullptr || !detail::load_profile(file_name, &ini))
    return static_cast<UINT>(default_value);
  const detail::IniEntry* entry = ini.find(app_name, key_name);
  if (entry == nullptr) return static_cast<UINT>(default_value);
  const std::string value = detail::unquote(entry->value);
  if (value.empty()) return static_cast<UINT>(default_value);
  const char* p = value.c_str();
  while (std::isspace(static_cast<unsigned char>(*p))) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  unsigned base = 10;
  if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
    base = 16;
    p += 2;
  }
  UINT result = 0;
  for (;; ++p) {
    const int c = std::tolower(static_cast<unsigned char>(*p));
    unsigned digit;
    if (c >= '0' && c <= '9')
      digit = static_cast<unsigned>(c - '0');
    else if (base == 16 && c >= 'a' && c <= 'f')
      digit = static_cast<unsigned>(c - 'a' + 10);
    else
      break;
    result = result * base + digit;
  }
  return negative ? 0u - result : result;
}

DWORD GetPrivateProfileStringA(LPCSTR app_name, LPCSTR key_name, LPCSTR default_value, LPSTR buffer, DWORD size,
                               LPCSTR file_name) {
  if (buffer == nullptr || size == 0) return 0;
  detail::IniText ini;
  const bool loaded = detail::load_profile(file_name, &ini);
  if (app_name == nullptr || key_name == nullptr) {
    std::vector<std::string> names;
    if (app_name == nullptr) {
      for (const detail::IniSection& s : ini.sections()) names.push_back(s.name);
    } else if (const detail::IniSection* s = ini.find_section(app_name)) {
      for (const detail::IniEntry& e : s->entries) names.push_back(e.key);
    }
    return detail::copy_list(names, buffer, size);
  }
  const detail::IniEntry* entry = loaded ? ini.find(app_name, key_name) : nullptr;
  if (entry != nullptr) return detail::copy_text(detail::unquote(entry->value), buffer, size);
  std::string fallback = default_value ? default_value : "";
  while (!fallback.empty() && fallback.back() == ' ') fallback.pop_back();
  return detail::copy_text(fallback, buffer, size);
}

BOOL WritePrivateProfileStringA(LPCSTR app_name, LPCSTR key_name, LPCSTR value, LPCSTR file_name) {
  if (app_name == nullptr || file_name == nullptr) return FALSE;
  detail::WriteRequest request{app_name, key_name, value};
  return detail::edit_file_locked(detail::native_path(file_name), detail::apply_write, &request) ? TRUE : FALSE;
}
