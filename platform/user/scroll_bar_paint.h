// Drawing a window's standard scroll bars in its non-client area: the arrow buttons of
// DrawFrameControl (DFC_SCROLL; flat and shifted while pressed, embossed when EnableScrollBar
// disabled them), a COLOR_SCROLLBAR track with the pressed page part in COLOR_3DDKSHADOW, a
// raised thumb, and the size box between two bars in COLOR_3DFACE.
#pragma once

#include "platform/user/non_client.h"

namespace user {

void PaintScrollBars(HWND hwnd, HDC dc, const FrameLayout& frame);

}  // namespace user
