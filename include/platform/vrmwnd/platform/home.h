// The platform home folder, under which the registry file, the application profile
// and everything else the stand-ins keep between runs are written.
#pragma once

#include <string>

#include "vrmwnd/platform/export.h"

// $VRMWND_HOME when set and not empty, otherwise $XDG_DATA_HOME/vrmwnd, otherwise
// $HOME/.local/share/vrmwnd. Read at every call, so a test may point it elsewhere. Not
// created here. Only absolute paths count: with VRMWND_HOME relative, or with neither
// an absolute XDG_DATA_HOME nor an absolute HOME, there is no home and the result is
// empty — the registry then reads as empty and refuses writes, and nothing is written
// into the current folder.
VRMWND_PLATFORM_API std::string GetPlatformHomeDirectory();
