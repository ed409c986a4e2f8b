// Context help as USER32 raises it: F1 makes the window with the focus receive
// WM_HELP with a HELPINFO naming it; a window that does not handle it passes it on,
// a child to its parent and a top-level window to its owner, so the dialog (or the
// frame) that shows help gets it once whichever of its controls had the focus.
#pragma once

#include "vrmwnd/platform/windef.h"

constexpr UINT WM_HELP = 0x0053;
// What F1 turns into before it becomes WM_HELP (posted by TranslateMessage).
constexpr UINT WM_KEYF1 = 0x004D;
constexpr int HELPINFO_WINDOW = 0x0001, HELPINFO_MENUITEM = 0x0002;

typedef struct tagHELPINFO {
  UINT cbSize;
  int iContextType;
  int iCtrlId;
  HANDLE hItemHandle;
  DWORD_PTR dwContextId;
  POINT MousePos;
} HELPINFO, *LPHELPINFO;
