// CMenu, MFC's thin object over a menu handle. A CMenu that holds a handle
// destroys the menu with it; Detach gives the handle away (to a parent menu that
// takes it as a popup item). GetSubMenu and FromHandle give temporary objects that
// live as long as their menu.
#pragma once

#include "vrmwnd/platform/afxwin.h"
#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/winmenu.h"

class VRMWND_PLATFORM_API CMenu : public CObject {
 public:
  HMENU m_hMenu = nullptr;

  CMenu() = default;
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;
  ~CMenu() override;

  operator HMENU() const { return m_hMenu; }
  HMENU GetSafeHmenu() const { return m_hMenu; }
  static CMenu* FromHandle(HMENU hMenu);
  BOOL Attach(HMENU hMenu);
  HMENU Detach();

  BOOL CreateMenu();
  BOOL CreatePopupMenu();
  // The menu resource from the resource chain (the current resource handle first).
  BOOL LoadMenu(UINT nIDResource);
  BOOL DestroyMenu();

  BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
  BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
  BOOL DeleteMenu(UINT nPosition, UINT nFlags);
  UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
  UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
  UINT GetMenuState(UINT nID, UINT nFlags) const;
  int GetMenuItemCount() const;
  UINT GetMenuItemID(int nPos) const;
  int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
  CMenu* GetSubMenu(int nPos) const;
  // Shows the popup at a screen point for pWnd (which gets WM_INITMENUPOPUP and the
  // chosen command) and returns when the person chose or dismissed it.
  BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);
};
