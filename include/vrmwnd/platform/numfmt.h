// GetNumberFormatA: formats a number given as text ("-1234.5") with an explicit
// NUMBERFMTA, working on the digits of the text as Windows does (extra fraction
// digits round half away from zero; no detour through a double).
#pragma once

#include "vrmwnd/platform/wintypes.h"

typedef struct _numberfmtA {
  UINT NumDigits;
  UINT LeadingZero;
  UINT Grouping;
  char* lpDecimalSep;
  char* lpThousandSep;
  UINT NegativeOrder;
} NUMBERFMTA;

// Returns the characters written including the terminating null, or 0 with
// GetLastError() = ERROR_INSUFFICIENT_BUFFER (buffer too small),
// ERROR_INVALID_PARAMETER (value not a number, bad format) or ERROR_INVALID_FLAGS.
// With cchNumber = 0 it returns the size needed and writes nothing.
int GetNumberFormatA(LCID locale, DWORD flags, const char* value, const NUMBERFMTA* format,
                     char* number, int cchNumber);
