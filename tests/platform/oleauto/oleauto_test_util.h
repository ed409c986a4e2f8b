// Helpers for the OLE Automation tests: DECIMAL values built from their parts and
// read back as en-US text, BSTRs read as narrow text.
#pragma once

#include <string>

#include "vrmwnd/platform/oleauto.h"

inline DECIMAL MakeDecimal(ULONGLONG lo64, BYTE scale, bool negative = false, ULONG hi32 = 0) {
  DECIMAL d{};
  d.scale = scale;
  d.sign = negative ? DECIMAL_NEG : 0;
  d.Hi32 = hi32;
  d.Lo64 = lo64;
  return d;
}

inline CY MakeCy(LONGLONG raw) {
  CY cy{};
  cy.int64 = raw;
  return cy;
}

// Takes ownership of text.
inline std::string Narrow(BSTR text) {
  std::string result;
  for (UINT i = 0; i < SysStringLen(text); ++i) result.push_back(static_cast<char>(text[i]));
  SysFreeString(text);
  return result;
}

inline std::string DecimalText(const DECIMAL& d) {
  BSTR text = nullptr;
  if (FAILED(VarBstrFromDec(&d, LCID_ENGLISH_US, LOCALE_NOUSEROVERRIDE, &text))) return "error";
  return Narrow(text);
}
