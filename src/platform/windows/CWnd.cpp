// CWnd: attaching objects to windows, subclassing, creation, the message-map
// dispatch with reflected notifications, the message pump and MFC's thin wrappers
// over USER32. The message being processed is kept per call so Default() can hand
// it to the class procedure.
#include <map>
#include <memory>

#include "vrmwnd/platform/afxdlg.h"
#include "vrmwnd/platform/afxlayout.h"
#include "vrmwnd/platform/commctrl.h"
#include "window_detail.h"

namespace vrmwnd::platform::detail {
namespace {

struct CurrentMessage {
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
};

thread_local CWnd* g_creating = nullptr;
thread_local std::vector<CurrentMessage> g_current;

}  // namespace

void hook_next_creation(CWnd* wnd) { g_creating = wnd; }

void hook_window_creation(HWND hwnd) {
  if (g_creating == nullptr) return;
  CWnd* wnd = g_creating;
  g_creating = nullptr;
  wnd->SubclassWindow(hwnd);
}

}  // namespace vrmwnd::platform::detail

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, {}}};
  static const AFX_MSGMAP map = {nullptr, &entries[0]};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const {
  for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
       map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->nSig != AfxSig_end; ++e) {
      if (e->nMessage == nMessage && e->nCode == nCode && nID >= e->nID && nID <= e->nLastID) return e;
    }
  }
  return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
  const AFX_MSGMAP_ENTRY* e = FindMessageEntry(WM_COMMAND, static_cast<UINT>(nCode) & 0xFFFF, nID);
  if (e == nullptr) return FALSE;
  if (pHandlerInfo != nullptr) return TRUE;
  if (e->nSig == AfxSigCmdUI)
    (this->*e->pfn.pfn_UI)(static_cast<CCmdUI*>(pExtra));
  else
    (this->*e->pfn.pfn_v)();
  return TRUE;
}

IMPLEMENT_DYNAMIC(CWnd, CObject)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);

CWnd::~CWnd() {
  delete m_pDynamicLayout;
  if (m_hWnd != nullptr && !m_bTemporary && IsWindow(m_hWnd)) {
    detail::Window* w = detail::find_window(m_hWnd);
    if (w->cwnd == this) ::DestroyWindow(m_hWnd);
  }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  detail::Window* w = detail::find_window(hWnd);
  return w ? w->cwnd : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  detail::Window* w = detail::find_window(hWnd);
  if (w == nullptr) return nullptr;
  if (w->cwnd != nullptr) return w->cwnd;
  if (!w->temporary_cwnd) {
    w->temporary_cwnd = std::make_unique<CWnd>();
    w->temporary_cwnd->m_hWnd = hWnd;
    w->temporary_cwnd->m_bTemporary = true;
  }
  return w->temporary_cwnd.get();
}

BOOL CWnd::Attach(HWND hWndNew) {
  detail::Window* w = detail::find_window(hWndNew);
  if (w == nullptr || m_hWnd != nullptr || w->cwnd != nullptr) return FALSE;
  w->cwnd = this;
  m_hWnd = hWndNew;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hWnd = m_hWnd;
  if (detail::Window* w = detail::find_window(hWnd); w && w->cwnd == this) w->cwnd = nullptr;
  m_hWnd = nullptr;
  return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!Attach(hWnd)) return FALSE;
  detail::Window* w = detail::find_window(hWnd);
  if (w->proc != AfxWndProc) {
    m_pfnSuper = w->proc;
    w->proc = AfxWndProc;
  }
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  HWND hWndControl = pParent ? ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)) : nullptr;
  return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow() {
  if (detail::Window* w = detail::find_window(m_hWnd); w && m_pfnSuper) w->proc = m_pfnSuper;
  m_pfnSuper = nullptr;
  return Detach();
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, void* lpParam) {
  if (m_hWnd != nullptr) return FALSE;
  detail::g_creating = this;
  HWND hWnd = ::CreateWindowExA(dwExStyle, lpszClassName ? lpszClassName : "AfxWnd", lpszWindowName, dwStyle, rect.left,
                                rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                pParentWnd ? pParentWnd->m_hWnd : nullptr, nID, nullptr, lpParam);
  detail::g_creating = nullptr;
  return hWnd != nullptr;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID) {
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::DestroyWindow() { return m_hWnd != nullptr && ::DestroyWindow(m_hWnd); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageA(m_hWnd, message, wParam, lParam);
}
BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
int CWnd::SetDlgCtrlID(int nID) { return static_cast<int>(::SetWindowLongPtrA(m_hWnd, GWL_ID, nID)); }

void CWnd::GetWindowText(CString& rString) const {
  int length = ::GetWindowTextLengthA(m_hWnd);
  ::GetWindowTextA(m_hWnd, rString.GetBufferSetLength(length), length + 1);
  rString.ReleaseBuffer();
}
int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const {
  return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
}
int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
void CWnd::SetWindowText(LPCTSTR lpszString) { ::SetWindowTextA(m_hWnd, lpszString); }
int CWnd::GetDlgItemText(int nID, CString& rString) const {
  rString.Empty();
  if (CWnd* item = GetDlgItem(nID)) item->GetWindowText(rString);
  return rString.GetLength();
}
void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString) { ::SetDlgItemTextA(m_hWnd, nID, lpszString); }
BOOL CWnd::EnableWindow(BOOL bEnable) { return ::EnableWindow(m_hWnd, bEnable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
DWORD CWnd::GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)); }
BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT) {
  DWORD style = GetStyle(), updated = (style & ~dwRemove) | dwAdd;
  if (style == updated) return FALSE;
  ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG>(updated));
  return TRUE;
}
CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }
void CWnd::GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
void CWnd::GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
void CWnd::ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }
void CWnd::ScreenToClient(LPRECT lpRect) const {
  ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->left));
  ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->right));
}
void CWnd::ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
  ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}
void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
  MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}
BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
  return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : nullptr, x, y, cx, cy, nFlags);
}
BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const { return ::GetWindowPlacement(m_hWnd, lpwndpl); }
BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl) { return ::SetWindowPlacement(m_hWnd, lpwndpl); }
BOOL CWnd::IsZoomed() const { return ::IsZoomed(m_hWnd); }
BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }
HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
  return reinterpret_cast<HICON>(
      SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

HICON CWnd::GetIcon(BOOL bBigIcon) const {
  return reinterpret_cast<HICON>(SendMessage(WM_GETICON, bBigIcon ? ICON_BIG : ICON_SMALL));
}

void CWnd::Invalidate(BOOL bErase) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase) { ::InvalidateRect(m_hWnd, lpRect, bErase); }

void CWnd::EnableDynamicLayout(BOOL bEnable) {
  delete m_pDynamicLayout;
  m_pDynamicLayout = nullptr;
  if (!bEnable) return;
  m_pDynamicLayout = new CMFCDynamicLayout;
  if (!m_pDynamicLayout->Create(this)) {
    delete m_pDynamicLayout;
    m_pDynamicLayout = nullptr;
  }
}

void CWnd::ResizeDynamicLayout() {
  if (m_pDynamicLayout != nullptr && m_hWnd != nullptr) m_pDynamicLayout->Adjust();
}

CFont* CWnd::GetFont() const { return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT))); }
void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont ? pFont->m_hObject : nullptr), bRedraw);
}
CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const {
  return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl ? pWndCtl->m_hWnd : nullptr, bPrevious));
}
void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) {
  ::SendMessageA(::GetDlgItem(m_hWnd, nIDButton), BM_SETCHECK, nCheck, 0);
}
UINT CWnd::IsDlgButtonChecked(int nIDButton) const {
  return static_cast<UINT>(::SendMessageA(::GetDlgItem(m_hWnd, nIDButton), BM_GETCHECK, 0, 0));
}
int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
  return ::MessageBoxA(m_hWnd, lpszText, lpszCaption, nType);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  DoDataExchange(&dx);
  return TRUE;
}
void CWnd::DoDataExchange(CDataExchange*) {}
void CWnd::PostNcDestroy() {}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
  for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
    if (CWnd* wnd = FromHandlePermanent(hWnd); wnd && wnd->PreTranslateMessage(pMsg)) return TRUE;
    if (hWnd == hWndStop) break;
  }
  return FALSE;
}

// After WM_SIZE, whoever handled it, the dynamic layout follows the new size.
LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  if (message == WM_SIZE) ResizeDynamicLayout();
  return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper != nullptr) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  const auto& current = detail::g_current.back();
  return DefWindowProc(current.message, current.wparam, current.lparam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    *pResult = 1;
    return TRUE;
  }
  if (message == WM_NOTIFY && lParam != 0) {
    auto* pHdr = reinterpret_cast<NMHDR*>(lParam);
    if (const AFX_MSGMAP_ENTRY* e = FindMessageEntry(WM_NOTIFY, pHdr->code, static_cast<UINT>(pHdr->idFrom));
        e != nullptr && e->nSig == AfxSigNotify_v) {
      LRESULT result = 0;
      (this->*e->pfn.pfn_NOTIFY)(pHdr, &result);
      *pResult = result;
      return TRUE;
    }
  }
  UINT code = message == WM_COMMAND + WM_REFLECT_BASE ? HIWORD(wParam) : 0;
  const AFX_MSGMAP_ENTRY* e = FindMessageEntry(message, code, 0);
  if (e == nullptr && message == WM_INITMENUPOPUP) {
    UpdateMenuCommandUI(reinterpret_cast<HMENU>(wParam));
    *pResult = 0;
    return TRUE;
  }
  if (e == nullptr) return FALSE;
  LRESULT result = 0;
  switch (e->nSig) {
    case AfxSigCmd_v:
      (this->*e->pfn.pfn_v)();
      result = TRUE;
      break;
    case AfxSigCmd_b: result = (this->*e->pfn.pfn_b)(); break;
    case AfxSig_vW: (this->*e->pfn.pfn_vW)(FromHandle(reinterpret_cast<HWND>(wParam))); break;
    case AfxSig_vwww:
      (this->*e->pfn.pfn_vwww)(static_cast<UINT>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
                               HIWORD(static_cast<std::uintptr_t>(lParam)));
      break;
    case AfxSig_vv: (this->*e->pfn.pfn_vv)(); break;
    case AfxSig_lwl: result = (this->*e->pfn.pfn_lwl)(wParam, lParam); break;
    case AfxSig_wv: result = (this->*e->pfn.pfn_wv)(); break;
    case AfxSig_vwii:
      (this->*e->pfn.pfn_vwii)(static_cast<UINT>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
                               HIWORD(static_cast<std::uintptr_t>(lParam)));
      break;
    case AfxSig_vMMI: (this->*e->pfn.pfn_vMMI)(reinterpret_cast<MINMAXINFO*>(lParam)); break;
    case AfxSig_vWp:
      (this->*e->pfn.pfn_vWp)(FromHandle(reinterpret_cast<HWND>(wParam)),
                              CPoint(static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam))),
                                     static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lParam)))));
      break;
    case AfxSig_bHELPINFO: result = (this->*e->pfn.pfn_bHELPINFO)(reinterpret_cast<HELPINFO*>(lParam)); break;
    case AfxSig_lp:
      result = (this->*e->pfn.pfn_lp)(CPoint(static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam))),
                                             static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lParam)))));
      break;
    default: return FALSE;
  }
  *pResult = result;
  // A reflected handler's result says whether the control consumed the notification.
  return message == WM_COMMAND + WM_REFLECT_BASE ? static_cast<BOOL>(result) : TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
  if (hWndCtrl != nullptr) {
    CWnd* control = FromHandlePermanent(hWndCtrl);
    if (control != nullptr && control->OnChildNotify(WM_COMMAND, wParam, lParam, nullptr)) return TRUE;
  }
  return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  LRESULT result = 0;
  BOOL consumed = OnWndMsg(message + WM_REFLECT_BASE, wParam, lParam, &result);
  if (pResult != nullptr) *pResult = result;
  return consumed;
}

void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnDestroy() { Default(); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
BOOL CWnd::OnHelpInfo(HELPINFO*) { return static_cast<BOOL>(Default()); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }

LRESULT AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
  if (wnd == nullptr) return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
  detail::g_current.push_back({nMsg, wParam, lParam});
  LRESULT result = wnd->WindowProc(nMsg, wParam, lParam);
  detail::g_current.pop_back();
  if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == wnd) {
    wnd->Detach();
    wnd->m_pfnSuper = nullptr;
    wnd->PostNcDestroy();
  }
  return result;
}

BOOL AfxPumpMessage(BOOL* pbQuit) {
  MSG msg;
  if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return FALSE;
  if (msg.message == WM_QUIT) {
    if (pbQuit) *pbQuit = TRUE;
    return TRUE;
  }
  if (!CWnd::WalkPreTranslateTree(nullptr, &msg)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return TRUE;
}

CFont* CFont::FromHandle(HFONT hFont) {
  if (hFont == nullptr) return nullptr;
  static std::map<HFONT, std::unique_ptr<CFont>> fonts;
  auto& font = fonts[hFont];
  if (!font) {
    font = std::make_unique<CFont>();
    font->m_hObject = hFont;
  }
  return font.get();
}

CFont* CDC::SelectObject(CFont* pFont) {
  HGDIOBJ previous = ::SelectObject(m_hDC, reinterpret_cast<HGDIOBJ>(pFont ? pFont->m_hObject : nullptr));
  return CFont::FromHandle(reinterpret_cast<HFONT>(previous));
}
CSize CDC::GetTextExtent(const CString& str) const { return GetTextExtent(str.GetString(), str.GetLength()); }
CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const {
  SIZE size{0, 0};
  ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size);
  return CSize(size);
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) { m_hDC = ::GetDC(m_hWnd); }
CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, m_hDC); }
