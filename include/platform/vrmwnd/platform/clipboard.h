// The clipboard and the global memory blocks it takes: OpenClipboard, EmptyClipboard,
// SetClipboardData, GetClipboardData, CloseClipboard over one clipboard for the
// process, and GlobalAlloc/GlobalLock/GlobalUnlock/GlobalFree/GlobalSize. A test can
// make the clipboard held by another program (testing.h), so that opening it fails.
#pragma once

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/windef.h"

using HGLOBAL = HANDLE;

// GlobalAlloc flags. Every block is reached through its handle and GlobalLock,
// whatever the flags; GMEM_ZEROINIT fills it with zeros.
constexpr UINT GMEM_FIXED = 0x0000, GMEM_MOVEABLE = 0x0002, GMEM_ZEROINIT = 0x0040, GMEM_DDESHARE = 0x2000,
               GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

constexpr UINT CF_TEXT = 1, CF_UNICODETEXT = 13;
constexpr DWORD ERROR_CLIPBOARD_NOT_OPEN = 1418;

// A block of `bytes` bytes (0 is allowed); NULL when the flags are unknown.
VRMWND_PLATFORM_API HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
// The block's bytes, counting one more lock; NULL for a handle that is no block.
VRMWND_PLATFORM_API LPVOID GlobalLock(HGLOBAL block);
// One lock less; TRUE while locks remain.
VRMWND_PLATFORM_API BOOL GlobalUnlock(HGLOBAL block);
// NULL when freed; the handle back when it is no block or belongs to the clipboard.
VRMWND_PLATFORM_API HGLOBAL GlobalFree(HGLOBAL block);
VRMWND_PLATFORM_API SIZE_T GlobalSize(HGLOBAL block);

// | call             | open? | what it does                                        |
// |------------------|-------|-----------------------------------------------------|
// | OpenClipboard(w) | —     | opens it for w (NULL: no window); FALSE when another |
// |                  |       | window or another program has it open               |
// | EmptyClipboard   | yes   | frees every format; w becomes the owner             |
// | SetClipboardData | yes   | the block becomes the clipboard's (the caller must   |
// |                  |       | not free it); the format's previous block is freed  |
// | GetClipboardData | yes   | the clipboard's block (not the caller's), or NULL   |
// | CloseClipboard   | yes   | closes it                                           |
// A call that needs the clipboard open fails with ERROR_CLIPBOARD_NOT_OPEN otherwise.
VRMWND_PLATFORM_API BOOL OpenClipboard(HWND owner);
VRMWND_PLATFORM_API BOOL CloseClipboard();
VRMWND_PLATFORM_API BOOL EmptyClipboard();
VRMWND_PLATFORM_API HANDLE SetClipboardData(UINT format, HANDLE data);
VRMWND_PLATFORM_API HANDLE GetClipboardData(UINT format);
VRMWND_PLATFORM_API BOOL IsClipboardFormatAvailable(UINT format);
VRMWND_PLATFORM_API HWND GetClipboardOwner();
// Counts every change of the contents (emptied or given data): whoever shows the
// clipboard elsewhere compares it with the number it last saw.
VRMWND_PLATFORM_API DWORD GetClipboardSequenceNumber();
