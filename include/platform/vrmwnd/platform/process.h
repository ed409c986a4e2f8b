// Facts about the running process, as kernel32, advapi32, psapi, version.dll and
// ole32 report them: the main module's path, the user name, the thread id, the
// process's private memory, physical memory, new GUIDs (guiddef.h) and their text, and the
// version resource of the main executable and of "kernel32.dll" (which stands for
// the platform library; both are built in, not read from the files).
#pragma once

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/guiddef.h"
#include "vrmwnd/platform/wintypes.h"

// The path of the main executable (`module` null); cut to size - 1 characters
// and terminated, with ERROR_INSUFFICIENT_BUFFER, when it does not fit. Returns the
// characters copied. Only the main module is known: another handle gives 0.
VRMWND_PLATFORM_API DWORD GetModuleFileNameA(HMODULE module, LPSTR file_name, DWORD size);
// The login name of the process's user. *size is in and out (with the null);
// FALSE and ERROR_INSUFFICIENT_BUFFER with the size needed when it does not fit.
VRMWND_PLATFORM_API BOOL GetUserNameA(LPSTR buffer, LPDWORD size);
VRMWND_PLATFORM_API DWORD GetCurrentThreadId();
VRMWND_PLATFORM_API DWORD GetCurrentProcessId();
VRMWND_PLATFORM_API HANDLE GetCurrentProcess();

typedef struct _PROCESS_MEMORY_COUNTERS_EX {
  DWORD cb;
  DWORD PageFaultCount;
  SIZE_T PeakWorkingSetSize;
  SIZE_T WorkingSetSize;
  SIZE_T QuotaPeakPagedPoolUsage;
  SIZE_T QuotaPagedPoolUsage;
  SIZE_T QuotaPeakNonPagedPoolUsage;
  SIZE_T QuotaNonPagedPoolUsage;
  SIZE_T PagefileUsage;
  SIZE_T PeakPagefileUsage;
  SIZE_T PrivateUsage;
} PROCESS_MEMORY_COUNTERS_EX;

// Working set = resident memory; PrivateUsage and PagefileUsage = the process's own
// anonymous memory, resident or swapped. Only the current process is known.
VRMWND_PLATFORM_API BOOL GetProcessMemoryInfo(HANDLE process, PROCESS_MEMORY_COUNTERS_EX* counters, DWORD cb);

typedef struct _MEMORYSTATUSEX {
  DWORD dwLength;
  DWORD dwMemoryLoad;
  ULONGLONG ullTotalPhys;
  ULONGLONG ullAvailPhys;
  ULONGLONG ullTotalPageFile;
  ULONGLONG ullAvailPageFile;
  ULONGLONG ullTotalVirtual;
  ULONGLONG ullAvailVirtual;
  ULONGLONG ullAvailExtendedVirtual;
} MEMORYSTATUSEX, *LPMEMORYSTATUSEX;

// Needs dwLength = sizeof(MEMORYSTATUSEX). Physical memory from /proc/meminfo.
VRMWND_PLATFORM_API BOOL GlobalMemoryStatusEx(LPMEMORYSTATUSEX status);

// A new random GUID (version 4).
VRMWND_PLATFORM_API HRESULT CoCreateGuid(GUID* guid);
// The text "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" (upper-case hex) as narrow
// characters; returns the characters written with the null (39), or 0 when
// `size` is below 39.
VRMWND_PLATFORM_API int StringFromGUID2A(const GUID& guid, LPSTR text, int size);

typedef struct tagVS_FIXEDFILEINFO {
  DWORD dwSignature;  // 0xFEEF04BD
  DWORD dwStrucVersion;
  DWORD dwFileVersionMS;
  DWORD dwFileVersionLS;
  DWORD dwProductVersionMS;
  DWORD dwProductVersionLS;
  DWORD dwFileFlagsMask;
  DWORD dwFileFlags;
  DWORD dwFileOS;
  DWORD dwFileType;
  DWORD dwFileSubtype;
  DWORD dwFileDateMS;
  DWORD dwFileDateLS;
} VS_FIXEDFILEINFO;

constexpr DWORD VS_FFI_SIGNATURE = 0xFEEF04BDu;
constexpr DWORD ERROR_RESOURCE_TYPE_NOT_FOUND = 1813;

// Version resources exist for the main executable (its path, or its base name) and
// for "kernel32.dll" (any case, with or without a folder); any other file gives 0
// with ERROR_RESOURCE_TYPE_NOT_FOUND. VerQueryValueA answers only the root block
// "\" with the VS_FIXEDFILEINFO.
VRMWND_PLATFORM_API DWORD GetFileVersionInfoSizeA(LPCSTR file_name, LPDWORD handle);
VRMWND_PLATFORM_API BOOL GetFileVersionInfoA(LPCSTR file_name, DWORD handle, DWORD size, void* data);
VRMWND_PLATFORM_API BOOL VerQueryValueA(const void* block, LPCSTR sub_block, void** buffer, UINT* length);
