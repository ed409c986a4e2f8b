// CEdit, CComboBox, CButton and CStatic: each member sends its message.
#include "vrmwnd/platform/afxctrl.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CStatic, CWnd)

namespace {
LPARAM text_param(LPCTSTR text) { return reinterpret_cast<LPARAM>(text); }
}  // namespace

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("EDIT", "", dwStyle, rect, pParentWnd, nID);
}
void CEdit::SetSel(int nStartChar, int nEndChar, BOOL) {
  SendMessage(EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
}
void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
  DWORD s = 0, e = 0;
  SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  nStartChar = static_cast<int>(s);
  nEndChar = static_cast<int>(e);
}
DWORD CEdit::GetSel() const { return static_cast<DWORD>(SendMessage(EM_GETSEL)); }
void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo) {
  SendMessage(EM_REPLACESEL, static_cast<WPARAM>(bCanUndo), text_param(lpszNewText));
}
void CEdit::LimitText(int nChars) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(nChars)); }
void CEdit::SetLimitText(UINT nMax) { SendMessage(EM_SETLIMITTEXT, nMax); }
UINT CEdit::GetLimitText() const { return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT)); }
BOOL CEdit::SetReadOnly(BOOL bReadOnly) {
  return static_cast<BOOL>(SendMessage(EM_SETREADONLY, static_cast<WPARAM>(bReadOnly)));
}
BOOL CEdit::GetModify() const { return static_cast<BOOL>(SendMessage(EM_GETMODIFY)); }
void CEdit::SetModify(BOOL bModified) { SendMessage(EM_SETMODIFY, static_cast<WPARAM>(bModified)); }

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("COMBOBOX", "", dwStyle, rect, pParentWnd, nID);
}
int CComboBox::AddString(LPCTSTR s) { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, text_param(s))); }
int CComboBox::InsertString(int i, LPCTSTR s) {
  return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(i), text_param(s)));
}
int CComboBox::DeleteString(UINT i) { return static_cast<int>(SendMessage(CB_DELETESTRING, i)); }
void CComboBox::ResetContent() { SendMessage(CB_RESETCONTENT); }
int CComboBox::GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
int CComboBox::GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
int CComboBox::SetCurSel(int i) { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(i))); }
DWORD_PTR CComboBox::GetItemData(int i) const {
  return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(i)));
}
int CComboBox::SetItemData(int i, DWORD_PTR data) {
  return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(i), static_cast<LPARAM>(data)));
}
int CComboBox::FindString(int start, LPCTSTR s) const {
  return static_cast<int>(SendMessage(CB_FINDSTRING, static_cast<WPARAM>(start), text_param(s)));
}
int CComboBox::FindStringExact(int start, LPCTSTR s) const {
  return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), text_param(s)));
}
int CComboBox::SelectString(int start, LPCTSTR s) {
  return static_cast<int>(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(start), text_param(s)));
}
int CComboBox::GetLBText(int i, LPTSTR text) const {
  return static_cast<int>(SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text)));
}
void CComboBox::GetLBText(int i, CString& rString) const {
  int length = GetLBTextLen(i);
  if (length < 0) AfxThrowInvalidArgException();
  GetLBText(i, rString.GetBufferSetLength(length));
  rString.ReleaseBuffer(length);
}
int CComboBox::GetLBTextLen(int i) const {
  return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(i)));
}
int CComboBox::SetDroppedWidth(UINT w) { return static_cast<int>(SendMessage(CB_SETDROPPEDWIDTH, w)); }
int CComboBox::GetDroppedWidth() const { return static_cast<int>(SendMessage(CB_GETDROPPEDWIDTH)); }
int CComboBox::SetItemHeight(int i, UINT h) {
  return static_cast<int>(SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(i), static_cast<LPARAM>(h)));
}
int CComboBox::GetItemHeight(int i) const {
  return static_cast<int>(SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(i)));
}
void CComboBox::ShowDropDown(BOOL b) { SendMessage(CB_SHOWDROPDOWN, static_cast<WPARAM>(b)); }
BOOL CComboBox::GetDroppedState() const { return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE)); }
BOOL CComboBox::LimitText(int n) { return static_cast<BOOL>(SendMessage(CB_LIMITTEXT, static_cast<WPARAM>(n))); }

BOOL CButton::Create(LPCTSTR caption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("BUTTON", caption, dwStyle, rect, pParentWnd, nID);
}
int CButton::GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
void CButton::SetCheck(int nCheck) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
UINT CButton::GetButtonStyle() const { return GetStyle() & 0xFFFF; }
void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) { SendMessage(BM_SETSTYLE, nStyle, bRedraw); }

BOOL CStatic::Create(LPCTSTR text, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("STATIC", text, dwStyle, rect, pParentWnd, nID);
}
HICON CStatic::SetIcon(HICON hIcon) {
  return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(hIcon)));
}
HICON CStatic::GetIcon() const { return reinterpret_cast<HICON>(SendMessage(STM_GETICON)); }
