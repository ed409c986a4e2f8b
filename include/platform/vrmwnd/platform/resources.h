// Modules and their dialog resources. A library registers itself under its file
// name ("vrmwnd.dll") and adds its dialog templates; GetModuleHandle finds it by
// that name. Dialogs are looked up first in the current resource handle
// (AfxGetResourceHandle), then in every other module in registration order, as
// MFC searches the extension libraries' resource chain.
#pragma once

#include <vector>

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/windef.h"
#include "vrmwnd/platform/winuser.h"

// The identifier of controls nobody looks up (labels).
constexpr int IDC_STATIC = -1;

// One control of a dialog template, in dialog units. WS_CHILD is always added;
// WS_VISIBLE is not, so a template says it as a resource script would.
struct DLGITEMDESC {
  UINT id;
  const char* class_name;  // "EDIT", "BUTTON", "COMBOBOX", "STATIC", or a registered class
  const char* text;
  short x, y, cx, cy;
  DWORD style;
  DWORD ex_style = 0;
};

// A dialog template: caption, position and size of the client area in dialog
// units, style, and its controls in tab order.
struct DLGTEMPLATEDESC {
  const char* caption;
  short x, y, cx, cy;
  DWORD style;
  std::vector<DLGITEMDESC> items;
};

// The module of a file name, registered on first call (the same handle after).
VRMWND_PLATFORM_API HINSTANCE AfxRegisterModule(LPCSTR file_name);
// A registered module by file name (case and folder ignored), or the main program
// for nullptr; NULL with ERROR_MOD_NOT_FOUND for a module nobody registered.
VRMWND_PLATFORM_API HMODULE GetModuleHandleA(LPCSTR module_name);
inline HMODULE GetModuleHandle(LPCSTR module_name) { return GetModuleHandleA(module_name); }

VRMWND_PLATFORM_API HINSTANCE AfxGetResourceHandle();  // the main program until changed
VRMWND_PLATFORM_API void AfxSetResourceHandle(HINSTANCE instance);
VRMWND_PLATFORM_API HINSTANCE AfxGetInstanceHandle();

// Adds (or replaces) the template `id` of `module`.
VRMWND_PLATFORM_API void AfxRegisterDialogTemplate(HINSTANCE module, UINT id, const DLGTEMPLATEDESC& dialog);
// The template `id` from the resource chain, or nullptr.
VRMWND_PLATFORM_API const DLGTEMPLATEDESC* AfxFindDialogTemplate(UINT id);

// Adds the icon resource `id` of `module` (LoadIcon gives its handle).
VRMWND_PLATFORM_API void AfxRegisterIcon(HINSTANCE module, UINT id);

// The resource types AfxFindResourceHandle looks for.
#define RT_MENU MAKEINTRESOURCEA(4)
#define RT_DIALOG MAKEINTRESOURCEA(5)
#define RT_GROUP_ICON MAKEINTRESOURCEA(14)
// The module that has the resource `name` (MAKEINTRESOURCE) of that type: the
// current resource handle first, then the chain; the current one when none has it.
VRMWND_PLATFORM_API HINSTANCE AfxFindResourceHandle(LPCSTR name, LPCSTR type);

// An extension library's state, as MFC keeps it between its load and its unload.
struct AFX_EXTENSION_MODULE {
  BOOL bInitialized = FALSE;
  HMODULE hModule = nullptr;
  HMODULE hResource = nullptr;
};
// A registered module is in the resource chain until AfxTermExtensionModule takes it
// out; AfxInitExtensionModule (at load) records it in `state` and puts it (back) in.
// Out of the chain, its templates are found only while it is the current resource
// handle. FALSE for a module nobody registered.
VRMWND_PLATFORM_API BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
VRMWND_PLATFORM_API void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);
