// The grid as a window: CGXBrowserWnd joins the grid core to a CWnd of the window
// class "GXWND" (the class a dialog template names for a grid control). The user
// moves the current cell with the arrow keys, Home, End, Page Up and Page Down (the
// view scrolls to keep it in sight), clicks a cell to make it current and turns the
// mouse wheel to scroll three rows a notch; the scroll bars and invalidations are
// kept as state.
#pragma once

#include "vrmwnd/platform/afxwin.h"
#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/gxgrid.h"

constexpr int SB_HORZ = 0, SB_VERT = 1, SB_BOTH = 3;

// Shows or hides scroll bars by setting WS_HSCROLL / WS_VSCROLL.
VRMWND_PLATFORM_API BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show);

class VRMWND_PLATFORM_API CGXBrowserWnd : public CWnd, public CGXGridCore {
  DECLARE_DYNAMIC(CGXBrowserWnd)

 public:
  static constexpr const char* kClassName = "GXWND";

  // Readies a grid attached to its window (SubclassDlgItem or Create): calls
  // OnInitialUpdate once.
  void Initialize();
  BOOL IsInitialized() const { return initialized_; }
  virtual void OnInitialUpdate() {}
  void ShowScrollBar(UINT bar, BOOL show = TRUE) { ::ShowScrollBar(m_hWnd, static_cast<int>(bar), show); }
  void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
  // The data cell under a client point, FALSE when none (header rows count). Rows
  // are counted from the top row; the totals line is the first under the header.
  BOOL HitTest(POINT point, ROWCOL& row, ROWCOL& col) const;
  // Record rows that fit in the window under the header and the totals line (at least 1).
  ROWCOL GetRowsInView() const;
  // Scrolls as little as needed for `row` to be in view.
  void ScrollCellInView(ROWCOL row);

 protected:
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg UINT OnGetDlgCode();
  afx_msg LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnMouseWheel(WPARAM wParam, LPARAM lParam);

 private:
  bool initialized_ = false;
  DECLARE_MESSAGE_MAP()
};
