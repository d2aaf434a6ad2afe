// Finding the window at a point: WindowFromPoint, ChildWindowFromPoint(Ex), and the hit test the
// input uses.
//
// A window contains a point when its window rectangle does and, if it has a window region, the
// region does too; a child is found only inside its parent's client area.  WindowFromPoint skips
// hidden and disabled child windows (their parent answers) and sends nothing; the input's hit
// test also asks WM_NCHITTEST and passes over windows answering HTTRANSPARENT to their parent.
#pragma once

#include "platform/user/user_types.h"

HWND WindowFromPoint(TPoint screen);
HWND ChildWindowFromPoint(HWND parent, TPoint clientPoint);
HWND ChildWindowFromPointEx(HWND parent, TPoint clientPoint, UINT flags);

namespace user {

struct HitResult {
  HWND hwnd = nullptr;
  int hit = 0;
};

// The mouse input's target at a screen point: the capture holder (HTCLIENT), a disabled top-level
// window (HTERROR), or the deepest window under the point with its WM_NCHITTEST answer.
HitResult HitTestInput(TPoint screen);

}  // namespace user
