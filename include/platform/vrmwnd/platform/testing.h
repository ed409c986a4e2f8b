// The platform's test hooks, for the whole process: the clock stopped at a moment
// and moved by hand. Only tests use them; this header is not installed.
#pragma once

#include "vrmwnd/platform/clock.h"
#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/wincursor.h"

#include <vector>

// FixPlatformClock stops the clock at the given local time and tick count;
// AdvancePlatformClock moves both forward together (the date rolls over days,
// months and years); ReleasePlatformClock returns to the real clock. The day of
// week of `local` is ignored and recomputed.
VRMWND_PLATFORM_API void FixPlatformClock(const SYSTEMTIME& local, ULONGLONG tick);
VRMWND_PLATFORM_API void AdvancePlatformClock(ULONGLONG milliseconds);
VRMWND_PLATFORM_API void ReleasePlatformClock();
VRMWND_PLATFORM_API bool IsPlatformClockFixed();

// COM's process security: whether CoInitializeSecurity was accepted and the
// authentication level it was given; the reset lets the next call be the first.
VRMWND_PLATFORM_API bool GetComSecurityForTesting(DWORD* authentication_level);
VRMWND_PLATFORM_API void ResetComSecurityForTesting();

// Another program holds the clipboard open: OpenClipboard fails until released.
VRMWND_PLATFORM_API void HoldClipboardForTesting(bool held);

// Every cursor SetCursor shows from now on is appended to `record` (nullptr stops).
VRMWND_PLATFORM_API void RecordCursorsForTesting(std::vector<HCURSOR>* record);
