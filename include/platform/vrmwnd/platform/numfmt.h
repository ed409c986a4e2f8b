// GetNumberFormatA: formats a number given as text ("-1234.5") with an explicit
// NUMBERFMTA, working on the digits of the text as Windows does (extra fraction
// digits round half away from zero; no detour through a double).
#pragma once

#include "vrmwnd/platform/export.h"
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
// The text is digits with at most one '.', a '-' only in front; nothing else (no
// blanks, no '+'). A value that rounds to zero loses its sign ("-0.001" with two
// digits reads "0.00"). NumDigits 0..9, NegativeOrder 0..4, Grouping as Windows reads
// it (3; 32 for 3 then 2; a final 0 stops the repetition). Without a format the
// settings of 1046 or 1033 are used (1046 for LCID 0 and the defaults); with one,
// flags must be 0.
VRMWND_PLATFORM_API int GetNumberFormatA(LCID locale, DWORD flags, const char* value, const NUMBERFMTA* format,
                                         char* number, int cchNumber);
