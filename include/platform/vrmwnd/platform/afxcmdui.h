// CCmdUI, the user-interface state of one command as ON_UPDATE_COMMAND_UI handlers
// set it: for a dialog's control, Enable enables or disables the control, SetCheck
// checks a button and SetText sets the control's text. A dialog keeps its controls
// in step by calling UpdateDialogControls on WM_KICKIDLE, which the modal loop sends
// each time the dialog's queue runs empty. For a menu item (m_pMenu set), Enable
// grays the item and SetCheck checks it.
#pragma once

#include "vrmwnd/platform/afxwin.h"
#include "vrmwnd/platform/export.h"

// Sent by the modal loop of a dialog when its message queue is empty; wParam is
// MSGF_DIALOGBOX, lParam the count of idle turns so far.
constexpr UINT WM_KICKIDLE = 0x036A;
constexpr WPARAM MSGF_DIALOGBOX = 0;

class CMenu;

class VRMWND_PLATFORM_API CCmdUI {
 public:
  UINT m_nID = 0;
  CWnd* m_pOther = nullptr;  // the control the command belongs to
  CMenu* m_pMenu = nullptr;  // or the menu holding the item at m_nIndex
  UINT m_nIndex = 0;
  BOOL m_bEnableChanged = FALSE;

  virtual ~CCmdUI() = default;
  virtual void Enable(BOOL bOn = TRUE);
  virtual void SetCheck(int nCheck = 1);
  virtual void SetText(LPCTSTR lpszText);
  // Offers this state to pTarget's handler; without one, disables the control when
  // bDisableIfNoHndler is set and pTarget has no command handler either. TRUE when a
  // handler ran.
  BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};
