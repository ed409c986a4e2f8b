// The tab control's class procedure: the page texts and the selected page.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "vrmwnd/platform/afxtabctrl.h"
#include "window_detail.h"

namespace vrmwnd::platform::detail {
namespace {

struct TabState : ControlState {
  std::vector<std::string> pages;
  int selected = -1;
};

LRESULT tab_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Window* w = find_window(hwnd);
  if (w != nullptr && w->control == nullptr) w->control = std::make_unique<TabState>();
  TabState* state = control_state<TabState>(hwnd);
  if (state == nullptr) return DefWindowProcA(hwnd, message, wparam, lparam);
  const int count = static_cast<int>(state->pages.size());
  switch (message) {
    case TCM_GETITEMCOUNT: return count;
    case TCM_INSERTITEMA: {
      const auto* item = reinterpret_cast<const TCITEMA*>(lparam);
      if (item == nullptr) return -1;
      const int index = std::min(static_cast<int>(wparam), count);
      state->pages.insert(state->pages.begin() + index,
                          (item->mask & TCIF_TEXT) && item->pszText ? item->pszText : "");
      if (state->selected < 0) state->selected = 0;
      else if (index <= state->selected) ++state->selected;
      return index;
    }
    case TCM_GETITEMA: {
      auto* item = reinterpret_cast<TCITEMA*>(lparam);
      const int index = static_cast<int>(wparam);
      if (item == nullptr || index < 0 || index >= count) return FALSE;
      if ((item->mask & TCIF_TEXT) && item->pszText != nullptr && item->cchTextMax > 0) {
        const std::string& text = state->pages[static_cast<std::size_t>(index)];
        const std::size_t n = std::min(text.size(), static_cast<std::size_t>(item->cchTextMax - 1));
        text.copy(item->pszText, n);
        item->pszText[n] = '\0';
      }
      return TRUE;
    }
    case TCM_DELETEALLITEMS:
      state->pages.clear();
      state->selected = -1;
      return TRUE;
    case TCM_GETCURSEL: return state->selected;
    case TCM_SETCURSEL: {
      const int index = static_cast<int>(wparam);
      if (index < 0 || index >= count) return -1;
      const int previous = state->selected;
      state->selected = index;
      return previous;
    }
    default: return DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

[[maybe_unused]] const bool kTabClassRegistered = RegisterClassName(WC_TABCONTROLA, tab_proc);

}  // namespace
}  // namespace vrmwnd::platform::detail

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CreateEx(0, WC_TABCONTROLA, "", dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem) {
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<LPSTR>(lpszItem);
  return static_cast<LONG>(SendMessage(TCM_INSERTITEMA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
}

int CTabCtrl::GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }
int CTabCtrl::GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }
int CTabCtrl::SetCurSel(int nItem) { return static_cast<int>(SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(nItem))); }
BOOL CTabCtrl::DeleteAllItems() { return static_cast<BOOL>(SendMessage(TCM_DELETEALLITEMS)); }
