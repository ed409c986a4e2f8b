// The task allocator's handle table: live blocks resolve to themselves with their
// size; freed, invented and zero handles resolve to nothing; unknown frees are
// counted and never reach the heap.
#include <gtest/gtest.h>

#include "vrmwnd/platform/comalloc.h"

TEST(CoTaskMemTest, HandleResolvesToItsBlockUntilFreed) {
  const SIZE_T live = CoTaskMemLiveBlocks();
  void* p = CoTaskMemAlloc(40);
  ASSERT_NE(p, nullptr);
  DWORD h = CoTaskMemHandle(p);
  ASSERT_NE(h, 0u);
  SIZE_T size = 0;
  EXPECT_EQ(CoTaskMemFromHandle(h, &size), p);
  EXPECT_EQ(size, 40u);
  EXPECT_EQ(CoTaskMemLiveBlocks(), live + 1);

  CoTaskMemFree(p);
  EXPECT_EQ(CoTaskMemFromHandle(h, &size), nullptr) << "a stale handle must not resolve";
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(CoTaskMemLiveBlocks(), live);

  void* q = CoTaskMemAlloc(40);
  EXPECT_NE(CoTaskMemHandle(q), h) << "handles are never reused";
  CoTaskMemFree(q);
}

TEST(CoTaskMemTest, BadHandlesAndPointersAreRejected) {
  int local = 0;
  const SIZE_T bad = CoTaskMemBadFrees();
  const struct {
    DWORD handle;
    const char* why;
  } kCasos[] = {{0, "zero is none"}, {1, "small number"}, {0xFFFFFFFFu, "never issued"}};
  for (const auto& c : kCasos) {
    SCOPED_TRACE(c.why);
    SIZE_T size = 99;
    EXPECT_EQ(CoTaskMemFromHandle(c.handle, &size), nullptr);
    EXPECT_EQ(size, 0u);
  }
  EXPECT_EQ(CoTaskMemHandle(&local), 0u);
  EXPECT_EQ(CoTaskMemSize(&local), 0u);
  CoTaskMemFree(&local);
  CoTaskMemFree(nullptr);
  EXPECT_EQ(CoTaskMemBadFrees(), bad + 1) << "only the stack pointer counts as a bad free";
}

TEST(CoTaskMemTest, ReallocKeepsHandleAndContents) {
  auto* p = static_cast<char*>(CoTaskMemAlloc(4));
  p[0] = 'x';
  DWORD h = CoTaskMemHandle(p);
  auto* q = static_cast<char*>(CoTaskMemRealloc(p, 4096));
  ASSERT_NE(q, nullptr);
  EXPECT_EQ(q[0], 'x');
  EXPECT_EQ(CoTaskMemHandle(q), h);
  EXPECT_EQ(CoTaskMemSize(q), 4096u);
  EXPECT_EQ(CoTaskMemRealloc(q, 0), nullptr);
  EXPECT_EQ(CoTaskMemFromHandle(h, nullptr), nullptr);
}
