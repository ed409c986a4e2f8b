// MessageBox: the box goes to the installed presenter, which answers with the
// button pressed. Tests install one that records and answers; the window system
// installs one that shows a real modal window. With none installed the box is
// written to standard error and answered with its default button.
#pragma once

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/windef.h"

constexpr UINT MB_OK = 0x0;
constexpr UINT MB_OKCANCEL = 0x1;
constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
constexpr UINT MB_YESNOCANCEL = 0x3;
constexpr UINT MB_YESNO = 0x4;
constexpr UINT MB_RETRYCANCEL = 0x5;
constexpr UINT MB_ICONHAND = 0x10;
constexpr UINT MB_ICONERROR = MB_ICONHAND;
constexpr UINT MB_ICONSTOP = MB_ICONHAND;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONEXCLAMATION = 0x30;
constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr UINT MB_ICONASTERISK = 0x40;
constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
constexpr UINT MB_DEFBUTTON1 = 0x000;
constexpr UINT MB_DEFBUTTON2 = 0x100;
constexpr UINT MB_DEFBUTTON3 = 0x200;
constexpr UINT MB_TYPEMASK = 0xF;
constexpr UINT MB_ICONMASK = 0xF0;
constexpr UINT MB_DEFMASK = 0xF00;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

class VRMWND_PLATFORM_API IMessageBoxPresenter {
 public:
  virtual ~IMessageBoxPresenter() = default;
  // Shows the box and returns the button pressed (IDOK, IDYES, ...).
  virtual int Present(HWND owner, const char* text, const char* caption, UINT flags) = 0;
};

// Installs `presenter` (null: none) and returns the one it replaces. The caller
// keeps ownership.
VRMWND_PLATFORM_API IMessageBoxPresenter* SetMessageBoxPresenter(IMessageBoxPresenter* presenter);

// Null text or caption counts as "" (Windows shows "Error" for a null caption).
VRMWND_PLATFORM_API int MessageBoxA(HWND owner, const char* text, const char* caption, UINT flags);
inline int MessageBox(HWND owner, const char* text, const char* caption, UINT flags) {
  return MessageBoxA(owner, text, caption, flags);
}
// The button that Enter presses in a box of these flags.
VRMWND_PLATFORM_API int DefaultMessageBoxButton(UINT flags);
