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

// The generic key and the lParam that distinguish left from right.
void key_message(int vk, bool down) {
  int generic = vk;
  LPARAM lparam = 1;
  switch (vk) {
    case VK_LSHIFT: generic = VK_SHIFT; lparam |= 0x2A << 16; break;
    case VK_RSHIFT: generic = VK_SHIFT; lparam |= 0x36 << 16; break;
    case VK_LCONTROL: generic = VK_CONTROL; lparam |= 0x1D << 16; break;
    case VK_RCONTROL: generic = VK_CONTROL; lparam |= (0x1D << 16) | kExtendedKey; break;
    case VK_LMENU: generic = VK_MENU; lparam |= 0x38 << 16; break;
    case VK_RMENU: generic = VK_MENU; lparam |= (0x38 << 16) | kExtendedKey; break;
    default: break;
  }
  if (!down) lparam |= kKeyUpBits;
  UINT message = down ? WM_KEYDOWN : WM_KEYUP;
  post_input(MSG{nullptr, message, static_cast<WPARAM>(generic), lparam, 0, {}});
}

}  // namespace

bool ask_user_agent() { return g_agent != nullptr && g_agent->Act(GetModalWindow()); }
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

void InputKey(int virtual_key, std::initializer_list<int> modifiers) {
  for (int m : modifiers) detail::key_message(m, true);
  detail::key_message(virtual_key, true);
  detail::key_message(virtual_key, false);
  for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) detail::key_message(*it, false);
}

void InputText(LPCSTR text) {
  CString all(text);
  int count = detail::char_count(all);
  for (int i = 0; i < count; ++i) {
    int from = detail::byte_offset(all, i), to = detail::byte_offset(all, i + 1);
    std::size_t size = 0;
    char32_t cp = detail::utf8_decode(std::string_view(all.GetString() + from, static_cast<std::size_t>(to - from)), 0, &size);
    detail::post_input(MSG{nullptr, WM_CHAR, static_cast<WPARAM>(cp), 1, 0, {}});
  }
}

void InputClick(HWND hwnd, int x, int y) {
  LPARAM point = MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
  detail::post_input(MSG{hwnd, WM_LBUTTONDOWN, 1, point, 0, {}});
  detail::post_input(MSG{hwnd, WM_LBUTTONUP, 0, point, 0, {}});
}

void InputDoubleClick(HWND hwnd, int x, int y) {
  InputClick(hwnd, x, y);
  LPARAM point = MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
  detail::post_input(MSG{hwnd, WM_LBUTTONDBLCLK, 1, point, 0, {}});
  detail::post_input(MSG{hwnd, WM_LBUTTONUP, 0, point, 0, {}});
}
