// _fsopen: the C runtime's open with a share mode. Writers that deny writing to
// others hold an exclusive advisory lock on the file until fclose; a conflicting
// open waits a moment for the holder to finish (a one-line append takes micro-
// seconds) and then fails with errno EACCES, as a sharing violation does on
// Windows. Paths may use backslashes. Mode letter 't' (text) is accepted.
#pragma once

#include <cstdio>

#include "vrmwnd/platform/export.h"

constexpr int _SH_DENYRW = 0x10;
constexpr int _SH_DENYWR = 0x20;
constexpr int _SH_DENYRD = 0x30;
constexpr int _SH_DENYNO = 0x40;

// How long a conflicting open waits for the holder before it fails.
constexpr int kShareConflictWaitMilliseconds = 100;

// | opened for | share mode            | lock taken | conflicts with         |
// |------------|-----------------------|------------|------------------------|
// | writing    | _SH_DENYWR, _SH_DENYRW | exclusive  | any other writer        |
// | writing    | _SH_DENYNO, _SH_DENYRD | shared     | a writer denying writes |
// | reading    | any                   | none       | nothing                |
// Failures leave errno as the open left it (ENOENT, EACCES, EISDIR, ...).
VRMWND_PLATFORM_API std::FILE* _fsopen(const char* file_name, const char* mode, int share_flag);
