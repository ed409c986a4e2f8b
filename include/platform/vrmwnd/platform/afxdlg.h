// MFC's dialogs: CDialog built from a template in dialog units (resources.h), with
// OnInitDialog, DoModal running a real modal loop that the installed user agent
// answers, EndDialog, OnOK/OnCancel and the keyboard of IsDialogMessage; and the
// data exchange that binds members to dialog items (DDX_Control, DDX_Text, DDX_Check).
#pragma once

#include "vrmwnd/platform/CException.h"
#include "vrmwnd/platform/afxwin.h"
#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/resources.h"

class VRMWND_PLATFORM_API CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
  // The dialog item nIDC; raises CInvalidArgException* when the dialog has none.
  HWND PrepareCtrl(int nIDC);
};

// Subclasses dialog item nIDC into rControl the first time (a control already
// attached is left as it is).
VRMWND_PLATFORM_API void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
VRMWND_PLATFORM_API void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
VRMWND_PLATFORM_API void DDX_Check(CDataExchange* pDX, int nIDC, int& value);

class VRMWND_PLATFORM_API CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)

 public:
  CDialog() = default;
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  BOOL InitModalIndirect(const DLGTEMPLATEDESC* pTemplate, CWnd* pParentWnd = nullptr);

  // Creates the dialog with its owner disabled, runs the modal loop until
  // EndDialog and returns its result; -1 when the template is missing or when the
  // user agent leaves the dialog unanswered.
  virtual INT_PTR DoModal();
  // Modeless: creates the dialog and returns at once.
  BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  BOOL CreateIndirect(const DLGTEMPLATEDESC* pTemplate, CWnd* pParentWnd = nullptr);
  void EndDialog(int nResult);

  virtual BOOL OnInitDialog();
  BOOL PreTranslateMessage(MSG* pMsg) override;
  void GotoDlgCtrl(CWnd* pWndCtrl);
  void NextDlgCtrl() const;
  void PrevDlgCtrl() const;
  void SetDefID(UINT nID);
  DWORD GetDefID() const;
  void MapDialogRect(LPRECT lpRect) const;

 protected:
  virtual void OnOK();      // UpdateData(TRUE), then EndDialog(IDOK)
  virtual void OnCancel();  // EndDialog(IDCANCEL)
  afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
  BOOL CreateFromTemplate(const DLGTEMPLATEDESC& dialog, HWND hWndOwner);

  UINT m_nIDHelp = 0;
  UINT m_nIDTemplate = 0;
  const DLGTEMPLATEDESC* m_pTemplate = nullptr;
  CWnd* m_pParentWnd = nullptr;
  INT_PTR m_nModalResult = -1;
  BOOL m_bContinueModal = FALSE;

  DECLARE_MESSAGE_MAP()
};

// Creates a dialog window and its controls from a template: positions converted
// from dialog units with the fixed base units (wingdi.h), every control given the
// dialog font, then WM_INITDIALOG. Returns the dialog (not yet shown).
VRMWND_PLATFORM_API HWND CreateDialogFromTemplate(const DLGTEMPLATEDESC& dialog, HWND owner, LPARAM init_param);
