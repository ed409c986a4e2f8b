// CMFCDynamicLayout: items placed by the growth of the host's client area.
#include "vrmwnd/platform/afxlayout.h"

BOOL CMFCDynamicLayout::Create(CWnd* pHostWnd) {
  if (pHostWnd == nullptr || !::IsWindow(pHostWnd->m_hWnd)) return FALSE;
  m_pHostWnd = pHostWnd;
  ::GetClientRect(pHostWnd->m_hWnd, &m_rectHost);
  m_items.clear();
  return TRUE;
}

BOOL CMFCDynamicLayout::AddItem(HWND hWnd, MoveSettings moveSettings, SizeSettings sizeSettings) {
  if (m_pHostWnd == nullptr || ::GetParent(hWnd) != m_pHostWnd->m_hWnd || HasItem(hWnd)) return FALSE;
  RECT rect{};
  ::GetWindowRect(hWnd, &rect);
  ::ScreenToClient(m_pHostWnd->m_hWnd, reinterpret_cast<LPPOINT>(&rect.left));
  ::ScreenToClient(m_pHostWnd->m_hWnd, reinterpret_cast<LPPOINT>(&rect.right));
  m_items.push_back(Item{hWnd, moveSettings, sizeSettings, rect});
  return TRUE;
}

BOOL CMFCDynamicLayout::AddItem(UINT nID, MoveSettings moveSettings, SizeSettings sizeSettings) {
  if (m_pHostWnd == nullptr) return FALSE;
  return AddItem(::GetDlgItem(m_pHostWnd->m_hWnd, static_cast<int>(nID)), moveSettings, sizeSettings);
}

BOOL CMFCDynamicLayout::HasItem(HWND hWnd) const {
  for (const Item& item : m_items)
    if (item.hWnd == hWnd) return TRUE;
  return FALSE;
}

void CMFCDynamicLayout::Adjust() {
  if (m_pHostWnd == nullptr || !::IsWindow(m_pHostWnd->m_hWnd)) return;
  RECT client{};
  ::GetClientRect(m_pHostWnd->m_hWnd, &client);
  const int dx = (client.right - client.left) - (m_rectHost.right - m_rectHost.left);
  const int dy = (client.bottom - client.top) - (m_rectHost.bottom - m_rectHost.top);
  for (const Item& item : m_items) {
    if (!::IsWindow(item.hWnd)) continue;
    const int x = item.rect.left + MulDiv(dx, item.move.m_nXRatio, 100);
    const int y = item.rect.top + MulDiv(dy, item.move.m_nYRatio, 100);
    const int cx = item.rect.right - item.rect.left + MulDiv(dx, item.size.m_nXRatio, 100);
    const int cy = item.rect.bottom - item.rect.top + MulDiv(dy, item.size.m_nYRatio, 100);
    ::SetWindowPos(item.hWnd, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}
