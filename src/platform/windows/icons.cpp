// LoadIcon: with no instance, the system icons, one fixed handle for each IDI_*
// number from IDI_APPLICATION (32512) to IDI_SHIELD (32518); with a module, the
// icon resources it registered.
#include <cstdint>

#include "icons_detail.h"
#include "platform_detail.h"
#include "vrmwnd/platform/winuser.h"

namespace {

constexpr WORD kFirstSystemIcon = 32512, kLastSystemIcon = 32518;

// The handles are the addresses of these slots.
char system_icons[kLastSystemIcon - kFirstSystemIcon + 1];

}  // namespace

HICON LoadIconA(HINSTANCE instance, LPCSTR name) {
  const auto id = reinterpret_cast<std::uintptr_t>(name);
  if (instance != nullptr) {
    HICON icon = id > 0xFFFF ? nullptr : detail::find_module_icon(instance, static_cast<UINT>(id));
    if (icon == nullptr) SetLastError(1814);  // ERROR_RESOURCE_NAME_NOT_FOUND
    return icon;
  }
  if (id < kFirstSystemIcon || id > kLastSystemIcon) return nullptr;
  return reinterpret_cast<HICON>(&system_icons[id - kFirstSystemIcon]);
}

WORD GetSystemIconId(HICON icon) {
  const auto slot = reinterpret_cast<std::uintptr_t>(icon);
  const auto first = reinterpret_cast<std::uintptr_t>(system_icons);
  if (slot < first || slot >= first + sizeof system_icons) return 0;
  return static_cast<WORD>(kFirstSystemIcon + (slot - first));
}
