// The tab control's class procedure: the pages (text and application value) and the
// selected page.
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "vrmwnd/platform/afxtabctrl.h"
#include "window_detail.h"

namespace vrmwnd::platform::detail {
namespace {

struct Page {
  std::string text;
  LPARAM param = 0;
};

struct TabState : ControlState {
  std::vector<Page> pages;
  int selected = -1;
};

void set_page(Page& page, const TCITEMA& item) {
  if (item.mask & TCIF_TEXT) page.text = item.pszText ? item.pszText : "";
  if (item.mask & TCIF_PARAM) page.param = item.lParam;
}

BOOL get_page(const Page& page, TCITEMA& item) {
  if ((item.mask & TCIF_TEXT) && item.pszText && item.cchTextMax > 0) {
    std::size_t n = std::min(page.text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
    std::memcpy(item.pszText, page.text.data(), n);
    item.pszText[n] = '\0';
  }
  if (item.mask & TCIF_PARAM) item.lParam = page.param;
  return TRUE;
}

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
      Page page;
      set_page(page, *item);
      state->pages.insert(state->pages.begin() + index, page);
      if (state->selected < 0)
        state->selected = 0;
      else if (index <= state->selected)
        ++state->selected;
      return index;
    }
    case TCM_GETITEMA:
    case TCM_SETITEMA: {
      auto* item = reinterpret_cast<TCITEMA*>(lparam);
      const int index = static_cast<int>(wparam);
      if (item == nullptr || index < 0 || index >= count) return FALSE;
      Page& page = state->pages[static_cast<std::size_t>(index)];
      if (message == TCM_GETITEMA) return get_page(page, *item);
      set_page(page, *item);
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

LONG CTabCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam) {
  TCITEMA item{};
  item.mask = nMask;
  item.pszText = const_cast<LPSTR>(lpszItem);
  item.iImage = nImage;
  item.lParam = lParam;
  return static_cast<LONG>(SendMessage(TCM_INSERTITEMA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
}

BOOL CTabCtrl::GetItem(int nItem, TCITEMA* pTabCtrlItem) const {
  return static_cast<BOOL>(
      SendMessage(TCM_GETITEMA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(pTabCtrlItem)));
}

BOOL CTabCtrl::SetItem(int nItem, TCITEMA* pTabCtrlItem) {
  return static_cast<BOOL>(
      SendMessage(TCM_SETITEMA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(pTabCtrlItem)));
}

int CTabCtrl::GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }
int CTabCtrl::GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }
int CTabCtrl::SetCurSel(int nItem) { return static_cast<int>(SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(nItem))); }
BOOL CTabCtrl::DeleteAllItems() { return static_cast<BOOL>(SendMessage(TCM_DELETEALLITEMS)); }
