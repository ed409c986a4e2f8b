// The application profile over the private profile files of kernel32, and the
// application's icons from the resource chain.
#include <filesystem>
#include <vector>

#include "vrmwnd/platform/afxapp.h"
#include "vrmwnd/platform/home.h"
#include "vrmwnd/platform/profile.h"
#include "vrmwnd/platform/resources.h"

// Without a home there is no profile: reads give the defaults, writes fail.
CString CWinApp::GetProfileFileName() {
  const std::string home = GetPlatformHomeDirectory();
  return home.empty() ? CString() : CString((home + "/profile.ini").c_str());
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) {
  return GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, GetProfileFileName());
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue) {
  CString value;
  value.Format("%d", nValue);
  return WriteProfileString(lpszSection, lpszEntry, value);
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault) {
  std::vector<char> buffer(4096);
  GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault, buffer.data(), static_cast<DWORD>(buffer.size()),
                           GetProfileFileName());
  return CString(buffer.data());
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue) {
  if (GetPlatformHomeDirectory().empty()) return FALSE;  // no home: nowhere to keep it
  std::error_code error;
  std::filesystem::create_directories(GetPlatformHomeDirectory(), error);
  return WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, GetProfileFileName());
}

CWinApp* AfxGetApp() {
  static CWinApp app;
  return &app;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
  LPCSTR name = MAKEINTRESOURCE(static_cast<WORD>(nIDResource));
  return ::LoadIcon(AfxFindResourceHandle(name, RT_GROUP_ICON), name);
}
