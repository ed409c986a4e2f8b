// The Win32 window types that every window header shares: handles, message
// parameters, rectangles, points, sizes, the queued message, and the small
// word-packing helpers (MAKELONG, LOWORD, HIWORD, MulDiv).
#pragma once

#include <cstdint>

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/wintypes.h"

struct HWND__;
using HWND = HWND__*;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using INT_PTR = std::intptr_t;
using DWORD_PTR = std::uintptr_t;
using ATOM = WORD;
using HINSTANCE = HMODULE;

struct HFONT__;
using HFONT = HFONT__*;
struct HICON__;
using HICON = HICON__*;
struct HBITMAP__;
using HBITMAP = HBITMAP__*;
struct HDC__;
using HDC = HDC__*;
struct HGDIOBJ__;
using HGDIOBJ = HGDIOBJ__*;

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

typedef struct tagPOINT {
  LONG x;
  LONG y;
} POINT, *LPPOINT;

typedef struct tagSIZE {
  LONG cx;
  LONG cy;
} SIZE, *LPSIZE;

typedef struct tagRECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
} RECT, *LPRECT;
using LPCRECT = const RECT*;

typedef struct tagMSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
} MSG, *LPMSG;

constexpr WORD LOWORD(std::uintptr_t l) { return static_cast<WORD>(l & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t l) { return static_cast<WORD>((l >> 16) & 0xFFFF); }
constexpr LONG MAKELONG(WORD low, WORD high) {
  return static_cast<LONG>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) {
  return static_cast<WPARAM>(static_cast<DWORD>(MAKELONG(low, high)));
}
constexpr LPARAM MAKELPARAM(WORD low, WORD high) {
  return static_cast<LPARAM>(static_cast<DWORD>(MAKELONG(low, high)));
}
constexpr BYTE LOBYTE(std::uintptr_t w) { return static_cast<BYTE>(w & 0xFF); }

// number * numerator / denominator with a 64-bit intermediate, rounded half away
// from zero; -1 when the denominator is 0.
VRMWND_PLATFORM_API int MulDiv(int number, int numerator, int denominator);

VRMWND_PLATFORM_API BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom);
VRMWND_PLATFORM_API BOOL OffsetRect(LPRECT rect, int dx, int dy);
