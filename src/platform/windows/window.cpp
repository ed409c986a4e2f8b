// The window table: creation and destruction of windows, their classes, text,
// styles, identifiers, rectangles, parent and children, enabled and visible state.
// Messages and focus are in message_queue.cpp; the dialog manager in dialog.cpp.
#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <unordered_map>

#include "window_detail.h"
#include "vrmwnd/platform/afxwin.h"

namespace vrmwnd::platform::detail {
namespace {

constexpr DWORD kErrorInvalidWindowHandle = 1400;
constexpr DWORD kErrorCannotFindClass = 1407;

struct WindowTable {
  std::unordered_map<HWND, std::unique_ptr<Window>> windows;
  std::uintptr_t next_handle = 0x10000;
  std::map<std::string, WNDPROC> classes{
      {"edit", edit_proc},        {"combobox", combo_proc},         {"combolbox", combo_list_proc},
      {"button", button_proc},    {"static", static_proc},          {"#32770", DefDlgProcA},
      {"afxwnd", DefWindowProcA}, {"syslistview32", listview_proc},
  };
};

WindowTable& table() {
  static WindowTable instance;
  return instance;
}

std::string lower(const char* text) {
  std::string result = text ? text : "";
  for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return result;
}

// Screen position of the window's client origin.
POINT client_origin(HWND hwnd) {
  POINT origin{0, 0};
  for (Window* w = find_window(hwnd); w != nullptr; w = find_window(w->parent)) {
    RECT insets = frame_insets(w->style);
    origin.x += w->rect.left + insets.left;
    origin.y += w->rect.top + insets.top;
  }
  return origin;
}

void send_destroy(HWND hwnd) {
  Window* w = find_window(hwnd);
  if (w == nullptr) return;
  w->destroying = true;
  SendMessageA(hwnd, WM_DESTROY, 0, 0);
  if ((w = find_window(hwnd)) == nullptr) return;
  std::vector<HWND> children = w->children;
  for (HWND child : children) send_destroy(child);
}

void free_window(HWND hwnd) {
  Window* w = find_window(hwnd);
  if (w == nullptr) return;
  std::vector<HWND> children = w->children;
  for (HWND child : children) free_window(child);
  SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
  if ((w = find_window(hwnd)) == nullptr) return;
  if (Window* parent = find_window(w->parent)) std::erase(parent->children, hwnd);
  if (w->temporary_cwnd) w->temporary_cwnd->m_hWnd = nullptr;
  if (w->cwnd) w->cwnd->m_hWnd = nullptr;
  table().windows.erase(hwnd);
}

}  // namespace

std::string lower_class(const Window& window) { return lower(window.class_name.c_str()); }

RECT frame_insets(DWORD style) {
  if ((style & WS_CAPTION) == WS_CAPTION) {
    const bool sizing = (style & WS_THICKFRAME) != 0;
    int fx = GetSystemMetrics(sizing ? SM_CXSIZEFRAME : SM_CXFIXEDFRAME);
    int fy = GetSystemMetrics(sizing ? SM_CYSIZEFRAME : SM_CYFIXEDFRAME);
    return RECT{fx, fy + GetSystemMetrics(SM_CYCAPTION), fx, fy};
  }
  if (style & (WS_BORDER | WS_DLGFRAME)) return RECT{1, 1, 1, 1};
  return RECT{0, 0, 0, 0};
}

Window* find_window(HWND hwnd) {
  auto it = table().windows.find(hwnd);
  return it == table().windows.end() ? nullptr : it->second.get();
}

void notify_parent(HWND hwnd, WORD code) {
  Window* w = find_window(hwnd);
  if (w == nullptr || w->parent == nullptr) return;
  SendMessageA(w->parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(w->id), code), reinterpret_cast<LPARAM>(hwnd));
}

}  // namespace vrmwnd::platform::detail

using detail::find_window;
using detail::Window;

BOOL RegisterClassName(LPCSTR class_name, WNDPROC proc) {
  return detail::table().classes.emplace(detail::lower(class_name), proc).second;
}

HWND CreateWindowExA(DWORD ex_style, LPCSTR class_name, LPCSTR window_name, DWORD style, int x, int y, int width,
                     int height, HWND parent, UINT id, HINSTANCE instance, void* param) {
  auto& tbl = detail::table();
  auto cls = tbl.classes.find(detail::lower(class_name));
  if (cls == tbl.classes.end()) {
    SetLastError(detail::kErrorCannotFindClass);
    return nullptr;
  }
  Window* parent_window = find_window(parent);
  if (parent != nullptr && parent_window == nullptr) {
    SetLastError(detail::kErrorInvalidWindowHandle);
    return nullptr;
  }
  auto window = std::make_unique<Window>();
  HWND hwnd = reinterpret_cast<HWND>(tbl.next_handle);
  tbl.next_handle += 4;
  window->handle = hwnd;
  window->class_name = class_name;
  window->proc = cls->second;
  window->text = window_name;
  window->style = style;
  window->ex_style = ex_style;
  window->id = (style & WS_CHILD) ? id : 0;
  window->rect = RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
  window->normal_rect = window->rect;
  window->instance = instance;
  if (style & WS_CHILD) {
    window->parent = parent;
  } else {
    window->owner = parent;
  }
  if (parent_window != nullptr && (style & WS_CHILD)) parent_window->children.push_back(hwnd);
  tbl.windows.emplace(hwnd, std::move(window));

  detail::hook_window_creation(hwnd);
  if (!SendMessageA(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(param)) ||
      SendMessageA(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(param)) == -1) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  return hwnd;
}

BOOL DestroyWindow(HWND hwnd) {
  Window* w = find_window(hwnd);
  if (w == nullptr) {
    SetLastError(detail::kErrorInvalidWindowHandle);
    return FALSE;
  }
  if (w->destroying) return TRUE;
  detail::forget_focus_within(hwnd);
  detail::send_destroy(hwnd);
  detail::free_window(hwnd);
  return TRUE;
}

BOOL IsWindow(HWND hwnd) { return find_window(hwnd) != nullptr; }

BOOL EnumWindows(WNDENUMPROC proc, LPARAM lparam) {
  if (proc == nullptr) return FALSE;
  std::vector<HWND> top_level;
  for (const auto& [hwnd, window] : detail::table().windows)
    if (window->parent == nullptr) top_level.push_back(hwnd);
  // Handles grow with each creation.
  std::sort(top_level.begin(), top_level.end(), std::greater<>());
  for (HWND hwnd : top_level)
    if (IsWindow(hwnd) && !proc(hwnd, lparam)) return TRUE;
  return TRUE;
}

LONG_PTR GetWindowLongPtrA(HWND hwnd, int index) {
  Window* w = find_window(hwnd);
  if (w == nullptr) return 0;
  switch (index) {
    case GWL_STYLE: return static_cast<LONG>(w->style);
    case GWL_EXSTYLE: return static_cast<LONG>(w->ex_style);
    case GWL_ID: return w->id;
    case GWL_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWL_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->instance);
    case GWL_USERDATA: return w->user_data;
    case DWLP_MSGRESULT: return w->dialog_result;
    default: return 0;
  }
}

LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
  Window* w = find_window(hwnd);
  if (w == nullptr) return 0;
  LONG_PTR previous = GetWindowLongPtrA(hwnd, index);
  switch (index) {
    case GWL_STYLE: w->style = static_cast<DWORD>(value); break;
    case GWL_EXSTYLE: w->ex_style = static_cast<DWORD>(value); break;
    case GWL_ID: w->id = static_cast<UINT>(value); break;
    case GWL_WNDPROC: w->proc = reinterpret_cast<WNDPROC>(value); break;
    case GWL_USERDATA: w->user_data = value; break;
    case DWLP_MSGRESULT: w->dialog_result = value; break;
    default: return 0;
  }
  return previous;
}

int GetClassNameA(HWND hwnd, LPSTR buffer, int size) {
  Window* w = find_window(hwnd);
  if (w == nullptr || buffer == nullptr || size <= 0) return 0;
  std::size_t n = std::min<std::size_t>(w->class_name.size(), static_cast<std::size_t>(size - 1));
  std::memcpy(buffer, w->class_name.data(), n);
  buffer[n] = '\0';
  return static_cast<int>(n);
}

int GetWindowTextA(HWND hwnd, LPSTR buffer, int size) {
  if (buffer == nullptr || size <= 0) return 0;
  buffer[0] = '\0';
  return static_cast<int>(SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND hwnd) { return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0)); }

BOOL SetWindowTextA(HWND hwnd, LPCSTR text) {
  if (!IsWindow(hwnd)) return FALSE;
  return static_cast<BOOL>(SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)));
}

HWND GetParent(HWND hwnd) {
  Window* w = find_window(hwnd);
  if (w == nullptr) return nullptr;
  return w->parent ? w->parent : w->owner;
}

HWND GetWindow(HWND hwnd, UINT command) {
  Window* w = find_window(hwnd);
  if (w == nullptr) return nullptr;
  if (command == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
  if (command == GW_OWNER) return w->owner;
  Window* parent = find_window(w->parent);
  if (parent == nullptr) return nullptr;
  const auto& siblings = parent->children;
  auto it = std::find(siblings.begin(), siblings.end(), hwnd);
  switch (command) {
    case GW_HWNDFIRST: return siblings.front();
    case GW_HWNDLAST: return siblings.back();
    case GW_HWNDNEXT: return (it + 1 == siblings.end()) ? nullptr : *(it + 1);
    case GW_HWNDPREV: return (it == siblings.begin()) ? nullptr : *(it - 1);
    default: return nullptr;
  }
}

BOOL IsChild(HWND parent, HWND hwnd) {
  for (Window* w = find_window(hwnd); w != nullptr && w->parent != nullptr; w = find_window(w->parent)) {
    if (w->parent == parent) return TRUE;
  }
  return FALSE;
}

HWND GetDlgItem(HWND dialog, int id) {
  Window* w = find_window(dialog);
  if (w == nullptr) return nullptr;
  for (HWND child : w->children) {
    if (static_cast<int>(find_window(child)->id) == id) return child;
  }
  SetLastError(1421);  // ERROR_CONTROL_ID_NOT_FOUND
  return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
  Window* w = find_window(hwnd);
  return w ? static_cast<int>(w->id) : 0;
}

UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size) {
  if (buffer != nullptr && size > 0) buffer[0] = '\0';
  HWND item = GetDlgItem(dialog, id);
  return item ? static_cast<UINT>(GetWindowTextA(item, buffer, size)) : 0;
}

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
  HWND item = GetDlgItem(dialog, id);
  return item ? SetWindowTextA(item, text) : FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  Window* w = find_window(hwnd);
  if (w == nullptr) return FALSE;
  BOOL was_disabled = (w->style & WS_DISABLED) != 0;
  if (enable == !was_disabled) return was_disabled;
  if (enable) {
    w->style &= ~WS_DISABLED;
  } else {
    w->style |= WS_DISABLED;
    if (GetFocus() == hwnd || IsChild(hwnd, GetFocus())) SetFocus(nullptr);
  }
  SendMessageA(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
  return was_disabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
  Window* w = find_window(hwnd);
  return w != nullptr && !(w->style & WS_DISABLED);
}

BOOL ShowWindow(HWND hwnd, int command) {
  Window* w = find_window(hwnd);
  if (w == nullptr) return FALSE;
  BOOL was_visible = (w->style & WS_VISIBLE) != 0;
  bool show = command != SW_HIDE;
  if (show != static_cast<bool>(was_visible)) {
    if (show) {
      w->style |= WS_VISIBLE;
    } else {
      w->style &= ~WS_VISIBLE;
      if (GetFocus() == hwnd || IsChild(hwnd, GetFocus())) SetFocus(GetParent(hwnd));
    }
    SendMessageA(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
  }
  if (show && IsWindow(hwnd)) detail::apply_show_command(hwnd, command);
  return was_visible;
}

BOOL IsWindowVisible(HWND hwnd) {
  Window* w = find_window(hwnd);
  if (w == nullptr) return FALSE;
  for (; w != nullptr; w = find_window(w->parent))
    if (!(w->style & WS_VISIBLE)) return FALSE;
  return TRUE;
}

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
  if (hwnd == detail::desktop_window() && rect != nullptr) return GetClientRect(hwnd, rect);
  Window* w = find_window(hwnd);
  if (w == nullptr || rect == nullptr) return FALSE;
  POINT origin = w->parent ? detail::client_origin(w->parent) : POINT{0, 0};
  *rect = w->rect;
  OffsetRect(rect, origin.x, origin.y);
  return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
  if (hwnd == detail::desktop_window() && rect != nullptr) {
    *rect = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return TRUE;
  }
  Window* w = find_window(hwnd);
  if (w == nullptr || rect == nullptr) return FALSE;
  RECT insets = detail::frame_insets(w->style);
  *rect = RECT{0, 0, std::max<LONG>(0, w->rect.right - w->rect.left - insets.left - insets.right),
               std::max<LONG>(0, w->rect.bottom - w->rect.top - insets.top - insets.bottom)};
  return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT point) {
  if (!IsWindow(hwnd) || point == nullptr) return FALSE;
  POINT origin = detail::client_origin(hwnd);
  point->x -= origin.x;
  point->y -= origin.y;
  return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point) {
  if (!IsWindow(hwnd) || point == nullptr) return FALSE;
  POINT origin = detail::client_origin(hwnd);
  point->x += origin.x;
  point->y += origin.y;
  return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  long long product = static_cast<long long>(number) * numerator;
  long long half = (denominator > 0 ? denominator : -denominator) / 2;
  bool negative = (product < 0) != (denominator < 0);
  long long magnitude = (product < 0 ? -product : product) + half;
  long long result = magnitude / (denominator > 0 ? denominator : -denominator);
  return static_cast<int>(negative ? -result : result);
}

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom) {
  if (rect == nullptr) return FALSE;
  *rect = RECT{left, top, right, bottom};
  return TRUE;
}

BOOL OffsetRect(LPRECT rect, int dx, int dy) {
  if (rect == nullptr) return FALSE;
  rect->left += dx;
  rect->right += dx;
  rect->top += dy;
  rect->bottom += dy;
  return TRUE;
}
