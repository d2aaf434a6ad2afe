// Who has the input: the focus window, the active window, the mouse capture, whether the
// application is the active one, and where the cursor is.
//
// The interface runs on one thread, so focus, activation and capture are one set for the process
// (the platform keeps a set per thread; with one interface thread the two agree).  The cursor
// position may be read from any thread.
#pragma once

#include "platform/user/user_types.h"

namespace user {

struct InputState {
  HWND focus = nullptr;
  HWND active = nullptr;
  HWND capture = nullptr;
  bool appActive = false;

  static InputState& Instance();
};

TPoint CursorPosition();
void MoveCursorPosition(TPoint screen);

}  // namespace user
