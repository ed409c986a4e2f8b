// BSTR allocation: a UTF-16 string preceded by its length in bytes (32 bits) and
// followed by a null, as OLEAUT32 lays it out. Null BSTRs count as empty strings.
#include <cstdlib>
#include <cstring>
#include <limits>

#include "vrmwnd/platform/oleauto.h"

namespace {

constexpr std::size_t kPrefix = sizeof(std::uint32_t);

std::uint32_t* prefix_of(BSTR text) {
  return reinterpret_cast<std::uint32_t*>(reinterpret_cast<char*>(text) - kPrefix);
}

}  // namespace

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
  constexpr UINT kMaxLength = (std::numeric_limits<std::uint32_t>::max() - kPrefix) / 2 - 1;
  if (length > kMaxLength) return nullptr;
  const std::size_t bytes = std::size_t{length} * sizeof(OLECHAR);
  auto* block = static_cast<char*>(std::calloc(1, kPrefix + bytes + sizeof(OLECHAR)));
  if (!block) return nullptr;
  const auto stored = static_cast<std::uint32_t>(bytes);
  std::memcpy(block, &stored, kPrefix);
  auto* result = reinterpret_cast<BSTR>(block + kPrefix);
  if (text) std::memcpy(result, text, bytes);
  return result;
}

BSTR SysAllocString(const OLECHAR* text) {
  if (!text) return nullptr;
  UINT length = 0;
  while (text[length] != 0) ++length;
  return SysAllocStringLen(text, length);
}

void SysFreeString(BSTR text) {
  if (text) std::free(prefix_of(text));
}

UINT SysStringLen(BSTR text) {
  if (!text) return 0;
  std::uint32_t bytes = 0;
  std::memcpy(&bytes, prefix_of(text), kPrefix);
  return bytes / sizeof(OLECHAR);
}
