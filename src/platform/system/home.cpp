// The platform home folder, from the environment at every call.
#include "vrmwnd/platform/home.h"

#include <cstdlib>

std::string GetPlatformHomeDirectory() {
  if (const char* home = std::getenv("VRMWND_HOME"); home && *home) return home;
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data)
    return std::string(data) + "/vrmwnd";
  const char* user_home = std::getenv("HOME");
  return std::string(user_home && *user_home ? user_home : ".") + "/.local/share/vrmwnd";
}
