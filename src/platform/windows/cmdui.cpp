// Command user-interface updates: CCmdUI over a dialog's controls and
// CWnd::UpdateDialogControls, which offers every child to the target's
// ON_UPDATE_COMMAND_UI handlers.
#include "vrmwnd/platform/afxcmdui.h"

#include "vrmwnd/platform/afxmenu.h"
#include "vrmwnd/platform/winctrl.h"

void CCmdUI::Enable(BOOL bOn) {
  m_bEnableChanged = TRUE;
  if (m_pMenu != nullptr) {
    m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    return;
  }
  if (m_pOther == nullptr) return;
  // A control about to be disabled gives the focus to the next one, as MFC does.
  if (!bOn && CWnd::GetFocus() == m_pOther) {
    if (CWnd* pParent = m_pOther->GetParent())
      if (CWnd* pNext = pParent->GetNextDlgTabItem(m_pOther); pNext != nullptr && pNext != m_pOther) pNext->SetFocus();
  }
  m_pOther->EnableWindow(bOn);
}

void CCmdUI::SetCheck(int nCheck) {
  if (m_pMenu != nullptr) {
    m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    return;
  }
  if (m_pOther != nullptr) m_pOther->SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck));
}

void CCmdUI::SetText(LPCTSTR lpszText) {
  if (m_pOther == nullptr || lpszText == nullptr) return;
  CString strAtual;
  m_pOther->GetWindowText(strAtual);
  if (strAtual != lpszText) m_pOther->SetWindowText(lpszText);
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  if (pTarget == nullptr) return FALSE;
  m_bEnableChanged = FALSE;
  const BOOL bHandled = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
  if (!bHandled && bDisableIfNoHndler && !m_bEnableChanged) {
    int nProbe = 0;
    Enable(pTarget->OnCmdMsg(m_nID, 0, nullptr, &nProbe));
  }
  return bHandled;
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  CCmdUI state;
  for (HWND h = ::GetWindow(m_hWnd, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
    const int nId = ::GetDlgCtrlID(h);
    if (nId == 0 || nId == static_cast<int>(static_cast<WORD>(-1))) continue;
    state.m_nID = static_cast<UINT>(nId);
    state.m_pOther = CWnd::FromHandle(h);
    state.DoUpdate(pTarget, bDisableIfNoHndler);
  }
}

void CWnd::UpdateMenuCommandUI(HMENU hMenu) {
  CCmdUI state;
  state.m_pMenu = CMenu::FromHandle(hMenu);
  if (state.m_pMenu == nullptr) return;
  const int nCount = state.m_pMenu->GetMenuItemCount();
  for (int i = 0; i < nCount; ++i) {
    const UINT nId = state.m_pMenu->GetMenuItemID(i);
    if (nId == 0 || nId == static_cast<UINT>(-1)) continue;  // separators and popups
    state.m_nID = nId;
    state.m_nIndex = static_cast<UINT>(i);
    state.DoUpdate(this, FALSE);
  }
}
