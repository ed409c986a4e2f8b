// The running application's profile, as MFC's CWinApp offers it: integers and texts
// by section and entry, kept in the file "profile.ini" of the platform home folder
// (the registry's place). AfxGetApp gives the application object of the process.
#pragma once

#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/windef.h"

class VRMWND_PLATFORM_API CWinApp {
 public:
  // The profile file: <platform home>/profile.ini, read at every call.
  static CString GetProfileFileName();
  // A missing entry (or an unreadable file) gives the default.
  UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
  BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
  CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
  // A null value deletes the entry; FALSE when the file cannot be written.
  BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
  // The icon resource of the module in the resource chain that has it; NULL when
  // none has it.
  HICON LoadIcon(UINT nIDResource) const;
};

VRMWND_PLATFORM_API CWinApp* AfxGetApp();
