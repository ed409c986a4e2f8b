// The progress bar of the common controls (class "msctls_progress32") and MFC's
// CProgressCtrl over it: a range, a position kept inside it, and a step.
//
// | message        | wParam / lParam               | result                      |
// |----------------|-------------------------------|-----------------------------|
// | PBM_SETRANGE   | - / MAKELPARAM(min, max)      | previous MAKELONG(min, max) |
// | PBM_SETRANGE32 | min / max                     | previous MAKELONG(min, max) |
// | PBM_GETRANGE   | TRUE: low, FALSE: high / -    | that bound                  |
// | PBM_SETPOS     | position / -                  | previous position           |
// | PBM_DELTAPOS   | increment / -                 | previous position           |
// | PBM_SETSTEP    | step / -                      | previous step               |
// | PBM_STEPIT     | - / -                         | previous position           |
// | PBM_GETPOS     | - / -                         | position                    |
// A position set or moved outside the range is clamped to it; a step past the
// upper bound starts again from the lower one (min + (pos - min) % (max - min)).
// The defaults are the range 0..100, position 0 and step 10.
#pragma once

#include "vrmwnd/platform/afxwin.h"
#include "vrmwnd/platform/export.h"

inline constexpr const char* PROGRESS_CLASSA = "msctls_progress32";

constexpr UINT PBM_SETRANGE = WM_USER + 1, PBM_SETPOS = WM_USER + 2, PBM_DELTAPOS = WM_USER + 3,
               PBM_SETSTEP = WM_USER + 4, PBM_STEPIT = WM_USER + 5, PBM_SETRANGE32 = WM_USER + 6,
               PBM_GETRANGE = WM_USER + 7, PBM_GETPOS = WM_USER + 8;

class VRMWND_PLATFORM_API CProgressCtrl : public CWnd {
  DECLARE_DYNAMIC(CProgressCtrl)

 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  void SetRange(short nLower, short nUpper);
  void SetRange32(int nLower, int nUpper);
  void GetRange(int& nLower, int& nUpper) const;
  int GetPos() const;
  int SetPos(int nPos);
  int OffsetPos(int nPos);
  int SetStep(int nStep);
  int StepIt();
};
