// The clipboard as a program uses it: open, empty, give a block, read it back, close;
// who may open it, what it frees, and the system pieces the dialogs read beside it
// (the desktop's size and the system icons).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "vrmwnd/platform/clipboard.h"
#include "vrmwnd/platform/testing.h"
#include "vrmwnd/platform/winuser.h"

namespace {

HGLOBAL BlockWith(const char* text) {
  const SIZE_T size = std::strlen(text) + 1;
  HGLOBAL block = GlobalAlloc(GMEM_DDESHARE, size);
  std::memcpy(GlobalLock(block), text, size);
  GlobalUnlock(block);
  return block;
}

std::string TextOnClipboard() {
  if (!OpenClipboard(nullptr)) return "(not opened)";
  HANDLE data = GetClipboardData(CF_TEXT);
  std::string text = data ? static_cast<const char*>(GlobalLock(data)) : "(none)";
  if (data) GlobalUnlock(data);
  CloseClipboard();
  return text;
}

HWND const kWindowA = reinterpret_cast<HWND>(std::uintptr_t{0x7000});
HWND const kWindowB = reinterpret_cast<HWND>(std::uintptr_t{0x7004});

class ClipboardTest : public testing::Test {
 protected:
  void TearDown() override {
    HoldClipboardForTesting(false);
    while (CloseClipboard()) {
    }
  }
};

}  // namespace

TEST_F(ClipboardTest, CopiedTextIsReadBackAndReplacesThePrevious) {
  for (const char* text : {"primeiro\t\r\n", "", "ção\tvalor\r\n"}) {
    SCOPED_TRACE(text);
    ASSERT_TRUE(OpenClipboard(kWindowA));
    ASSERT_TRUE(EmptyClipboard());
    HGLOBAL block = BlockWith(text);
    EXPECT_EQ(SetClipboardData(CF_TEXT, block), block);
    EXPECT_EQ(GlobalFree(block), block) << "the block is the clipboard's now";
    ASSERT_TRUE(CloseClipboard());
    EXPECT_EQ(TextOnClipboard(), text);
    EXPECT_EQ(GetClipboardOwner(), kWindowA);
  }
}

TEST_F(ClipboardTest, CallsThatNeedItOpenFailWhenItIsNot) {
  HGLOBAL block = BlockWith("x");
  struct Case {
    const char* name;
    bool ok;
  };
  const Case cases[] = {
      {"EmptyClipboard", EmptyClipboard() != FALSE},
      {"SetClipboardData", SetClipboardData(CF_TEXT, block) != nullptr},
      {"GetClipboardData", GetClipboardData(CF_TEXT) != nullptr},
      {"CloseClipboard", CloseClipboard() != FALSE},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(c.ok) << c.name;
  }
  EXPECT_EQ(GetLastError(), ERROR_CLIPBOARD_NOT_OPEN);
  EXPECT_EQ(GlobalFree(block), nullptr) << "a block never given stays the caller's";
}

TEST_F(ClipboardTest, WhoMayOpenIt) {
  struct Case {
    const char* name;
    bool held_by_other;
    HWND first, second;
    bool second_opens;
  };
  const Case cases[] = {
      {"the same window again", false, kWindowA, kWindowA, true},
      {"another window while open", false, kWindowA, kWindowB, false},
      {"another program holds it", true, nullptr, kWindowA, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HoldClipboardForTesting(c.held_by_other);
    if (!c.held_by_other) {
      ASSERT_TRUE(OpenClipboard(c.first));
    }
    EXPECT_EQ(OpenClipboard(c.second) != FALSE, c.second_opens);
    HoldClipboardForTesting(false);
    while (CloseClipboard()) {
    }
  }
}

TEST_F(ClipboardTest, SequenceNumberCountsEveryChange) {
  const DWORD before = GetClipboardSequenceNumber();
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(CF_TEXT, BlockWith("a"));
  GetClipboardData(CF_TEXT);
  CloseClipboard();
  EXPECT_EQ(GetClipboardSequenceNumber(), before + 2) << "emptied and given data; reading changes nothing";
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
}

TEST_F(ClipboardTest, GlobalBlocks) {
  HGLOBAL zeroed = GlobalAlloc(GHND, 4);
  const char* bytes = static_cast<const char*>(GlobalLock(zeroed));
  EXPECT_EQ(std::string(bytes, 4), std::string(4, '\0'));
  EXPECT_EQ(GlobalSize(zeroed), 4u);
  EXPECT_FALSE(GlobalUnlock(zeroed)) << "no lock left";
  EXPECT_EQ(GlobalFree(zeroed), nullptr);
  EXPECT_EQ(GlobalLock(zeroed), nullptr) << "freed";
  EXPECT_EQ(GlobalAlloc(0x8000, 4), nullptr) << "unknown flag";
}

TEST(DesktopAndIconsTest, DesktopHasTheScreenSize) {
  RECT window{}, client{};
  ASSERT_TRUE(GetWindowRect(GetDesktopWindow(), &window));
  ASSERT_TRUE(GetClientRect(GetDesktopWindow(), &client));
  EXPECT_EQ(window.right - window.left, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(window.bottom - window.top, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(client.right, window.right);
  EXPECT_FALSE(IsWindow(GetDesktopWindow()));
}

TEST(DesktopAndIconsTest, SystemIconsByNumber) {
  struct Case {
    HINSTANCE instance;
    LPCSTR name;
    WORD id;  // 0: no icon
  };
  const Case cases[] = {
      {nullptr, IDI_QUESTION, 32514},
      {nullptr, IDI_INFORMATION, 32516},
      {nullptr, IDI_APPLICATION, 32512},
      {nullptr, IDI_SHIELD, 32518},
      {nullptr, MAKEINTRESOURCE(32511), 0},
      {nullptr, MAKEINTRESOURCE(32519), 0},
      {reinterpret_cast<HINSTANCE>(std::uintptr_t{0x400000}), IDI_QUESTION, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(reinterpret_cast<std::uintptr_t>(c.name));
    HICON icon = LoadIcon(c.instance, c.name);
    EXPECT_EQ(icon != nullptr, c.id != 0);
    EXPECT_EQ(GetSystemIconId(icon), c.id);
    EXPECT_EQ(LoadIcon(c.instance, c.name), icon) << "the same handle every time";
  }
  EXPECT_NE(LoadIcon(nullptr, IDI_QUESTION), LoadIcon(nullptr, IDI_INFORMATION));
}
