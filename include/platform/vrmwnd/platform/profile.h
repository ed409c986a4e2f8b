// Private profile files (ini files) read and written with kernel32's rules: section
// and key names ignore case, blanks around names and values are dropped, a value in
// matching quotes loses them. Paths may use backslashes.
#pragma once

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/wintypes.h"

// The key's number: blanks, sign, then decimal digits or "0x" and hex digits, up to
// the first other character ("12abc" is 12, "abc" is 0). A missing or empty key
// gives `default_value`; so does a file that cannot be read.
VRMWND_PLATFORM_API UINT GetPrivateProfileIntA(LPCSTR app_name, LPCSTR key_name, int default_value, LPCSTR file_name);
// Copies the key's text (or `default_value`, without its trailing blanks; null is "")
// into `buffer`, cut to size - 1 characters and terminated; returns the characters
// copied. `app_name` null lists the section names and `key_name` null the keys of
// the section, each terminated, with a final extra null (return: size - 2 when cut).
VRMWND_PLATFORM_API DWORD GetPrivateProfileStringA(LPCSTR app_name, LPCSTR key_name, LPCSTR default_value, LPSTR buffer,
                                                   DWORD size, LPCSTR file_name);
// Sets the key; `value` null deletes the key and `key_name` null the section. The
// file is rewritten whole under a lock (comments are not kept). FALSE when the file
// cannot be written.
VRMWND_PLATFORM_API BOOL WritePrivateProfileStringA(LPCSTR app_name, LPCSTR key_name, LPCSTR value, LPCSTR file_name);
