// The EDIT class. Its text is the window text; the selection and the caret count
// characters. Notifications to the parent, in Windows' order:
//
// | cause                                   | notifications                      |
// |-----------------------------------------|------------------------------------|
// | typing, Backspace, Delete, EM_REPLACESEL| EN_UPDATE, EN_CHANGE (also when the|
// |                                         | text ends up the same)             |
// | text beyond the limit                   | EN_MAXTEXT, then the part that fits|
// | WM_SETTEXT / SetWindowText              | EN_UPDATE, EN_CHANGE on a single-  |
// |                                         | line edit; none on a multi-line one|
// |                                         | or the edit of a combo box         |
// | gaining / losing the focus              | EN_SETFOCUS / EN_KILLFOCUS         |
// | EM_SETSEL, EM_LIMITTEXT, rejected keys  | none                               |
// Typed characters follow ES_NUMBER (digits only), ES_UPPERCASE / ES_LOWERCASE and
// ES_READONLY. A click puts the caret at the end of the text.
#include <algorithm>

#include "window_detail.h"

namespace vrmwnd::platform::detail {
namespace {

constexpr int kDefaultLimit = 32767;

struct EditState : ControlState {
  int sel_start = 0;
  int sel_end = 0;  // the caret
  int limit = kDefaultLimit;
  bool modified = false;
};

bool in_combo(const Window& w) {
  Window* parent = find_window(w.parent);
  return parent != nullptr && lower_class(*parent) == "combobox";
}

void replace_selection(HWND hwnd, CString insert, bool honor_limit, bool notify) {
  Window* w = find_window(hwnd);
  auto* st = control_state<EditState>(hwnd);
  if (w->style & ES_UPPERCASE) insert.MakeUpper();
  if (w->style & ES_LOWERCASE) insert.MakeLower();
  int length = char_count(w->text);
  int s = std::min(st->sel_start, st->sel_end), e = std::max(st->sel_start, st->sel_end);
  if (honor_limit) {
    int available = std::max(0, st->limit - (length - (e - s)));
    if (char_count(insert) > available) {
      insert = Utf8CutToChars(insert, available);
      notify_parent(hwnd, EN_MAXTEXT);
    }
  }
  if (s == e && insert.IsEmpty()) return;
  int from = byte_offset(w->text, s), to = byte_offset(w->text, e);
  w->text = w->text.Left(from) + insert + w->text.Mid(to);
  st->sel_start = st->sel_end = s + char_count(insert);
  st->modified = true;
  if (notify) {
    notify_parent(hwnd, EN_UPDATE);
    notify_parent(hwnd, EN_CHANGE);
  }
}

void on_char(HWND hwnd, UINT ch) {
  Window* w = find_window(hwnd);
  auto* st = control_state<EditState>(hwnd);
  if (w->style & ES_READONLY) return;
  if (ch == VK_BACK) {
    if (st->sel_start == st->sel_end) {
      if (st->sel_end == 0) return;
      st->sel_start = st->sel_end - 1;
    }
    replace_selection(hwnd, "", false, true);
    return;
  }
  if (ch == '\r' || ch == '\n') {
    if (w->style & ES_MULTILINE) replace_selection(hwnd, "\r\n", true, true);
    return;
  }
  if (ch < 0x20 || ch == 0x7F) return;
  if ((w->style & ES_NUMBER) && (ch < '0' || ch > '9')) return;
  replace_selection(hwnd, encode_char(ch), true, true);
}

void on_key_down(HWND hwnd, int vk) {
  Window* w = find_window(hwnd);
  auto* st = control_state<EditState>(hwnd);
  int length = char_count(w->text);
  bool shift = is_key_down(VK_SHIFT);
  auto move_caret = [&](int caret) {
    st->sel_end = std::clamp(caret, 0, length);
    if (!shift) st->sel_start = st->sel_end;
  };
  switch (vk) {
    case VK_LEFT: move_caret(st->sel_end - 1); break;
    case VK_RIGHT: move_caret(st->sel_end + 1); break;
    case VK_HOME: move_caret(0); break;
    case VK_END: move_caret(length); break;
    case VK_DELETE:
      if (w->style & ES_READONLY) break;
      if (st->sel_start == st->sel_end) {
        if (st->sel_end == length) break;
        st->sel_end = st->sel_start + 1;
      }
      replace_selection(hwnd, "", false, true);
      break;
    case VK_UP:
    case VK_DOWN:
    case VK_F4:
      if (in_combo(*w)) SendMessageA(w->parent, WM_KEYDOWN, static_cast<WPARAM>(vk), 0);
      break;
    default: break;
  }
}

LRESULT get_sel(HWND hwnd, WPARAM wparam, LPARAM lparam) {
  auto* st = control_state<EditState>(hwnd);
  DWORD s = static_cast<DWORD>(std::min(st->sel_start, st->sel_end));
  DWORD e = static_cast<DWORD>(std::max(st->sel_start, st->sel_end));
  if (wparam) *reinterpret_cast<DWORD*>(wparam) = s;
  if (lparam) *reinterpret_cast<DWORD*>(lparam) = e;
  return MAKELONG(static_cast<WORD>(s), static_cast<WORD>(e));
}

void set_sel(HWND hwnd, int start, int end) {
  Window* w = find_window(hwnd);
  auto* st = control_state<EditState>(hwnd);
  int length = char_count(w->text);
  if (start == -1) {  // removes the selection, the caret stays
    st->sel_start = st->sel_end;
    return;
  }
  if (end == -1 || end > length) end = length;
  st->sel_start = std::clamp(start, 0, length);
  st->sel_end = std::clamp(end, 0, length);
}

// The EM_ messages of the program; EM_REPLACESEL is the one that notifies.
LRESULT em_message(HWND hwnd, Window& window, EditState& state, UINT message, WPARAM wparam, LPARAM lparam) {
  Window* w = &window;
  EditState* st = &state;
  bool multiline = (w->style & ES_MULTILINE) != 0;
  switch (message) {
    case EM_GETSEL: return get_sel(hwnd, wparam, lparam);
    case EM_SETSEL: set_sel(hwnd, static_cast<int>(wparam), static_cast<int>(lparam)); return 0;
    case EM_REPLACESEL: replace_selection(hwnd, reinterpret_cast<const char*>(lparam), true, true); return 0;
    case EM_LIMITTEXT:
      st->limit =
          wparam == 0 ? (multiline ? 0x7FFFFFFF : 0x7FFFFFFE) : static_cast<int>(std::min<WPARAM>(wparam, 0x7FFFFFFF));
      return 0;
    case EM_GETLIMITTEXT: return st->limit;
    case EM_GETMODIFY: return st->modified ? TRUE : FALSE;
    case EM_SETMODIFY: st->modified = wparam != 0; return 0;
    case EM_SETREADONLY: w->style = wparam ? (w->style | ES_READONLY) : (w->style & ~ES_READONLY); return TRUE;
    case EM_SCROLLCARET: return TRUE;
    case EM_GETLINECOUNT: {
      int lines = 1;
      for (int i = w->text.Find("\r\n"); i >= 0; i = w->text.Find("\r\n", i + 2)) ++lines;
      return lines;
    }
    default: return DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

}  // namespace

LRESULT edit_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Window* w = find_window(hwnd);
  if (w == nullptr) return 0;
  auto* st = control_state<EditState>(hwnd);
  if (st == nullptr && message != WM_NCCREATE) return DefWindowProcA(hwnd, message, wparam, lparam);
  bool multiline = (w->style & ES_MULTILINE) != 0;
  switch (message) {
    case WM_NCCREATE: w->control = std::make_unique<EditState>(); return TRUE;
    case WM_CHAR: on_char(hwnd, static_cast<UINT>(wparam)); return 0;
    case WM_KEYDOWN: on_key_down(hwnd, static_cast<int>(wparam)); return 0;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);
      set_sel(hwnd, char_count(w->text), char_count(w->text));
      return 0;
    case WM_SETTEXT:
      w->text.Empty();
      st->sel_start = st->sel_end = 0;
      replace_selection(hwnd, reinterpret_cast<const char*>(lparam), false, false);
      st->sel_start = st->sel_end = 0;
      st->modified = false;
      if (!multiline && !in_combo(*w)) {
        notify_parent(hwnd, EN_UPDATE);
        notify_parent(hwnd, EN_CHANGE);
      }
      return TRUE;
    case WM_SETFOCUS: notify_parent(hwnd, EN_SETFOCUS); return 0;
    case WM_KILLFOCUS: notify_parent(hwnd, EN_KILLFOCUS); return 0;
    case WM_GETDLGCODE: {
      UINT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
      const MSG* msg = reinterpret_cast<const MSG*>(lparam);
      if (multiline && (w->style & ES_WANTRETURN) && msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN)
        code |= DLGC_WANTALLKEYS;
      return code;
    }
    default:
      if (message >= EM_GETSEL && message <= EM_GETLIMITTEXT) return em_message(hwnd, *w, *st, message, wparam, lparam);
      return DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

}  // namespace vrmwnd::platform::detail
