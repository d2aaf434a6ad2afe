// Drawing the classic caption bar (non_client.h gives its layout): the bar in the active or
// inactive caption colour (a horizontal gradient to COLOR_GRADIENT(IN)ACTIVECAPTION when
// SPI_GETGRADIENTCAPTIONS is on), the line under it in COLOR_3DFACE, the class's small icon in the
// system-menu box, the window text in the caption font of the non-client metrics (the small
// caption font for tool windows) in COLOR_CAPTIONTEXT / COLOR_INACTIVECAPTIONTEXT, clipped two
// pixels before the first button, and the close, maximise / restore and minimise / restore buttons
// drawn by DrawFrameControl (DFC_CAPTION): pushed while the mouse holds them, inactive when the
// class has CS_NOCLOSE or the window lacks the matching WS_MAXIMIZEBOX / WS_MINIMIZEBOX.
#pragma once

#include "platform/user/non_client.h"

namespace user {

void PaintCaption(HDC dc, const Window* w, const FrameLayout& frame, bool active);

}  // namespace user
