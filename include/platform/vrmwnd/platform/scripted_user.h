// A scripted person for screens without a display: it answers the modal loops as
// the user agent, acting through the same input queue a person's keys and clicks
// take, so a screen driven by a script runs the code a person would run.
//
//   ScriptedUser user;
//   user.WhenOpened("Condição de pagamento").Type(IDC_CODIGO, "30").Key(VK_TAB).Key(VK_RETURN);
//   user.WhenOpened("Aviso").Answer(IDOK);   // a message box of that caption
//   user.WhenOpened("Itens").DragSizeGrip(120, 40).Key(VK_ESCAPE);
//   user.WhenOpened("Itens").RightClick(IDC_GRADE).ChooseMenu("Colunas").ChooseMenu("Preço");
//   dialog.DoModal();
//
// Scripts are used in the order they were given, one per opening of a window with
// that caption; each step is one action, taken when the window's queue is empty.
// What goes wrong (a window waiting with no steps left, a missing control or combo
// item, a script not run to its end when the user goes away) is reported to the
// failure handler given at construction (by default, a line on standard error).
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/useragent.h"

class CWnd;

class VRMWND_PLATFORM_API Script {
 public:
  // Clicks the control and types the text, one character at a time.
  Script& Type(int id, const char* text);
  // Types into the control that has the focus, without clicking.
  Script& Write(const char* text);
  // A key to the focused control, with modifiers (VK_LSHIFT, VK_RCONTROL, ...).
  Script& Key(int virtual_key, std::initializer_list<int> modifiers = {});
  Script& Click(int id);
  // A right click on the middle of the control (its context menu opens).
  Script& RightClick(int id);
  // Clicks the item of that text (its "&" left out) in the innermost open popup
  // menu: a command is chosen, a popup item opens its submenu. While a menu is
  // open, the steps are taken from the script of the window it was opened for.
  Script& ChooseMenu(const char* item);
  // Opens the combo's list and clicks the item of exactly that text.
  Script& Choose(int id, const char* item);
  // Answers a message box with the button of that identifier (IDOK, IDYES, ...);
  // reported as a failure when the window is not a message box or lacks the button.
  Script& Answer(int button);
  // Presses the left button on the middle of the control, moves the mouse by
  // (dx, dy) and lets go.
  Script& Drag(int id, int dx, int dy);
  // Drags the window's size grip (a SBS_SIZEGRIP scroll bar) by (dx, dy) or, without
  // one, the bottom-right corner of its frame.
  Script& DragSizeGrip(int dx, int dy);
  // Looks at the open window without acting.
  Script& Check(std::function<void(HWND window)> look);

 private:
  friend class ScriptedUser;
  using Step = std::function<void(HWND window)>;
  Script& Add(Step step);
  std::string caption_;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  std::function<void(const std::string&)>* fail_ = nullptr;
};

class VRMWND_PLATFORM_API ScriptedUser : public IUserAgent {
 public:
  using FailureHandler = std::function<void(const std::string& what)>;
  // Installs itself as the user agent until destroyed (the previous one comes back).
  explicit ScriptedUser(FailureHandler on_failure = nullptr);
  ~ScriptedUser() override;
  ScriptedUser(const ScriptedUser&) = delete;
  ScriptedUser& operator=(const ScriptedUser&) = delete;

  // The script for the next window that opens with this caption.
  Script& WhenOpened(const char* caption);
  // Captions of the modal windows as they came to the front, in order.
  const std::vector<std::string>& Opened() const { return opened_; }
  // Scripts given but not run to their end.
  std::vector<std::string> Unfinished() const;

  // Actions at once, outside any modal window: the queue is processed until empty.
  void Type(CWnd& control, const char* text);
  void Key(int virtual_key, std::initializer_list<int> modifiers = {});
  void Click(CWnd& control);
  void Choose(CWnd& combo, const char* item);
  void Drag(CWnd& control, int dx, int dy);
  static void PumpQueue();

  bool Act(HWND modal) override;

 private:
  FailureHandler fail_;
  std::vector<std::unique_ptr<Script>> scripts_;
  std::vector<std::string> opened_;
  HWND last_ = nullptr;
  IUserAgent* previous_ = nullptr;
};
