// The platform home folder, under which the registry file, the application profile
// and everything else the stand-ins keep between runs are written.
#pragma once

#include <string>

#include "vrmwnd/platform/export.h"

// $VRMWND_HOME when set and not empty, otherwise $XDG_DATA_HOME/vrmwnd, otherwise
// ~/.local/share/vrmwnd. Read at every call, so a test may point it elsewhere. Not
// created here.
VRMWND_PLATFORM_API std::string GetPlatformHomeDirectory();
