// The cursor shape: SetCursor / GetCursor.  The shape is what the display shows over the windows;
// WM_SETCURSOR handlers choose it (by default the window class's cursor in the client area).
#pragma once

#include "platform/user/user_types.h"

HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
BOOL GetCursorPos(TPoint* point);   // any thread
BOOL SetCursorPos(int x, int y);
