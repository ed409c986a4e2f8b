// The mouse cursor's shape: the system cursors (the arrow, the hourglass) and the
// one shown now, which starts as the arrow. CWaitCursor shows the hourglass while a
// long task runs, as MFC's does: nested ones count, and the last one to go puts
// back the cursor that was shown before the first.
#pragma once

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/winuser.h"

struct HCURSOR__;
using HCURSOR = HCURSOR__*;

#define IDC_ARROW MAKEINTRESOURCE(32512)
#define IDC_IBEAM MAKEINTRESOURCE(32513)
#define IDC_WAIT MAKEINTRESOURCE(32514)

// With no instance, the system cursor of an IDC_* number (the same handle every
// time); NULL for any other name or instance.
VRMWND_PLATFORM_API HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name);
inline HCURSOR LoadCursor(HINSTANCE instance, LPCSTR name) { return LoadCursorA(instance, name); }
// Shows the cursor and returns the one it replaces.
VRMWND_PLATFORM_API HCURSOR SetCursor(HCURSOR cursor);
VRMWND_PLATFORM_API HCURSOR GetCursor();

class VRMWND_PLATFORM_API CWaitCursor {
 public:
  CWaitCursor();
  ~CWaitCursor();
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
  // Shows the hourglass again (after a message box put the arrow back).
  void Restore();
};
