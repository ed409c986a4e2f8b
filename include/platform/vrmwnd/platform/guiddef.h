// The GUID, a 128-bit identifier of classes and interfaces, laid out as Windows lays
// it out. New GUIDs and their text are in process.h; comparing them is in unknwn.h.
#pragma once

#include <cstdint>

#ifndef GUID_DEFINED
#define GUID_DEFINED
typedef struct _GUID {
  std::uint32_t Data1;
  std::uint16_t Data2;
  std::uint16_t Data3;
  std::uint8_t Data4[8];
} GUID;
#endif
