// The installed user agent, the stack of modal windows it acts on, and the input
// it queues: keys with their modifiers, typed characters and clicks.
#include <algorithm>
#include <vector>

#include "vrmwnd/platform/useragent.h"
#include "values/utf8.h"
#include "window_detail.h"

namespace vrmwnd::platform::detail {
namespace {

IUserAgent* g_agent = nullptr;
std::vector<HWND> g_modal;

constexpr LPARAM kExtendedKey = 1 << 24;
constexpr LPARAM kKeyUpBits = static_cast<LPARAM>(0xC0000000u);
constexpr LPARAM kContextAlt = 1 << 29;

bool is_alt(int vk) { return vk == VK_MENU || vk == VK_LMENU || vk == VK_RMENU; }
bool is_control(int vk) { return vk == VK_CONTROL || vk == VK_LCONTROL || vk == VK_RCONTROL; }

// The generic key and the lParam that distinguish left from right. `system`: the
// key goes as WM_SYSKEYDOWN / WM_SYSKEYUP, as a key pressed with Alt (and without
// Ctrl) does.
void key_message(int vk, bool down, bool system) {
  int generic = vk;
  LPARAM lparam = 1;
  switch (vk) {
    case VK_LSHIFT:
      generic = VK_SHIFT;
      lparam |= 0x2A << 16;
      break;
    case VK_RSHIFT:
      generic = VK_SHIFT;
      lparam |= 0x36 << 16;
      break;
    case VK_LCONTROL:
      generic = VK_CONTROL;
      lparam |= 0x1D << 16;
      break;
    case VK_RCONTROL:
      generic = VK_CONTROL;
      lparam |= (0x1D << 16) | kExtendedKey;
      break;
    case VK_LMENU:
      generic = VK_MENU;
      lparam |= 0x38 << 16;
      break;
    case VK_RMENU:
      generic = VK_MENU;
      lparam |= (0x38 << 16) | kExtendedKey;
      break;
    default: break;
  }
  if (!down) lparam |= kKeyUpBits;
  if (system) lparam |= kContextAlt;
  UINT message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
  post_input(MSG{nullptr, message, static_cast<WPARAM>(generic), lparam, 0, {}});
}

}  // namespace

bool ask_user_agent() { return g_agent != nullptr && g_agent->Act(GetModalWindow()); }

void refresh_user_agent() {
  static bool refreshing = false;
  if (g_agent == nullptr || refreshing) return;
  struct Guard {
    Guard() { refreshing = true; }
    ~Guard() { refreshing = false; }
  } guard;
  g_agent->Refresh();
}
void push_modal(HWND hwnd) { g_modal.push_back(hwnd); }
void pop_modal(HWND hwnd) { std::erase(g_modal, hwnd); }

}  // namespace vrmwnd::platform::detail

IUserAgent* SetUserAgent(IUserAgent* agent) {
  IUserAgent* previous = detail::g_agent;
  detail::g_agent = agent;
  return previous;
}

IUserAgent* GetUserAgent() { return detail::g_agent; }

HWND GetModalWindow() { return detail::g_modal.empty() ? nullptr : detail::g_modal.back(); }

// With Alt held (and no Ctrl), as Windows reports Alt+F:
//
// | key              | message                         |
// |------------------|---------------------------------|
// | Alt goes down    | WM_SYSKEYDOWN VK_MENU           |
// | F goes down, up  | WM_SYSKEYDOWN 'F', WM_SYSKEYUP 'F' (TranslateMessage adds WM_SYSCHAR 'f') |
// | Alt goes up      | WM_KEYUP VK_MENU                |
void InputKey(int virtual_key, std::initializer_list<int> modifiers) {
  bool alt = false, control = false;
  for (int m : modifiers) {
    alt = alt || detail::is_alt(m);
    control = control || detail::is_control(m);
    detail::key_message(m, true, alt && !control);
  }
  const bool system = alt && !control;
  detail::key_message(virtual_key, true, system);
  detail::key_message(virtual_key, false, system);
  for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) {
    if (detail::is_alt(*it)) alt = false;
    detail::key_message(*it, false, alt && !control);
  }
}

void InputText(LPCSTR text) {
  CString all(text);
  int count = detail::char_count(all);
  for (int i = 0; i < count; ++i) {
    int from = detail::byte_offset(all, i), to = detail::byte_offset(all, i + 1);
    std::size_t size = 0;
    char32_t cp =
        detail::utf8_decode(std::string_view(all.GetString() + from, static_cast<std::size_t>(to - from)), 0, &size);
    detail::post_input(MSG{nullptr, WM_CHAR, static_cast<WPARAM>(cp), 1, 0, {}});
  }
}

void InputClick(HWND hwnd, int x, int y) {
  detail::post_mouse(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, x, y);
  detail::post_mouse(hwnd, WM_LBUTTONUP, 0, x, y);
}

void InputRightClick(HWND hwnd, int x, int y) {
  detail::post_mouse(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, x, y);
  detail::post_mouse(hwnd, WM_RBUTTONUP, 0, x, y);
}

void InputDoubleClick(HWND hwnd, int x, int y) {
  InputClick(hwnd, x, y);
  detail::post_mouse(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, x, y);
  detail::post_mouse(hwnd, WM_LBUTTONUP, 0, x, y);
}

void InputWheel(HWND hwnd, int delta, int x, int y) {
  detail::post_mouse(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(delta))), x, y);
}

void InputDrag(HWND hwnd, int x, int y, int dx, int dy, int steps) {
  steps = std::max(steps, 1);
  detail::post_mouse(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, x, y);
  for (int i = 1; i <= steps; ++i)
    detail::post_mouse(hwnd, WM_MOUSEMOVE, MK_LBUTTON, x + dx * i / steps, y + dy * i / steps);
  detail::post_mouse(hwnd, WM_LBUTTONUP, 0, x + dx, y + dy);
}

namespace vrmwnd::platform::detail {
namespace {

// The visible size grip among the window's children, or nullptr.
HWND size_grip_of(HWND window) {
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    char class_name[16] = "";
    GetClassNameA(child, class_name, sizeof class_name);
    if (lstrcmpiA(class_name, "ScrollBar") == 0 && (GetWindowLongPtrA(child, GWL_STYLE) & SBS_SIZEGRIP) &&
        IsWindowVisible(child))
      return child;
  }
  return nullptr;
}

}  // namespace
}  // namespace vrmwnd::platform::detail

BOOL InputDragSizeGrip(HWND window, int dx, int dy, int steps) {
  if (!IsWindow(window)) return FALSE;
  if (HWND grip = detail::size_grip_of(window)) {
    RECT client{};
    GetClientRect(grip, &client);
    InputDrag(grip, client.right / 2, client.bottom / 2, dx, dy, steps);
    return TRUE;
  }
  RECT frame{};
  GetWindowRect(window, &frame);
  POINT corner{frame.right - 1, frame.bottom - 1};
  ScreenToClient(window, &corner);
  InputDrag(window, corner.x, corner.y, dx, dy, steps);
  return FALSE;
}
