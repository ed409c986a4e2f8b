// MessageBox handed to the installed presenter; without one, a real modal window
// when a user agent is there to answer it, else a line on standard error.
#include "vrmwnd/platform/msgbox.h"

#include "platform_detail.h"
#include "vrmwnd/platform/msgbox_window.h"
#include "vrmwnd/platform/useragent.h"

#include <cstdio>

namespace vrmwnd::platform::detail {
namespace {
IMessageBoxPresenter* g_presenter = nullptr;
}  // namespace
}  // namespace vrmwnd::platform::detail

IMessageBoxPresenter* SetMessageBoxPresenter(IMessageBoxPresenter* presenter) {
  IMessageBoxPresenter* previous = detail::g_presenter;
  detail::g_presenter = presenter;
  return previous;
}

int DefaultMessageBoxButton(UINT flags) {
  // Buttons of each box type, left to right.
  static constexpr int kButtons[6][3] = {
      {IDOK, IDOK, IDOK},      {IDOK, IDCANCEL, IDOK}, {IDABORT, IDRETRY, IDIGNORE},
      {IDYES, IDNO, IDCANCEL}, {IDYES, IDNO, IDYES},   {IDRETRY, IDCANCEL, IDRETRY},
  };
  const UINT type = flags & MB_TYPEMASK;
  const UINT which = (flags & MB_DEFMASK) >> 8;
  if (type > 5 || which > 2) return IDOK;
  return kButtons[type][which];
}

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT flags) {
  text = text ? text : "";
  caption = caption ? caption : "";
  if (detail::g_presenter != nullptr) return detail::g_presenter->Present(owner, text, caption, flags);
  if (GetUserAgent() != nullptr) return WindowMessageBoxPresenter().Present(owner, text, caption, flags);
  std::fprintf(stderr, "[%s] %s\n", caption, text);
  return DefaultMessageBoxButton(flags);
}
