// The classic non-client area: where the frame, the caption with its buttons, the client edge and
// the standard scroll bars lie for a window's styles, the client rectangle that leaves
// (WM_NCCALCSIZE) and the hit-test codes of each part (WM_NCHITTEST).
//
// Layout from the outside in, each part present only when the styles ask for it: the frame
// (sizeable 4, dialog 3 or thin 1 pixel(s) on every side), the caption (SM_CYCAPTION high, or
// SM_CYSMCAPTION for tool windows) with the system menu box on its left and the close, maximise
// and minimise buttons on its right, the client edge (2 pixels; a static edge 1), the vertical scroll
// bar on the right and the horizontal one at the bottom, and the client area.  docs/platform-user.md
// draws the layout.
#pragma once

#include "platform/user/window.h"

namespace user {

struct FrameLayout {
  int frame = 0;          // frame thickness on every side
  bool sizeable = false;  // the frame sizes the window
  TRect caption;          // window coordinates; empty when there is none
  TRect sysMenu, closeButton, maxButton, minButton;   // inside the caption; empty when absent
  TRect vScroll, hScroll, sizeBox;                    // window coordinates; empty when absent
  TRect client;           // window coordinates
};

FrameLayout LayoutFrame(DWORD style, DWORD exStyle, int width, int height);
// The client rectangle for a window rectangle (same coordinates), as WM_NCCALCSIZE gives it.
TRect ClientFromWindow(DWORD style, DWORD exStyle, const TRect& window);
// WM_NCHITTEST's default answer for a screen point.
int DefaultHitTest(const Window* w, TPoint screen);

}  // namespace user
