// Drawing the classic non-client area (non_client.h gives the layout): the frame, the caption bar
// in the active or inactive caption colour with its buttons, the client edge, and the standard
// scroll bars.  WM_NCPAINT draws through a window DC limited to the region it names (1: all);
// WM_PRINT with PRF_NONCLIENT draws into the DC it was given, whose origin is the window's corner.
#pragma once

#include "platform/user/user_types.h"

namespace user {

void PaintNonClient(HWND hwnd, HRGN region);
void PaintNonClientInto(HWND hwnd, HDC dc);

}  // namespace user
