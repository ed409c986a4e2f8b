// Taking HRESULT values apart (severity bit 31, facility bits 16-28, code bits 0-15)
// and naming them as the Windows headers do: HRESULT names (E_FAIL,
// DISP_E_OVERFLOW), FACILITY_* names and Win32 ERROR_* names. FormatMessageA gives
// the system's own (English) text of the common codes.
#pragma once

#include <cstdarg>

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/wintypes.h"

constexpr UINT SEVERITY_SUCCESS = 0;
constexpr UINT SEVERITY_ERROR = 1;
constexpr UINT FACILITY_NULL = 0;
constexpr UINT FACILITY_RPC = 1;
constexpr UINT FACILITY_DISPATCH = 2;
constexpr UINT FACILITY_STORAGE = 3;
constexpr UINT FACILITY_ITF = 4;
constexpr UINT FACILITY_WIN32 = 7;
constexpr UINT FACILITY_WINDOWS = 8;

constexpr HRESULT MAKE_HRESULT(UINT severity, UINT facility, UINT code) {
  return static_cast<HRESULT>((severity << 31) | (facility << 16) | code);
}
constexpr UINT HRESULT_CODE(HRESULT hr) { return static_cast<UINT>(hr) & 0xFFFFu; }
constexpr UINT HRESULT_FACILITY(HRESULT hr) { return (static_cast<UINT>(hr) >> 16) & 0x1FFFu; }
constexpr UINT HRESULT_SEVERITY(HRESULT hr) { return (static_cast<UINT>(hr) >> 31) & 0x1u; }
constexpr HRESULT HRESULT_FROM_WIN32(DWORD error) {
  return static_cast<HRESULT>(error) <= 0
             ? static_cast<HRESULT>(error)
             : static_cast<HRESULT>((error & 0xFFFFu) | (FACILITY_WIN32 << 16) | 0x80000000u);
}

// The symbolic name of a value, or null when the Windows tables have none.
// Where several names share a value the table keeps one (S_OK over SEC_E_OK).
VRMWND_PLATFORM_API const char* GetHResultName(HRESULT hr);
VRMWND_PLATFORM_API const char* GetFacilityName(UINT facility);
VRMWND_PLATFORM_API const char* GetWin32ErrorName(DWORD error);
// "SEVERITY_SUCCESS" or "SEVERITY_ERROR".
VRMWND_PLATFORM_API const char* GetSeverityName(UINT severity);

constexpr DWORD FORMAT_MESSAGE_IGNORE_INSERTS = 0x00000200;
constexpr DWORD FORMAT_MESSAGE_FROM_SYSTEM = 0x00001000;
constexpr DWORD FORMAT_MESSAGE_MAX_WIDTH_MASK = 0x000000FF;
constexpr DWORD ERROR_MR_MID_NOT_FOUND = 317;

// Only FORMAT_MESSAGE_FROM_SYSTEM: the system's text of a Win32 error or of an
// HRESULT (a FACILITY_WIN32 one by its code), ending "\r\n" as Windows writes it,
// cut to size - 1 characters. Returns its length, or 0 with ERROR_MR_MID_NOT_FOUND
// for a code the system has no text for. Language and arguments are ignored.
VRMWND_PLATFORM_API DWORD FormatMessageA(DWORD flags, const void* source, DWORD message_id, DWORD language_id,
                                         LPSTR buffer, DWORD size, va_list* arguments);
