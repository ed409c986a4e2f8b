// MFC's window object: CCmdTarget with its message map, CWnd over an HWND (attach,
// subclass, create, text, state, focus, rectangles, data exchange, dispatch of
// messages through the message map with reflected notifications), CFont and CDC.
#pragma once

#include "vrmwnd/platform/CException.h"
#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/afxmsg.h"
#include "vrmwnd/platform/afxtypes.h"
#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/msgbox.h"
#include "vrmwnd/platform/wingdi.h"
#include "vrmwnd/platform/winuser.h"

class CDataExchange;
class CMFCDynamicLayout;

class VRMWND_PLATFORM_API CCmdTarget : public CObject {
 public:
  // Offers a command or control notification to this object's message map
  // (ON_COMMAND, ON_CONTROL, ON_BN_CLICKED, ...); TRUE when a handler took it. With
  // CN_UPDATE_COMMAND_UI, pExtra is the CCmdUI. A non-null pHandlerInfo only asks
  // whether a handler exists, without calling it.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra = nullptr, void* pHandlerInfo = nullptr);

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
  // The first entry of this object's map chain for the message (and code, and id).
  const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;
};

class VRMWND_PLATFORM_API CFont : public CObject {
 public:
  HFONT m_hObject = nullptr;
  operator HFONT() const { return m_hObject; }
  static CFont* FromHandle(HFONT hFont);
};

class VRMWND_PLATFORM_API CDC : public CObject {
 public:
  HDC m_hDC = nullptr;
  CFont* SelectObject(CFont* pFont);  // returns the font it replaces
  CSize GetTextExtent(const CString& str) const;
  CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
};

class VRMWND_PLATFORM_API CWnd : public CCmdTarget {
  DECLARE_DYNAMIC(CWnd)

 public:
  HWND m_hWnd = nullptr;

  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  // Destroys the window still attached.
  ~CWnd() override;

  operator HWND() const { return m_hWnd; }
  HWND GetSafeHwnd() const { return m_hWnd; }
  // The attached object, or a temporary one that lives as long as the window.
  static CWnd* FromHandle(HWND hWnd);
  static CWnd* FromHandlePermanent(HWND hWnd);
  BOOL Attach(HWND hWndNew);
  HWND Detach();
  // Attaches and routes the window's messages through WindowProc; the class
  // procedure stays reachable through DefWindowProc.
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  HWND UnsubclassWindow();

  virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, void* lpParam = nullptr);
  virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                      UINT nID);
  virtual BOOL DestroyWindow();

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

  CWnd* GetDlgItem(int nID) const;
  int GetDlgCtrlID() const;
  int SetDlgCtrlID(int nID);
  void GetWindowText(CString& rString) const;
  int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
  int GetWindowTextLength() const;
  void SetWindowText(LPCTSTR lpszString);
  int GetDlgItemText(int nID, CString& rString) const;
  void SetDlgItemText(int nID, LPCTSTR lpszString);
  BOOL EnableWindow(BOOL bEnable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL ShowWindow(int nCmdShow);
  BOOL IsWindowVisible() const;
  CWnd* GetParent() const;
  DWORD GetStyle() const;
  DWORD GetExStyle() const;
  BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  CWnd* SetFocus();
  static CWnd* GetFocus();
  void GetWindowRect(LPRECT lpRect) const;
  void GetClientRect(LPRECT lpRect) const;
  void ScreenToClient(LPPOINT lpPoint) const;
  void ScreenToClient(LPRECT lpRect) const;
  void ClientToScreen(LPPOINT lpPoint) const;
  void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
  void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
  // pWndInsertAfter: a sibling, &wndTop, &wndBottom or nullptr (with SWP_NOZORDER).
  BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
  BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const;
  BOOL SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl);
  BOOL IsZoomed() const;
  BOOL IsIconic() const;
  // The big (title bar, Alt+Tab) or small icon of the window: WM_SETICON gives
  // back the icon it replaces; GetIcon is NULL until one is set.
  HICON SetIcon(HICON hIcon, BOOL bBigIcon);
  HICON GetIcon(BOOL bBigIcon) const;
  void Invalidate(BOOL bErase = TRUE);
  void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
  static const CWnd wndTop;
  static const CWnd wndBottom;

  // MFC's dynamic layout: once enabled, the layout moves and sizes its items after
  // every WM_SIZE of this window (afxlayout.h). Enabling creates it over the current
  // client area; disabling deletes it.
  void EnableDynamicLayout(BOOL bEnable = TRUE);
  BOOL IsDynamicLayoutEnabled() const { return m_pDynamicLayout != nullptr; }
  CMFCDynamicLayout* GetDynamicLayout() { return m_pDynamicLayout; }
  void ResizeDynamicLayout();
  CFont* GetFont() const;
  void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
  CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
  void CheckDlgButton(int nIDButton, UINT nCheck);
  UINT IsDlgButtonChecked(int nIDButton) const;
  int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = MB_OK);
  // Runs DoDataExchange: TRUE reads the controls into the members, FALSE fills them.
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
  // Offers each child control's identifier to pTarget's ON_UPDATE_COMMAND_UI
  // handlers, which enable or disable the control; a control without a handler is
  // disabled when bDisableIfNoHndler is set and pTarget has no command handler for it.
  void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
  // A popup about to open for this window (WM_INITMENUPOPUP without a handler in the
  // map): each command item is offered to this window's ON_UPDATE_COMMAND_UI
  // handlers, which check, enable or gray it; items without a handler stay as they are.
  void UpdateMenuCommandUI(HMENU hMenu);

  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // Offers pMsg to PreTranslateMessage of its window and each parent up to hWndStop.
  static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

  // Public for the window procedure that routes messages here.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // Reflects a control's notification to the control, then offers it to OnCmdMsg.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // A notification of this control that its parent reflected back: TRUE consumes it.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual void DoDataExchange(CDataExchange* pDX);
  virtual void PostNcDestroy();
  // The class procedure's handling of the message being processed.
  LRESULT Default();

  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnDestroy();
  afx_msg UINT OnGetDlgCode();
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
  afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
  afx_msg LRESULT OnNcHitTest(CPoint point);

  WNDPROC m_pfnSuper = nullptr;
  CMFCDynamicLayout* m_pDynamicLayout = nullptr;
  bool m_bTemporary = false;

  friend LRESULT AfxWndProc(HWND, UINT, WPARAM, LPARAM);
  DECLARE_MESSAGE_MAP()

 private:
  // wndTop and wndBottom: an object that only names a place in the Z order.
  explicit CWnd(HWND hWndPlace) : m_hWnd(hWndPlace), m_bTemporary(true) {}
};

// The window procedure of every window attached to a CWnd.
VRMWND_PLATFORM_API LRESULT AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

// Processes one message of the queue as MFC's message pump does: PreTranslateMessage
// up the window tree, else TranslateMessage and DispatchMessage. FALSE when the
// queue was empty; *pbQuit is set on WM_QUIT.
VRMWND_PLATFORM_API BOOL AfxPumpMessage(BOOL* pbQuit = nullptr);

class VRMWND_PLATFORM_API CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* pWnd);
  ~CClientDC() override;
  CClientDC(const CClientDC&) = delete;
  CClientDC& operator=(const CClientDC&) = delete;

 private:
  HWND m_hWnd;
};
