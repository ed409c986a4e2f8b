// The registry stand-in: HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER with keys by path
// and REG_SZ / REG_DWORD values, kept in the text file "registry.ini" (one section
// per key path) under the platform home folder (home.h). Writers lock and replace
// the file whole, so concurrent writers never corrupt it; readers always see a
// whole file.
#pragma once

#include <cstdint>

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/wintypes.h"

using PHKEY = HKEY*;
using LSTATUS = LONG;
using REGSAM = DWORD;

#define HKEY_CLASSES_ROOT (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000000u)))
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001u)))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000002u)))

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_DWORD = 4;

constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_WRITE = 0x20006;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;
constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

constexpr DWORD ERROR_BAD_PATHNAME = 161;
constexpr DWORD ERROR_MORE_DATA = 234;
constexpr DWORD ERROR_CANTWRITE = 1013;
constexpr DWORD ERROR_BADKEY = 1010;

// Opens an existing key below `key` (a root or an opened key); a missing key gives
// ERROR_FILE_NOT_FOUND. `sub_key` null or "" opens `key` itself again.
VRMWND_PLATFORM_API LSTATUS RegOpenKeyExA(HKEY key, LPCSTR sub_key, DWORD options, REGSAM sam, PHKEY result);
// Opens the key, creating it (and every missing key above it) when missing;
// `disposition` (may be null) says which happened. Class, options, sam and security
// are accepted and ignored.
VRMWND_PLATFORM_API LSTATUS RegCreateKeyExA(HKEY key, LPCSTR sub_key, DWORD reserved, LPSTR class_name, DWORD options,
                                            REGSAM sam, const void* security, PHKEY result, LPDWORD disposition);
// Windows rules: `data` null asks only for the size; a buffer smaller than the
// value gives ERROR_MORE_DATA with the size needed in *data_size; REG_SZ sizes
// count the terminating null. A missing value gives ERROR_FILE_NOT_FOUND.
VRMWND_PLATFORM_API LSTATUS RegQueryValueExA(HKEY key, LPCSTR value_name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                                             LPDWORD data_size);
// REG_SZ stores the text up to its first null (within data_size); REG_DWORD needs
// data_size 4. Other types give ERROR_INVALID_PARAMETER.
VRMWND_PLATFORM_API LSTATUS RegSetValueExA(HKEY key, LPCSTR value_name, DWORD reserved, DWORD type, const BYTE* data,
                                           DWORD data_size);
VRMWND_PLATFORM_API LSTATUS RegDeleteValueA(HKEY key, LPCSTR value_name);
// Closing a root key does nothing; closing an opened key frees it.
VRMWND_PLATFORM_API LSTATUS RegCloseKey(HKEY key);
