// MFC's views as far as a layout needs them: CView, and CScrollView with a total
// scrollable size and a scroll position. Scrolling moves every child window by the
// difference, as ScrollWindow does; the position stays within the scrollable area.
#pragma once

#include "vrmwnd/platform/afxwin.h"
#include "vrmwnd/platform/export.h"

constexpr int MM_TEXT = 1;

class VRMWND_PLATFORM_API CView : public CWnd {
  DECLARE_DYNAMIC(CView)
};

class VRMWND_PLATFORM_API CScrollView : public CView {
  DECLARE_DYNAMIC(CScrollView)

 public:
  // The scrollable area in pixels (MM_TEXT); the position is brought back inside it.
  void SetScrollSizes(int nMapMode, SIZE sizeTotal);
  CSize GetTotalSize() const { return m_totalSize; }
  CPoint GetScrollPosition() const { return m_scrollPosition; }
  // Scrolls so that `pt` of the scrollable area is at the client's top-left corner,
  // from 0 to the total size less the client size.
  void ScrollToPosition(POINT pt);

 private:
  CSize m_totalSize;
  CPoint m_scrollPosition;
};
