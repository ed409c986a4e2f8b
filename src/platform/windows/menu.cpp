// Menus and their items: creation, loading from a menu resource, items appended,
// inserted and deleted, check and enable states, and the texts.
#include <memory>
#include <set>

#include "menu_detail.h"
#include "platform_detail.h"
#include "vrmwnd/platform/winuser.h"

namespace vrmwnd::platform::detail {
namespace {

constexpr DWORD kNoItem = 0xFFFFFFFF;
constexpr DWORD kResourceNameNotFound = 1814;  // ERROR_RESOURCE_NAME_NOT_FOUND

std::set<Menu*>& live_menus() {
  static std::set<Menu*> menus;
  return menus;
}

HMENU new_menu() {
  auto* menu = new Menu;
  live_menus().insert(menu);
  return reinterpret_cast<HMENU>(menu);
}

// The item `item` of `menu`: by position, or by command anywhere below `menu`
// (the menu that holds it in *owner).
MenuItem* find_item(HMENU menu, UINT item, UINT flags, Menu** owner = nullptr) {
  Menu* m = find_menu(menu);
  if (m == nullptr) return nullptr;
  if (flags & MF_BYPOSITION) {
    if (item >= m->items.size()) return nullptr;
    if (owner) *owner = m;
    return &m->items[item];
  }
  for (MenuItem& i : m->items) {
    if (i.submenu != nullptr) {
      if (MenuItem* found = find_item(i.submenu, item, flags, owner)) return found;
    } else if (!(i.flags & MF_SEPARATOR) && i.id == item) {
      if (owner) *owner = m;
      return &i;
    }
  }
  return nullptr;
}

MenuItem make_item(UINT flags, UINT_PTR item, LPCSTR text) {
  MenuItem made;
  made.flags = flags & ~MF_BYPOSITION;
  if (flags & MF_POPUP)
    made.submenu = reinterpret_cast<HMENU>(item);
  else if (!(flags & MF_SEPARATOR))
    made.id = static_cast<UINT>(item);
  if (text != nullptr && !(flags & MF_SEPARATOR)) made.text = text;
  return made;
}

void append_template(HMENU menu, const std::vector<MENUITEMDESC>& items) {
  for (const MENUITEMDESC& d : items) {
    if (d.flags & MF_POPUP) {
      HMENU sub = CreatePopupMenu();
      append_template(sub, d.items);
      AppendMenuA(menu, d.flags, reinterpret_cast<UINT_PTR>(sub), d.text);
    } else {
      AppendMenuA(menu, d.flags, d.id, d.text);
    }
  }
}

}  // namespace

Menu* find_menu(HMENU menu) {
  auto* m = reinterpret_cast<Menu*>(menu);
  return live_menus().contains(m) ? m : nullptr;
}

}  // namespace vrmwnd::platform::detail

using detail::find_item;
using detail::find_menu;

HMENU CreateMenu() { return detail::new_menu(); }
HMENU CreatePopupMenu() { return detail::new_menu(); }

HMENU LoadMenuFromTemplate(const MENUTEMPLATEDESC& menu) {
  HMENU made = CreateMenu();
  detail::append_template(made, menu.items);
  return made;
}

HMENU LoadMenuA(HINSTANCE instance, LPCSTR name) {
  const auto id = static_cast<UINT>(reinterpret_cast<std::uintptr_t>(name));
  const MENUTEMPLATEDESC* found = detail::find_module_menu(instance, id);
  if (found == nullptr) {
    SetLastError(detail::kResourceNameNotFound);
    return nullptr;
  }
  return LoadMenuFromTemplate(*found);
}

BOOL DestroyMenu(HMENU menu) {
  detail::Menu* m = find_menu(menu);
  if (m == nullptr) return FALSE;
  detail::live_menus().erase(m);
  for (const detail::MenuItem& i : m->items)
    if (i.submenu) DestroyMenu(i.submenu);
  delete m;
  return TRUE;
}

BOOL IsMenu(HMENU menu) { return find_menu(menu) != nullptr; }

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR item, LPCSTR text) {
  return InsertMenuA(menu, static_cast<UINT>(-1), flags | MF_BYPOSITION, item, text);
}

BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR item, LPCSTR text) {
  detail::Menu* owner = find_menu(menu);
  if (owner == nullptr || ((flags & MF_POPUP) && !IsMenu(reinterpret_cast<HMENU>(item)))) return FALSE;
  std::size_t index = owner->items.size();
  if (flags & MF_BYPOSITION) {
    index = std::min<std::size_t>(position, owner->items.size());
  } else {
    detail::MenuItem* before = find_item(menu, position, flags, &owner);
    if (before == nullptr) return FALSE;
    index = static_cast<std::size_t>(before - owner->items.data());
  }
  owner->items.insert(owner->items.begin() + static_cast<std::ptrdiff_t>(index), detail::make_item(flags, item, text));
  return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
  detail::Menu* owner = nullptr;
  detail::MenuItem* item = find_item(menu, position, flags, &owner);
  if (item == nullptr) return FALSE;
  if (item->submenu) DestroyMenu(item->submenu);
  owner->items.erase(owner->items.begin() + (item - owner->items.data()));
  return TRUE;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags) {
  detail::MenuItem* found = find_item(menu, item, flags);
  if (found == nullptr) return detail::kNoItem;
  const DWORD previous = found->flags & MF_CHECKED;
  found->flags = (found->flags & ~MF_CHECKED) | (flags & MF_CHECKED);
  return previous;
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags) {
  detail::MenuItem* found = find_item(menu, item, flags);
  if (found == nullptr) return static_cast<BOOL>(detail::kNoItem);
  const UINT kState = MF_GRAYED | MF_DISABLED;
  const UINT previous = found->flags & kState;
  found->flags = (found->flags & ~kState) | (flags & kState);
  return static_cast<BOOL>(previous);
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
  detail::MenuItem* found = find_item(menu, item, flags);
  if (found == nullptr) return detail::kNoItem;
  if (found->submenu) return (static_cast<UINT>(GetMenuItemCount(found->submenu)) << 8) | (found->flags & 0xFF);
  return found->flags;
}

int GetMenuItemCount(HMENU menu) {
  detail::Menu* m = find_menu(menu);
  return m ? static_cast<int>(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
  detail::MenuItem* found = position < 0 ? nullptr : find_item(menu, static_cast<UINT>(position), MF_BYPOSITION);
  if (found == nullptr || found->submenu) return detail::kNoItem;
  return found->id;
}

HMENU GetSubMenu(HMENU menu, int position) {
  detail::MenuItem* found = position < 0 ? nullptr : find_item(menu, static_cast<UINT>(position), MF_BYPOSITION);
  return found ? found->submenu : nullptr;
}

int GetMenuStringA(HMENU menu, UINT item, LPSTR buffer, int size, UINT flags) {
  detail::MenuItem* found = find_item(menu, item, flags);
  if (found == nullptr) return 0;
  const int length = static_cast<int>(found->text.size());
  if (buffer == nullptr || size <= 0) return length;
  const int copied = std::min(length, size - 1);
  found->text.copy(buffer, static_cast<std::size_t>(copied));
  buffer[copied] = '\0';
  return copied;
}

BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL fByPosition, MENUITEMINFOA* info) {
  detail::MenuItem* found = find_item(menu, item, fByPosition ? MF_BYPOSITION : MF_BYCOMMAND);
  if (found == nullptr || info == nullptr) return FALSE;
  if (info->fMask & MIIM_FTYPE) info->fType = found->flags & MFT_SEPARATOR;
  if (info->fMask & MIIM_STATE) {
    info->fState = found->flags & (MFS_CHECKED | MFS_HILITE | MF_GRAYED | MF_DISABLED);
  }
  if (info->fMask & MIIM_ID) info->wID = found->id;
  if (info->fMask & MIIM_SUBMENU) info->hSubMenu = found->submenu;
  if (info->fMask & MIIM_STRING) {
    const auto length = static_cast<UINT>(found->text.size());
    if (info->dwTypeData != nullptr && info->cch > 0) {
      const UINT copied = std::min(length, info->cch - 1);
      found->text.copy(info->dwTypeData, copied);
      info->dwTypeData[copied] = '\0';
    }
    info->cch = length;
  }
  return TRUE;
}

BOOL HiliteMenuItem(HWND, HMENU menu, UINT item, UINT flags) {
  detail::MenuItem* found = find_item(menu, item, flags);
  if (found == nullptr) return FALSE;
  found->flags = (found->flags & ~MF_HILITE) | (flags & MF_HILITE);
  return TRUE;
}

std::string MenuTextShown(LPCSTR text) {
  std::string shown;
  for (const char* p = text ? text : ""; *p; ++p) {
    if (*p == '&' && p[1] != '\0') ++p;
    shown += *p;
  }
  return shown;
}
