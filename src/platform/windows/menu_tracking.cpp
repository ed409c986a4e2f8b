// TrackPopupMenu: the open popups as windows of class "#32768" on the stack of
// modal windows, and the menu loop that takes the person's keys and clicks until
// an item is chosen or the menu is dismissed.
#include <algorithm>
#include <cctype>

#include "menu_detail.h"
#include "window_detail.h"

namespace vrmwnd::platform::detail {
namespace {

struct MenuWindowState : ControlState {
  HMENU menu = nullptr;
};

LRESULT menu_window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Window* w = find_window(hwnd);
  if (w == nullptr) return 0;
  auto* state = dynamic_cast<MenuWindowState*>(w->control.get());
  switch (message) {
    case WM_NCCREATE: {
      auto made = std::make_unique<MenuWindowState>();
      made->menu = reinterpret_cast<HMENU>(lparam);
      w->control = std::move(made);
      return TRUE;
    }
    case MN_GETHMENU: return state ? reinterpret_cast<LRESULT>(state->menu) : 0;
    default: return DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

bool selectable(const MenuItem& item) { return !(item.flags & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED)); }

// The highlight of a menu lives in its items' state (MF_HILITE): -1 when none has it.
int highlighted(const Menu& menu) {
  for (std::size_t i = 0; i < menu.items.size(); ++i)
    if (menu.items[i].flags & MF_HILITE) return static_cast<int>(i);
  return -1;
}

void set_highlight(Menu& menu, int index) {
  for (std::size_t i = 0; i < menu.items.size(); ++i) {
    MenuItem& item = menu.items[i];
    item.flags = static_cast<int>(i) == index ? (item.flags | MF_HILITE) : (item.flags & ~MF_HILITE);
  }
}

// One run of the menu loop: the open popups, outermost first.
struct Tracker {
  HWND owner = nullptr;
  UINT flags = 0;
  std::vector<HWND> popups;
  UINT chosen = 0;
  bool done = false;

  ~Tracker() {
    while (!popups.empty()) close_innermost();
  }

  MenuWindowState* innermost() const { return control_state<MenuWindowState>(popups.back()); }
  Menu* innermost_menu() const {
    MenuWindowState* state = innermost();
    return state ? find_menu(state->menu) : nullptr;
  }

  void open(HMENU menu, int x, int y, int index_in_parent) {
    SendMessageA(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu),
                 MAKELPARAM(static_cast<WORD>(index_in_parent), FALSE));
    Menu* m = find_menu(menu);
    if (m == nullptr) return;
    set_highlight(*m, -1);
    std::size_t widest = 0;
    for (const MenuItem& item : m->items) widest = std::max(widest, MenuTextShown(item.text.c_str()).size());
    const int width = static_cast<int>(widest) * 7 + 32;
    const int height = std::max<int>(1, static_cast<int>(m->items.size())) * kMenuRowHeight;
    HWND popup =
        CreateWindowExA(0, kMenuWindowClass, "", WS_POPUP | WS_VISIBLE, x, y, width, height, owner, 0, nullptr, menu);
    if (popup == nullptr) return;
    popups.push_back(popup);
    push_modal(popup);
  }

  void close_innermost() {
    HWND popup = popups.back();
    if (Menu* m = innermost_menu()) set_highlight(*m, -1);
    popups.pop_back();
    pop_modal(popup);
    DestroyWindow(popup);
  }

  // Chooses the item of the innermost popup: a command ends the loop, a popup
  // item opens its submenu beside it.
  void choose(int index) {
    Menu* m = innermost_menu();
    if (m == nullptr || index < 0 || index >= static_cast<int>(m->items.size())) return;
    set_highlight(*m, index);
    const MenuItem& item = m->items[static_cast<std::size_t>(index)];
    if (!selectable(item)) return;
    if (item.submenu != nullptr) {
      RECT rect{};
      GetWindowRect(popups.back(), &rect);
      open(item.submenu, rect.right, rect.top + index * kMenuRowHeight, index);
      return;
    }
    chosen = item.id;
    done = true;
  }

  void move_highlight(int step) {
    Menu* m = innermost_menu();
    if (m == nullptr || m->items.empty()) return;
    const int count = static_cast<int>(m->items.size());
    int index = highlighted(*m);
    for (int tries = 0; tries < count; ++tries) {
      index = index < 0 ? (step > 0 ? 0 : count - 1) : (index + step + count) % count;
      if (!(m->items[static_cast<std::size_t>(index)].flags & MF_SEPARATOR)) break;
    }
    set_highlight(*m, index);
  }

  void close_or_dismiss() {
    close_innermost();
    if (popups.empty()) done = true;
  }

  void key(int vk) {
    switch (vk) {
      case VK_UP: move_highlight(-1); break;
      case VK_DOWN: move_highlight(1); break;
      case VK_RETURN:
        if (Menu* m = innermost_menu()) choose(highlighted(*m));
        break;
      case VK_RIGHT: {
        Menu* m = innermost_menu();
        const int index = m ? highlighted(*m) : -1;
        if (index >= 0 && m->items[static_cast<std::size_t>(index)].submenu) choose(index);
        break;
      }
      case VK_LEFT:
        if (popups.size() > 1) close_innermost();
        break;
      case VK_ESCAPE: close_or_dismiss(); break;
      case VK_MENU:
      case VK_F10: done = true; break;
      default: break;
    }
  }

  void mnemonic(UINT ch) {
    Menu* m = find_menu(innermost()->menu);
    if (m == nullptr) return;
    for (std::size_t i = 0; i < m->items.size(); ++i) {
      const std::string& text = m->items[i].text;
      const auto amp = text.find('&');
      if (amp != std::string::npos && amp + 1 < text.size() &&
          std::tolower(static_cast<unsigned char>(text[amp + 1])) == std::tolower(static_cast<int>(ch))) {
        choose(static_cast<int>(i));
        return;
      }
    }
  }

  // A click: on a popup it closes the popups opened after it and chooses the row
  // under the mouse; anywhere else it dismisses the menu.
  void click(const MSG& msg, bool choosing) {
    auto it = std::find(popups.begin(), popups.end(), msg.hwnd);
    if (it == popups.end()) {
      done = true;
      return;
    }
    if (!choosing) return;
    while (popups.back() != msg.hwnd) close_innermost();
    choose(static_cast<short>(HIWORD(static_cast<std::uintptr_t>(msg.lParam))) / kMenuRowHeight);
  }

  void input(const MSG& msg) {
    const bool right_picks = (flags & TPM_RIGHTBUTTON) != 0;
    switch (msg.message) {
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN: key(static_cast<int>(msg.wParam)); break;
      case WM_CHAR:
      case WM_SYSCHAR: mnemonic(static_cast<UINT>(msg.wParam)); break;
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_NCLBUTTONDOWN: click(msg, false); break;
      case WM_LBUTTONUP: click(msg, true); break;
      case WM_RBUTTONUP: click(msg, right_picks); break;
      default: break;
    }
  }
};

bool is_input(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEMOVE && message <= WM_MOUSEWHEEL) ||
         message == WM_NCLBUTTONDOWN;
}

void register_menu_class() {
  static const bool registered = (RegisterClassName(kMenuWindowClass, menu_window_proc), true);
  (void)registered;
}

UINT run_menu_loop(Tracker& tracker) {
  while (!tracker.done && !tracker.popups.empty() && IsWindow(tracker.owner)) {
    MSG msg{};
    if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        break;
      }
      if (is_input(msg.message))
        tracker.input(msg);
      else
        DispatchMessageA(&msg);
      continue;
    }
    if (!ask_user_agent()) break;
  }
  return tracker.done ? tracker.chosen : 0;
}

}  // namespace
}  // namespace vrmwnd::platform::detail

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const void*) {
  if (!IsMenu(menu) || !IsWindow(owner)) return FALSE;
  detail::register_menu_class();
  UINT chosen = 0;
  {
    detail::Tracker tracker;
    tracker.owner = owner;
    tracker.flags = flags;
    tracker.open(menu, x, y, 0);
    chosen = detail::run_menu_loop(tracker);
  }
  if (flags & TPM_RETURNCMD) return static_cast<BOOL>(chosen);
  if (chosen != 0 && !(flags & TPM_NONOTIFY)) PostMessageA(owner, WM_COMMAND, chosen, 0);
  return TRUE;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
  return TrackPopupMenuEx(menu, flags, x, y, owner, nullptr);
}

namespace {

struct FindOpen {
  HMENU menu;
  HWND found = nullptr;
};

}  // namespace

BOOL GetMenuItemRect(HWND, HMENU menu, UINT position, LPRECT rect) {
  FindOpen search{menu};
  EnumWindows(
      [](HWND hwnd, LPARAM lparam) -> BOOL {
        auto* s = reinterpret_cast<FindOpen*>(lparam);
        char name[16] = "";
        GetClassNameA(hwnd, name, sizeof name);
        if (lstrcmpiA(name, kMenuWindowClass) != 0 ||
            reinterpret_cast<HMENU>(SendMessageA(hwnd, MN_GETHMENU, 0, 0)) != s->menu)
          return TRUE;
        s->found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr || rect == nullptr || position >= static_cast<UINT>(GetMenuItemCount(menu))) return FALSE;
  RECT window{};
  GetWindowRect(search.found, &window);
  const int top = window.top + static_cast<int>(position) * detail::kMenuRowHeight;
  *rect = RECT{window.left, top, window.right, top + detail::kMenuRowHeight};
  return TRUE;
}
