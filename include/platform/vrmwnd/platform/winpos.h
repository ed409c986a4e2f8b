// Where a window is and how big: SetWindowPos, the placement of a top-level window
// (normal rectangle, maximised or minimised), the limits it asks for in
// WM_GETMINMAXINFO, the hit test of WM_NCHITTEST, the sizing a person does by
// dragging a border or a size grip (WM_SYSCOMMAND SC_SIZE), and invalidation.
//
// | a top-level window with WS_THICKFRAME | its size is kept between the minimum and   |
// |                                       | maximum tracking sizes of WM_GETMINMAXINFO  |
// |                                       | whenever it changes (SetWindowPos,          |
// |                                       | MoveWindow, SetWindowPlacement, a drag)      |
// | maximised                             | the rectangle of ptMaxPosition, ptMaxSize;  |
// |                                       | the normal rectangle is kept for the restore|
#pragma once

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/windef.h"
#include "vrmwnd/platform/winmsg.h"

// SetWindowPos.
constexpr UINT SWP_NOSIZE = 0x0001, SWP_NOMOVE = 0x0002, SWP_NOZORDER = 0x0004, SWP_NOREDRAW = 0x0008,
               SWP_NOACTIVATE = 0x0010, SWP_FRAMECHANGED = 0x0020, SWP_SHOWWINDOW = 0x0040, SWP_HIDEWINDOW = 0x0080,
               SWP_NOOWNERZORDER = 0x0200, SWP_DEFERERASE = 0x2000;
inline HWND const HWND_TOP = nullptr;
inline HWND const HWND_BOTTOM = reinterpret_cast<HWND>(1);
// Moves, sizes and orders the window (its place among its siblings: after
// `insert_after`, or first with HWND_TOP, last with HWND_BOTTOM). WM_MOVE and WM_SIZE
// follow a change of place or size, with the new client origin and client size.
VRMWND_PLATFORM_API BOOL SetWindowPos(HWND hwnd, HWND insert_after, int x, int y, int cx, int cy, UINT flags);

// The placement of a window: `length` must be sizeof(WINDOWPLACEMENT) (44).
constexpr UINT WPF_SETMINPOSITION = 0x0001, WPF_RESTORETOMAXIMIZED = 0x0002;
typedef struct tagWINDOWPLACEMENT {
  UINT length;
  UINT flags;
  UINT showCmd;
  POINT ptMinPosition;
  POINT ptMaxPosition;
  RECT rcNormalPosition;
} WINDOWPLACEMENT, *LPWINDOWPLACEMENT;
static_assert(sizeof(WINDOWPLACEMENT) == 44);
// showCmd is SW_SHOWMAXIMIZED, SW_SHOWMINIMIZED or SW_SHOWNORMAL as the window is
// (hidden or not); rcNormalPosition the rectangle it has when restored.
VRMWND_PLATFORM_API BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement);
// Sets the normal rectangle, then shows the window as showCmd says (SW_HIDE keeps
// its visibility). FALSE, with ERROR_INVALID_PARAMETER, when `length` is wrong.
VRMWND_PLATFORM_API BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* placement);
VRMWND_PLATFORM_API BOOL IsZoomed(HWND hwnd);
VRMWND_PLATFORM_API BOOL IsIconic(HWND hwnd);

// WM_GETMINMAXINFO: lParam points at the limits, filled with the defaults (the
// fixed metrics) before the window is asked.
typedef struct tagMINMAXINFO {
  POINT ptReserved;
  POINT ptMaxSize;
  POINT ptMaxPosition;
  POINT ptMinTrackSize;
  POINT ptMaxTrackSize;
} MINMAXINFO, *LPMINMAXINFO;
// WM_SIZE's wParam.
constexpr WPARAM SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2;

// WM_NCHITTEST (lParam: the point in screen coordinates) answers what lies under it.
constexpr LRESULT HTERROR = -2, HTTRANSPARENT = -1, HTNOWHERE = 0, HTCLIENT = 1, HTCAPTION = 2, HTLEFT = 10,
                  HTRIGHT = 11, HTTOP = 12, HTTOPLEFT = 13, HTTOPRIGHT = 14, HTBOTTOM = 15, HTBOTTOMLEFT = 16,
                  HTBOTTOMRIGHT = 17, HTBORDER = 18;
// WM_SYSCOMMAND SC_SIZE + WMSZ_*: the person sizes the window by that edge or corner
// with the mouse; the window follows each WM_MOUSEMOVE until the button goes up
// (Escape puts it back). A left button down on a sizing border (a hit code from
// HTLEFT to HTBOTTOMRIGHT) starts it with SC_SIZE + (code - HTLEFT + WMSZ_LEFT).
constexpr WPARAM SC_SIZE = 0xF000, SC_MOVE = 0xF010, SC_MINIMIZE = 0xF020, SC_MAXIMIZE = 0xF030, SC_RESTORE = 0xF120;
constexpr WPARAM WMSZ_LEFT = 1, WMSZ_RIGHT = 2, WMSZ_TOP = 3, WMSZ_TOPLEFT = 4, WMSZ_TOPRIGHT = 5, WMSZ_BOTTOM = 6,
                 WMSZ_BOTTOMLEFT = 7, WMSZ_BOTTOMRIGHT = 8;

// The scroll bar class ("SCROLLBAR"); a size grip (SBS_SIZEGRIP) sizes its parent by
// the bottom-right corner when the person presses the left button on it.
constexpr DWORD SBS_HORZ = 0x0000, SBS_VERT = 0x0001, SBS_SIZEBOX = 0x0008, SBS_SIZEGRIP = 0x0010;

// The mouse position in screen coordinates, as of the last mouse message taken
// from the queue.
VRMWND_PLATFORM_API BOOL GetCursorPos(LPPOINT point);

// Painting without a screen: each call counts as one invalidation of the window
// (InvalidateCount reads it); FALSE for a handle that is not a window.
VRMWND_PLATFORM_API BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
VRMWND_PLATFORM_API int InvalidateCount(HWND hwnd);

VRMWND_PLATFORM_API BOOL IsRectEmpty(LPCRECT rect);
VRMWND_PLATFORM_API BOOL PtInRect(LPCRECT rect, POINT point);
VRMWND_PLATFORM_API BOOL UnionRect(LPRECT dest, LPCRECT a, LPCRECT b);
