// The process's class table and the text form of GUIDs.
#include <cctype>
#include <cstring>
#include <map>
#include <mutex>

#include "platform_detail.h"
#include "vrmwnd/platform/objbase.h"

namespace vrmwnd::platform::detail {
namespace {

struct GuidLess {
  bool operator()(const GUID& a, const GUID& b) const { return std::memcmp(&a, &b, sizeof(GUID)) < 0; }
};

std::mutex& class_mutex() {
  static std::mutex mutex;
  return mutex;
}

std::map<GUID, ClassCreator, GuidLess>& classes() {
  static auto* table = new std::map<GUID, ClassCreator, GuidLess>;
  return *table;
}

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

}  // namespace
}  // namespace vrmwnd::platform::detail

HRESULT CLSIDFromString(LPCSTR text, CLSID* clsid) {
  if (text == nullptr || clsid == nullptr) return E_INVALIDARG;
  std::size_t length = std::strlen(text);
  if (length == 38 && text[0] == '{' && text[37] == '}') {
    ++text;
    length = 36;
  }
  if (length != 36) return CO_E_CLASSSTRING;
  unsigned char bytes[16];
  int n = 0;
  for (std::size_t i = 0; i < 36; ++i) {
    if (i == 8 || i == 13 || i == 18 || i == 23) {
      if (text[i] != '-') return CO_E_CLASSSTRING;
      continue;
    }
    const int high = detail::hex_value(text[i]);
    const int low = detail::hex_value(text[i + 1]);
    if (high < 0 || low < 0) return CO_E_CLASSSTRING;
    bytes[n++] = static_cast<unsigned char>(high * 16 + low);
    ++i;
  }
  GUID guid{};
  guid.Data1 =
      (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) | bytes[3];
  guid.Data2 = static_cast<std::uint16_t>((bytes[4] << 8) | bytes[5]);
  guid.Data3 = static_cast<std::uint16_t>((bytes[6] << 8) | bytes[7]);
  std::memcpy(guid.Data4, bytes + 8, 8);
  *clsid = guid;
  return S_OK;
}

GUID GuidFromText(LPCSTR text) {
  GUID guid{};
  return CLSIDFromString(text, &guid) == S_OK ? guid : GUID{};
}

ClassCreator CoRegisterClassCreator(REFCLSID clsid, ClassCreator creator) {
  std::lock_guard lock(detail::class_mutex());
  auto& table = detail::classes();
  ClassCreator previous;
  if (auto it = table.find(clsid); it != table.end()) {
    previous = std::move(it->second);
    table.erase(it);
  }
  if (creator) table.emplace(clsid, std::move(creator));
  return previous;
}

HRESULT CoCreateInstance(REFCLSID rclsid, IUnknown* pUnkOuter, DWORD, REFIID riid, void** ppv) {
  if (ppv == nullptr) return E_POINTER;
  *ppv = nullptr;
  if (pUnkOuter != nullptr) return CLASS_E_NOAGGREGATION;
  ClassCreator creator;
  {
    std::lock_guard lock(detail::class_mutex());
    auto it = detail::classes().find(rclsid);
    if (it == detail::classes().end()) return REGDB_E_CLASSNOTREG;
    creator = it->second;
  }
  return creator(riid, ppv);
}
