// USER32 without a screen: windows as objects (class, text, style, id, rectangle,
// enabled, visible, parent and children in creation order = tab order), focus,
// SendMessage through the window procedure, the thread's message queue, keyboard
// state, system metrics and the dialog manager's calls.
#pragma once

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/windef.h"
#include "vrmwnd/platform/winmsg.h"
#include "vrmwnd/platform/winpos.h"

// Creation. A class name is one of the built-in classes ("EDIT", "COMBOBOX",
// "BUTTON", "STATIC", "#32770" for dialogs) or a name given to RegisterClassName.
// Positions are client coordinates of the parent (screen coordinates without one).
VRMWND_PLATFORM_API HWND CreateWindowExA(DWORD ex_style, LPCSTR class_name, LPCSTR window_name, DWORD style, int x,
                                         int y, int width, int height, HWND parent, UINT id, HINSTANCE instance,
                                         void* param);
inline HWND CreateWindowEx(DWORD ex_style, LPCSTR class_name, LPCSTR window_name, DWORD style, int x, int y, int width,
                           int height, HWND parent, UINT id, HINSTANCE instance, void* param) {
  return CreateWindowExA(ex_style, class_name, window_name, style, x, y, width, height, parent, id, instance, param);
}
// Registers a window class by name with its procedure; FALSE when the name exists.
VRMWND_PLATFORM_API BOOL RegisterClassName(LPCSTR class_name, WNDPROC proc);
// Children first (WM_DESTROY to the parent before its children, WM_NCDESTROY after).
VRMWND_PLATFORM_API BOOL DestroyWindow(HWND hwnd);
VRMWND_PLATFORM_API BOOL IsWindow(HWND hwnd);
// Every top-level window (owned ones included, visible or not) from the top of the
// Z order down, until `proc` returns FALSE. Without a screen nothing activates a
// window but its creation, so the last created is on top.
using WNDENUMPROC = BOOL (*)(HWND, LPARAM);
VRMWND_PLATFORM_API BOOL EnumWindows(WNDENUMPROC proc, LPARAM lparam);

VRMWND_PLATFORM_API LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
inline LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  return SendMessageA(hwnd, message, wparam, lparam);
}
VRMWND_PLATFORM_API BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
inline BOOL PostMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  return PostMessageA(hwnd, message, wparam, lparam);
}
VRMWND_PLATFORM_API void PostQuitMessage(int exit_code);
VRMWND_PLATFORM_API LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
VRMWND_PLATFORM_API LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
inline LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcA(hwnd, message, wparam, lparam);
}
VRMWND_PLATFORM_API LRESULT DefDlgProcA(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// The queue. Nothing blocks: GetMessage on an empty queue asks the installed user
// agent to act (useragent.h) and returns -1 when nobody does.
VRMWND_PLATFORM_API BOOL PeekMessageA(LPMSG msg, HWND hwnd, UINT filter_min, UINT filter_max, UINT remove);
inline BOOL PeekMessage(LPMSG msg, HWND hwnd, UINT filter_min, UINT filter_max, UINT remove) {
  return PeekMessageA(msg, hwnd, filter_min, filter_max, remove);
}
VRMWND_PLATFORM_API BOOL GetMessageA(LPMSG msg, HWND hwnd, UINT filter_min, UINT filter_max);
inline BOOL GetMessage(LPMSG msg, HWND hwnd, UINT filter_min, UINT filter_max) {
  return GetMessageA(msg, hwnd, filter_min, filter_max);
}
// WM_KEYDOWN of a key that types a character posts the WM_CHAR after it;
// WM_SYSKEYDOWN (the key pressed with Alt) posts WM_SYSCHAR.
VRMWND_PLATFORM_API BOOL TranslateMessage(const MSG* msg);
VRMWND_PLATFORM_API LRESULT DispatchMessageA(const MSG* msg);
inline LRESULT DispatchMessage(const MSG* msg) { return DispatchMessageA(msg); }
VRMWND_PLATFORM_API BOOL IsDialogMessageA(HWND dialog, LPMSG msg);
inline BOOL IsDialogMessage(HWND dialog, LPMSG msg) { return IsDialogMessageA(dialog, msg); }

// Window state.
VRMWND_PLATFORM_API LONG_PTR GetWindowLongPtrA(HWND hwnd, int index);
VRMWND_PLATFORM_API LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value);
inline LONG GetWindowLong(HWND hwnd, int index) { return static_cast<LONG>(GetWindowLongPtrA(hwnd, index)); }
inline LONG SetWindowLong(HWND hwnd, int index, LONG value) {
  return static_cast<LONG>(SetWindowLongPtrA(hwnd, index, value));
}
VRMWND_PLATFORM_API int GetClassNameA(HWND hwnd, LPSTR buffer, int size);
VRMWND_PLATFORM_API int GetWindowTextA(HWND hwnd, LPSTR buffer, int size);
VRMWND_PLATFORM_API int GetWindowTextLengthA(HWND hwnd);
VRMWND_PLATFORM_API BOOL SetWindowTextA(HWND hwnd, LPCSTR text);
inline BOOL SetWindowText(HWND hwnd, LPCSTR text) { return SetWindowTextA(hwnd, text); }
VRMWND_PLATFORM_API HWND GetParent(HWND hwnd);
VRMWND_PLATFORM_API HWND GetWindow(HWND hwnd, UINT command);  // GW_CHILD, GW_HWNDNEXT, GW_HWNDPREV, GW_OWNER
VRMWND_PLATFORM_API BOOL IsChild(HWND parent, HWND hwnd);
VRMWND_PLATFORM_API HWND GetDlgItem(HWND dialog, int id);
VRMWND_PLATFORM_API int GetDlgCtrlID(HWND hwnd);
VRMWND_PLATFORM_API UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size);
VRMWND_PLATFORM_API BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
VRMWND_PLATFORM_API BOOL EnableWindow(HWND hwnd, BOOL enable);  // returns TRUE when it was disabled
VRMWND_PLATFORM_API BOOL IsWindowEnabled(HWND hwnd);
VRMWND_PLATFORM_API BOOL ShowWindow(HWND hwnd, int command);     // returns TRUE when it was visible
VRMWND_PLATFORM_API BOOL IsWindowVisible(HWND hwnd);             // visible and every ancestor visible
VRMWND_PLATFORM_API BOOL GetWindowRect(HWND hwnd, LPRECT rect);  // screen coordinates
VRMWND_PLATFORM_API BOOL GetClientRect(HWND hwnd, LPRECT rect);  // (0, 0, width, height)
VRMWND_PLATFORM_API BOOL ScreenToClient(HWND hwnd, LPPOINT point);
VRMWND_PLATFORM_API BOOL ClientToScreen(HWND hwnd, LPPOINT point);
VRMWND_PLATFORM_API BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);

// Focus: WM_KILLFOCUS to the window losing it, then WM_SETFOCUS to the one
// getting it; a disabled window, or one of a disabled top-level window, cannot
// take it (NULL is returned and nothing is sent).
VRMWND_PLATFORM_API HWND SetFocus(HWND hwnd);
VRMWND_PLATFORM_API HWND GetFocus();
VRMWND_PLATFORM_API HWND GetActiveWindow();

// Dialog navigation over visible, enabled WS_TABSTOP children, wrapping around.
VRMWND_PLATFORM_API HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
VRMWND_PLATFORM_API BOOL MapDialogRect(HWND dialog, LPRECT rect);
VRMWND_PLATFORM_API LONG GetDialogBaseUnits();
VRMWND_PLATFORM_API BOOL EndDialog(HWND dialog, INT_PTR result);

// The keyboard state as of the last keyboard message taken from the queue: high
// bit = down, low bit = toggled. VK_SHIFT and VK_CONTROL are down when either the
// left or the right key is.
VRMWND_PLATFORM_API SHORT GetKeyState(int virtual_key);

// A message number unique in the process for a name (registered_messages.cpp):
// 0xC000 and up; the same name, in any case, gives the same number.
VRMWND_PLATFORM_API UINT RegisterWindowMessageA(LPCSTR name);
inline UINT RegisterWindowMessage(LPCSTR name) { return RegisterWindowMessageA(name); }
// Compares two texts ignoring the case of ASCII letters: <0, 0, >0 (class names
// are compared so).
VRMWND_PLATFORM_API int lstrcmpiA(LPCSTR a, LPCSTR b);
inline int lstrcmpi(LPCSTR a, LPCSTR b) { return lstrcmpiA(a, b); }

// Fixed metrics (metrics.cpp has the table); unknown indexes give 0.
VRMWND_PLATFORM_API int GetSystemMetrics(int index);
// The desktop: SM_CXSCREEN x SM_CYSCREEN at (0, 0) for GetWindowRect and
// GetClientRect. Nothing else takes it: it is no window of the window table (no
// class, messages or children; EnumWindows does not list it).
VRMWND_PLATFORM_API HWND GetDesktopWindow();

// Icons. MAKEINTRESOURCE gives a numbered resource its name.
inline LPCSTR MAKEINTRESOURCEA(WORD id) { return reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(id)); }
inline LPCSTR MAKEINTRESOURCE(WORD id) { return MAKEINTRESOURCEA(id); }
#define IDI_APPLICATION MAKEINTRESOURCE(32512)
#define IDI_HAND MAKEINTRESOURCE(32513)
#define IDI_QUESTION MAKEINTRESOURCE(32514)
#define IDI_EXCLAMATION MAKEINTRESOURCE(32515)
#define IDI_ASTERISK MAKEINTRESOURCE(32516)
#define IDI_WINLOGO MAKEINTRESOURCE(32517)
#define IDI_SHIELD MAKEINTRESOURCE(32518)
#define IDI_ERROR IDI_HAND
#define IDI_WARNING IDI_EXCLAMATION
#define IDI_INFORMATION IDI_ASTERISK
// With no instance, the system icon of an IDI_* number: the same handle every time,
// never to be destroyed. With a module, its icon resource (AfxRegisterIcon): one
// shared handle per module and number. NULL with ERROR_RESOURCE_NAME_NOT_FOUND for
// a name the module does not have.
VRMWND_PLATFORM_API HICON LoadIconA(HINSTANCE instance, LPCSTR name);
inline HICON LoadIcon(HINSTANCE instance, LPCSTR name) { return LoadIconA(instance, name); }
// The IDI_* number of a system icon handle, 0 for any other handle.
VRMWND_PLATFORM_API WORD GetSystemIconId(HICON icon);
