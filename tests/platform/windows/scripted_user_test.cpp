// The scripted person as a screen developer uses it, without the tests' wrapper:
// message boxes told apart from dialogs whose label has the box's text identifier,
// answered by button, and every way a script can go wrong reported, not ignored.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "vrmwnd/platform/afxdlg.h"
#include "vrmwnd/platform/msgbox_window.h"
#include "vrmwnd/platform/scripted_user.h"

using testing::ElementsAre;
using testing::HasSubstr;

namespace {

// A dialog with a label of the message box text's identifier and an OK button.
const DLGTEMPLATEDESC kParecido = {
    "Pedido",
    0,
    0,
    160,
    60,
    WS_POPUP | WS_CAPTION | DS_MODALFRAME,
    {
        {static_cast<UINT>(kMessageBoxTextId), "STATIC", "Gravar o pedido?", 7, 7, 100, 8, WS_VISIBLE},
        {IDOK, "BUTTON", "OK", 100, 40, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
    }};

class ScriptedUserTest : public testing::Test {
 protected:
  std::vector<std::string> failures_;
  ScriptedUser::FailureHandler Record() {
    return [this](const std::string& what) { failures_.push_back(what); };
  }
};

TEST_F(ScriptedUserTest, TellsAMessageBoxFromADialogThatLooksLikeOne) {
  bool dialog_is_box = true, box_is_box = false;
  CString box_text;
  std::vector<int> buttons;
  {
    ScriptedUser user(Record());
    user.WhenOpened("Pedido").Check([&](HWND h) { dialog_is_box = IsMessageBoxWindow(h); }).Key(VK_RETURN);
    user.WhenOpened("Compras")
        .Check([&](HWND h) {
          box_is_box = IsMessageBoxWindow(h);
          box_text = GetMessageBoxText(h);
          buttons = GetMessageBoxButtons(h);
        })
        .Answer(IDNO);
    CDialog dialog;
    dialog.InitModalIndirect(&kParecido, nullptr);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(MessageBox(nullptr, "Gravar o pedido?", "Compras", MB_YESNOCANCEL), IDNO);
    EXPECT_THAT(user.Opened(), ElementsAre("Pedido", "Compras"));
  }
  EXPECT_FALSE(dialog_is_box);
  EXPECT_TRUE(box_is_box);
  EXPECT_EQ(box_text, "Gravar o pedido?");
  EXPECT_THAT(buttons, ElementsAre(IDYES, IDNO, IDCANCEL));
  EXPECT_THAT(failures_, testing::IsEmpty());
  EXPECT_FALSE(IsMessageBoxWindow(nullptr));
}

TEST_F(ScriptedUserTest, ReportsWhatGoesWrong) {
  const struct {
    const char* what;
    std::function<void(Script&)> steps;
    const char* failure;
  } kCases[] = {
      {"answering a dialog", [](Script& s) { s.Answer(IDOK).Key(VK_ESCAPE); }, "\"Pedido\" is not a message box"},
      {"a control it lacks", [](Script& s) { s.Click(4242).Key(VK_ESCAPE); }, "\"Pedido\" has no control 4242"},
      {"steps run out", [](Script& s) { s.Check([](HWND) {}); }, "\"Pedido\" is waiting"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    failures_.clear();
    {
      ScriptedUser user(Record());
      c.steps(user.WhenOpened("Pedido"));
      CDialog dialog;
      dialog.InitModalIndirect(&kParecido, nullptr);
      dialog.DoModal();
    }
    ASSERT_FALSE(failures_.empty());
    EXPECT_THAT(failures_.front(), HasSubstr(c.failure));
  }
}

TEST_F(ScriptedUserTest, AScriptNeverRunIsReportedWhenTheUserGoesAway) {
  {
    ScriptedUser user(Record());
    user.WhenOpened("Compras").Answer(IDOK);
    user.WhenOpened("Aviso").Answer(IDOK);
    EXPECT_EQ(MessageBox(nullptr, "Pronto.", "Compras", MB_OK), IDOK);
    EXPECT_THAT(user.Unfinished(), ElementsAre("Aviso"));
  }
  EXPECT_THAT(failures_, ElementsAre("the script of \"Aviso\" did not run to its end"));
}

}  // namespace
