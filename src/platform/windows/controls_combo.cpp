// The COMBOBOX class with its parts: the edit of a CBS_DROPDOWN combo (child id
// 1001) and the list that drops down (class "ComboLBox", child id 1000, one item
// per 13 pixels). Notifications to the parent:
//
// | cause                                  | notifications                          |
// |----------------------------------------|----------------------------------------|
// | the user opens the list                | CBN_DROPDOWN                           |
// | the user clicks an item of the list    | CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP|
// |                                        | (the edit of a CBS_DROPDOWN combo shows |
// |                                        | the item only after CBN_SELCHANGE)      |
// | Up/Down on a closed combo, a letter on | CBN_SELCHANGE                          |
// | a CBS_DROPDOWNLIST combo               |                                        |
// | typing in the edit                     | CBN_EDITUPDATE, CBN_EDITCHANGE         |
// | focus in / out                         | CBN_SETFOCUS / CBN_KILLFOCUS           |
// | any CB_ message (CB_SETCURSEL, ...)    | none                                   |
// CB_SETDROPPEDWIDTH below the combo's own width leaves the list as wide as the combo.
#include <algorithm>
#include <cstring>

#include "values/utf8.h"
#include "window_detail.h"

namespace vrmwnd::platform::detail {
namespace {

constexpr UINT kEditId = 1001;
constexpr UINT kListId = 1000;
constexpr int kFieldHeight = 18;
constexpr int kItemHeight = 13;

struct Item {
  CString text;
  DWORD_PTR data = 0;
};

struct ComboState : ControlState {
  std::vector<Item> items;
  int cur_sel = -1;
  bool dropped = false;
  int dropped_width = 0;
  int field_height = kFieldHeight;
  int item_height = kItemHeight;
  HWND edit = nullptr;
  HWND list = nullptr;
};

int width_of(HWND hwnd) {
  Window* w = find_window(hwnd);
  return w->rect.right - w->rect.left;
}

bool valid(const ComboState& st, WPARAM index) { return index < st.items.size(); }

void show_selection_in_edit(ComboState& st) {
  if (st.edit == nullptr) return;
  const char* text = st.cur_sel >= 0 ? st.items[static_cast<std::size_t>(st.cur_sel)].text.GetString() : "";
  SendMessageA(st.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

LRESULT set_cur_sel(ComboState& st, WPARAM index) {
  st.cur_sel = valid(st, index) ? static_cast<int>(index) : -1;
  show_selection_in_edit(st);
  return st.cur_sel >= 0 ? st.cur_sel : CB_ERR;
}

// The user picks an item: the parent hears CBN_SELCHANGE before the edit shows it.
void select_by_user(HWND hwnd, ComboState& st, int index) {
  if (index < 0 || index >= static_cast<int>(st.items.size()) || index == st.cur_sel) return;
  st.cur_sel = index;
  notify_parent(hwnd, CBN_SELCHANGE);
  if (auto* s = control_state<ComboState>(hwnd)) show_selection_in_edit(*s);
}

void drop_down(HWND hwnd, ComboState& st) {
  if (st.dropped) return;
  notify_parent(hwnd, CBN_DROPDOWN);
  st.dropped = true;
  ShowWindow(st.list, SW_SHOW);
}

void roll_up(HWND hwnd, ComboState& st, bool ok) {
  if (!st.dropped) return;
  notify_parent(hwnd, ok ? CBN_SELENDOK : CBN_SELENDCANCEL);
  st.dropped = false;
  ShowWindow(st.list, SW_HIDE);
  notify_parent(hwnd, CBN_CLOSEUP);
}

LRESULT find(const ComboState& st, WPARAM start, LPARAM text, bool exact) {
  int n = static_cast<int>(st.items.size());
  CString wanted(reinterpret_cast<const char*>(text));
  int first = static_cast<int>(start) < 0 || static_cast<int>(start) >= n ? 0 : static_cast<int>(start) + 1;
  for (int k = 0; k < n; ++k) {
    const CString& item = st.items[static_cast<std::size_t>((first + k) % n)].text;
    CString compared = exact ? item : item.Left(wanted.GetLength());
    if (compared.CompareNoCase(wanted) == 0) return (first + k) % n;
  }
  return CB_ERR;
}

LRESULT insert(HWND hwnd, ComboState& st, WPARAM index, LPARAM text, bool add) {
  Item item{CString(reinterpret_cast<const char*>(text)), 0};
  std::size_t at = st.items.size();
  if (add && (find_window(hwnd)->style & CBS_SORT)) {
    at = static_cast<std::size_t>(std::find_if(st.items.begin(), st.items.end(),
                                               [&](const Item& i) { return i.text.CompareNoCase(item.text) > 0; }) -
                                  st.items.begin());
  } else if (!add && static_cast<int>(index) >= 0) {
    if (index > st.items.size()) return CB_ERR;
    at = index;
  }
  st.items.insert(st.items.begin() + static_cast<std::ptrdiff_t>(at), item);
  if (st.cur_sel >= static_cast<int>(at)) ++st.cur_sel;
  return static_cast<LRESULT>(at);
}

LRESULT copy_text(const CString& text, LPARAM buffer) {
  if (buffer != 0)
    std::memcpy(reinterpret_cast<char*>(buffer), text.GetString(), static_cast<std::size_t>(text.GetLength()) + 1);
  return text.GetLength();
}

void on_key_down(HWND hwnd, ComboState& st, int vk) {
  switch (vk) {
    case VK_F4: st.dropped ? roll_up(hwnd, st, true) : drop_down(hwnd, st); break;
    case VK_DOWN: select_by_user(hwnd, st, st.cur_sel + 1); break;
    case VK_UP: select_by_user(hwnd, st, std::max(0, st.cur_sel - 1)); break;
    case VK_RETURN: roll_up(hwnd, st, true); break;
    case VK_ESCAPE: roll_up(hwnd, st, false); break;
    default: break;
  }
}

void on_edit_command(HWND hwnd, ComboState& st, WORD code) {
  switch (code) {
    case EN_UPDATE: notify_parent(hwnd, CBN_EDITUPDATE); break;
    case EN_CHANGE:
      st.cur_sel = -1;
      notify_parent(hwnd, CBN_EDITCHANGE);
      break;
    case EN_SETFOCUS: notify_parent(hwnd, CBN_SETFOCUS); break;
    case EN_KILLFOCUS:
      roll_up(hwnd, st, false);
      if (GetFocus() != hwnd) notify_parent(hwnd, CBN_KILLFOCUS);
      break;
    default: break;
  }
}

LRESULT on_create(HWND hwnd, Window* w) {
  auto st = std::make_unique<ComboState>();
  ComboState* s = st.get();
  w->control = std::move(st);
  int width = width_of(hwnd);
  if ((w->style & 0x3) == CBS_DROPDOWN) {
    s->edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, width, kFieldHeight, hwnd,
                              kEditId, nullptr, nullptr);
  }
  s->list = CreateWindowExA(0, "ComboLBox", "", WS_CHILD, 0, kFieldHeight, width, 0, hwnd, kListId, nullptr, nullptr);
  return 0;
}

// The CB_ messages of the program: none of them notifies.
LRESULT cb_message(HWND hwnd, ComboState& state, UINT message, WPARAM wparam, LPARAM lparam) {
  ComboState* st = &state;
  switch (message) {
    case CB_ADDSTRING: return insert(hwnd, *st, 0, lparam, true);
    case CB_INSERTSTRING: return insert(hwnd, *st, wparam, lparam, false);
    case CB_DELETESTRING:
      if (!valid(*st, wparam)) return CB_ERR;
      st->items.erase(st->items.begin() + static_cast<std::ptrdiff_t>(wparam));
      if (st->cur_sel == static_cast<int>(wparam))
        st->cur_sel = -1;
      else if (st->cur_sel > static_cast<int>(wparam))
        --st->cur_sel;
      return static_cast<LRESULT>(st->items.size());
    case CB_RESETCONTENT:
      st->items.clear();
      st->cur_sel = -1;
      show_selection_in_edit(*st);
      return CB_OKAY;
    case CB_GETCOUNT: return static_cast<LRESULT>(st->items.size());
    case CB_GETCURSEL: return st->cur_sel;
    case CB_SETCURSEL: return set_cur_sel(*st, wparam);
    case CB_GETLBTEXT: return valid(*st, wparam) ? copy_text(st->items[wparam].text, lparam) : CB_ERR;
    case CB_GETLBTEXTLEN: return valid(*st, wparam) ? st->items[wparam].text.GetLength() : CB_ERR;
    case CB_GETITEMDATA: return valid(*st, wparam) ? static_cast<LRESULT>(st->items[wparam].data) : CB_ERR;
    case CB_SETITEMDATA:
      if (!valid(*st, wparam)) return CB_ERR;
      st->items[wparam].data = static_cast<DWORD_PTR>(lparam);
      return CB_OKAY;
    case CB_FINDSTRING: return find(*st, wparam, lparam, false);
    case CB_FINDSTRINGEXACT: return find(*st, wparam, lparam, true);
    case CB_SELECTSTRING: {
      LRESULT i = find(*st, wparam, lparam, false);
      return i == CB_ERR ? CB_ERR : set_cur_sel(*st, static_cast<WPARAM>(i));
    }
    case CB_SETDROPPEDWIDTH:
      if (static_cast<int>(wparam) >= 32768) return CB_ERR;
      st->dropped_width = static_cast<int>(wparam) >= width_of(hwnd) ? static_cast<int>(wparam) : 0;
      [[fallthrough]];
    case CB_GETDROPPEDWIDTH: return st->dropped_width ? st->dropped_width : width_of(hwnd);
    case CB_SETITEMHEIGHT:
      if (wparam != static_cast<WPARAM>(-1) && static_cast<int>(wparam) < 0) return CB_ERR;
      if (static_cast<int>(lparam) >= 32768 || lparam < 0) return CB_ERR;
      (static_cast<int>(wparam) == -1 ? st->field_height : st->item_height) = static_cast<int>(lparam);
      return CB_OKAY;
    case CB_GETITEMHEIGHT: return static_cast<int>(wparam) == -1 ? st->field_height : st->item_height;
    case CB_SHOWDROPDOWN: wparam ? drop_down(hwnd, *st) : roll_up(hwnd, *st, false); return TRUE;
    case CB_GETDROPPEDSTATE: return st->dropped ? TRUE : FALSE;
    case CB_LIMITTEXT: return st->edit ? SendMessageA(st->edit, EM_LIMITTEXT, wparam, 0) : CB_ERR;
    case CB_GETEDITSEL: return st->edit ? SendMessageA(st->edit, EM_GETSEL, wparam, lparam) : CB_ERR;
    case CB_SETEDITSEL:
      if (!st->edit) return CB_ERR;
      SendMessageA(st->edit, EM_SETSEL,
                   static_cast<WPARAM>(static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lparam)))),
                   static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(lparam))));
      return TRUE;
    default: return CB_ERR;
  }
}

}  // namespace

LRESULT combo_list_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_LBUTTONUP) {
    HWND combo = GetParent(hwnd);
    if (auto* st = control_state<ComboState>(combo)) {
      select_by_user(combo, *st, HIWORD(static_cast<std::uintptr_t>(lparam)) / std::max(1, st->item_height));
      if ((st = control_state<ComboState>(combo))) roll_up(combo, *st, true);
    }
    return 0;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

LRESULT combo_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Window* w = find_window(hwnd);
  if (w == nullptr) return 0;
  if (message == WM_CREATE) return on_create(hwnd, w);
  auto* st = control_state<ComboState>(hwnd);
  if (st == nullptr) return DefWindowProcA(hwnd, message, wparam, lparam);
  switch (message) {
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lparam) == st->edit) on_edit_command(hwnd, *st, HIWORD(wparam));
      return 0;
    case WM_SETFOCUS:
      if (st->edit) {
        SetFocus(st->edit);
      } else {
        notify_parent(hwnd, CBN_SETFOCUS);
      }
      return 0;
    case WM_KILLFOCUS:
      if (!st->edit && reinterpret_cast<HWND>(wparam) != st->list) {
        roll_up(hwnd, *st, false);
        notify_parent(hwnd, CBN_KILLFOCUS);
      }
      return 0;
    case WM_LBUTTONDOWN:
      if (GetFocus() != hwnd && !IsChild(hwnd, GetFocus())) SetFocus(hwnd);
      if ((st = control_state<ComboState>(hwnd))) st->dropped ? roll_up(hwnd, *st, true) : drop_down(hwnd, *st);
      return 0;
    case WM_KEYDOWN: on_key_down(hwnd, *st, static_cast<int>(wparam)); return 0;
    case WM_CHAR:
      if (!st->edit && wparam >= 0x20) {
        CString prefix = encode_char(static_cast<UINT>(wparam));
        LRESULT i = find(*st, static_cast<WPARAM>(st->cur_sel), reinterpret_cast<LPARAM>(prefix.GetString()), false);
        if (i != CB_ERR) select_by_user(hwnd, *st, static_cast<int>(i));
      }
      return 0;
    case WM_GETDLGCODE: {
      const MSG* msg = reinterpret_cast<const MSG*>(lparam);
      UINT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
      if (st->dropped && msg && msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE))
        code |= DLGC_WANTMESSAGE;
      return code;
    }
    case WM_SETTEXT:
      if (!st->edit) return CB_ERR;
      return SendMessageA(st->edit, WM_SETTEXT, wparam, lparam);
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
      if (st->edit) return SendMessageA(st->edit, message, wparam, lparam);
      w->text = st->cur_sel >= 0 ? st->items[static_cast<std::size_t>(st->cur_sel)].text : CString();
      return DefWindowProcA(hwnd, message, wparam, lparam);
    default:
      if (message >= CB_GETEDITSEL && message <= CB_SETDROPPEDWIDTH)
        return cb_message(hwnd, *st, message, wparam, lparam);
      return DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

}  // namespace vrmwnd::platform::detail

BOOL GetComboBoxInfo(HWND combo, PCOMBOBOXINFO info) {
  auto* st = detail::control_state<detail::ComboState>(combo);
  if (st == nullptr || info == nullptr) return FALSE;
  info->hwndCombo = combo;
  info->hwndItem = st->edit;
  info->hwndList = st->list;
  return TRUE;
}
