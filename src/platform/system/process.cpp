// Process facts from /proc and the C library, shaped as the Win32 calls return them.
#include "vrmwnd/platform/process.h"

#include <pwd.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <string>

#include "platform_detail.h"

#ifndef VRMWND_VERSION_MAJOR
#define VRMWND_VERSION_MAJOR 0
#define VRMWND_VERSION_MINOR 0
#define VRMWND_VERSION_PATCH 0
#endif

namespace vrmwnd::platform::detail {
namespace {

std::string main_module_path() {
  char path[4096];
  const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return {};
  path[n] = '\0';
  return path;
}

std::string base_name(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// A "Key:   123 kB" line of a /proc file, in bytes; 0 when absent.
ULONGLONG proc_kb(const char* file, const char* key) {
  std::ifstream in(file);
  std::string line;
  const std::size_t key_length = std::strlen(key);
  while (std::getline(in, line)) {
    if (line.compare(0, key_length, key) == 0 && line.size() > key_length && line[key_length] == ':')
      return std::strtoull(line.c_str() + key_length + 1, nullptr, 10) * 1024;
  }
  return 0;
}

bool is_version_file(LPCSTR file_name, bool* kernel) {
  if (file_name == nullptr) return false;
  std::string name = base_name(file_name);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  *kernel = name == "kernel32.dll";
  if (*kernel) return true;
  const std::string exe = main_module_path();
  return !exe.empty() && (exe == file_name || base_name(exe) == file_name);
}

VS_FIXEDFILEINFO fixed_info() {
  VS_FIXEDFILEINFO info{};
  info.dwSignature = VS_FFI_SIGNATURE;
  info.dwStrucVersion = 0x00010000;
  info.dwFileVersionMS = (VRMWND_VERSION_MAJOR << 16) | VRMWND_VERSION_MINOR;
  info.dwFileVersionLS = static_cast<DWORD>(VRMWND_VERSION_PATCH) << 16;
  info.dwProductVersionMS = info.dwFileVersionMS;
  info.dwProductVersionLS = info.dwFileVersionLS;
  info.dwFileOS = 0x00040004;  // VOS_NT_WINDOWS32
  return info;
}

}  // namespace
}  // namespace vrmwnd::platform::detail

DWORD GetModuleFileNameA(HMODULE module, LPSTR file_name, DWORD size) {
  if (module != nullptr || file_name == nullptr || size == 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  const std::string path = detail::main_module_path();
  if (path.size() >= size) {
    std::memcpy(file_name, path.data(), size - 1);
    file_name[size - 1] = '\0';
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return size;
  }
  std::memcpy(file_name, path.c_str(), path.size() + 1);
  return static_cast<DWORD>(path.size());
}

BOOL GetUserNameA(LPSTR buffer, LPDWORD size) {
  if (size == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::string name;
  if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name)
    name = pw->pw_name;
  else if (const char* user = std::getenv("USER"))
    name = user;
  const DWORD needed = static_cast<DWORD>(name.size() + 1);
  if (buffer == nullptr || *size < needed) {
    *size = needed;
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  std::memcpy(buffer, name.c_str(), needed);
  *size = needed;
  return TRUE;
}

DWORD GetCurrentThreadId() { return static_cast<DWORD>(::syscall(SYS_gettid)); }
DWORD GetCurrentProcessId() { return static_cast<DWORD>(::getpid()); }
HANDLE GetCurrentProcess() { return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1)); }

BOOL GetProcessMemoryInfo(HANDLE process, PROCESS_MEMORY_COUNTERS_EX* counters, DWORD cb) {
  if (process != GetCurrentProcess() || counters == nullptr || cb < sizeof(PROCESS_MEMORY_COUNTERS_EX)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::memset(counters, 0, sizeof *counters);
  counters->cb = sizeof *counters;
  const char* status = "/proc/self/status";
  counters->WorkingSetSize = detail::proc_kb(status, "VmRSS");
  counters->PeakWorkingSetSize = detail::proc_kb(status, "VmHWM");
  counters->PrivateUsage = detail::proc_kb(status, "RssAnon") + detail::proc_kb(status, "VmSwap");
  counters->PagefileUsage = counters->PrivateUsage;
  counters->PeakPagefileUsage = counters->PrivateUsage;
  return TRUE;
}

BOOL GlobalMemoryStatusEx(LPMEMORYSTATUSEX status) {
  if (status == nullptr || status->dwLength != sizeof(MEMORYSTATUSEX)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const char* meminfo = "/proc/meminfo";
  status->ullTotalPhys = detail::proc_kb(meminfo, "MemTotal");
  status->ullAvailPhys = detail::proc_kb(meminfo, "MemAvailable");
  status->ullTotalPageFile = status->ullTotalPhys + detail::proc_kb(meminfo, "SwapTotal");
  status->ullAvailPageFile = status->ullAvailPhys + detail::proc_kb(meminfo, "SwapFree");
  status->ullTotalVirtual = 0x7FFFFFFE0000ull;
  status->ullAvailVirtual = status->ullTotalVirtual;
  status->ullAvailExtendedVirtual = 0;
  status->dwMemoryLoad =
      status->ullTotalPhys == 0 ? 0 : static_cast<DWORD>(100 - status->ullAvailPhys * 100 / status->ullTotalPhys);
  return TRUE;
}

HRESULT CoCreateGuid(GUID* guid) {
  if (guid == nullptr) return E_INVALIDARG;
  static thread_local std::mt19937_64 engine{std::random_device{}()};
  const std::uint64_t high = engine();
  const std::uint64_t low = engine();
  guid->Data1 = static_cast<std::uint32_t>(high >> 32);
  guid->Data2 = static_cast<std::uint16_t>(high >> 16);
  guid->Data3 = static_cast<std::uint16_t>((high & 0x0FFF) | 0x4000);
  for (int i = 0; i < 8; ++i) guid->Data4[i] = static_cast<std::uint8_t>(low >> (56 - 8 * i));
  guid->Data4[0] = static_cast<std::uint8_t>((guid->Data4[0] & 0x3F) | 0x80);
  return S_OK;
}

int StringFromGUID2A(const GUID& g, LPSTR text, int size) {
  if (text == nullptr || size < 39) return 0;
  std::snprintf(text, static_cast<std::size_t>(size), "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.Data1,
                g.Data2, g.Data3, g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6],
                g.Data4[7]);
  return 39;
}

DWORD GetFileVersionInfoSizeA(LPCSTR file_name, LPDWORD handle) {
  if (handle) *handle = 0;
  bool kernel = false;
  if (!detail::is_version_file(file_name, &kernel)) {
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return 0;
  }
  return sizeof(VS_FIXEDFILEINFO);
}

BOOL GetFileVersionInfoA(LPCSTR file_name, DWORD, DWORD size, void* data) {
  bool kernel = false;
  if (!detail::is_version_file(file_name, &kernel)) {
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return FALSE;
  }
  if (data == nullptr || size < sizeof(VS_FIXEDFILEINFO)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  const VS_FIXEDFILEINFO info = detail::fixed_info();
  std::memcpy(data, &info, sizeof info);
  return TRUE;
}

BOOL VerQueryValueA(const void* block, LPCSTR sub_block, void** buffer, UINT* length) {
  if (block == nullptr || sub_block == nullptr || buffer == nullptr || std::strcmp(sub_block, "\\") != 0) return FALSE;
  *buffer = const_cast<void*>(block);
  if (length) *length = sizeof(VS_FIXEDFILEINFO);
  return TRUE;
}
