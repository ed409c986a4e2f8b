// Where windows are: SetWindowPos with the Z order among siblings, maximised and
// minimised top-level windows with their normal rectangle, the placement, the
// tracking limits of WM_GETMINMAXINFO, the default hit test and the sizing loop that
// a drag on a sizing border or a size grip runs (WM_SYSCOMMAND SC_SIZE).
#include <algorithm>

#include "window_detail.h"

namespace vrmwnd::platform::detail {
namespace {

constexpr DWORD kErrorInvalidParameter = 87;
constexpr LONG kMinimizedPosition = -32000;
constexpr int kMinimizedWidth = 160, kMinimizedHeight = 28;

POINT g_cursor{0, 0};

LONG width(const RECT& r) { return r.right - r.left; }
LONG height(const RECT& r) { return r.bottom - r.top; }

// The limits as Windows fills them before asking the window: the maximised
// rectangle covers the work area with the sizing frame outside the screen.
MINMAXINFO min_max_info(HWND hwnd) {
  const int fx = GetSystemMetrics(SM_CXSIZEFRAME), fy = GetSystemMetrics(SM_CYSIZEFRAME);
  MINMAXINFO info{};
  info.ptMaxSize = POINT{GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
  info.ptMaxPosition = POINT{-fx, -fy};
  info.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  info.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  SendMessageA(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  return info;
}

// A top-level window with a sizing frame keeps its size within the tracking limits.
bool keeps_track_limits(const Window& w) {
  return w.parent == nullptr && (w.style & WS_THICKFRAME) && w.show_state == SW_SHOWNORMAL;
}

void clamp_to_track(HWND hwnd, int& cx, int& cy) {
  const MINMAXINFO info = min_max_info(hwnd);
  cx = std::clamp<int>(cx, info.ptMinTrackSize.x, std::max(info.ptMinTrackSize.x, info.ptMaxTrackSize.x));
  cy = std::clamp<int>(cy, info.ptMinTrackSize.y, std::max(info.ptMinTrackSize.y, info.ptMaxTrackSize.y));
}

void reorder(Window& w, HWND insert_after) {
  Window* parent = find_window(w.parent);
  if (parent == nullptr) return;  // top-level windows stay in creation order
  auto& siblings = parent->children;
  std::erase(siblings, w.handle);
  if (insert_after == HWND_BOTTOM) {
    siblings.push_back(w.handle);
  } else {
    auto it = std::find(siblings.begin(), siblings.end(), insert_after);
    siblings.insert(it == siblings.end() ? siblings.begin() : it + 1, w.handle);
  }
}

// Gives the window its new rectangle and tells it: WM_MOVE with the client origin,
// WM_SIZE with the client size, each only when it changed (or the state did).
void move_to(HWND hwnd, const RECT& rect, bool state_changed) {
  Window* w = find_window(hwnd);
  const RECT old = w->rect;
  w->rect = rect;
  if (w->show_state == SW_SHOWNORMAL) w->normal_rect = rect;
  const RECT insets = frame_insets(w->style);
  if (old.left != rect.left || old.top != rect.top || state_changed)
    SendMessageA(hwnd, WM_MOVE, 0,
                 MAKELPARAM(static_cast<WORD>(rect.left + insets.left), static_cast<WORD>(rect.top + insets.top)));
  if (!IsWindow(hwnd)) return;
  if (width(old) != width(rect) || height(old) != height(rect) || state_changed) {
    RECT client{};
    GetClientRect(hwnd, &client);
    const WPARAM type = w->show_state == SW_SHOWMAXIMIZED   ? SIZE_MAXIMIZED
                        : w->show_state == SW_SHOWMINIMIZED ? SIZE_MINIMIZED
                                                            : SIZE_RESTORED;
    SendMessageA(hwnd, WM_SIZE, type, MAKELPARAM(static_cast<WORD>(client.right), static_cast<WORD>(client.bottom)));
  }
}

void maximize(HWND hwnd) {
  Window* w = find_window(hwnd);
  if (w->show_state == SW_SHOWMAXIMIZED) return;
  if (w->show_state == SW_SHOWNORMAL) w->normal_rect = w->rect;
  const MINMAXINFO info = min_max_info(hwnd);
  w->show_state = SW_SHOWMAXIMIZED;
  move_to(hwnd,
          RECT{info.ptMaxPosition.x, info.ptMaxPosition.y, info.ptMaxPosition.x + info.ptMaxSize.x,
               info.ptMaxPosition.y + info.ptMaxSize.y},
          true);
}

void minimize(HWND hwnd) {
  Window* w = find_window(hwnd);
  if (w->show_state == SW_SHOWMINIMIZED) return;
  w->restore_to_maximized = w->show_state == SW_SHOWMAXIMIZED;
  if (w->show_state == SW_SHOWNORMAL) w->normal_rect = w->rect;
  w->show_state = SW_SHOWMINIMIZED;
  move_to(hwnd,
          RECT{kMinimizedPosition, kMinimizedPosition, kMinimizedPosition + kMinimizedWidth,
               kMinimizedPosition + kMinimizedHeight},
          true);
}

void restore(HWND hwnd) {
  Window* w = find_window(hwnd);
  if (w->show_state == SW_SHOWMINIMIZED && w->restore_to_maximized) {
    w->show_state = SW_SHOWNORMAL;
    w->rect = w->normal_rect;
    maximize(hwnd);
    return;
  }
  if (w->show_state == SW_SHOWNORMAL) return;
  w->show_state = SW_SHOWNORMAL;
  RECT r = w->normal_rect;
  int cx = width(r), cy = height(r);
  if (keeps_track_limits(*w)) clamp_to_track(hwnd, cx, cy);
  move_to(hwnd, RECT{r.left, r.top, r.left + cx, r.top + cy}, true);
}

LRESULT hit_test(HWND hwnd, POINT pt) {
  Window* w = find_window(hwnd);
  RECT frame{}, client{};
  GetWindowRect(hwnd, &frame);
  if (!PtInRect(&frame, pt)) return HTNOWHERE;
  GetClientRect(hwnd, &client);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  OffsetRect(&client, origin.x, origin.y);
  if (PtInRect(&client, pt)) return HTCLIENT;
  if ((w->style & WS_THICKFRAME) && w->show_state == SW_SHOWNORMAL) {
    const int fx = GetSystemMetrics(SM_CXSIZEFRAME), fy = GetSystemMetrics(SM_CYSIZEFRAME);
    const bool left = pt.x < frame.left + fx, right = pt.x >= frame.right - fx;
    const bool top = pt.y < frame.top + fy, bottom = pt.y >= frame.bottom - fy;
    if (top) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
    if (bottom) return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
    if (left) return HTLEFT;
    if (right) return HTRIGHT;
  }
  if ((w->style & WS_CAPTION) == WS_CAPTION && pt.y < client.top) return HTCAPTION;
  return HTBORDER;
}

// The window sized from `original` by the mouse moved (dx, dy), dragging `edge`.
void size_by(HWND hwnd, const RECT& original, WPARAM edge, int dx, int dy) {
  const bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
  const bool right = edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
  const bool top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
  const bool bottom = edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
  RECT r = original;
  if (left) r.left += dx;
  if (right) r.right += dx;
  if (top) r.top += dy;
  if (bottom) r.bottom += dy;
  int cx = std::max<int>(0, width(r)), cy = std::max<int>(0, height(r));
  if (keeps_track_limits(*find_window(hwnd))) clamp_to_track(hwnd, cx, cy);
  const int x = left ? r.right - cx : r.left, y = top ? r.bottom - cy : r.top;
  SetWindowPos(hwnd, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The sizing loop: the window follows the mouse until the left button goes up;
// Escape puts it back. Other input waits; posted messages are dispatched.
void track_size(HWND hwnd, WPARAM edge) {
  Window* w = find_window(hwnd);
  if (w == nullptr || w->show_state != SW_SHOWNORMAL || edge < WMSZ_LEFT || edge > WMSZ_BOTTOMRIGHT) return;
  const POINT start = g_cursor;
  const RECT original = w->rect;
  SendMessageA(hwnd, WM_ENTERSIZEMOVE, 0, 0);
  while (IsWindow(hwnd)) {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!ask_user_agent()) break;
      continue;
    }
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP) {
      size_by(hwnd, original, edge, msg.pt.x - start.x, msg.pt.y - start.y);
      if (msg.message == WM_LBUTTONUP) break;
    } else if (msg.message == WM_KEYDOWN && msg.wParam == static_cast<WPARAM>(VK_ESCAPE)) {
      size_by(hwnd, original, edge, 0, 0);
      break;
    } else if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    } else if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) {
      DispatchMessageA(&msg);
    }
  }
  if (IsWindow(hwnd)) SendMessageA(hwnd, WM_EXITSIZEMOVE, 0, 0);
}

POINT point_of(LPARAM lparam) {
  return POINT{static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lparam))),
               static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lparam)))};
}

LPARAM lparam_of(POINT p) { return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)); }

}  // namespace

bool default_frame_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_NCHITTEST: result = hit_test(hwnd, point_of(lparam)); return true;
    case WM_NCLBUTTONDOWN:
      if (static_cast<LRESULT>(wparam) >= HTLEFT && static_cast<LRESULT>(wparam) <= HTBOTTOMRIGHT)
        SendMessageA(hwnd, WM_SYSCOMMAND, SC_SIZE + (wparam - HTLEFT + WMSZ_LEFT), lparam);
      return true;
    case WM_SYSCOMMAND:
      switch (wparam & 0xFFF0) {
        case SC_SIZE: track_size(hwnd, wparam & 0x000F); return true;
        case SC_MAXIMIZE: ShowWindow(hwnd, SW_MAXIMIZE); return true;
        case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); return true;
        case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); return true;
        default: return false;
      }
    default: return false;
  }
}

void track_cursor(const MSG& msg) {
  if ((msg.message >= WM_MOUSEMOVE && msg.message <= WM_MOUSEWHEEL) || msg.message == WM_NCLBUTTONDOWN)
    g_cursor = msg.pt;
}

void post_mouse(HWND hwnd, UINT message, WPARAM wparam, int x, int y) {
  POINT screen{x, y};
  ClientToScreen(hwnd, &screen);
  if (message == WM_LBUTTONDOWN) {
    const LRESULT hit = SendMessageA(hwnd, WM_NCHITTEST, 0, lparam_of(screen));
    if (hit != HTCLIENT && hit != HTNOWHERE && hit != HTERROR && hit != HTTRANSPARENT) {
      post_input(MSG{hwnd, WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), lparam_of(screen), 0, screen});
      return;
    }
  }
  const LPARAM point =
      message == WM_MOUSEWHEEL ? lparam_of(screen) : MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
  post_input(MSG{hwnd, message, wparam, point, 0, screen});
}

// ShowWindow's commands that change the state of a top-level window.
void apply_show_command(HWND hwnd, int command) {
  Window* w = find_window(hwnd);
  if (w == nullptr || w->parent != nullptr) return;
  switch (command) {
    case SW_MAXIMIZE: maximize(hwnd); break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE: minimize(hwnd); break;
    case SW_SHOWNORMAL:
    case SW_RESTORE: restore(hwnd); break;
    default: break;
  }
}

}  // namespace vrmwnd::platform::detail

using detail::find_window;

BOOL SetWindowPos(HWND hwnd, HWND insert_after, int x, int y, int cx, int cy, UINT flags) {
  detail::Window* w = find_window(hwnd);
  if (w == nullptr) {
    SetLastError(1400);
    return FALSE;
  }
  if (!(flags & SWP_NOZORDER)) detail::reorder(*w, insert_after);
  const RECT old = w->rect;
  if (flags & SWP_NOMOVE) x = old.left, y = old.top;
  if (flags & SWP_NOSIZE) {
    cx = detail::width(old), cy = detail::height(old);
  } else {
    cx = std::max(cx, 0), cy = std::max(cy, 0);
    if (detail::keeps_track_limits(*w)) detail::clamp_to_track(hwnd, cx, cy);
  }
  detail::move_to(hwnd, RECT{x, y, x + cx, y + cy}, false);
  if (flags & SWP_SHOWWINDOW) ShowWindow(hwnd, SW_SHOWNA);
  if (flags & SWP_HIDEWINDOW) ShowWindow(hwnd, SW_HIDE);
  return IsWindow(hwnd);
}

BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement) {
  detail::Window* w = find_window(hwnd);
  if (w == nullptr || placement == nullptr) return FALSE;
  placement->length = sizeof(WINDOWPLACEMENT);
  placement->flags = w->restore_to_maximized && w->show_state == SW_SHOWMINIMIZED ? WPF_RESTORETOMAXIMIZED : 0;
  placement->showCmd = static_cast<UINT>(w->show_state);
  placement->ptMinPosition = POINT{-1, -1};
  placement->ptMaxPosition = POINT{-1, -1};
  placement->rcNormalPosition = w->show_state == SW_SHOWNORMAL ? w->rect : w->normal_rect;
  return TRUE;
}

BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* placement) {
  detail::Window* w = find_window(hwnd);
  if (w == nullptr || placement == nullptr) return FALSE;
  if (placement->length != sizeof(WINDOWPLACEMENT)) {
    SetLastError(detail::kErrorInvalidParameter);
    return FALSE;
  }
  const RECT& r = placement->rcNormalPosition;
  const int command = static_cast<int>(placement->showCmd);
  if (w->show_state == SW_SHOWNORMAL) {
    SetWindowPos(hwnd, nullptr, r.left, r.top, detail::width(r), detail::height(r), SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    w->normal_rect = r;
  }
  if (!IsWindow(hwnd)) return FALSE;
  switch (command) {
    case SW_SHOWMAXIMIZED: ShowWindow(hwnd, SW_MAXIMIZE); break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); break;
    case SW_HIDE: break;
    default: ShowWindow(hwnd, SW_RESTORE); break;
  }
  if (IsIconic(hwnd)) w->restore_to_maximized = (placement->flags & WPF_RESTORETOMAXIMIZED) != 0;
  return IsWindow(hwnd);
}

BOOL IsZoomed(HWND hwnd) {
  detail::Window* w = find_window(hwnd);
  return w != nullptr && w->show_state == SW_SHOWMAXIMIZED;
}

BOOL IsIconic(HWND hwnd) {
  detail::Window* w = find_window(hwnd);
  return w != nullptr && w->show_state == SW_SHOWMINIMIZED;
}

BOOL GetCursorPos(LPPOINT point) {
  if (point == nullptr) return FALSE;
  *point = detail::g_cursor;
  return TRUE;
}

BOOL IsRectEmpty(LPCRECT rect) { return rect == nullptr || rect->right <= rect->left || rect->bottom <= rect->top; }

BOOL PtInRect(LPCRECT rect, POINT point) {
  return rect != nullptr && point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
         point.y < rect->bottom;
}

BOOL UnionRect(LPRECT dest, LPCRECT a, LPCRECT b) {
  if (dest == nullptr || a == nullptr || b == nullptr) return FALSE;
  if (IsRectEmpty(a)) {
    *dest = IsRectEmpty(b) ? RECT{} : *b;
  } else if (IsRectEmpty(b)) {
    *dest = *a;
  } else {
    *dest = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                 std::max(a->bottom, b->bottom)};
  }
  return !IsRectEmpty(dest);
}
