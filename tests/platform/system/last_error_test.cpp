// The last error is per thread: another thread's failure does not overwrite ours.
#include <thread>

#include <gtest/gtest.h>

#include "vrmwnd/platform/wintypes.h"

TEST(LastErrorTest, EachThreadKeepsItsOwn) {
  SetLastError(ERROR_INSUFFICIENT_BUFFER);
  DWORD other = 0;
  std::thread t([&] {
    other = GetLastError();
    SetLastError(ERROR_INVALID_PARAMETER);
  });
  t.join();
  EXPECT_EQ(other, ERROR_SUCCESS);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
}
