// The thread's last Win32 error, kept per thread as kernel32 does.
#include "vrmwnd/platform/wintypes.h"

namespace {
thread_local DWORD t_last_error = ERROR_SUCCESS;
}

DWORD GetLastError() { return t_last_error; }
void SetLastError(DWORD error) { t_last_error = error; }
