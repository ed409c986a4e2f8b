// MFC's COleCurrency: a CY with a status. Arithmetic on an invalid operand gives an
// invalid result, on a null one a null result; an overflow makes the result invalid.
#pragma once

#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/oleauto.h"

class VRMWND_PLATFORM_API COleCurrency {
 public:
  enum CurrencyStatus { valid = 0, invalid = 1, null = 2 };

  COleCurrency();
  COleCurrency(CY cySrc);
  COleCurrency(LONG nUnits, LONG nFractionalUnits);

  COleCurrency& operator=(CY cySrc);
  operator CY() const { return m_cur; }

  CurrencyStatus GetStatus() const { return m_status; }
  void SetStatus(CurrencyStatus status) { m_status = status; }
  // nUnits + nFractionalUnits / 10,000.
  void SetCurrency(LONG nUnits, LONG nFractionalUnits);

  COleCurrency operator+(const COleCurrency& cur) const;
  COleCurrency operator-(const COleCurrency& cur) const;
  COleCurrency& operator+=(const COleCurrency& cur);
  COleCurrency& operator-=(const COleCurrency& cur);
  COleCurrency operator*(LONG nOperand) const;
  COleCurrency operator/(LONG nOperand) const;
  COleCurrency operator-() const;

  bool operator==(const COleCurrency& cur) const;
  bool operator!=(const COleCurrency& cur) const { return !(*this == cur); }
  bool operator<(const COleCurrency& cur) const { return m_cur.int64 < cur.m_cur.int64; }
  bool operator>(const COleCurrency& cur) const { return m_cur.int64 > cur.m_cur.int64; }
  bool operator<=(const COleCurrency& cur) const { return m_cur.int64 <= cur.m_cur.int64; }
  bool operator>=(const COleCurrency& cur) const { return m_cur.int64 >= cur.m_cur.int64; }

  // VarCyFromStr; on failure the value is 0, the status invalid and FALSE returned.
  BOOL ParseCurrency(const char* text, DWORD flags = 0, LCID lcid = LOCALE_USER_DEFAULT);
  // VarBstrFromCy; an invalid value formats as "Invalid currency", a null one as "".
  CString Format(DWORD flags = 0, LCID lcid = LOCALE_USER_DEFAULT) const;

  CY m_cur;
  CurrencyStatus m_status;
};
