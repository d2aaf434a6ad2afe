#include "platform/user/cursor.h"

#include <atomic>

#include "platform/user/input_events.h"
#include "platform/user/input_state.h"

namespace {
std::atomic<HCURSOR> current{nullptr};
}  // namespace

HCURSOR SetCursor(HCURSOR cursor) { return current.exchange(cursor); }

HCURSOR GetCursor() { return current.load(); }

BOOL GetCursorPos(TPoint* point) {
  if (point == nullptr) return FALSE;
  *point = user::CursorPosition();
  return TRUE;
}

// Moving the cursor is input: the windows under it get WM_MOUSEMOVE as for a real move.
BOOL SetCursorPos(int x, int y) {
  user::InjectMouseMove(x, y);
  return TRUE;
}
