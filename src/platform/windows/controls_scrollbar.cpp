// The scroll bar class, "SCROLLBAR". What this system needs of it is the size grip
// (SBS_SIZEGRIP or SBS_SIZEBOX): a left button down on it starts the sizing of its
// parent by the bottom-right corner, as a drag on that corner of the frame does.
#include "window_detail.h"

namespace vrmwnd::platform::detail {
namespace {

LRESULT scrollbar_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
  if (message == WM_LBUTTONDOWN && (style & (SBS_SIZEGRIP | SBS_SIZEBOX))) {
    POINT cursor{};
    GetCursorPos(&cursor);
    SendMessageA(GetParent(hwnd), WM_SYSCOMMAND, SC_SIZE + WMSZ_BOTTOMRIGHT,
                 MAKELPARAM(static_cast<WORD>(cursor.x), static_cast<WORD>(cursor.y)));
    return 0;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

[[maybe_unused]] const bool kScrollBarClassRegistered = RegisterClassName("ScrollBar", scrollbar_proc);

}  // namespace
}  // namespace vrmwnd::platform::detail
