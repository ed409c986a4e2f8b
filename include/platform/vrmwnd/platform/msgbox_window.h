// The message box as a real modal window, which MessageBox shows when no presenter
// is installed and a user agent is: the caption, the text in a static of id
// 0xFFFF, and the buttons of the flags left to right with the texts of a
// Portuguese Windows ("OK", "Cancelar", "Anular", "Repetir", "Ignorar", "Sim",
// "Não"). The default button (MB_DEFBUTTONn) has the focus and answers Enter;
// Escape answers IDCANCEL when the box has a Cancel button, IDOK for a box with
// only OK, and nothing otherwise.
#pragma once

#include "vrmwnd/platform/export.h"
#include <vector>

#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/msgbox.h"

constexpr int kMessageBoxTextId = 0xFFFF;

class VRMWND_PLATFORM_API WindowMessageBoxPresenter : public IMessageBoxPresenter {
 public:
  int Present(HWND owner, const char* text, const char* caption, UINT flags) override;
};

// Whether `hwnd` is a message box shown by MessageBox (a dialog's label has the same
// identifier as the box's text, so the identifier alone does not tell them apart).
VRMWND_PLATFORM_API bool IsMessageBoxWindow(HWND hwnd);
// The box's text, and its buttons' identifiers left to right (empty when `hwnd` is
// not a message box).
VRMWND_PLATFORM_API CString GetMessageBoxText(HWND hwnd);
VRMWND_PLATFORM_API std::vector<int> GetMessageBoxButtons(HWND hwnd);
