// What the menu functions share with the resources and the tracking loop.
#pragma once

#include <string>
#include <vector>

#include "vrmwnd/platform/winmenu.h"

namespace vrmwnd::platform::detail {

struct MenuItem {
  UINT flags = 0;  // MF_* without MF_BYPOSITION
  UINT id = 0;
  std::string text;
  HMENU submenu = nullptr;
};

struct Menu {
  std::vector<MenuItem> items;
};

// The menu of a live handle, or nullptr.
Menu* find_menu(HMENU menu);
// The menu resource `id` of that module alone (resources.cpp).
const MENUTEMPLATEDESC* find_module_menu(HINSTANCE module, UINT id);
// The height of a row of an open popup menu, in pixels.
constexpr int kMenuRowHeight = 16;

}  // namespace vrmwnd::platform::detail
