// CView and CScrollView: the scrollable area and the position that moves the children.
#include <algorithm>
#include <vector>

#include "vrmwnd/platform/afxview.h"

IMPLEMENT_DYNAMIC(CView, CWnd)
IMPLEMENT_DYNAMIC(CScrollView, CView)

void CScrollView::SetScrollSizes(int, SIZE sizeTotal) {
  m_totalSize = CSize(std::max<LONG>(0, sizeTotal.cx), std::max<LONG>(0, sizeTotal.cy));
  ScrollToPosition(m_scrollPosition);
}

void CScrollView::ScrollToPosition(POINT pt) {
  RECT client{};
  ::GetClientRect(m_hWnd, &client);
  const LONG x = std::clamp<LONG>(pt.x, 0, std::max<LONG>(0, m_totalSize.cx - client.right));
  const LONG y = std::clamp<LONG>(pt.y, 0, std::max<LONG>(0, m_totalSize.cy - client.bottom));
  const int dx = m_scrollPosition.x - x, dy = m_scrollPosition.y - y;
  m_scrollPosition = CPoint(x, y);
  if (dx == 0 && dy == 0) return;
  std::vector<HWND> children;
  for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  for (HWND child : children) {
    RECT r{};
    ::GetWindowRect(child, &r);
    POINT topLeft{r.left, r.top};
    ::ScreenToClient(m_hWnd, &topLeft);
    ::SetWindowPos(child, nullptr, topLeft.x + dx, topLeft.y + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}
