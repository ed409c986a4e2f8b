// Names and system texts of result codes. The name tables come from the public
// Windows header through tools/gen_winerror_table.py.
#include "vrmwnd/platform/hresult.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>

#include "platform_detail.h"

namespace vrmwnd::platform::detail {
namespace {

struct NameEntry {
  std::uint32_t value;
  const char* name;
};

#include "winerror_names.inc"

template <std::size_t N>
const char* find_name(const NameEntry (&table)[N], std::uint32_t value) {
  const NameEntry* it = std::lower_bound(std::begin(table), std::end(table), value,
                                         [](const NameEntry& e, std::uint32_t v) { return e.value < v; });
  return it != std::end(table) && it->value == value ? it->name : nullptr;
}

// The system's texts of the codes this library meets.
constexpr NameEntry kSystemTexts[] = {
    {0, "The operation completed successfully."},
    {1, "Incorrect function."},
    {2, "The system cannot find the file specified."},
    {3, "The system cannot find the path specified."},
    {4, "The system cannot open the file."},
    {5, "Access is denied."},
    {6, "The handle is invalid."},
    {8, "Not enough memory resources are available to process this command."},
    {13, "The data is invalid."},
    {14, "Not enough memory resources are available to complete this operation."},
    {32, "The process cannot access the file because it is being used by another process."},
    {80, "The file exists."},
    {87, "The parameter is incorrect."},
    {112, "There is not enough space on the disk."},
    {122, "The data area passed to a system call is too small."},
    {161, "The specified path is invalid."},
    {183, "Cannot create a file when that file already exists."},
    {234, "More data is available."},
    {1004, "Invalid flags."},
    {1813, "The specified resource type cannot be found in the image file."},
    {0x80004001u, "Not implemented"},
    {0x80004002u, "No such interface supported"},
    {0x80004003u, "Invalid pointer"},
    {0x80004005u, "Unspecified error"},
    {0x8000FFFFu, "Catastrophic failure"},
    {0x80020005u, "Type mismatch."},
    {0x8002000Au, "Out of present range."},
    {0x80020012u, "Division by zero."},
    {0x80040154u, "Class not registered"},
    {0x800401F0u, "CoInitialize has not been called."},
};

}  // namespace
}  // namespace vrmwnd::platform::detail

const char* GetHResultName(HRESULT hr) {
  return detail::find_name(detail::kHResultNames, static_cast<std::uint32_t>(hr));
}

const char* GetFacilityName(UINT facility) { return detail::find_name(detail::kFacilityNames, facility); }

const char* GetWin32ErrorName(DWORD error) { return detail::find_name(detail::kWin32ErrorNames, error); }

const char* GetSeverityName(UINT severity) {
  return severity == SEVERITY_SUCCESS ? "SEVERITY_SUCCESS" : "SEVERITY_ERROR";
}

DWORD FormatMessageA(DWORD flags, const void*, DWORD message_id, DWORD, LPSTR buffer, DWORD size, va_list*) {
  if (!(flags & FORMAT_MESSAGE_FROM_SYSTEM) || buffer == nullptr || size == 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::uint32_t id = message_id;
  if (HRESULT_FACILITY(static_cast<HRESULT>(id)) == FACILITY_WIN32 && (id & 0x80000000u))
    id = HRESULT_CODE(static_cast<HRESULT>(id));
  const char* text = detail::find_name(detail::kSystemTexts, id);
  if (text == nullptr) {
    SetLastError(ERROR_MR_MID_NOT_FOUND);
    return 0;
  }
  const std::size_t length = std::min<std::size_t>(std::strlen(text) + 2, size - 1);
  std::string full = std::string(text) + "\r\n";
  std::memcpy(buffer, full.data(), length);
  buffer[length] = '\0';
  return static_cast<DWORD>(length);
}
