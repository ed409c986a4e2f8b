// The memory hint for CArray's large blocks: the whole 2 MB stretches of a block of
// 4 MB or more are marked for transparent huge pages, so the kernel makes them present
// 2 MB at a time instead of faulting them in 4 KB at a time.
#include <sys/mman.h>

#include <cstdint>

#include "vrmwnd/platform/CArray.h"

namespace vrmwnd::platform {

void advise_large_block(void* block, std::size_t bytes) noexcept {
  constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
  const auto start = reinterpret_cast<std::uintptr_t>(block);
  const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
  const std::uintptr_t last = (start + bytes) & ~(kHugePage - 1);
  // Only a hint: with huge pages off, or refused, the block works as before.
  if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

}  // namespace vrmwnd::platform
