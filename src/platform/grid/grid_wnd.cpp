// The grid window: the "GXWND" class, scroll-bar and invalidation state, and the
// keyboard and mouse that move the current cell.
#include <algorithm>
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
ON_MESSAGE(WM_MOUSEWHEEL, &CGXBrowserWnd::OnMouseWheel)
END_MESSAGE_MAP()

void CGXBrowserWnd::Initialize() {
  if (initialized_) return;
  initialized_ = true;
  detail::invalidations()[m_hWnd] = 0;
  OnInitialUpdate();
}

UINT CGXBrowserWnd::OnGetDlgCode() { return DLGC_WANTARROWS; }

// | key        | current row                                      |
// |------------|--------------------------------------------------|
// | Up, Down   | the row above / below, stopping at the records' ends |
// | Page Up/Dn | a view's worth of rows up / down, likewise       |
// | Home, End  | the first / the last record row                  |
// With no current cell any of them makes the first record row's first cell current.
void CGXBrowserWnd::OnKeyDown(UINT nChar, UINT, UINT) {
  ROWCOL row = 0, col = 0;
  const ROWCOL first = GetFirstRecordRow(), last = GetRowCount(), page = GetRowsInView();
  if (last < first) return;
  if (!GetCurrentCell(row, col)) {
    row = first;
    col = 1;
  } else {
    const ROWCOL before = row;
    switch (static_cast<int>(nChar)) {
      case VK_DOWN: row = std::min(row + 1, last); break;
      case VK_UP: row = std::max(row - 1, first); break;
      case VK_NEXT: row = std::min(row + page, last); break;
      case VK_PRIOR: row = row > first + page ? row - page : first; break;
      case VK_HOME: row = first; break;
      case VK_END: row = last; break;
      default: return;
    }
    if (row == before) {  // already at that end: the current cell does not move
      ScrollCellInView(row);
      return;
    }
  }
  SetCurrentCell(row, col);
  ScrollCellInView(row);
}

ROWCOL CGXBrowserWnd::GetRowsInView() const {
  RECT client{};
  ::GetClientRect(m_hWnd, &client);
  const int above = kHeaderHeight + (HasTotalsLine() ? kRowHeight : 0);
  return static_cast<ROWCOL>(std::max(1, (client.bottom - above) / kRowHeight));
}

void CGXBrowserWnd::ScrollCellInView(ROWCOL row) {
  const ROWCOL top = GetTopRow(), page = GetRowsInView();
  if (row < GetFirstRecordRow() || row > GetRowCount()) return;
  if (row < top)
    SetTopRow(row);
  else if (row >= top + page)
    SetTopRow(row - page + 1);
}

BOOL CGXBrowserWnd::HitTest(POINT point, ROWCOL& row, ROWCOL& col) const {
  if (point.y < kHeaderHeight) return FALSE;
  const ROWCOL shown = static_cast<ROWCOL>((point.y - kHeaderHeight) / kRowHeight);
  if (HasTotalsLine()) {
    row = shown == 0 ? 1 : GetTopRow() + shown - 1;
  } else {
    row = GetTopRow() + shown;
  }
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

// Three rows a notch (WHEEL_DELTA), up for a positive delta; the current cell stays.
LRESULT CGXBrowserWnd::OnMouseWheel(WPARAM wParam, LPARAM) {
  const int notches = static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA;
  const long top = static_cast<long>(GetTopRow()) - 3L * notches;
  const long page = static_cast<long>(GetRowsInView());
  const long last_top = std::max(static_cast<long>(GetFirstRecordRow()), static_cast<long>(GetRowCount()) - page + 1);
  SetTopRow(static_cast<ROWCOL>(std::clamp(top, static_cast<long>(GetFirstRecordRow()), last_top)));
  return 0;
}
