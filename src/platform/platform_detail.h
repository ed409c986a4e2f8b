// The platform library's internals live in vrmwnd::platform::detail and are built
// hidden, so no other library reaches them; its own sources name them detail::.
#pragma once

namespace vrmwnd::platform::detail {}
namespace detail = vrmwnd::platform::detail;
