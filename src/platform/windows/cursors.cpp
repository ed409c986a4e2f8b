// The system cursors, the cursor shown and the count of waits in progress.
#include <cstdint>
#include <vector>

#include "vrmwnd/platform/testing.h"
#include "vrmwnd/platform/wincursor.h"

namespace {

constexpr std::uintptr_t kFirstCursor = 32512, kLastCursor = 32514;
char system_cursors[kLastCursor - kFirstCursor + 1];  // the handles are these slots' addresses

struct CursorState {
  HCURSOR shown = LoadCursorA(nullptr, IDC_ARROW);
  HCURSOR before_wait = nullptr;
  int waits = 0;
  std::vector<HCURSOR>* record = nullptr;
};

CursorState& state() {
  static CursorState s;
  return s;
}

}  // namespace

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name) {
  const auto id = reinterpret_cast<std::uintptr_t>(name);
  if (instance != nullptr || id < kFirstCursor || id > kLastCursor) return nullptr;
  return reinterpret_cast<HCURSOR>(&system_cursors[id - kFirstCursor]);
}

HCURSOR SetCursor(HCURSOR cursor) {
  CursorState& s = state();
  HCURSOR previous = s.shown;
  s.shown = cursor;
  if (s.record != nullptr) s.record->push_back(cursor);
  return previous;
}

HCURSOR GetCursor() { return state().shown; }

CWaitCursor::CWaitCursor() {
  CursorState& s = state();
  if (s.waits++ == 0) s.before_wait = GetCursor();
  SetCursor(LoadCursorA(nullptr, IDC_WAIT));
}

CWaitCursor::~CWaitCursor() {
  CursorState& s = state();
  if (--s.waits == 0) SetCursor(s.before_wait);
}

void CWaitCursor::Restore() { SetCursor(LoadCursorA(nullptr, IDC_WAIT)); }

void RecordCursorsForTesting(std::vector<HCURSOR>* record) { state().record = record; }
