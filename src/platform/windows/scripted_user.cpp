// The scripted person: scripts by caption, each step an input a person gives.
#include "vrmwnd/platform/scripted_user.h"

#include <algorithm>
#include <cstdio>

#include "vrmwnd/platform/afxwin.h"
#include "vrmwnd/platform/msgbox_window.h"
#include "vrmwnd/platform/winctrl.h"
#include "vrmwnd/platform/winmenu.h"

namespace {

std::string text_of(HWND hwnd) {
  CString text;
  CWnd::FromHandle(hwnd)->GetWindowText(text);
  return text.GetString();
}

// The text between quotes. Built by appending: GCC 12 at -O2 warns of a false overlap
// (-Wrestrict) in `"literal" + std::string`.
std::string quoted(const std::string& text) {
  std::string quoted(1, '"');
  quoted.append(text).push_back('"');
  return quoted;
}

void report(const std::function<void(const std::string&)>* fail, const std::string& what) {
  if (fail != nullptr && *fail) (*fail)(what);
}

bool is_menu_window(HWND hwnd) {
  char name[16] = "";
  GetClassNameA(hwnd, name, sizeof name);
  return lstrcmpiA(name, kMenuWindowClass) == 0;
}

// The top-level window an open popup menu was opened for.
HWND menu_owner(HWND menu_window) {
  HWND owner = GetWindow(menu_window, GW_OWNER);
  while (owner != nullptr && (GetWindowLongPtrA(owner, GWL_STYLE) & WS_CHILD)) owner = GetParent(owner);
  return owner;
}

// A control of the window, or of the window an open menu belongs to.
HWND item_of(HWND window, int id, const std::function<void(const std::string&)>* fail) {
  if (is_menu_window(window)) window = menu_owner(window);
  HWND item = ::GetDlgItem(window, id);
  if (item == nullptr) report(fail, quoted(text_of(window)) + " has no control " + std::to_string(id));
  return item;
}

// Opens the combo's list and clicks the item's row, as a person picks it.
void click_item(HWND combo, const char* item, const std::function<void(const std::string&)>* fail) {
  LRESULT index = SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(item));
  if (index == CB_ERR) {
    report(fail, std::string("the combo has no item \"") + item + "\"");
    return;
  }
  COMBOBOXINFO info{sizeof info, nullptr, nullptr, nullptr};
  GetComboBoxInfo(combo, &info);
  int row_height = static_cast<int>(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0));
  InputClick(combo);
  InputClick(info.hwndList, 1, static_cast<int>(index) * row_height + 1);
}

void choose_menu_item(HWND window, const std::string& item, const std::function<void(const std::string&)>* fail) {
  if (!is_menu_window(window)) {
    report(fail, quoted(text_of(window)) + " has no open menu to choose " + quoted(item) + " from");
    return;
  }
  HMENU menu = reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
  std::vector<std::string> shown;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[256] = "";
    GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    if (MenuTextShown(text) != item) continue;
    RECT rect{};
    GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &rect);
    POINT point{rect.left + 2, rect.top + 1};
    ScreenToClient(window, &point);
    InputClick(window, point.x, point.y);
    return;
  }
  report(fail, "the open menu has no item " + quoted(item));
}

void drag_middle(HWND hwnd, int dx, int dy) {
  RECT client{};
  GetClientRect(hwnd, &client);
  InputDrag(hwnd, client.right / 2, client.bottom / 2, dx, dy);
}

}  // namespace

Script& Script::Add(Step step) {
  steps_.push_back(std::move(step));
  return *this;
}

Script& Script::Type(int id, const char* text) {
  return Add([this, id, typed = std::string(text)](HWND window) {
    if (HWND item = item_of(window, id, fail_)) {
      InputClick(item);
      InputText(typed.c_str());
    }
  });
}

Script& Script::Write(const char* text) {
  return Add([typed = std::string(text)](HWND) { InputText(typed.c_str()); });
}

Script& Script::Key(int virtual_key, std::initializer_list<int> modifiers) {
  return Add([virtual_key, mods = std::vector<int>(modifiers)](HWND) {
    switch (mods.size()) {
      case 0: InputKey(virtual_key); break;
      case 1: InputKey(virtual_key, {mods[0]}); break;
      case 2: InputKey(virtual_key, {mods[0], mods[1]}); break;
      default: InputKey(virtual_key, {mods[0], mods[1], mods[2]}); break;
    }
  });
}

Script& Script::Click(int id) {
  return Add([this, id](HWND window) {
    if (HWND item = item_of(window, id, fail_)) InputClick(item);
  });
}

Script& Script::RightClick(int id) {
  return Add([this, id](HWND window) {
    if (HWND item = item_of(window, id, fail_)) {
      RECT client{};
      GetClientRect(item, &client);
      InputRightClick(item, client.right / 2, client.bottom / 2);
    }
  });
}

Script& Script::ChooseMenu(const char* item) {
  return Add([this, chosen = std::string(item)](HWND window) { choose_menu_item(window, chosen, fail_); });
}

Script& Script::Choose(int id, const char* item) {
  return Add([this, id, chosen = std::string(item)](HWND window) {
    if (HWND combo = item_of(window, id, fail_)) click_item(combo, chosen.c_str(), fail_);
  });
}

Script& Script::Answer(int button) {
  return Add([this, button](HWND window) {
    if (!IsMessageBoxWindow(window)) {
      report(fail_, quoted(text_of(window)) + " is not a message box");
      return;
    }
    const std::vector<int> buttons = GetMessageBoxButtons(window);
    if (std::find(buttons.begin(), buttons.end(), button) == buttons.end()) {
      report(fail_, "the message box \"" + text_of(window) + "\" has no button " + std::to_string(button));
      return;
    }
    InputClick(::GetDlgItem(window, button));
  });
}

Script& Script::Drag(int id, int dx, int dy) {
  return Add([this, id, dx, dy](HWND window) {
    if (HWND item = item_of(window, id, fail_)) drag_middle(item, dx, dy);
  });
}

Script& Script::DragSizeGrip(int dx, int dy) {
  return Add([dx, dy](HWND window) { InputDragSizeGrip(window, dx, dy); });
}

Script& Script::Check(std::function<void(HWND)> look) { return Add(std::move(look)); }

ScriptedUser::ScriptedUser(FailureHandler on_failure) : fail_(std::move(on_failure)) {
  if (!fail_) fail_ = [](const std::string& what) { std::fprintf(stderr, "scripted user: %s\n", what.c_str()); };
  previous_ = SetUserAgent(this);
}

ScriptedUser::~ScriptedUser() {
  SetUserAgent(previous_);
  for (const std::string& caption : Unfinished()) fail_("the script of \"" + caption + "\" did not run to its end");
}

std::vector<std::string> ScriptedUser::Unfinished() const {
  std::vector<std::string> captions;
  for (const auto& s : scripts_)
    if (s->next_ < s->steps_.size()) captions.push_back(s->caption_);
  return captions;
}

Script& ScriptedUser::WhenOpened(const char* caption) {
  scripts_.push_back(std::make_unique<Script>());
  scripts_.back()->caption_ = caption;
  scripts_.back()->fail_ = &fail_;
  return *scripts_.back();
}

bool ScriptedUser::Act(HWND modal) {
  if (modal == nullptr) return false;
  // An open menu takes the next step of the script of the window it belongs to.
  const bool menu = is_menu_window(modal);
  const std::string caption = text_of(menu ? menu_owner(modal) : modal);
  if (!menu && modal != last_) {
    last_ = modal;
    opened_.push_back(caption);
  }
  for (auto& s : scripts_) {
    if (s->caption_ != caption || s->next_ >= s->steps_.size()) continue;
    s->steps_[s->next_++](modal);
    return true;
  }
  fail_(quoted(caption) + " is waiting and its script has no steps left");
  return false;
}

void ScriptedUser::PumpQueue() {
  while (AfxPumpMessage()) {
  }
}

void ScriptedUser::Type(CWnd& control, const char* text) {
  InputClick(control.m_hWnd);
  InputText(text);
  PumpQueue();
}

void ScriptedUser::Key(int virtual_key, std::initializer_list<int> modifiers) {
  InputKey(virtual_key, modifiers);
  PumpQueue();
}

void ScriptedUser::Click(CWnd& control) {
  InputClick(control.m_hWnd);
  PumpQueue();
}

void ScriptedUser::Drag(CWnd& control, int dx, int dy) {
  drag_middle(control.m_hWnd, dx, dy);
  PumpQueue();
}

void ScriptedUser::Choose(CWnd& combo, const char* item) {
  click_item(combo.m_hWnd, item, &fail_);
  PumpQueue();
}
