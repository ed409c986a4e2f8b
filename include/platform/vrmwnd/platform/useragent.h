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
// A double click, as Windows delivers it: WM_LBUTTONDOWN, WM_LBUTTONUP,
// WM_LBUTTONDBLCLK and WM_LBUTTONUP at client point (x, y).
VRMWND_PLATFORM_API void InputDoubleClick(HWND hwnd, int x = 1, int y = 1);
// The mouse wheel turned over hwnd at client point (x, y): WM_MOUSEWHEEL with the
// delta (WHEEL_DELTA a notch, positive away from the person) and the point in
// screen coordinates, to the window under the mouse.
VRMWND_PLATFORM_API void InputWheel(HWND hwnd, int delta, int x = 1, int y = 1);
