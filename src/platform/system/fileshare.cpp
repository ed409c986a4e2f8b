// _fsopen over fopen and flock.
#include "vrmwnd/platform/fileshare.h"

#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <thread>

#include "platform_detail.h"

namespace vrmwnd::platform::detail {
namespace {

// Takes the lock, waiting up to the conflict wait; false when it stays taken.
bool take_lock(int fd, int operation) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kShareConflictWaitMilliseconds);
  for (int spins = 0;; ++spins) {
    if (::flock(fd, operation | LOCK_NB) == 0) return true;
    if (errno != EWOULDBLOCK && errno != EINTR) return false;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    if (spins < 64)
      std::this_thread::yield();
    else
      std::this_thread::sleep_for(std::chrono::microseconds(50));
  }
}

}  // namespace
}  // namespace vrmwnd::platform::detail

std::FILE* _fsopen(const char* file_name, const char* mode, int share_flag) {
  if (file_name == nullptr || mode == nullptr) {
    errno = EINVAL;
    return nullptr;
  }
  std::string path(file_name);
  for (char& c : path)
    if (c == '\\') c = '/';
  std::string native_mode;
  bool writes = false;
  for (const char* m = mode; *m; ++m) {
    if (*m == 't') continue;
    if (*m == 'w' || *m == 'a' || *m == '+') writes = true;
    native_mode += *m;
  }
  native_mode += 'e';  // close on exec
  std::FILE* file = std::fopen(path.c_str(), native_mode.c_str());
  // A folder is not a file: Windows refuses to open one, whatever the mode.
  struct stat info;
  if (file != nullptr && ::fstat(fileno(file), &info) == 0 && S_ISDIR(info.st_mode)) {
    std::fclose(file);
    errno = EACCES;
    return nullptr;
  }
  if (file == nullptr || !writes) return file;
  const bool denies_write = share_flag == _SH_DENYWR || share_flag == _SH_DENYRW;
  if (!detail::take_lock(fileno(file), denies_write ? LOCK_EX : LOCK_SH)) {
    std::fclose(file);
    errno = EACCES;
    return nullptr;
  }
  return file;
}
