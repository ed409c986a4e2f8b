// The platform home folder, from the environment at every call.
#include "vrmwnd/platform/home.h"

#include <cstdlib>
#include <string_view>

namespace {

bool is_absolute(const char* path) { return path != nullptr && path[0] == '/'; }

}  // namespace

std::string GetPlatformHomeDirectory() {
  // An explicit home that is not absolute is refused, not resolved against whatever
  // folder the program happens to start in.
  if (const char* home = std::getenv("VRMWND_HOME"); home && *home) return is_absolute(home) ? home : "";
  // A relative XDG_DATA_HOME is invalid and ignored, as the XDG rules say.
  if (const char* data = std::getenv("XDG_DATA_HOME"); is_absolute(data)) return std::string(data) + "/vrmwnd";
  if (const char* user_home = std::getenv("HOME"); is_absolute(user_home))
    return std::string(user_home) + "/.local/share/vrmwnd";
  return {};
}
