// The message box window: a dialog built from a template sized to the text, run
// by the modal loop and answered by the user agent like any dialog.
#include "vrmwnd/platform/msgbox_window.h"

#include <algorithm>
#include <vector>

#include "platform_detail.h"
#include "vrmwnd/platform/afxdlg.h"
#include "vrmwnd/platform/useragent.h"
#include "vrmwnd/platform/winctrl.h"

namespace vrmwnd::platform::detail {
namespace {

struct ButtonText {
  int id;
  const char* text;
};

std::vector<ButtonText> buttons_of(UINT flags) {
  switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{IDOK, "OK"}, {IDCANCEL, "Cancelar"}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, "Anular"}, {IDRETRY, "Repetir"}, {IDIGNORE, "Ignorar"}};
    case MB_YESNOCANCEL: return {{IDYES, "Sim"}, {IDNO, "Não"}, {IDCANCEL, "Cancelar"}};
    case MB_YESNO: return {{IDYES, "Sim"}, {IDNO, "Não"}};
    case MB_RETRYCANCEL: return {{IDRETRY, "Repetir"}, {IDCANCEL, "Cancelar"}};
    default: return {{IDOK, "OK"}};
  }
}

// Dialog units of a text in the fixed font: widest line and number of lines.
SIZE text_size_dlu(const CString& text) {
  int widest = 0, lines = 0;
  for (int start = 0; start <= text.GetLength(); ++lines) {
    int end = text.Find('\n', start);
    if (end < 0) end = text.GetLength();
    widest = std::max(widest, Utf8CharCount(text.Mid(start, end - start)));
    start = end + 1;
  }
  return SIZE{MulDiv(widest * kFixedCharWidth, 4, 6), lines * 8};
}

constexpr short kIconSize = 20;

// The message boxes on screen, innermost last, with their buttons.
struct OpenBox {
  HWND hwnd;
  std::vector<int> buttons;
};
std::vector<OpenBox>& open_boxes() {
  static std::vector<OpenBox> boxes;
  return boxes;
}

const OpenBox* find_box(HWND hwnd) {
  for (const OpenBox& b : open_boxes())
    if (b.hwnd == hwnd) return &b;
  return nullptr;
}

class MessageBoxDialog : public CDialog {
 public:
  MessageBoxDialog(UINT flags, CWnd* owner) : buttons_(buttons_of(flags)), flags_(flags) {
    default_id_ = DefaultMessageBoxButton(flags);
    owner_ = owner;
  }
  INT_PTR Run(const char* text, const char* caption) {
    SIZE text_dlu = text_size_dlu(text);
    // The icon of the flags, when there is one, stands left of the text.
    const bool icon = (flags_ & MB_ICONMASK) != 0;
    const short text_x = icon ? 7 + kIconSize + 7 : 7;
    short button_row = static_cast<short>(buttons_.size() * 54);
    short width = static_cast<short>(std::max<LONG>(text_dlu.cx + text_x + 7, button_row + 10));
    short height = static_cast<short>(std::max<LONG>(text_dlu.cy, icon ? kIconSize : 0) + 14 + 14 + 7);
    dialog_ = DLGTEMPLATEDESC{caption, 0, 0, width, height, WS_POPUP | WS_CAPTION | DS_MODALFRAME, {}};
    if (icon)
      dialog_.items.push_back({kMessageBoxIconId, "STATIC", "", 7, 7, kIconSize, kIconSize, WS_VISIBLE | SS_ICON});
    dialog_.items.push_back({static_cast<UINT>(kMessageBoxTextId), "STATIC", text, text_x, 7,
                             static_cast<short>(text_dlu.cx), static_cast<short>(text_dlu.cy), WS_VISIBLE});
    short x = static_cast<short>(width - button_row);
    for (const ButtonText& b : buttons_) {
      DWORD style = WS_VISIBLE | WS_TABSTOP | (b.id == default_id_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
      dialog_.items.push_back(
          {static_cast<UINT>(b.id), "BUTTON", b.text, x, static_cast<short>(height - 21), 50, 14, style});
      x = static_cast<short>(x + 54);
    }
    InitModalIndirect(&dialog_, owner_);
    // The box leaves the list however the modal loop ends.
    struct Forget {
      HWND& hwnd;
      ~Forget() {
        auto& boxes = open_boxes();
        boxes.erase(std::remove_if(boxes.begin(), boxes.end(), [this](const OpenBox& b) { return b.hwnd == hwnd; }),
                    boxes.end());
      }
    } forget{box_hwnd_};
    return DoModal();
  }

  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override {
    if (nCode == BN_CLICKED && has_button(static_cast<int>(nID))) {
      EndDialog(static_cast<int>(nID));
      return TRUE;
    }
    if (nID == IDCANCEL && (flags_ & MB_TYPEMASK) == MB_OK) {
      EndDialog(IDOK);
      return TRUE;
    }
    if (nID == IDCANCEL || nID == IDOK) return TRUE;  // Escape without a Cancel button
    return CDialog::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
  }

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    if (HWND icon = ::GetDlgItem(m_hWnd, kMessageBoxIconId))
      ::SendMessageA(icon, STM_SETICON, static_cast<WPARAM>(flags_ & MB_ICONMASK), 0);
    box_hwnd_ = m_hWnd;
    OpenBox box{m_hWnd, {}};
    for (const ButtonText& b : buttons_) box.buttons.push_back(b.id);
    open_boxes().push_back(std::move(box));
    GotoDlgCtrl(GetDlgItem(default_id_));
    return FALSE;
  }

 private:
  bool has_button(int id) const {
    return std::any_of(buttons_.begin(), buttons_.end(), [id](const ButtonText& b) { return b.id == id; });
  }
  std::vector<ButtonText> buttons_;
  UINT flags_;
  int default_id_ = IDOK;
  CWnd* owner_ = nullptr;
  HWND box_hwnd_ = nullptr;
  DLGTEMPLATEDESC dialog_{};
};

}  // namespace
}  // namespace vrmwnd::platform::detail

int WindowMessageBoxPresenter::Present(HWND owner, const char* text, const char* caption, UINT flags) {
  detail::MessageBoxDialog box(flags, CWnd::FromHandle(owner));
  INT_PTR result = box.Run(text, caption);
  return result < 0 ? 0 : static_cast<int>(result);
}

bool IsMessageBoxWindow(HWND hwnd) { return hwnd != nullptr && detail::find_box(hwnd) != nullptr; }

CString GetMessageBoxText(HWND hwnd) {
  if (!IsMessageBoxWindow(hwnd)) return CString();
  CString text;
  CWnd::FromHandle(::GetDlgItem(hwnd, kMessageBoxTextId))->GetWindowText(text);
  return text;
}

std::vector<int> GetMessageBoxButtons(HWND hwnd) {
  const detail::OpenBox* box = detail::find_box(hwnd);
  return box ? box->buttons : std::vector<int>{};
}
