// Fixed numbers of the screen without a screen: system metrics, dialog base units,
// text measurement and device contexts, and the character helpers of the controls.
//
// | metric                          | value | metric                 | value |
// |---------------------------------|-------|------------------------|-------|
// | SM_CXSCREEN x SM_CYSCREEN       | 1920 x 1080 | SM_CYCAPTION     | 23    |
// | SM_CXVSCROLL, SM_CYHSCROLL      | 17    | SM_CXFIXEDFRAME (x, y)| 3     |
// | SM_CXBORDER, SM_CYBORDER        | 1     | SM_CXEDGE, SM_CYEDGE   | 2     |
// | SM_CXICON, SM_CYICON            | 32    | SM_CXSMICON (x, y)     | 16    |
// | SM_CYMENU                       | 20    | SM_CXFULLSCREEN x SM_CYFULLSCREEN | 1920 x 1017 |
// | SM_CXSIZEFRAME (x, y)           | 4     | SM_CXMINTRACK x SM_CYMINTRACK     | 136 x 39    |
// | SM_CXMAXIMIZED x SM_CYMAXIMIZED | 1928 x 1048 (the work area, 1920 x 1040, and the sizing frame) |
// | SM_CXMAXTRACK x SM_CYMAXTRACK   | 1932 x 1092 |
//
// | colour              | RGB           |
// |---------------------|---------------|
// | COLOR_WINDOW        | 255, 255, 255 |
// | COLOR_WINDOWTEXT, COLOR_BTNTEXT | 0, 0, 0 |
// | COLOR_BTNFACE       | 240, 240, 240 |
#include <map>
#include <memory>

#include "values/utf8.h"
#include "vrmwnd/platform/gxgrid.h"
#include "vrmwnd/platform/wingdi.h"
#include "window_detail.h"

int GetSystemMetrics(int index) {
  static const std::map<int, int> kMetrics = {
      {SM_CXSCREEN, 1920},   {SM_CYSCREEN, 1080},   {SM_CXVSCROLL, 17},      {SM_CYHSCROLL, 17},
      {SM_CYCAPTION, 23},    {SM_CXBORDER, 1},      {SM_CYBORDER, 1},        {SM_CXFIXEDFRAME, 3},
      {SM_CYFIXEDFRAME, 3},  {SM_CYVTHUMB, 17},     {SM_CXHTHUMB, 17},       {SM_CXICON, 32},
      {SM_CYICON, 32},       {SM_CYMENU, 20},       {SM_CXFULLSCREEN, 1920}, {SM_CYFULLSCREEN, 1017},
      {SM_CYVSCROLL, 17},    {SM_CXHSCROLL, 17},    {SM_CXEDGE, 2},          {SM_CYEDGE, 2},
      {SM_CXSMICON, 16},     {SM_CYSMICON, 16},     {SM_CXMAXIMIZED, 1928},  {SM_CYMAXIMIZED, 1048},
      {SM_CXSIZEFRAME, 4},   {SM_CYSIZEFRAME, 4},   {SM_CXMINTRACK, 136},    {SM_CYMINTRACK, 39},
      {SM_CXMAXTRACK, 1932}, {SM_CYMAXTRACK, 1092},
  };
  auto it = kMetrics.find(index);
  return it == kMetrics.end() ? 0 : it->second;
}

COLORREF GetSysColor(int index) {
  switch (index) {
    case COLOR_WINDOW: return RGB(255, 255, 255);
    case COLOR_BTNFACE: return RGB(240, 240, 240);
    default: return RGB(0, 0, 0);
  }
}

HWND GetDesktopWindow() { return detail::desktop_window(); }

LONG GetDialogBaseUnits() {
  return MAKELONG(static_cast<WORD>(detail::kBaseUnitX), static_cast<WORD>(detail::kBaseUnitY));
}

BOOL MapDialogRect(HWND dialog, LPRECT rect) {
  if (!IsWindow(dialog) || rect == nullptr) return FALSE;
  rect->left = MulDiv(rect->left, detail::kBaseUnitX, 4);
  rect->right = MulDiv(rect->right, detail::kBaseUnitX, 4);
  rect->top = MulDiv(rect->top, detail::kBaseUnitY, 8);
  rect->bottom = MulDiv(rect->bottom, detail::kBaseUnitY, 8);
  return TRUE;
}

namespace vrmwnd::platform::detail {
namespace {

struct DeviceContext {
  HWND window = nullptr;
  HGDIOBJ font = nullptr;
};

std::map<HDC, std::unique_ptr<DeviceContext>>& device_contexts() {
  static std::map<HDC, std::unique_ptr<DeviceContext>> instance;
  return instance;
}

}  // namespace

int char_count(const CString& text) { return Utf8CharCount(text.GetString()); }

int byte_offset(const CString& text, int char_index) {
  std::string_view view(text.GetString(), static_cast<std::size_t>(text.GetLength()));
  std::size_t pos = 0;
  for (int i = 0; i < char_index && pos < view.size(); ++i) {
    std::size_t size = 1;
    utf8_decode(view, pos, &size);
    pos += size;
  }
  return static_cast<int>(pos);
}

CString encode_char(UINT code_point) {
  std::string out;
  utf8_append(out, static_cast<char32_t>(code_point));
  return CString(out.data(), static_cast<int>(out.size()));
}

}  // namespace vrmwnd::platform::detail

HFONT GetDialogFont() {
  static int dialog_font = 0;
  return reinterpret_cast<HFONT>(&dialog_font);
}

HDC GetDC(HWND hwnd) {
  static std::uintptr_t next = 0x70000;
  auto context = std::make_unique<detail::DeviceContext>();
  context->window = hwnd;
  context->font = reinterpret_cast<HGDIOBJ>(hwnd ? SendMessageA(hwnd, WM_GETFONT, 0, 0) : 0);
  HDC dc = reinterpret_cast<HDC>(next += 4);
  detail::device_contexts().emplace(dc, std::move(context));
  return dc;
}

int ReleaseDC(HWND /*hwnd*/, HDC dc) { return detail::device_contexts().erase(dc) ? 1 : 0; }

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  auto it = detail::device_contexts().find(dc);
  if (it == detail::device_contexts().end()) return nullptr;
  HGDIOBJ previous = it->second->font;
  it->second->font = object;
  return previous;
}

HGDIOBJ GetCurrentObject(HDC dc, UINT type) {
  auto it = detail::device_contexts().find(dc);
  if (it == detail::device_contexts().end() || type != OBJ_FONT) return nullptr;
  return it->second->font;
}

BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int length, LPSIZE size) {
  if (size == nullptr || !detail::device_contexts().contains(dc)) return FALSE;
  int chars = (text == nullptr || length <= 0) ? 0 : Utf8CharCount(CString(text, length));
  *size = SIZE{chars * kFixedCharWidth, kFixedLineHeight};
  return TRUE;
}
