// GDI without a screen: device contexts that measure text in the one fixed dialog
// font, so layouts are the same on every machine.
//
// | quantity                         | value                                  |
// |----------------------------------|----------------------------------------|
// | width of any character           | 6 pixels (per code point)              |
// | height of a line of text         | 13 pixels                              |
// | dialog base units (x, y)         | 6, 13: x px = dlu*6/4, y px = dlu*13/8 |
// | fonts                            | every font measures as the dialog font |
#pragma once

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/windef.h"

constexpr int kFixedCharWidth = 6;
constexpr int kFixedLineHeight = 13;

VRMWND_PLATFORM_API HDC GetDC(HWND hwnd);  // a device context with the window's font selected
VRMWND_PLATFORM_API int ReleaseDC(HWND hwnd, HDC dc);
VRMWND_PLATFORM_API HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);  // returns the object it replaces
VRMWND_PLATFORM_API HGDIOBJ GetCurrentObject(HDC dc, UINT type);
constexpr UINT OBJ_FONT = 6;
// Width and height of the first `length` bytes of a UTF-8 text.
VRMWND_PLATFORM_API BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int length, LPSIZE size);
// The dialog font, which every dialog and control gets when created from a template.
VRMWND_PLATFORM_API HFONT GetDialogFont();
