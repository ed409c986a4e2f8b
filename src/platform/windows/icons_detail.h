// The icon resources of the registered modules, for LoadIcon (resources.cpp keeps them).
#pragma once

#include "vrmwnd/platform/windef.h"

namespace vrmwnd::platform::detail {

// The shared handle of the icon `id` of that module alone, or nullptr.
HICON find_module_icon(HINSTANCE module, UINT id);

}  // namespace vrmwnd::platform::detail
