// The window table behind USER32's calls: each HWND names a Window object with its
// class procedure, text, styles, rectangle, parent and children (creation order,
// which is the tab order), the MFC object attached to it and the state of a
// standard control. Only the platform's sources see it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform_detail.h"
#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/winctrl.h"
#include "vrmwnd/platform/winuser.h"

class CWnd;

namespace vrmwnd::platform::detail {

// State of a standard control (edit text selection, combo items, ...).
struct ControlState {
  virtual ~ControlState() = default;
};

struct Window {
  HWND handle = nullptr;
  std::string class_name;
  WNDPROC proc = nullptr;
  CString text;
  DWORD style = 0;
  DWORD ex_style = 0;
  UINT id = 0;
  RECT rect{};  // in the parent's client coordinates (screen for top-level windows)
  HWND parent = nullptr;
  HWND owner = nullptr;
  std::vector<HWND> children;
  HINSTANCE instance = nullptr;
  LONG_PTR user_data = 0;
  LONG_PTR dialog_result = 0;  // DWLP_MSGRESULT
  HFONT font = nullptr;
  HICON big_icon = nullptr;  // WM_SETICON
  HICON small_icon = nullptr;
  CWnd* cwnd = nullptr;                   // the permanent MFC object, if any
  std::unique_ptr<CWnd> temporary_cwnd;   // CWnd::FromHandle for windows without one
  std::unique_ptr<ControlState> control;  // owned by the class procedure
  bool destroying = false;
  // Placement of a top-level window: SW_SHOWNORMAL, SW_SHOWMAXIMIZED or
  // SW_SHOWMINIMIZED, and the rectangle it has when normal.
  int show_state = SW_SHOWNORMAL;
  RECT normal_rect{};
  bool restore_to_maximized = false;
};

// The frame around the client area that a window of this style has: a caption
// with the fixed frame, or with the sizing frame (WS_THICKFRAME); a border.
RECT frame_insets(DWORD style);

// The class name in lower case ("edit", "combobox", ...).
std::string lower_class(const Window& window);

// The window of a handle, or nullptr for a handle that is not (or no longer) a window.
Window* find_window(HWND hwnd);
// The control state of hwnd when it is of type T, else nullptr.
template <class T>
T* control_state(HWND hwnd) {
  Window* window = find_window(hwnd);
  return window ? dynamic_cast<T*>(window->control.get()) : nullptr;
}

// Sends WM_COMMAND(MAKEWPARAM(id, code), hwnd) to the parent of hwnd.
void notify_parent(HWND hwnd, WORD code);

// Built-in class procedures.
LRESULT edit_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT combo_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT combo_list_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT button_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT static_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT listview_proc(HWND, UINT, WPARAM, LPARAM);

// Keyboard state updated as keyboard messages leave the queue.
void track_key_state(const MSG& msg);
bool is_key_down(int virtual_key);

// Text helpers over UTF-8 by characters (code points).
int char_count(const CString& text);
int byte_offset(const CString& text, int char_index);
CString encode_char(UINT code_point);

// The dialog-unit base units of the fixed dialog font (metrics.cpp).
// The desktop's handle: below every handle the window table gives.
inline HWND desktop_window() { return reinterpret_cast<HWND>(std::uintptr_t{0xFFF0}); }
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 13;

// Default handling of WM_NCHITTEST, WM_NCLBUTTONDOWN and WM_SYSCOMMAND
// (window_placement.cpp); false when the message is none of them.
bool default_frame_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
// ShowWindow's maximise, minimise and restore of a top-level window.
void apply_show_command(HWND hwnd, int command);
// Mouse input: the cursor follows each mouse message leaving the queue.
void track_cursor(const MSG& msg);
// Queues a mouse message at a client point of hwnd; a left button down that lands
// on the window's frame (its hit test says so) goes as WM_NCLBUTTONDOWN.
void post_mouse(HWND hwnd, UINT message, WPARAM wparam, int x, int y);

// MFC attaches the CWnd being created before WM_NCCREATE (CWnd.cpp).
void hook_window_creation(HWND hwnd);
// Forgets the focus, without messages, when it is inside a window being destroyed.
void forget_focus_within(HWND hwnd);
// Queues a message as input from the keyboard or the mouse (behind posted messages).
void post_input(const MSG& msg);
// Asks the installed user agent to act; false when there is none or it has nothing
// more to do (user_agent.cpp).
bool ask_user_agent();
// Lets the installed user agent show the windows between messages (user_agent.cpp).
void refresh_user_agent();

// The CWnd that the next CreateWindowEx attaches (nullptr: none).
void hook_next_creation(CWnd* wnd);
// The modal loop of a dialog (dialog.cpp) and the stack of modal windows that
// the user agent acts on (user_agent.cpp).
void run_modal_loop(HWND dialog, BOOL& continue_modal, INT_PTR& result);
void push_modal(HWND hwnd);
void pop_modal(HWND hwnd);

}  // namespace vrmwnd::platform::detail
