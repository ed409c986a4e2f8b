// The user agent: whoever answers the windows. A modal loop whose queue is empty
// asks the installed agent to act; the agent acts as a person would, through the
// queue (keys, characters and clicks posted as input to the focused window or
// the clicked one), and the loop processes what it posted before asking again.
// Tests install a scripted agent; the host program an interactive one.
#pragma once

#include <initializer_list>

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/winuser.h"

class VRMWND_PLATFORM_API IUserAgent {
 public:
  virtual ~IUserAgent() = default;
  // Acts once on the top modal window (nullptr outside any modal loop) and returns
  // true, or returns false when it has nothing more to do there.
  virtual bool Act(HWND hwndModal) = 0;
  // PeekMessage found the queue empty: a loop that pumps its own messages (a long
  // task showing its progress) may be running. The agent may show the windows as
  // they are now and queue input it already has, but must not wait for any. The
  // default does nothing.
  virtual void Refresh() {}
};

// Installs `agent` (nullptr: none) and returns the one it replaces; the caller
// keeps ownership.
VRMWND_PLATFORM_API IUserAgent* SetUserAgent(IUserAgent* agent);
VRMWND_PLATFORM_API IUserAgent* GetUserAgent();
// The innermost modal window, or nullptr.
VRMWND_PLATFORM_API HWND GetModalWindow();

// Input as a person gives it, queued behind the messages already posted; keys and
// characters go to the window that has the focus when they leave the queue.
// A key: WM_KEYDOWN then WM_KEYUP to the focused window (WM_SYSKEYDOWN with Alt);
// the modifiers (VK_LSHIFT, VK_RSHIFT, VK_LCONTROL, VK_RCONTROL, VK_LMENU) are
// pressed before and released after, so GetKeyState sees them while the key is
// processed.
VRMWND_PLATFORM_API void InputKey(int virtual_key, std::initializer_list<int> modifiers = {});
// Types a UTF-8 text one character at a time: one WM_CHAR per code point.
VRMWND_PLATFORM_API void InputText(LPCSTR text);
// A left click: WM_LBUTTONDOWN and WM_LBUTTONUP at client point (x, y).
VRMWND_PLATFORM_API void InputClick(HWND hwnd, int x = 1, int y = 1);
// A right click: WM_RBUTTONDOWN and WM_RBUTTONUP at client point (x, y); the
// window's default handling of the button going up asks for its context menu.
VRMWND_PLATFORM_API void InputRightClick(HWND hwnd, int x = 1, int y = 1);
// A double click, as Windows delivers it: WM_LBUTTONDOWN, WM_LBUTTONUP,
// WM_LBUTTONDBLCLK and WM_LBUTTONUP at client point (x, y).
VRMWND_PLATFORM_API void InputDoubleClick(HWND hwnd, int x = 1, int y = 1);
// The mouse wheel turned over hwnd at client point (x, y): WM_MOUSEWHEEL with the
// delta (WHEEL_DELTA a notch, positive away from the person) and the point in
// screen coordinates, to the window under the mouse.
VRMWND_PLATFORM_API void InputWheel(HWND hwnd, int delta, int x = 1, int y = 1);
// A drag with the left button: down at client point (x, y) of hwnd, `steps` moves
// to (x + dx, y + dy) in equal parts, and up there; every point stays in hwnd's
// client coordinates as it was when the drag began (the mouse is captured).
VRMWND_PLATFORM_API void InputDrag(HWND hwnd, int x, int y, int dx, int dy, int steps = 4);
// Drags the window's size grip (a visible SBS_SIZEGRIP scroll bar among its
// children) from its middle by (dx, dy); without one, the last pixel of the frame's
// bottom-right corner. TRUE when there was a grip.
VRMWND_PLATFORM_API BOOL InputDragSizeGrip(HWND window, int dx, int dy, int steps = 4);
// Mouse input has its point in screen coordinates in MSG::pt. A left button down
// goes as WM_NCLBUTTONDOWN (the hit code, the screen point) when the window's
// WM_NCHITTEST puts the point on its frame, as on a sizing border.
