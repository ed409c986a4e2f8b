// COleCurrency over the OLE Automation currency routines.
#include "vrmwnd/platform/COleCurrency.h"

#include <string>

#include "platform_detail.h"

namespace vrmwnd::platform::detail {
namespace {

CY cy_of(LONGLONG raw) {
  CY cy{};
  cy.int64 = raw;
  return cy;
}

// The status of a binary operation's result before it is computed.
COleCurrency::CurrencyStatus combined(const COleCurrency& a, const COleCurrency& b) {
  if (a.m_status == COleCurrency::invalid || b.m_status == COleCurrency::invalid) return COleCurrency::invalid;
  if (a.m_status == COleCurrency::null || b.m_status == COleCurrency::null) return COleCurrency::null;
  return COleCurrency::valid;
}

}  // namespace
}  // namespace vrmwnd::platform::detail

COleCurrency::COleCurrency() : m_cur(detail::cy_of(0)), m_status(valid) {}
COleCurrency::COleCurrency(CY cySrc) : m_cur(cySrc), m_status(valid) {}
COleCurrency::COleCurrency(LONG nUnits, LONG nFractionalUnits) : COleCurrency() {
  SetCurrency(nUnits, nFractionalUnits);
}

COleCurrency& COleCurrency::operator=(CY cySrc) {
  m_cur = cySrc;
  m_status = valid;
  return *this;
}

void COleCurrency::SetCurrency(LONG nUnits, LONG nFractionalUnits) {
  m_cur.int64 = static_cast<LONGLONG>(nUnits) * 10'000 + nFractionalUnits;
  m_status = valid;
}

COleCurrency COleCurrency::operator+(const COleCurrency& cur) const {
  COleCurrency result;
  result.m_status = detail::combined(*this, cur);
  if (result.m_status == valid && FAILED(VarCyAdd(m_cur, cur.m_cur, &result.m_cur))) result.m_status = invalid;
  return result;
}

COleCurrency COleCurrency::operator-(const COleCurrency& cur) const {
  COleCurrency result;
  result.m_status = detail::combined(*this, cur);
  if (result.m_status == valid && FAILED(VarCySub(m_cur, cur.m_cur, &result.m_cur))) result.m_status = invalid;
  return result;
}

COleCurrency& COleCurrency::operator+=(const COleCurrency& cur) { return *this = *this + cur; }
COleCurrency& COleCurrency::operator-=(const COleCurrency& cur) { return *this = *this - cur; }

COleCurrency COleCurrency::operator*(LONG nOperand) const {
  COleCurrency result(*this);
  if (m_status == valid && FAILED(VarCyMulI4(m_cur, nOperand, &result.m_cur))) result.m_status = invalid;
  return result;
}

COleCurrency COleCurrency::operator/(LONG nOperand) const {
  COleCurrency result(*this);
  if (m_status != valid) return result;
  if (nOperand == 0) {
    result.m_status = invalid;
    return result;
  }
  result.m_cur.int64 = m_cur.int64 / nOperand;
  return result;
}

COleCurrency COleCurrency::operator-() const {
  COleCurrency result(*this);
  if (m_status == valid) result.m_cur.int64 = static_cast<LONGLONG>(0ULL - static_cast<ULONGLONG>(m_cur.int64));
  return result;
}

bool COleCurrency::operator==(const COleCurrency& cur) const {
  return m_status == cur.m_status && m_cur.int64 == cur.m_cur.int64;
}

BOOL COleCurrency::ParseCurrency(const char* text, DWORD flags, LCID lcid) {
  const std::u16string wide = Utf8ToUtf16(text ? text : "");
  CY cy{};
  if (FAILED(VarCyFromStr(wide.c_str(), lcid, flags, &cy))) {
    m_cur = detail::cy_of(0);
    m_status = invalid;
    return FALSE;
  }
  *this = cy;
  return TRUE;
}

CString COleCurrency::Format(DWORD flags, LCID lcid) const {
  if (m_status == null) return CString();
  if (m_status == invalid) return CString("Invalid currency");
  BSTR bstr = nullptr;
  if (FAILED(VarBstrFromCy(m_cur, lcid, flags, &bstr))) return CString();
  CString text(bstr);
  SysFreeString(bstr);
  return text;
}
