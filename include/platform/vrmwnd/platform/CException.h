// MFC's exception classes: CException with its error text and report, and the
// CInvalidArgException and CMemoryException that the collections and strings raise.
// As in MFC, exceptions are thrown as heap pointers; the catcher calls Delete().
#pragma once

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/wintypes.h"

class VRMWND_PLATFORM_API CException {
 public:
  CException();
  // bAutoDelete FALSE marks an exception object that Delete() must not free
  // (one that lives on the stack or inside another object).
  explicit CException(BOOL bAutoDelete);
  CException(const CException&) = delete;
  CException& operator=(const CException&) = delete;
  virtual ~CException();

  // Frees a heap exception; does nothing to one built with bAutoDelete FALSE.
  void Delete();

  // Copies the error text into lpszError (at most nMaxError bytes with the null,
  // cut on a character boundary). The base class has no text: it writes "" and
  // returns FALSE. *pnHelpContext, when given, receives 0.
  virtual BOOL GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const;

  // Shows the error text (or "No error message is available." when there is none)
  // through the installed report handler and returns its answer (IDOK, ...).
  // nType is the MessageBox style (0 = MB_OK); nMessageID would name a resource
  // text for the fallback, and there are no string resources here. Until a window system installs a
  // handler with AfxSetReportErrorHandler nothing is shown and the result is 0,
  // which is what MessageBox returns when it cannot show its box.
  virtual int ReportError(UINT nType = 0, UINT nMessageID = 0);

 protected:
  BOOL m_bAutoDelete;
};

// Invalid argument: an index out of range, a bad format, a negative size.
class VRMWND_PLATFORM_API CInvalidArgException : public CException {
 public:
  using CException::CException;
  BOOL GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;
};

// Allocation failure.
class VRMWND_PLATFORM_API CMemoryException : public CException {
 public:
  using CException::CException;
  BOOL GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;
};

// Throw a new heap exception, as MFC does: catch (CException* e) { ...; e->Delete(); }
[[noreturn]] VRMWND_PLATFORM_API void AfxThrowInvalidArgException();
[[noreturn]] VRMWND_PLATFORM_API void AfxThrowMemoryException();

// Shows the text of CException::ReportError with a MessageBox style and returns the
// button chosen. Returns the previous handler; nullptr removes it.
using AFX_REPORT_ERROR_HANDLER = int (*)(const char* text, UINT nType);
VRMWND_PLATFORM_API AFX_REPORT_ERROR_HANDLER AfxSetReportErrorHandler(AFX_REPORT_ERROR_HANDLER handler);
