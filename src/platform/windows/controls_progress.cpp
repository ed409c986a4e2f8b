// The progress bar's class procedure and CProgressCtrl (the table is in progress.h).
#include <algorithm>
#include <memory>

#include "vrmwnd/platform/progress.h"
#include "window_detail.h"

namespace vrmwnd::platform::detail {
namespace {

struct ProgressState : ControlState {
  int low = 0, high = 100, pos = 0, step = 10;
};

int clamp_to(const ProgressState& st, int pos) { return std::clamp(pos, st.low, std::max(st.low, st.high)); }

LRESULT set_range(ProgressState& st, int low, int high) {
  LRESULT previous = MAKELONG(static_cast<WORD>(st.low), static_cast<WORD>(st.high));
  st.low = low;
  st.high = high;
  st.pos = clamp_to(st, st.pos);
  return previous;
}

LRESULT progress_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Window* w = find_window(hwnd);
  if (w != nullptr && w->control == nullptr) w->control = std::make_unique<ProgressState>();
  auto* st = control_state<ProgressState>(hwnd);
  if (st == nullptr) return DefWindowProcA(hwnd, message, wparam, lparam);
  const int previous = st->pos;
  switch (message) {
    case PBM_SETRANGE: return set_range(*st, static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)));
    case PBM_SETRANGE32: return set_range(*st, static_cast<int>(wparam), static_cast<int>(lparam));
    case PBM_GETRANGE: return wparam ? st->low : st->high;
    case PBM_GETPOS: return st->pos;
    case PBM_SETPOS: st->pos = clamp_to(*st, static_cast<int>(wparam)); return previous;
    case PBM_DELTAPOS: st->pos = clamp_to(*st, st->pos + static_cast<int>(wparam)); return previous;
    case PBM_SETSTEP: {
      const int old_step = st->step;
      st->step = static_cast<int>(wparam);
      return old_step;
    }
    case PBM_STEPIT: {
      int pos = st->pos + st->step;
      if (pos > st->high && st->high > st->low) pos = st->low + (pos - st->low) % (st->high - st->low);
      st->pos = clamp_to(*st, pos);
      return previous;
    }
    default: return DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

[[maybe_unused]] const bool kProgressClassRegistered = RegisterClassName(PROGRESS_CLASSA, progress_proc);

}  // namespace
}  // namespace vrmwnd::platform::detail

IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CreateEx(0, PROGRESS_CLASSA, "", dwStyle | WS_CHILD, rect, pParentWnd, nID);
}
void CProgressCtrl::SetRange(short nLower, short nUpper) {
  SendMessage(PBM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(nLower), static_cast<WORD>(nUpper)));
}
void CProgressCtrl::SetRange32(int nLower, int nUpper) {
  SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper);
}
void CProgressCtrl::GetRange(int& nLower, int& nUpper) const {
  nLower = static_cast<int>(SendMessage(PBM_GETRANGE, TRUE));
  nUpper = static_cast<int>(SendMessage(PBM_GETRANGE, FALSE));
}
int CProgressCtrl::GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
int CProgressCtrl::SetPos(int nPos) { return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(nPos))); }
int CProgressCtrl::OffsetPos(int nPos) {
  return static_cast<int>(SendMessage(PBM_DELTAPOS, static_cast<WPARAM>(nPos)));
}
int CProgressCtrl::SetStep(int nStep) { return static_cast<int>(SendMessage(PBM_SETSTEP, static_cast<WPARAM>(nStep))); }
int CProgressCtrl::StepIt() { return static_cast<int>(SendMessage(PBM_STEPIT)); }
