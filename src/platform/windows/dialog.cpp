// The dialog manager: dialogs created from templates, the default dialog
// procedure (default button, WM_NEXTDLGCTL, WM_CLOSE), tab order, EndDialog and
// the keyboard of IsDialogMessage:
//
// | key              | what the dialog does                                            |
// |------------------|-----------------------------------------------------------------|
// | Tab, Shift+Tab   | focus to the next/previous visible, enabled WS_TABSTOP control, |
// |                  | wrapping; an edit reached so gets its whole text selected       |
// | Enter            | a focused push button is clicked; else the default button       |
// |                  | (DM_GETDEFID) if enabled; else WM_COMMAND IDOK                  |
// | Escape           | WM_COMMAND IDCANCEL with the IDCANCEL control (or NULL)         |
// | Alt+letter       | the control whose text marks the letter with & (from the focus  |
// | (WM_SYSCHAR), or | on, wrapping): a static or group box sends the focus to the     |
// | a letter to a    | next tab stop after it; a button is clicked. A letter without   |
// | control without  | Alt is taken so only when the focused control does not want     |
// | DLGC_WANTCHARS   | characters (a button, say).                                     |
// A control whose WM_GETDLGCODE says DLGC_WANTALLKEYS gets the key itself.
#include "vrmwnd/platform/afxcmdui.h"
#include "vrmwnd/platform/afxdlg.h"
#include "window_detail.h"

namespace vrmwnd::platform::detail {
namespace {

struct DialogState : ControlState {
  UINT default_id = 0;
  bool ended = false;
  INT_PTR result = 0;
  HWND saved_focus = nullptr;
};

// The child of `dialog` that holds `hwnd` (hwnd itself or one of its ancestors).
HWND direct_child(HWND dialog, HWND hwnd) {
  while (hwnd != nullptr && GetParent(hwnd) != dialog) hwnd = find_window(hwnd) ? find_window(hwnd)->parent : nullptr;
  return hwnd;
}

bool is_tab_stop(HWND hwnd) {
  Window* w = find_window(hwnd);
  return w && (w->style & WS_TABSTOP) && (w->style & WS_VISIBLE) && !(w->style & WS_DISABLED);
}

HWND find_default_button(HWND dialog) {
  for (HWND child : find_window(dialog)->children) {
    if (SendMessageA(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) return child;
  }
  return nullptr;
}

// Moves the focus as the dialog manager does: an edit gets its text selected first.
void focus_control(HWND dialog, HWND control) {
  if (control == nullptr) return;
  if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(control, EM_SETSEL, 0, -1);
  SetFocus(control);
  if (auto* state = control_state<DialogState>(dialog)) state->saved_focus = control;
}

void set_default_id(HWND dialog, UINT id) {
  auto* state = control_state<DialogState>(dialog);
  HWND old_default = find_default_button(dialog);
  HWND new_default = GetDlgItem(dialog, static_cast<int>(id));
  if (old_default && old_default != new_default) SendMessageA(old_default, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  if (new_default && (SendMessageA(new_default, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON))
    SendMessageA(new_default, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  state->default_id = id;
}

void press_enter(HWND dialog) {
  HWND focus = GetFocus();
  if (IsChild(dialog, focus) &&
      (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(focus)), BN_CLICKED),
                 reinterpret_cast<LPARAM>(focus));
    return;
  }
  DWORD def = static_cast<DWORD>(SendMessageA(dialog, DM_GETDEFID, 0, 0));
  if (HIWORD(def) == DC_HASDEFID) {
    HWND button = GetDlgItem(dialog, LOWORD(def));
    if (button == nullptr || IsWindowEnabled(button))
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(LOWORD(def), BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return;
  }
  SendMessageA(dialog, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

// The letter a control's text marks with & ("&Salvar" marks s; "&&" is a plain &),
// folded to lower case; 0 when none.
CString mnemonic_of(HWND hwnd) {
  Window* w = find_window(hwnd);
  if (w == nullptr) return CString();
  const CString& text = w->text;
  for (int i = 0; i + 1 < text.GetLength(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;
      continue;
    }
    int from = i + 1, to = from + 1;
    while (to < text.GetLength() && (static_cast<unsigned char>(text[to]) & 0xC0) == 0x80) ++to;
    CString letter = text.Mid(from, to - from);
    return letter.MakeLower();
  }
  return CString();
}

// The control of `dialog` whose mnemonic is `ch`, searched from the one after the
// focus, wrapping; hidden and disabled controls and statics marked SS_NOPREFIX are
// passed over.
HWND find_mnemonic(HWND dialog, UINT ch) {
  CString wanted = encode_char(ch);
  wanted.MakeLower();
  const auto& items = find_window(dialog)->children;
  const int n = static_cast<int>(items.size());
  int start = 0;
  HWND focused = direct_child(dialog, GetFocus());
  for (int i = 0; i < n; ++i)
    if (items[static_cast<std::size_t>(i)] == focused) start = i + 1;
  for (int k = 0; k < n; ++k) {
    HWND item = items[static_cast<std::size_t>((start + k) % n)];
    Window* w = find_window(item);
    if (!(w->style & WS_VISIBLE) || (w->style & WS_DISABLED)) continue;
    if (lower_class(*w) == "static" && (w->style & SS_NOPREFIX)) continue;
    if (mnemonic_of(item) == wanted) return item;
  }
  return nullptr;
}

// Alt+letter (or a letter the focused control does not want): TRUE when a control
// took it.
bool press_mnemonic(HWND dialog, UINT ch) {
  if (ch <= ' ') return false;
  HWND item = find_mnemonic(dialog, ch);
  if (item == nullptr) return false;
  UINT code = static_cast<UINT>(SendMessageA(item, WM_GETDLGCODE, 0, 0));
  if (code & DLGC_STATIC) {
    focus_control(dialog, GetNextDlgTabItem(dialog, item, FALSE));
  } else if (code & DLGC_BUTTON) {
    SendMessageA(item, BM_CLICK, 0, 0);
  } else {
    focus_control(dialog, item);
  }
  return true;
}

}  // namespace

// Runs the loop of a modal dialog until CDialog::EndDialog or ::EndDialog; when the
// queue is empty the user agent acts, and a dialog nobody answers ends with -1.
void run_modal_loop(HWND dialog, BOOL& continue_modal, INT_PTR& result) {
  push_modal(dialog);
  struct PopOnExit {  // an exception from a handler or the agent leaves the stack right
    HWND dialog;
    ~PopOnExit() { pop_modal(dialog); }
  } pop_on_exit{dialog};
  LPARAM idle_count = 0;
  while (continue_modal && IsWindow(dialog)) {
    auto* state = control_state<DialogState>(dialog);
    if (state && state->ended) {
      result = state->result;
      break;
    }
    BOOL quit = FALSE;
    if (AfxPumpMessage(&quit)) {
      if (quit) {
        PostQuitMessage(0);
        break;
      }
      continue;
    }
    // The queue is empty: the dialog may bring its controls up to date (MFC's
    // WM_KICKIDLE); what that posts is handled before the user acts.
    SendMessageA(dialog, WM_KICKIDLE, MSGF_DIALOGBOX, idle_count++);
    MSG posted{};
    if (PeekMessageA(&posted, nullptr, 0, 0, PM_NOREMOVE) || !IsWindow(dialog)) continue;
    if (state = control_state<DialogState>(dialog); state && state->ended) continue;
    if (!ask_user_agent()) {
      result = -1;
      break;
    }
  }
}

}  // namespace vrmwnd::platform::detail

using detail::find_window;

LRESULT DefDlgProcA(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  detail::Window* w = find_window(hwnd);
  if (w == nullptr) return 0;
  auto* state = detail::control_state<detail::DialogState>(hwnd);
  switch (message) {
    case WM_NCCREATE: w->control = std::make_unique<detail::DialogState>(); return TRUE;
    case WM_INITDIALOG: return TRUE;
    case DM_GETDEFID: {
      if (state && state->default_id) return MAKELONG(static_cast<WORD>(state->default_id), DC_HASDEFID);
      HWND button = detail::find_default_button(hwnd);
      return button ? MAKELONG(static_cast<WORD>(GetDlgCtrlID(button)), DC_HASDEFID) : 0;
    }
    case DM_SETDEFID: detail::set_default_id(hwnd, static_cast<UINT>(wparam)); return TRUE;
    case WM_NEXTDLGCTL: {
      HWND target = lparam ? reinterpret_cast<HWND>(wparam) : GetNextDlgTabItem(hwnd, GetFocus(), wparam != 0);
      detail::focus_control(hwnd, target);
      return 0;
    }
    case WM_SETFOCUS: {
      HWND target =
          (state && IsWindow(state->saved_focus)) ? state->saved_focus : GetNextDlgTabItem(hwnd, nullptr, FALSE);
      if (target) SetFocus(target);
      return 0;
    }
    case WM_CLOSE:
      PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDCANCEL)));
      return 0;
    default: return DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
  detail::Window* w = find_window(dialog);
  if (w == nullptr) return nullptr;
  const auto& items = w->children;
  int n = static_cast<int>(items.size());
  if (n == 0) return nullptr;
  HWND current = detail::direct_child(dialog, control);
  int start = -1;
  for (int i = 0; i < n; ++i)
    if (items[static_cast<std::size_t>(i)] == current) start = i;
  if (start < 0) start = previous ? 0 : n - 1;
  for (int step = 1; step <= n; ++step) {
    int i = ((previous ? start - step : start + step) % n + n) % n;
    if (detail::is_tab_stop(items[static_cast<std::size_t>(i)])) return items[static_cast<std::size_t>(i)];
  }
  return current;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
  auto* state = detail::control_state<detail::DialogState>(dialog);
  if (state == nullptr) return FALSE;
  state->ended = true;
  state->result = result;
  return TRUE;
}

BOOL IsDialogMessageA(HWND dialog, LPMSG msg) {
  if (msg == nullptr || (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd))) return FALSE;
  UINT code = static_cast<UINT>(SendMessageA(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg)));
  if (msg->message == WM_KEYDOWN && !(code & DLGC_WANTALLKEYS)) {
    switch (static_cast<int>(msg->wParam)) {
      case VK_TAB:
        if (code & DLGC_WANTTAB) break;
        SendMessageA(dialog, WM_NEXTDLGCTL, (GetKeyState(VK_SHIFT) & 0x8000) ? 1 : 0, 0);
        return TRUE;
      case VK_ESCAPE:
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return TRUE;
      case VK_RETURN: detail::press_enter(dialog); return TRUE;
      default: break;
    }
  }
  if (msg->message == WM_CHAR && msg->wParam == '\t' && !(code & DLGC_WANTTAB)) return TRUE;
  if (msg->message == WM_SYSCHAR) {
    detail::press_mnemonic(dialog, static_cast<UINT>(msg->wParam));
    return TRUE;
  }
  if (msg->message == WM_CHAR && !(code & DLGC_WANTCHARS) &&
      detail::press_mnemonic(dialog, static_cast<UINT>(msg->wParam)))
    return TRUE;
  TranslateMessage(msg);
  DispatchMessageA(msg);
  return TRUE;
}

HWND CreateDialogFromTemplate(const DLGTEMPLATEDESC& dialog, HWND owner, LPARAM init_param) {
  RECT frame{dialog.x, dialog.y, dialog.x + dialog.cx, dialog.y + dialog.cy};
  frame.left = MulDiv(frame.left, detail::kBaseUnitX, 4);
  frame.right = MulDiv(frame.right, detail::kBaseUnitX, 4);
  frame.top = MulDiv(frame.top, detail::kBaseUnitY, 8);
  frame.bottom = MulDiv(frame.bottom, detail::kBaseUnitY, 8);
  DWORD style = dialog.style & ~WS_VISIBLE;
  const RECT insets = detail::frame_insets(style);  // the template gives the client area
  frame.right += insets.left + insets.right;
  frame.bottom += insets.top + insets.bottom;
  HWND hwnd = CreateWindowExA(0, "#32770", dialog.caption, style, frame.left, frame.top, frame.right - frame.left,
                              frame.bottom - frame.top, owner, 0, AfxGetResourceHandle(), nullptr);
  if (hwnd == nullptr) return nullptr;
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetDialogFont()), FALSE);
  for (const DLGITEMDESC& item : dialog.items) {
    RECT r{item.x, item.y, item.x + item.cx, item.y + item.cy};
    MapDialogRect(hwnd, &r);
    HWND control = CreateWindowExA(item.ex_style, item.class_name, item.text, item.style | WS_CHILD, r.left, r.top,
                                   r.right - r.left, r.bottom - r.top, hwnd, item.id, AfxGetResourceHandle(), nullptr);
    if (control == nullptr) {
      DestroyWindow(hwnd);
      return nullptr;
    }
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetDialogFont()), FALSE);
  }
  HWND first = GetNextDlgTabItem(hwnd, nullptr, FALSE);
  if (SendMessageA(hwnd, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), init_param) && IsWindow(hwnd)) {
    detail::focus_control(hwnd, GetNextDlgTabItem(hwnd, nullptr, FALSE));
  }
  return IsWindow(hwnd) ? hwnd : nullptr;
}

// CDataExchange and DDX.

HWND CDataExchange::PrepareCtrl(int nIDC) {
  HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
  if (control == nullptr) AfxThrowInvalidArgException();
  return control;
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd != nullptr) return;
  if (!rControl.SubclassWindow(pDX->PrepareCtrl(nIDC))) AfxThrowInvalidArgException();
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  HWND control = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    CWnd::FromHandle(control)->GetWindowText(value);
  } else {
    ::SetWindowTextA(control, value);
  }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
  HWND control = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    value = static_cast<int>(::SendMessageA(control, BM_GETCHECK, 0, 0));
  } else {
    ::SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
  }
}

// CDialog.

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

BOOL CDialog::InitModalIndirect(const DLGTEMPLATEDESC* pTemplate, CWnd* pParentWnd) {
  m_pTemplate = pTemplate;
  m_pParentWnd = pParentWnd;
  return pTemplate != nullptr;
}

BOOL CDialog::CreateFromTemplate(const DLGTEMPLATEDESC& dialog, HWND hWndOwner) {
  detail::hook_next_creation(this);
  HWND hWnd = CreateDialogFromTemplate(dialog, hWndOwner, 0);
  detail::hook_next_creation(nullptr);
  return hWnd != nullptr;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  m_nIDTemplate = nIDTemplate;
  return CreateIndirect(AfxFindDialogTemplate(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(const DLGTEMPLATEDESC* pTemplate, CWnd* pParentWnd) {
  if (pTemplate == nullptr) return FALSE;
  m_pParentWnd = pParentWnd;
  if (!CreateFromTemplate(*pTemplate, pParentWnd ? pParentWnd->m_hWnd : nullptr)) return FALSE;
  if (pTemplate->style & WS_VISIBLE) ShowWindow(SW_SHOW);
  return TRUE;
}

INT_PTR CDialog::DoModal() {
  const DLGTEMPLATEDESC* dialog = m_pTemplate ? m_pTemplate : AfxFindDialogTemplate(m_nIDTemplate);
  if (dialog == nullptr) return -1;
  HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : GetActiveWindow();
  while (owner != nullptr && (::GetWindowLongPtrA(owner, GWL_STYLE) & WS_CHILD)) owner = ::GetParent(owner);
  // On every way out, an exception included: the owner enabled again, the window gone
  // and, as closing an owned modal window reactivates its owner, the focus back on the
  // control that had it when this window took over (unless something took it since).
  struct Cleanup {
    CDialog* dialog;
    HWND owner;
    bool disabled_owner;
    HWND focus_before;
    ~Cleanup() {
      if (disabled_owner) ::EnableWindow(owner, TRUE);
      if (dialog->m_hWnd != nullptr) dialog->DestroyWindow();
      if (::GetFocus() == nullptr && focus_before != nullptr && ::IsWindow(focus_before)) ::SetFocus(focus_before);
    }
  } cleanup{this, owner, owner != nullptr && ::IsWindowEnabled(owner), ::GetFocus()};
  if (cleanup.disabled_owner) ::EnableWindow(owner, FALSE);
  m_nModalResult = -1;
  m_bContinueModal = TRUE;
  if (CreateFromTemplate(*dialog, owner)) {
    ShowWindow(SW_SHOW);
    detail::run_modal_loop(m_hWnd, m_bContinueModal, m_nModalResult);
    if (::GetFocus() == m_hWnd || ::IsChild(m_hWnd, ::GetFocus())) ::SetFocus(nullptr);
    ShowWindow(SW_HIDE);
  }
  return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
  m_nModalResult = nResult;
  m_bContinueModal = FALSE;
  if (m_hWnd != nullptr) ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
  Default();
  return OnInitDialog();
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
  return ::IsDialogMessageA(m_hWnd, pMsg);
}

void CDialog::OnOK() {
  UpdateData(TRUE);
  EndDialog(IDOK);
}
void CDialog::OnCancel() { EndDialog(IDCANCEL); }
void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
  if (pWndCtrl) SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), TRUE);
}
void CDialog::NextDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 0, 0); }
void CDialog::PrevDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 1, 0); }
void CDialog::SetDefID(UINT nID) { SendMessage(DM_SETDEFID, nID); }
DWORD CDialog::GetDefID() const { return static_cast<DWORD>(SendMessage(DM_GETDEFID)); }
void CDialog::MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }
