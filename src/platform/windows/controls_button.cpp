// The BUTTON and STATIC classes. A click (the mouse, Space, or BM_CLICK on an
// enabled button) first gives the button the focus, then updates an automatic
// check box or radio button (the other automatic radio buttons of its group are
// cleared), then sends BN_CLICKED. BM_SETCHECK and BM_SETSTYLE send nothing.
#include <algorithm>

#include "window_detail.h"

namespace vrmwnd::platform::detail {
namespace {

struct ButtonState : ControlState {
  int check = BST_UNCHECKED;
  bool pushed = false;
};

struct StaticState : ControlState {
  HICON icon = nullptr;
};

DWORD type_of(const Window& w) { return w.style & BS_TYPEMASK; }

// The automatic radio buttons of hwnd's group: from the WS_GROUP sibling at or
// before it up to the next WS_GROUP sibling.
void clear_radio_group(HWND hwnd) {
  Window* parent = find_window(GetParent(hwnd));
  if (parent == nullptr) return;
  const auto& siblings = parent->children;
  auto self = std::find(siblings.begin(), siblings.end(), hwnd);
  auto first = self;
  while (first != siblings.begin() && !(find_window(*first)->style & WS_GROUP)) --first;
  for (auto it = first; it != siblings.end(); ++it) {
    if (it != first && (find_window(*it)->style & WS_GROUP)) break;
    Window* other = find_window(*it);
    if (*it != hwnd && lower_class(*other) == "button" && type_of(*other) == BS_AUTORADIOBUTTON)
      SendMessageA(*it, BM_SETCHECK, BST_UNCHECKED, 0);
  }
}

void click(HWND hwnd) {
  Window* w = find_window(hwnd);
  auto* st = control_state<ButtonState>(hwnd);
  switch (type_of(*w)) {
    case BS_AUTOCHECKBOX: st->check = st->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED; break;
    case BS_AUTO3STATE: st->check = (st->check + 1) % 3; break;
    case BS_AUTORADIOBUTTON:
      st->check = BST_CHECKED;
      clear_radio_group(hwnd);
      break;
    default: break;
  }
  notify_parent(hwnd, BN_CLICKED);
}

UINT dialog_code(const Window& w) {
  switch (type_of(w)) {
    case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX: return DLGC_STATIC;
    default: return DLGC_BUTTON;
  }
}

}  // namespace

LRESULT button_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Window* w = find_window(hwnd);
  if (w == nullptr) return 0;
  if (message == WM_NCCREATE) {
    w->control = std::make_unique<ButtonState>();
    return TRUE;
  }
  auto* st = control_state<ButtonState>(hwnd);
  if (st == nullptr) return DefWindowProcA(hwnd, message, wparam, lparam);
  switch (message) {
    case WM_LBUTTONDOWN:
      if (type_of(*w) == BS_GROUPBOX) return 0;
      SetFocus(hwnd);
      if ((st = control_state<ButtonState>(hwnd))) st->pushed = true;
      return 0;
    case WM_LBUTTONUP:
      if (!st->pushed) return 0;
      st->pushed = false;
      click(hwnd);
      return 0;
    case WM_KEYDOWN:
      if (wparam == VK_SPACE) st->pushed = true;
      return 0;
    case WM_KEYUP:
      if (wparam == VK_SPACE && st->pushed) {
        st->pushed = false;
        click(hwnd);
      }
      return 0;
    case BM_CLICK:
      if (!IsWindowEnabled(hwnd)) return 0;
      SendMessageA(hwnd, WM_LBUTTONDOWN, 1, 0);
      SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
      return 0;
    case BM_GETCHECK: return st->check;
    case BM_SETCHECK: st->check = static_cast<int>(wparam) & 3; return 0;
    case BM_GETSTATE: return st->check | (st->pushed ? BST_PUSHED : 0) | (GetFocus() == hwnd ? BST_FOCUS : 0);
    case BM_SETSTATE: st->pushed = wparam != 0; return 0;
    case BM_SETSTYLE: w->style = (w->style & 0xFFFF0000u) | LOWORD(wparam); return 0;
    case WM_GETDLGCODE: return dialog_code(*w);
    default: return DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

LRESULT static_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Window* w = find_window(hwnd);
  if (w == nullptr) return 0;
  if (message == WM_NCCREATE) {
    w->control = std::make_unique<StaticState>();
    return TRUE;
  }
  auto* st = control_state<StaticState>(hwnd);
  switch (message) {
    case STM_SETICON: {
      HICON previous = st->icon;
      st->icon = reinterpret_cast<HICON>(wparam);
      return reinterpret_cast<LRESULT>(previous);
    }
    case STM_GETICON: return reinterpret_cast<LRESULT>(st->icon);
    case WM_GETDLGCODE: return DLGC_STATIC;
    default: return DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

}  // namespace vrmwnd::platform::detail
