// IUnknown, the first three slots of every COM interface: QueryInterface, AddRef
// and Release, in that order. Interface identifiers are GUIDs (guiddef.h).
#pragma once

#include <algorithm>
#include <iterator>

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/guiddef.h"
#include "vrmwnd/platform/wintypes.h"

using IID = GUID;
using REFIID = const IID&;

inline bool operator==(const GUID& a, const GUID& b) {
  return a.Data1 == b.Data1 && a.Data2 == b.Data2 && a.Data3 == b.Data3 &&
         std::equal(std::begin(a.Data4), std::end(a.Data4), std::begin(b.Data4));
}

// {00000000-0000-0000-C000-000000000046}
inline constexpr IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

class VRMWND_PLATFORM_API IUnknown {
 public:
  virtual HRESULT QueryInterface(REFIID riid, void** ppvObject) = 0;
  virtual ULONG AddRef() = 0;
  virtual ULONG Release() = 0;

 protected:
  ~IUnknown() = default;
};
