// The platform clock: local date and time with milliseconds (GetLocalTime), the
// tick count (GetTickCount64) and today's date, all from one source. Tests fix the
// clock at a moment and advance it by hand; until then it follows the real clock.
#pragma once

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
void GetLocalTime(LPSYSTEMTIME time);
// Milliseconds since the system started (monotonic; a fixed clock moves only when
// advanced). GetTickCount is its low 32 bits, wrapping after 49.7 days.
ULONGLONG GetTickCount64();
DWORD GetTickCount();

// Test hooks. FixPlatformClock stops the clock at the given local time and tick
// count; AdvancePlatformClock moves both forward together (the date rolls over
// days, months and years); ReleasePlatformClock returns to the real clock. The
// day of week of `local` is ignored and recomputed.
void FixPlatformClock(const SYSTEMTIME& local, ULONGLONG tick);
void AdvancePlatformClock(ULONGLONG milliseconds);
void ReleasePlatformClock();
bool IsPlatformClockFixed();
