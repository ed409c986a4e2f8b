// The COM task allocator (CoTaskMemAlloc, CoTaskMemRealloc, CoTaskMemFree) with a
// handle table: every live block has a 32-bit handle, so that a four-byte pointer
// slot of a fixed record layout can name it and a reader can check it before use.
#pragma once

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/wintypes.h"

// Allocates cb bytes (not zeroed, as on Windows); nullptr when out of memory. A
// request of 0 bytes still returns a distinct live block.
VRMWND_PLATFORM_API LPVOID CoTaskMemAlloc(SIZE_T cb);
// Grows or shrinks a block, keeping its handle; nullptr pv allocates, cb 0 frees.
VRMWND_PLATFORM_API LPVOID CoTaskMemRealloc(LPVOID pv, SIZE_T cb);
// Frees a block. nullptr does nothing; a pointer the allocator does not know (never
// allocated, or already freed) is ignored and counted, never passed to the heap.
VRMWND_PLATFORM_API void CoTaskMemFree(LPVOID pv);

// Handle table (extension of this stand-in, no Windows counterpart).
// | call                       | result                                                |
// |----------------------------|-------------------------------------------------------|
// | CoTaskMemHandle(p)         | the block's handle; 0 for nullptr or an unknown p     |
// | CoTaskMemFromHandle(h, &n) | the block and its size; nullptr (n 0) for a bad handle|
// Handles are never reused within a process run, so a handle kept after its block
// was freed is detected as bad instead of naming a newer block.
VRMWND_PLATFORM_API DWORD CoTaskMemHandle(const void* pv);
VRMWND_PLATFORM_API LPVOID CoTaskMemFromHandle(DWORD handle, SIZE_T* pcb);
// Size of a live block; 0 for an unknown pointer.
VRMWND_PLATFORM_API SIZE_T CoTaskMemSize(const void* pv);
// Live blocks, and frees of unknown pointers, since the process started.
VRMWND_PLATFORM_API SIZE_T CoTaskMemLiveBlocks();
VRMWND_PLATFORM_API SIZE_T CoTaskMemBadFrees();
