// The COM task allocator over the C heap, with a table from 32-bit handles to live
// blocks so that fixed record layouts can hold four-byte references and readers can
// reject stale or invented ones.
#include "vrmwnd/platform/comalloc.h"

#include <cstdlib>
#include <mutex>
#include <unordered_map>

#include "platform_detail.h"

namespace vrmwnd::platform::detail {
namespace {

struct Block {
  DWORD handle;
  SIZE_T size;
};

class HandleTable {
 public:
  // Handle 0 means "none" in a layout slot; the counter skips it on wrap-around.
  void* allocate(SIZE_T size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) return nullptr;
    std::lock_guard lock(mutex_);
    DWORD handle = next_handle();
    by_pointer_[p] = Block{handle, size};
    by_handle_[handle] = p;
    return p;
  }

  void* reallocate(void* old_p, SIZE_T size) {
    std::lock_guard lock(mutex_);
    auto it = by_pointer_.find(old_p);
    if (it == by_pointer_.end()) {
      ++bad_frees_;
      return nullptr;
    }
    void* p = std::realloc(old_p, size == 0 ? 1 : size);
    if (p == nullptr) return nullptr;
    Block block{it->second.handle, size};
    by_pointer_.erase(it);
    by_pointer_[p] = block;
    by_handle_[block.handle] = p;
    return p;
  }

  void release(void* p) {
    {
      std::lock_guard lock(mutex_);
      auto it = by_pointer_.find(p);
      if (it == by_pointer_.end()) {
        ++bad_frees_;
        return;
      }
      by_handle_.erase(it->second.handle);
      by_pointer_.erase(it);
    }
    std::free(p);
  }

  DWORD handle_of(const void* p) {
    std::lock_guard lock(mutex_);
    auto it = by_pointer_.find(const_cast<void*>(p));
    return it == by_pointer_.end() ? 0 : it->second.handle;
  }

  void* resolve(DWORD handle, SIZE_T* size) {
    std::lock_guard lock(mutex_);
    auto it = by_handle_.find(handle);
    if (it == by_handle_.end()) {
      if (size != nullptr) *size = 0;
      return nullptr;
    }
    if (size != nullptr) *size = by_pointer_.at(it->second).size;
    return it->second;
  }

  SIZE_T size_of(const void* p) {
    std::lock_guard lock(mutex_);
    auto it = by_pointer_.find(const_cast<void*>(p));
    return it == by_pointer_.end() ? 0 : it->second.size;
  }

  SIZE_T live() {
    std::lock_guard lock(mutex_);
    return by_pointer_.size();
  }

  SIZE_T bad_frees() {
    std::lock_guard lock(mutex_);
    return bad_frees_;
  }

 private:
  DWORD next_handle() {
    do {
      ++last_handle_;
    } while (last_handle_ == 0 || by_handle_.count(last_handle_) != 0);
    return last_handle_;
  }

  std::mutex mutex_;
  std::unordered_map<void*, Block> by_pointer_;
  std::unordered_map<DWORD, void*> by_handle_;
  // Starts away from small numbers so that a count or a key stored by mistake in a
  // pointer slot is unlikely to look like a live handle.
  DWORD last_handle_ = 0x00010000;
  SIZE_T bad_frees_ = 0;
};

HandleTable& table() {
  static HandleTable* instance = new HandleTable;  // outlives static destructors
  return *instance;
}

}  // namespace
}  // namespace vrmwnd::platform::detail

LPVOID CoTaskMemAlloc(SIZE_T cb) { return detail::table().allocate(cb); }

LPVOID CoTaskMemRealloc(LPVOID pv, SIZE_T cb) {
  if (pv == nullptr) return CoTaskMemAlloc(cb);
  if (cb == 0) {
    CoTaskMemFree(pv);
    return nullptr;
  }
  return detail::table().reallocate(pv, cb);
}

void CoTaskMemFree(LPVOID pv) {
  if (pv != nullptr) detail::table().release(pv);
}

DWORD CoTaskMemHandle(const void* pv) { return pv == nullptr ? 0 : detail::table().handle_of(pv); }

LPVOID CoTaskMemFromHandle(DWORD handle, SIZE_T* pcb) {
  if (handle == 0) {
    if (pcb != nullptr) *pcb = 0;
    return nullptr;
  }
  return detail::table().resolve(handle, pcb);
}

SIZE_T CoTaskMemSize(const void* pv) { return pv == nullptr ? 0 : detail::table().size_of(pv); }
SIZE_T CoTaskMemLiveBlocks() { return detail::table().live(); }
SIZE_T CoTaskMemBadFrees() { return detail::table().bad_frees(); }
