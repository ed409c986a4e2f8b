// Messages and focus: SendMessage calls the window procedure at once; PostMessage
// and the input of the user agent wait in the thread's queue, posted messages
// before input, as Windows retrieves them. Focus moves with WM_KILLFOCUS to the
// old window, then WM_SETFOCUS to the new one. The keyboard state follows the
// keyboard messages as they leave the queue.
#include <array>
#include <cstring>
#include <deque>
#include <utility>

#include "values/utf8.h"
#include "vrmwnd/platform/clock.h"
#include "vrmwnd/platform/useragent.h"
#include "vrmwnd/platform/winhelp.h"
#include "vrmwnd/platform/winmenu.h"
#include "window_detail.h"

namespace vrmwnd::platform::detail {
namespace {

struct ThreadQueue {
  std::deque<MSG> posted;
  std::deque<MSG> input;
  HWND focus = nullptr;
  std::array<BYTE, 256> keys{};
  int quit_code = 0;
  bool quit = false;
};

ThreadQueue& queue() {
  static ThreadQueue instance;
  return instance;
}

constexpr BYTE kDown = 0x80;
constexpr BYTE kToggled = 0x01;
constexpr UINT kScanRightShift = 0x36;
constexpr LPARAM kExtendedKey = 1 << 24;

bool matches(const MSG& msg, HWND hwnd, UINT filter_min, UINT filter_max) {
  if (hwnd != nullptr && msg.hwnd != hwnd && !IsChild(hwnd, msg.hwnd)) return false;
  if (filter_min == 0 && filter_max == 0) return true;
  return msg.message >= filter_min && msg.message <= filter_max;
}

bool take(std::deque<MSG>& from, LPMSG msg, HWND hwnd, UINT min, UINT max, UINT remove) {
  for (auto it = from.begin(); it != from.end(); ++it) {
    if (!matches(*it, hwnd, min, max)) continue;
    *msg = *it;
    if (remove & PM_REMOVE) {
      from.erase(it);
      track_key_state(*msg);
      track_cursor(*msg);
    }
    return true;
  }
  return false;
}

// The character a key types (TranslateMessage), or 0.
UINT char_of_key(int vk) {
  bool shift = is_key_down(VK_SHIFT), control = is_key_down(VK_CONTROL);
  if (vk >= 'A' && vk <= 'Z') {
    if (control) return static_cast<UINT>(vk - 'A' + 1);
    return static_cast<UINT>(shift ? vk : vk - 'A' + 'a');
  }
  if (vk >= '0' && vk <= '9' && !control) return static_cast<UINT>(vk);
  switch (vk) {
    case VK_BACK: return 0x08;
    case VK_TAB: return control ? 0 : 0x09;
    case VK_RETURN: return 0x0D;
    case VK_ESCAPE: return 0x1B;
    case VK_SPACE: return ' ';
    default: return 0;
  }
}

}  // namespace

void track_key_state(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_KEYUP && msg.message != WM_SYSKEYDOWN &&
      msg.message != WM_SYSKEYUP)
    return;
  auto& keys = queue().keys;
  bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
  int vk = static_cast<int>(msg.wParam & 0xFF);
  auto set = [&](int key) {
    if (down && !(keys[key] & kDown)) keys[key] ^= kToggled;
    keys[key] = static_cast<BYTE>(down ? (keys[key] | kDown) : (keys[key] & ~kDown));
  };
  set(vk);
  if (vk == VK_SHIFT) set(((msg.lParam >> 16) & 0xFF) == kScanRightShift ? VK_RSHIFT : VK_LSHIFT);
  if (vk == VK_CONTROL) set((msg.lParam & kExtendedKey) ? VK_RCONTROL : VK_LCONTROL);
  if (vk == VK_MENU) set((msg.lParam & kExtendedKey) ? VK_RMENU : VK_LMENU);
}

bool is_key_down(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }

void post_input(const MSG& msg) { queue().input.push_back(msg); }

void forget_focus_within(HWND hwnd) {
  HWND& focus = queue().focus;
  if (focus == hwnd || IsChild(hwnd, focus)) focus = nullptr;
}

}  // namespace vrmwnd::platform::detail

using detail::find_window;

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  return proc ? proc(hwnd, message, wparam, lparam) : 0;
}

LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  detail::Window* w = find_window(hwnd);
  if (w == nullptr) {
    SetLastError(1400);
    return 0;
  }
  return CallWindowProcA(w->proc, hwnd, message, wparam, lparam);
}

BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (hwnd != nullptr && !IsWindow(hwnd)) {
    SetLastError(1400);
    return FALSE;
  }
  detail::queue().posted.push_back(MSG{hwnd, message, wparam, lparam, GetTickCount(), {}});
  return TRUE;
}

void PostQuitMessage(int exit_code) {
  detail::queue().quit = true;
  detail::queue().quit_code = exit_code;
}

namespace vrmwnd::platform::detail {
namespace {

bool is_mouse_message(UINT message) {
  return (message >= WM_MOUSEMOVE && message <= WM_MOUSEWHEEL) || message == WM_NCLBUTTONDOWN;
}

BOOL peek(LPMSG msg, HWND hwnd, UINT filter_min, UINT filter_max, UINT remove) {
  auto& q = queue();
  if (detail::take(q.posted, msg, hwnd, filter_min, filter_max, remove)) return TRUE;
  // Input is taken in order; keyboard input goes to the window that has the focus
  // when it leaves the queue. A disabled window gets no mouse input: a click on it
  // is lost, as on Windows.
  while (!q.input.empty() && is_mouse_message(q.input.front().message) && q.input.front().hwnd != nullptr &&
         IsWindow(q.input.front().hwnd) && !IsWindowEnabled(q.input.front().hwnd) && (remove & PM_REMOVE))
    q.input.pop_front();
  if (!q.input.empty()) {
    MSG& next = q.input.front();
    if (next.hwnd == nullptr) next.hwnd = q.focus ? q.focus : GetModalWindow();
    if (detail::matches(next, hwnd, filter_min, filter_max)) {
      *msg = next;
      if (remove & PM_REMOVE) {
        q.input.pop_front();
        detail::track_key_state(*msg);
        detail::track_cursor(*msg);
      }
      return TRUE;
    }
  }
  if (q.quit && hwnd == nullptr) {
    *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(q.quit_code), 0, GetTickCount(), {}};
    if (remove & PM_REMOVE) q.quit = false;
    return TRUE;
  }
  return FALSE;
}

}  // namespace
}  // namespace vrmwnd::platform::detail

// An empty queue lets the user agent show the windows; what it queues then is taken
// at once.
BOOL PeekMessageA(LPMSG msg, HWND hwnd, UINT filter_min, UINT filter_max, UINT remove) {
  if (detail::peek(msg, hwnd, filter_min, filter_max, remove)) return TRUE;
  detail::refresh_user_agent();
  return detail::peek(msg, hwnd, filter_min, filter_max, remove);
}

BOOL GetMessageA(LPMSG msg, HWND hwnd, UINT filter_min, UINT filter_max) {
  while (!PeekMessageA(msg, hwnd, filter_min, filter_max, PM_REMOVE)) {
    if (!detail::ask_user_agent()) return -1;
  }
  return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL TranslateMessage(const MSG* msg) {
  if (msg == nullptr || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
  if (msg->message == WM_KEYDOWN && msg->wParam == VK_F1) {
    detail::queue().posted.push_front(MSG{msg->hwnd, WM_KEYF1, 0, 0, msg->time, {}});
    return TRUE;
  }
  UINT ch = detail::char_of_key(static_cast<int>(msg->wParam));
  if (ch == 0) return FALSE;
  const UINT message = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
  detail::queue().posted.push_front(MSG{msg->hwnd, message, ch, msg->lParam, msg->time, {}});
  return TRUE;
}

LRESULT DispatchMessageA(const MSG* msg) {
  if (msg == nullptr || msg->hwnd == nullptr) return 0;
  return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  detail::Window* w = find_window(hwnd);
  if (w == nullptr) return 0;
  if (LRESULT result = 0; detail::default_frame_message(hwnd, message, wparam, lparam, result)) return result;
  switch (message) {
    case WM_NCCREATE: return TRUE;
    case WM_SETTEXT: w->text = reinterpret_cast<const char*>(lparam); return TRUE;
    case WM_GETTEXTLENGTH: return w->text.GetLength();
    case WM_GETTEXT: {
      char* buffer = reinterpret_cast<char*>(lparam);
      if (buffer == nullptr || wparam == 0) return 0;
      std::size_t n = Utf8PrefixBytes(w->text.GetString(), static_cast<std::size_t>(w->text.GetLength()),
                                      static_cast<std::size_t>(wparam - 1));
      std::memcpy(buffer, w->text.GetString(), n);
      buffer[n] = '\0';
      return static_cast<LRESULT>(n);
    }
    case WM_SETFONT: w->font = reinterpret_cast<HFONT>(wparam); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(w->font);
    case WM_SETICON: {
      HICON& slot = wparam == ICON_BIG ? w->big_icon : w->small_icon;
      return reinterpret_cast<LRESULT>(std::exchange(slot, reinterpret_cast<HICON>(lparam)));
    }
    case WM_GETICON:
      if (wparam == ICON_BIG) return reinterpret_cast<LRESULT>(w->big_icon);
      return reinterpret_cast<LRESULT>(w->small_icon || wparam != ICON_SMALL2 ? w->small_icon : w->big_icon);
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_RBUTTONUP: {
      POINT screen{static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lparam))),
                   static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lparam)))};
      ClientToScreen(hwnd, &screen);
      SendMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd),
                   MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
      return 0;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP:
      // The menu key, or Shift+F10, asks for the context menu at no point (-1).
      if (wparam == VK_APPS || (wparam == VK_F10 && GetKeyState(VK_SHIFT) < 0))
        SendMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), static_cast<LPARAM>(-1));
      return 0;
    case WM_KEYF1: {
      HELPINFO help{sizeof(HELPINFO), HELPINFO_WINDOW, GetDlgCtrlID(hwnd), hwnd, 0, {}};
      GetCursorPos(&help.MousePos);
      return SendMessageA(hwnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
    }
    case WM_HELP:
      // Unhandled, help goes to the parent of a child and to the owner of a top-level window.
      if ((w->style & WS_CHILD) && w->parent != nullptr) return SendMessageA(w->parent, message, wparam, lparam);
      if (!(w->style & WS_CHILD) && w->owner != nullptr) return SendMessageA(w->owner, message, wparam, lparam);
      return FALSE;
    case WM_CONTEXTMENU:
      // Unhandled, the request goes up to the parent (a top-level window has none).
      if ((w->style & WS_CHILD) && w->parent != nullptr) return SendMessageA(w->parent, message, wparam, lparam);
      return 0;
    default: return 0;
  }
}

HWND GetFocus() { return detail::queue().focus; }

HWND GetActiveWindow() {
  HWND hwnd = GetFocus();
  while (hwnd != nullptr && find_window(hwnd)->parent != nullptr) hwnd = find_window(hwnd)->parent;
  return hwnd;
}

HWND SetFocus(HWND hwnd) {
  auto& q = detail::queue();
  HWND previous = q.focus;
  if (hwnd != nullptr) {
    if (!IsWindow(hwnd)) return nullptr;
    for (HWND h = hwnd; h != nullptr; h = find_window(h)->parent)
      if (!IsWindowEnabled(h)) return nullptr;
    if (hwnd == previous) return previous;
  }
  q.focus = hwnd;
  if (previous != nullptr && IsWindow(previous)) {
    SendMessageA(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (q.focus != hwnd) return previous;  // the handler moved the focus elsewhere
  }
  if (hwnd != nullptr) SendMessageA(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
  return previous;
}

SHORT GetKeyState(int virtual_key) {
  auto& keys = detail::queue().keys;
  auto state = [&](int vk) { return keys[static_cast<std::size_t>(vk & 0xFF)]; };
  BYTE b = state(virtual_key);
  if (virtual_key == VK_SHIFT) b |= (state(VK_LSHIFT) | state(VK_RSHIFT)) & detail::kDown;
  if (virtual_key == VK_CONTROL) b |= (state(VK_LCONTROL) | state(VK_RCONTROL)) & detail::kDown;
  return static_cast<SHORT>(((b & detail::kDown) ? 0x8000 : 0) | (b & detail::kToggled));
}
