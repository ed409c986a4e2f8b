// CException and its invalid-argument and out-of-memory kinds: error texts, Delete,
// ReportError through the installed handler, and the Afx throw helpers.
#include "vrmwnd/platform/CException.h"

#include <cstring>

#include "vrmwnd/platform/CString.h"

namespace {

AFX_REPORT_ERROR_HANDLER g_report_error_handler = nullptr;

// Copies text into a buffer of nMaxError bytes, cut on a character boundary.
BOOL copy_message(const char* text, char* buffer, UINT nMaxError, UINT* pnHelpContext) {
  if (pnHelpContext) *pnHelpContext = 0;
  if (!buffer || nMaxError == 0) return FALSE;
  const std::size_t bytes = Utf8PrefixBytes(text, std::strlen(text), nMaxError - 1);
  std::memcpy(buffer, text, bytes);
  buffer[bytes] = '\0';
  return *text ? TRUE : FALSE;
}

}  // namespace

CException::CException() : m_bAutoDelete(TRUE) {}
CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}
CException::~CException() = default;

void CException::Delete() {
  if (m_bAutoDelete) delete this;
}

BOOL CException::GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext) const {
  copy_message("", lpszError, nMaxError, pnHelpContext);
  return FALSE;
}

int CException::ReportError(UINT nType, UINT /*nMessageID*/) {
  char text[512];
  if (!GetErrorMessage(text, sizeof text)) {
    std::strcpy(text, "No error message is available.");
  }
  return g_report_error_handler ? g_report_error_handler(text, nType) : 0;
}

BOOL CInvalidArgException::GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext) const {
  return copy_message("Encountered an improper argument.", lpszError, nMaxError, pnHelpContext);
}

BOOL CMemoryException::GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext) const {
  return copy_message("Out of memory.", lpszError, nMaxError, pnHelpContext);
}

void AfxThrowInvalidArgException() { throw new CInvalidArgException(); }
void AfxThrowMemoryException() { throw new CMemoryException(); }

AFX_REPORT_ERROR_HANDLER AfxSetReportErrorHandler(AFX_REPORT_ERROR_HANDLER handler) {
  const AFX_REPORT_ERROR_HANDLER previous = g_report_error_handler;
  g_report_error_handler = handler;
  return previous;
}
