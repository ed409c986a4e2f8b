// CMenu over the menu functions, with the temporary objects of FromHandle.
#include <map>
#include <memory>

#include "vrmwnd/platform/afxmenu.h"

namespace vrmwnd::platform::detail {
namespace {

// A temporary object never destroys its menu, which belongs to whoever made it.
struct Temporary {
  std::unique_ptr<CMenu> menu = std::make_unique<CMenu>();
  ~Temporary() { menu->m_hMenu = nullptr; }
};

// Temporary CMenu objects by handle; one whose menu was destroyed is dropped the
// next time a temporary object is asked for.
std::map<HMENU, Temporary>& temporary_menus() {
  static std::map<HMENU, Temporary> menus;
  return menus;
}

}  // namespace
}  // namespace vrmwnd::platform::detail

CMenu::~CMenu() { DestroyMenu(); }

CMenu* CMenu::FromHandle(HMENU hMenu) {
  if (hMenu == nullptr) return nullptr;
  auto& menus = vrmwnd::platform::detail::temporary_menus();
  std::erase_if(menus, [](const auto& entry) { return !IsMenu(entry.first); });
  CMenu* menu = menus[hMenu].menu.get();
  menu->m_hMenu = hMenu;
  return menu;
}

BOOL CMenu::Attach(HMENU hMenu) {
  if (m_hMenu != nullptr || !IsMenu(hMenu)) return FALSE;
  m_hMenu = hMenu;
  return TRUE;
}

HMENU CMenu::Detach() {
  HMENU hMenu = m_hMenu;
  m_hMenu = nullptr;
  return hMenu;
}

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }
BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }

BOOL CMenu::LoadMenu(UINT nIDResource) {
  const MENUTEMPLATEDESC* found = AfxFindMenuTemplate(nIDResource);
  return found != nullptr && Attach(LoadMenuFromTemplate(*found));
}

BOOL CMenu::DestroyMenu() {
  if (m_hMenu == nullptr) return FALSE;
  return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
  return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
  return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) { return ::DeleteMenu(m_hMenu, nPosition, nFlags); }
UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) { return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck); }
UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
  return static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
}
UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }
int CMenu::GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
UINT CMenu::GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
  const int length = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  ::GetMenuStringA(m_hMenu, nIDItem, text.data(), length + 1, nFlags);
  rString = text.c_str();
  return length;
}

CMenu* CMenu::GetSubMenu(int nPos) const { return FromHandle(::GetSubMenu(m_hMenu, nPos)); }

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
  return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd ? pWnd->GetSafeHwnd() : nullptr, lpRect);
}
