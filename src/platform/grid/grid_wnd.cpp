// The grid window: the "GXWND" class, scroll-bar and invalidation state, and the
// keyboard and mouse that move the current cell.
#include <map>

#include "vrmwnd/platform/gxwnd.h"
#include "windows/window_detail.h"

namespace vrmwnd::platform::detail {
namespace {

std::map<HWND, int>& invalidations() {
  static std::map<HWND, int> counts;
  return counts;
}

[[maybe_unused]] const bool kGridClassRegistered = RegisterClassName(CGXBrowserWnd::kClassName, DefWindowProcA);

}  // namespace
}  // namespace vrmwnd::platform::detail

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
  detail::Window* w = detail::find_window(hwnd);
  if (w == nullptr) return FALSE;
  DWORD bits = bar == SB_HORZ ? WS_HSCROLL : bar == SB_VERT ? WS_VSCROLL : (WS_HSCROLL | WS_VSCROLL);
  w->style = show ? (w->style | bits) : (w->style & ~bits);
  return TRUE;
}

BOOL InvalidateRect(HWND hwnd, const RECT*, BOOL) {
  if (!IsWindow(hwnd)) return FALSE;
  ++detail::invalidations()[hwnd];
  return TRUE;
}

int InvalidateCount(HWND hwnd) {
  auto it = detail::invalidations().find(hwnd);
  return it == detail::invalidations().end() || !IsWindow(hwnd) ? 0 : it->second;
}

IMPLEMENT_DYNAMIC(CGXBrowserWnd, CWnd)

BEGIN_MESSAGE_MAP(CGXBrowserWnd, CWnd)
  ON_WM_KEYDOWN()
  ON_WM_GETDLGCODE()
  ON_MESSAGE(WM_LBUTTONDOWN, &CGXBrowserWnd::OnLButtonDown)
END_MESSAGE_MAP()

void CGXBrowserWnd::Initialize() {
  if (initialized_) return;
  initialized_ = true;
  detail::invalidations()[m_hWnd] = 0;
  OnInitialUpdate();
}

UINT CGXBrowserWnd::OnGetDlgCode() { return DLGC_WANTARROWS; }

void CGXBrowserWnd::OnKeyDown(UINT nChar, UINT, UINT) {
  ROWCOL row = 0, col = 0;
  const ROWCOL first = GetFirstRecordRow();
  if (GetRowCount() < first) return;
  if (!GetCurrentCell(row, col)) {
    row = first;
    col = 1;
  } else if (nChar == static_cast<UINT>(VK_DOWN) && row < GetRowCount()) {
    ++row;
  } else if (nChar == static_cast<UINT>(VK_UP) && row > first) {
    --row;
  } else if (nChar == static_cast<UINT>(VK_HOME)) {
    row = first;
  } else if (nChar == static_cast<UINT>(VK_END)) {
    row = GetRowCount();
  } else {
    return;
  }
  SetCurrentCell(row, col);
}

BOOL CGXBrowserWnd::HitTest(POINT point, ROWCOL& row, ROWCOL& col) const {
  if (point.y < kHeaderHeight) return FALSE;
  row = static_cast<ROWCOL>((point.y - kHeaderHeight) / kRowHeight) + 1;
  int x = GetColWidth(0);
  for (col = 1; col <= GetColCount(); ++col) {
    x += GetColWidth(col);
    if (point.x < x) break;
  }
  return row <= GetRowCount() && col <= GetColCount() && point.x >= GetColWidth(0);
}

LRESULT CGXBrowserWnd::OnLButtonDown(WPARAM, LPARAM lParam) {
  SetFocus();
  ROWCOL row = 0, col = 0;
  const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (HitTest(point, row, col)) SetCurrentCell(row, col);
  return 0;
}
