// Menus as USER32 keeps them: a menu is a list of items (a command with its
// identifier, a popup with its submenu, a separator), each with its text and its
// checked, grayed or disabled state. Menus come from CreatePopupMenu or from a
// module's menu resource (LoadMenu); DestroyMenu frees a menu with its submenus.
//
// TrackPopupMenu shows a popup at a screen point for an owner window and runs a
// modal loop until the person chooses an item or dismisses the menu. Each popup
// shown is a window of class "#32768" (MN_GETHMENU gives its menu) on the stack of
// modal windows, so the user agent acts on it as on a dialog:
//
// | input                              | effect                                      |
// |------------------------------------|---------------------------------------------|
// | Up, Down                           | highlight the previous/next item            |
// | Enter, or a click on the item      | choose it; a popup item opens its submenu   |
// | Right                              | open the highlighted popup item's submenu   |
// | Left, Escape                       | close the innermost submenu (the menu when   |
// |                                    | it is the only one open)                    |
// | a mnemonic letter (after "&")      | choose that item                            |
// | a click outside every open popup   | dismiss the menu                            |
//
// The item under the keyboard is highlighted: its state has MF_HILITE, which the
// popup's drawing reads; a popup that closes takes the highlight off its items.
//
// Before each popup opens, its owner gets WM_INITMENUPOPUP (the menu, its position
// in the parent menu) so that it can check, enable or gray its items.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/windef.h"

struct HMENU__;
using HMENU = HMENU__*;

constexpr UINT MF_STRING = 0x0000, MF_ENABLED = 0x0000, MF_UNCHECKED = 0x0000, MF_BYCOMMAND = 0x0000,
               MF_GRAYED = 0x0001, MF_DISABLED = 0x0002, MF_CHECKED = 0x0008, MF_POPUP = 0x0010, MF_BYPOSITION = 0x0400,
               MF_SEPARATOR = 0x0800, MF_HILITE = 0x0080, MF_UNHILITE = 0x0000;
constexpr UINT TPM_LEFTALIGN = 0x0000, TPM_LEFTBUTTON = 0x0000, TPM_RIGHTBUTTON = 0x0002, TPM_NONOTIFY = 0x0080,
               TPM_RETURNCMD = 0x0100;
constexpr UINT WM_CONTEXTMENU = 0x007B, WM_INITMENUPOPUP = 0x0117, MN_GETHMENU = 0x01E1;
// The class name of the window that shows an open popup menu.
constexpr const char* kMenuWindowClass = "#32768";

// A menu resource as a resource script writes it: items in order, a popup holding
// its own items.
struct MENUITEMDESC {
  UINT flags;  // MF_STRING, MF_POPUP or MF_SEPARATOR, with MF_CHECKED, MF_GRAYED...
  UINT id;
  const char* text;
  std::vector<MENUITEMDESC> items;  // of a popup
};
struct MENUTEMPLATEDESC {
  std::vector<MENUITEMDESC> items;
};

// Adds (or replaces) the menu resource `id` of a registered module.
VRMWND_PLATFORM_API void AfxRegisterMenuTemplate(HINSTANCE module, UINT id, const MENUTEMPLATEDESC& menu);
// The menu resource `id` from the resource chain (as dialog templates), or nullptr.
VRMWND_PLATFORM_API const MENUTEMPLATEDESC* AfxFindMenuTemplate(UINT id);

VRMWND_PLATFORM_API HMENU CreateMenu();
VRMWND_PLATFORM_API HMENU CreatePopupMenu();
// A new menu built from the resource `name` (MAKEINTRESOURCE) of that module only;
// NULL with ERROR_RESOURCE_NAME_NOT_FOUND when the module has none.
VRMWND_PLATFORM_API HMENU LoadMenuA(HINSTANCE instance, LPCSTR name);
inline HMENU LoadMenu(HINSTANCE instance, LPCSTR name) { return LoadMenuA(instance, name); }
// A menu built from a template (the menu bar: its top-level items).
VRMWND_PLATFORM_API HMENU LoadMenuFromTemplate(const MENUTEMPLATEDESC& menu);
VRMWND_PLATFORM_API BOOL DestroyMenu(HMENU menu);
VRMWND_PLATFORM_API BOOL IsMenu(HMENU menu);

// `item` with MF_POPUP is the submenu's handle, which the menu then owns.
VRMWND_PLATFORM_API BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR item, LPCSTR text);
inline BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR item, LPCSTR text) {
  return AppendMenuA(menu, flags, item, text);
}
// Inserts before the item at `position` (MF_BYPOSITION; -1 or past the end
// appends) or before the item of command `position`.
VRMWND_PLATFORM_API BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR item, LPCSTR text);
inline BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR item, LPCSTR text) {
  return InsertMenuA(menu, position, flags, item, text);
}
// Removes the item; a popup's submenu is destroyed with it (DeleteMenu).
VRMWND_PLATFORM_API BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);

// By command (searched in submenus too) or by position. The previous state
// (MF_CHECKED / MF_UNCHECKED; MF_ENABLED / MF_GRAYED / MF_DISABLED), or
// 0xFFFFFFFF when there is no such item.
VRMWND_PLATFORM_API DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags);
VRMWND_PLATFORM_API BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags);
// The item's flags (a popup's item count in the high byte), or 0xFFFFFFFF.
VRMWND_PLATFORM_API UINT GetMenuState(HMENU menu, UINT item, UINT flags);
VRMWND_PLATFORM_API int GetMenuItemCount(HMENU menu);  // -1 for no menu
// The command of the item at a position: 0xFFFFFFFF for a popup or no item, 0 for a separator.
VRMWND_PLATFORM_API UINT GetMenuItemID(HMENU menu, int position);
VRMWND_PLATFORM_API HMENU GetSubMenu(HMENU menu, int position);
// Copies the text (with its "&") into buffer; the length, 0 when there is no item.
VRMWND_PLATFORM_API int GetMenuStringA(HMENU menu, UINT item, LPSTR buffer, int size, UINT flags);

// An item as GetMenuItemInfo describes it: only the parts named in fMask are filled.
constexpr UINT MIIM_STATE = 0x0001, MIIM_ID = 0x0002, MIIM_SUBMENU = 0x0004, MIIM_STRING = 0x0040, MIIM_FTYPE = 0x0100;
constexpr UINT MFT_STRING = 0x0000, MFT_SEPARATOR = 0x0800;
constexpr UINT MFS_ENABLED = 0x0000, MFS_GRAYED = 0x0003, MFS_DISABLED = MFS_GRAYED, MFS_CHECKED = 0x0008,
               MFS_HILITE = 0x0080;
struct MENUITEMINFOA {
  UINT cbSize = sizeof(MENUITEMINFOA);
  UINT fMask = 0;
  UINT fType = 0;   // MFT_*
  UINT fState = 0;  // MFS_*
  UINT wID = 0;
  HMENU hSubMenu = nullptr;
  HBITMAP hbmpChecked = nullptr;
  HBITMAP hbmpUnchecked = nullptr;
  std::uintptr_t dwItemData = 0;
  LPSTR dwTypeData = nullptr;  // MIIM_STRING: the buffer, of cch bytes
  UINT cch = 0;                // MIIM_STRING: in, the buffer's size; out, the text's length
  HBITMAP hbmpItem = nullptr;
};
// By command or by position (fByPosition). MIIM_STRING copies what fits of the text
// (with its "&"), or only gives its length when dwTypeData is null.
VRMWND_PLATFORM_API BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL fByPosition, MENUITEMINFOA* info);
inline BOOL GetMenuItemInfo(HMENU menu, UINT item, BOOL fByPosition, MENUITEMINFOA* info) {
  return GetMenuItemInfoA(menu, item, fByPosition, info);
}
// Highlights (MF_HILITE) or unhighlights (MF_UNHILITE) an item: the highlighted item
// of an open popup is the one Enter chooses, and GetMenuState reports MF_HILITE.
VRMWND_PLATFORM_API BOOL HiliteMenuItem(HWND hwnd, HMENU menu, UINT item, UINT flags);

// With TPM_RETURNCMD, the command chosen (0 when dismissed); otherwise the chosen
// command is posted to the owner as WM_COMMAND(id, 0) and TRUE returned.
VRMWND_PLATFORM_API BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner,
                                        const RECT* ignored);
VRMWND_PLATFORM_API BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const void* params);
// The rectangle of the item in an open popup menu, in screen coordinates (hwnd is
// the popup's owner or nullptr); FALSE when the menu is not open.
VRMWND_PLATFORM_API BOOL GetMenuItemRect(HWND hwnd, HMENU menu, UINT position, LPRECT rect);
// The text as shown: without the "&" that marks the mnemonic ("&&" is one "&").
VRMWND_PLATFORM_API std::string MenuTextShown(LPCSTR text);
