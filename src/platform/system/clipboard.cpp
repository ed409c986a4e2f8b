// The clipboard of the process and the global memory blocks it takes. Blocks are
// kept in one table by handle; a block given to the clipboard leaves its caller and
// is freed by the clipboard when it is emptied or the format is given again.
#include "vrmwnd/platform/clipboard.h"

#include <map>
#include <memory>
#include <vector>

#include "vrmwnd/platform/testing.h"

namespace vrmwnd::platform::detail {
namespace {

struct GlobalBlock {
  std::vector<char> bytes;
  int locks = 0;
  bool owned_by_clipboard = false;
};

struct ClipboardState {
  std::map<HGLOBAL, std::unique_ptr<GlobalBlock>> blocks;
  std::uintptr_t next_handle = 0x40000;
  bool open = false;
  HWND opener = nullptr;
  HWND owner = nullptr;
  bool held_by_other = false;
  DWORD sequence = 1;
  std::map<UINT, HGLOBAL> formats;
};

ClipboardState& state() {
  static ClipboardState instance;
  return instance;
}

GlobalBlock* find_block(HGLOBAL handle) {
  auto it = state().blocks.find(handle);
  return it == state().blocks.end() ? nullptr : it->second.get();
}

bool require_open() {
  if (state().open) return true;
  SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
  return false;
}

void free_formats() {
  for (const auto& [format, handle] : state().formats) state().blocks.erase(handle);
  state().formats.clear();
}

}  // namespace
}  // namespace vrmwnd::platform::detail

using namespace vrmwnd::platform::detail;

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) {
  if (flags & ~(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto block = std::make_unique<GlobalBlock>();
  block->bytes.assign(bytes, (flags & GMEM_ZEROINIT) ? '\0' : '\xCD');
  HGLOBAL handle = reinterpret_cast<HGLOBAL>(state().next_handle);
  state().next_handle += 8;
  state().blocks.emplace(handle, std::move(block));
  return handle;
}

LPVOID GlobalLock(HGLOBAL handle) {
  GlobalBlock* block = find_block(handle);
  if (block == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  ++block->locks;
  // A block of no bytes still has an address.
  return block->bytes.empty() ? static_cast<void*>(block) : block->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL handle) {
  GlobalBlock* block = find_block(handle);
  if (block == nullptr || block->locks == 0) return FALSE;
  return --block->locks > 0;
}

HGLOBAL GlobalFree(HGLOBAL handle) {
  GlobalBlock* block = find_block(handle);
  if (block == nullptr || block->owned_by_clipboard) {
    SetLastError(ERROR_INVALID_HANDLE);
    return handle;
  }
  state().blocks.erase(handle);
  return nullptr;
}

SIZE_T GlobalSize(HGLOBAL handle) {
  GlobalBlock* block = find_block(handle);
  return block ? block->bytes.size() : 0;
}

BOOL OpenClipboard(HWND owner) {
  ClipboardState& s = state();
  if (s.held_by_other || (s.open && s.opener != owner)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  s.open = true;
  s.opener = owner;
  return TRUE;
}

BOOL CloseClipboard() {
  if (!require_open()) return FALSE;
  state().open = false;
  state().opener = nullptr;
  return TRUE;
}

BOOL EmptyClipboard() {
  if (!require_open()) return FALSE;
  free_formats();
  state().owner = state().opener;
  ++state().sequence;
  return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
  if (!require_open()) return nullptr;
  GlobalBlock* block = find_block(data);
  if (block == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  auto it = state().formats.find(format);
  if (it != state().formats.end() && it->second != data) state().blocks.erase(it->second);
  block->owned_by_clipboard = true;
  state().formats[format] = data;
  ++state().sequence;
  return data;
}

HANDLE GetClipboardData(UINT format) {
  if (!require_open()) return nullptr;
  auto it = state().formats.find(format);
  return it == state().formats.end() ? nullptr : it->second;
}

BOOL IsClipboardFormatAvailable(UINT format) { return state().formats.contains(format); }

HWND GetClipboardOwner() { return state().owner; }

DWORD GetClipboardSequenceNumber() { return state().sequence; }

void HoldClipboardForTesting(bool held) { state().held_by_other = held; }
