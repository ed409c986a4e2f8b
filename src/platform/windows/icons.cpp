// The system icons that LoadIcon gives with no instance: one fixed handle for each
// IDI_* number from IDI_APPLICATION (32512) to IDI_SHIELD (32518).
#include <cstdint>

#include "vrmwnd/platform/winuser.h"

namespace {

constexpr WORD kFirstSystemIcon = 32512, kLastSystemIcon = 32518;

// The handles are the addresses of these slots.
char system_icons[kLastSystemIcon - kFirstSystemIcon + 1];

}  // namespace

HICON LoadIconA(HINSTANCE instance, LPCSTR name) {
  const auto id = reinterpret_cast<std::uintptr_t>(name);
  if (instance != nullptr || id < kFirstSystemIcon || id > kLastSystemIcon) return nullptr;
  return reinterpret_cast<HICON>(&system_icons[id - kFirstSystemIcon]);
}

WORD GetSystemIconId(HICON icon) {
  const auto slot = reinterpret_cast<std::uintptr_t>(icon);
  const auto first = reinterpret_cast<std::uintptr_t>(system_icons);
  if (slot < first || slot >= first + sizeof system_icons) return 0;
  return static_cast<WORD>(kFirstSystemIcon + (slot - first));
}
