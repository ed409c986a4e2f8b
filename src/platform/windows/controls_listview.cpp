// The SysListView32 class in report view. Items keep one text per column, a state
// (LVIS_SELECTED, LVIS_FOCUSED) and an lParam. Every state change reaches the parent
// as LVN_ITEMCHANGED; a click selects the item under the mouse and sends NM_CLICK,
// a double click sends NM_DBLCLK; each key first reaches the parent as LVN_KEYDOWN,
// then Up, Down, Home and End move the focus and the selection. Programmatic
// changes (LVM_SETITEMSTATE) notify too, as on Windows. The selection mark is the
// item the user last selected (click or key) or the one LVM_SETSELECTIONMARK set;
// deleting items keeps it on the same item, or -1 when that item goes.
#include <algorithm>
#include <cstring>
#include <vector>

#include "vrmwnd/platform/commctrl.h"
#include "window_detail.h"

namespace vrmwnd::platform::detail {
namespace {

struct ListColumn {
  int format = LVCFMT_LEFT;
  int width = 0;
  CString text;
};

struct ListItem {
  std::vector<CString> texts;  // one per column; missing ones are empty
  UINT state = 0;
  LPARAM param = 0;
};

struct ListViewState : ControlState {
  std::vector<ListColumn> columns;
  std::vector<ListItem> items;
  DWORD extended_style = 0;
  int mark = -1;
};

template <class T>
void send_notify(HWND hwnd, T& info, UINT code) {
  Window* w = find_window(hwnd);
  if (w == nullptr || w->parent == nullptr) return;
  info.hdr.hwndFrom = hwnd;
  info.hdr.idFrom = w->id;
  info.hdr.code = code;
  SendMessageA(w->parent, WM_NOTIFY, w->id, reinterpret_cast<LPARAM>(&info));
}

bool valid_item(const ListViewState& st, int item) { return item >= 0 && item < static_cast<int>(st.items.size()); }

void copy_text(const CString& text, char* buffer, int size) {
  if (buffer == nullptr || size <= 0) return;
  const std::size_t n = std::min<std::size_t>(std::strlen(text.GetString()), static_cast<std::size_t>(size - 1));
  std::memcpy(buffer, text.GetString(), n);
  buffer[n] = '\0';
}

// Sets (state & mask) on one item and notifies when it changed.
void set_state(HWND hwnd, int item, UINT state, UINT mask) {
  auto* st = control_state<ListViewState>(hwnd);
  if (st == nullptr || !valid_item(*st, item)) return;
  ListItem& it = st->items[item];
  const UINT old_state = it.state;
  const UINT new_state = (old_state & ~mask) | (state & mask);
  if (new_state == old_state) return;
  it.state = new_state;
  NMLISTVIEW info{};
  info.iItem = item;
  info.uNewState = new_state;
  info.uOldState = old_state;
  info.uChanged = LVIF_STATE;
  info.lParam = it.param;
  send_notify(hwnd, info, LVN_ITEMCHANGED);
}

// Makes `item` the focused item and, in single selection, the only selected one.
void select_only(HWND hwnd, int item) {
  auto* st = control_state<ListViewState>(hwnd);
  if (st == nullptr || !valid_item(*st, item)) return;
  st->mark = item;
  for (int i = 0; i < static_cast<int>(st->items.size()); ++i)
    if (i != item) set_state(hwnd, i, 0, LVIS_SELECTED | LVIS_FOCUSED);
  set_state(hwnd, item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

// LVM_GETITEM: the parts of the item that the mask asks for.
LRESULT get_item(const ListViewState& st, LVITEMA* item) {
  if (item == nullptr || !valid_item(st, item->iItem)) return FALSE;
  const ListItem& it = st.items[item->iItem];
  if (item->mask & LVIF_PARAM) item->lParam = it.param;
  if (item->mask & LVIF_STATE) item->state = it.state & item->stateMask;
  if (item->mask & LVIF_TEXT) {
    const bool has = item->iSubItem >= 0 && item->iSubItem < static_cast<int>(it.texts.size());
    copy_text(has ? it.texts[item->iSubItem] : CString(), item->pszText, item->cchTextMax);
  }
  return TRUE;
}

LRESULT delete_item(ListViewState& st, int index) {
  if (!valid_item(st, index)) return FALSE;
  st.items.erase(st.items.begin() + index);
  if (st.mark == index)
    st.mark = -1;
  else if (st.mark > index)
    --st.mark;
  return TRUE;
}

int item_at(const ListViewState& st, int y) {
  if (y < kListViewHeaderHeight) return -1;
  const int item = (y - kListViewHeaderHeight) / kListViewRowHeight;
  return valid_item(st, item) ? item : -1;
}

int next_item(const ListViewState& st, int start, UINT flags) {
  for (int i = start + 1; i < static_cast<int>(st.items.size()); ++i) {
    const UINT wanted = (flags & LVNI_SELECTED ? LVIS_SELECTED : 0) | (flags & LVNI_FOCUSED ? LVIS_FOCUSED : 0);
    if ((st.items[i].state & wanted) == wanted) return i;
  }
  return -1;
}

LRESULT insert_item(ListViewState& st, const LVITEMA* item) {
  if (item == nullptr || item->iSubItem != 0) return -1;
  const int at = std::clamp(item->iItem, 0, static_cast<int>(st.items.size()));
  ListItem it;
  it.texts.resize(std::max<std::size_t>(st.columns.size(), 1));
  if ((item->mask & LVIF_TEXT) && item->pszText) it.texts[0] = item->pszText;
  if (item->mask & LVIF_PARAM) it.param = item->lParam;
  if (item->mask & LVIF_STATE) it.state = item->state & item->stateMask;
  st.items.insert(st.items.begin() + at, std::move(it));
  return at;
}

LRESULT key_down(HWND hwnd, ListViewState& st, WPARAM key) {
  NMLVKEYDOWN info{};
  info.wVKey = static_cast<WORD>(key);
  send_notify(hwnd, info, LVN_KEYDOWN);
  // The parent may have emptied the list or destroyed the control meanwhile.
  if (control_state<ListViewState>(hwnd) != &st || st.items.empty()) return 0;
  const int count = static_cast<int>(st.items.size());
  const int focused = next_item(st, -1, LVNI_FOCUSED);
  int target = -1;
  switch (key) {
    case VK_DOWN: target = focused < 0 ? 0 : std::min(focused + 1, count - 1); break;
    case VK_UP: target = focused < 0 ? 0 : std::max(focused - 1, 0); break;
    case VK_HOME: target = 0; break;
    case VK_END: target = count - 1; break;
    default: return 0;
  }
  select_only(hwnd, target);
  return 0;
}

LRESULT mouse(HWND hwnd, ListViewState& st, UINT message, LPARAM lparam) {
  const int x = static_cast<short>(LOWORD(static_cast<DWORD>(lparam)));
  const int y = static_cast<short>(HIWORD(static_cast<DWORD>(lparam)));
  const int item = item_at(st, y);
  if (message == WM_LBUTTONDOWN) {
    SetFocus(hwnd);
    if (item >= 0) select_only(hwnd, item);
    return 0;
  }
  NMITEMACTIVATE info{};
  info.iItem = item;
  info.ptAction = POINT{x, y};
  send_notify(hwnd, info, message == WM_LBUTTONDBLCLK ? NM_DBLCLK : NM_CLICK);
  return 0;
}

LRESULT item_message(HWND hwnd, ListViewState& st, UINT message, WPARAM wparam, LPARAM lparam) {
  const int index = static_cast<int>(wparam);
  auto* item = reinterpret_cast<LVITEMA*>(lparam);
  switch (message) {
    case LVM_SETITEMTEXTA:
      if (!valid_item(st, index) || item == nullptr || item->iSubItem < 0 ||
          item->iSubItem >= static_cast<int>(std::max<std::size_t>(st.columns.size(), 1)))
        return FALSE;
      st.items[index].texts.resize(std::max<std::size_t>(st.columns.size(), 1));
      st.items[index].texts[item->iSubItem] = item->pszText ? item->pszText : "";
      return TRUE;
    case LVM_GETITEMTEXTA: {
      if (!valid_item(st, index) || item == nullptr) return 0;
      const auto& texts = st.items[index].texts;
      const CString text =
          item->iSubItem >= 0 && item->iSubItem < static_cast<int>(texts.size()) ? texts[item->iSubItem] : CString();
      copy_text(text, item->pszText, item->cchTextMax);
      return item->pszText ? static_cast<LRESULT>(std::strlen(item->pszText)) : 0;
    }
    case LVM_SETITEMSTATE:
      if (item == nullptr) return FALSE;
      if (index == -1) {
        for (int i = 0; i < static_cast<int>(st.items.size()); ++i) set_state(hwnd, i, item->state, item->stateMask);
        return TRUE;
      }
      if (!valid_item(st, index)) return FALSE;
      set_state(hwnd, index, item->state, item->stateMask);
      return TRUE;
    case LVM_GETITEMSTATE:
      return valid_item(st, index) ? static_cast<LRESULT>(st.items[index].state & static_cast<UINT>(lparam)) : 0;
    default: return 0;
  }
}

LRESULT column_message(ListViewState& st, UINT message, WPARAM wparam, LPARAM lparam) {
  const int index = static_cast<int>(wparam);
  auto* column = reinterpret_cast<LVCOLUMNA*>(lparam);
  const bool valid = index >= 0 && index < static_cast<int>(st.columns.size());
  switch (message) {
    case LVM_INSERTCOLUMNA: {
      if (column == nullptr) return -1;
      const int at = std::clamp(index, 0, static_cast<int>(st.columns.size()));
      ListColumn c;
      if (column->mask & LVCF_FMT) c.format = column->fmt;
      if (column->mask & LVCF_WIDTH) c.width = column->cx;
      if ((column->mask & LVCF_TEXT) && column->pszText) c.text = column->pszText;
      st.columns.insert(st.columns.begin() + at, c);
      // Items inserted before any column already hold the text of column 0.
      if (st.columns.size() > 1)
        for (ListItem& it : st.items)
          it.texts.insert(it.texts.begin() + std::min<std::size_t>(at, it.texts.size()), CString());
      return at;
    }
    case LVM_GETCOLUMNA:
      if (!valid || column == nullptr) return FALSE;
      if (column->mask & LVCF_FMT) column->fmt = st.columns[index].format;
      if (column->mask & LVCF_WIDTH) column->cx = st.columns[index].width;
      if (column->mask & LVCF_TEXT) copy_text(st.columns[index].text, column->pszText, column->cchTextMax);
      if (column->mask & LVCF_SUBITEM) column->iSubItem = index;
      return TRUE;
    case LVM_GETCOLUMNWIDTH: return valid ? st.columns[index].width : 0;
    default: return 0;
  }
}

}  // namespace

LRESULT listview_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Window* w = find_window(hwnd);
  if (w == nullptr) return 0;
  if (message == WM_NCCREATE) {
    w->control = std::make_unique<ListViewState>();
    return TRUE;
  }
  auto* st = control_state<ListViewState>(hwnd);
  if (st == nullptr) return DefWindowProcA(hwnd, message, wparam, lparam);
  switch (message) {
    case LVM_GETITEMCOUNT: return static_cast<LRESULT>(st->items.size());
    case LVM_SETITEMA: {
      auto* item = reinterpret_cast<const LVITEMA*>(lparam);
      if (item == nullptr || !valid_item(*st, item->iItem)) return FALSE;
      if (item->mask & LVIF_PARAM) st->items[item->iItem].param = item->lParam;
      if ((item->mask & LVIF_TEXT) && item->pszText) {
        LVITEMA text = *item;
        item_message(hwnd, *st, LVM_SETITEMTEXTA, static_cast<WPARAM>(item->iItem), reinterpret_cast<LPARAM>(&text));
      }
      if (item->mask & LVIF_STATE) set_state(hwnd, item->iItem, item->state, item->stateMask);
      return TRUE;
    }
    case LVM_INSERTITEMA: return insert_item(*st, reinterpret_cast<const LVITEMA*>(lparam));
    case LVM_GETITEMA: return get_item(*st, reinterpret_cast<LVITEMA*>(lparam));
    case LVM_DELETEITEM: return delete_item(*st, static_cast<int>(wparam));
    case LVM_DELETEALLITEMS:
      st->items.clear();
      st->mark = -1;
      return TRUE;
    case LVM_GETSELECTIONMARK: return st->mark;
    case LVM_SETSELECTIONMARK: {
      const int previous = st->mark;
      st->mark = static_cast<int>(lparam);
      return previous;
    }
    case LVM_GETNEXTITEM:
      return next_item(*st, static_cast<int>(static_cast<LONG_PTR>(wparam)), static_cast<UINT>(lparam));
    case LVM_HITTEST: {
      auto* info = reinterpret_cast<LVHITTESTINFO*>(lparam);
      if (info == nullptr) return -1;
      info->iItem = item_at(*st, info->pt.y);
      info->iSubItem = 0;
      info->flags = info->iItem < 0 ? LVHT_NOWHERE : LVHT_ONITEMLABEL;
      return info->iItem;
    }
    case LVM_SETITEMTEXTA:
    case LVM_GETITEMTEXTA:
    case LVM_SETITEMSTATE:
    case LVM_GETITEMSTATE: return item_message(hwnd, *st, message, wparam, lparam);
    case LVM_INSERTCOLUMNA:
    case LVM_GETCOLUMNA:
    case LVM_GETCOLUMNWIDTH: return column_message(*st, message, wparam, lparam);
    case LVM_SETEXTENDEDLISTVIEWSTYLE: {
      const DWORD previous = st->extended_style;
      const DWORD mask = wparam != 0 ? static_cast<DWORD>(wparam) : 0xFFFFFFFFu;
      st->extended_style = (previous & ~mask) | (static_cast<DWORD>(lparam) & mask);
      return previous;
    }
    case LVM_GETEXTENDEDLISTVIEWSTYLE: return st->extended_style;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK: return mouse(hwnd, *st, message, lparam);
    case WM_KEYDOWN: return key_down(hwnd, *st, wparam);
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    default: return DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

}  // namespace vrmwnd::platform::detail
