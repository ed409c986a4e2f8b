// The platform clock: local date and time with milliseconds (GetLocalTime), the
// tick count (GetTickCount64) and today's date, all from one source. Tests fix the
// clock at a moment and advance it by hand (testing.h); until then it follows the
// real clock.
#pragma once

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/wintypes.h"

typedef struct _SYSTEMTIME {
  WORD wYear;
  WORD wMonth;
  WORD wDayOfWeek;  // 0 = Sunday
  WORD wDay;
  WORD wHour;
  WORD wMinute;
  WORD wSecond;
  WORD wMilliseconds;
} SYSTEMTIME, *LPSYSTEMTIME;

// Local wall-clock time, to the millisecond.
VRMWND_PLATFORM_API void GetLocalTime(LPSYSTEMTIME time);
// Milliseconds since the system started (monotonic; a fixed clock moves only when
// advanced). GetTickCount is its low 32 bits, wrapping after 49.7 days.
VRMWND_PLATFORM_API ULONGLONG GetTickCount64();
VRMWND_PLATFORM_API DWORD GetTickCount();
