// Mouse capture: while a window holds it, every mouse message goes to that window's client area
// (coordinates may lie outside it) and no WM_SETCURSOR is sent.  The window losing the capture gets
// WM_CAPTURECHANGED with the new holder (or 0) in lParam.
#pragma once

#include "platform/user/user_types.h"

HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();

namespace user {

// Ends the capture when its holder lies in the subtree of `hwnd` (being destroyed).
void ReleaseCaptureWithin(HWND hwnd);

}  // namespace user
