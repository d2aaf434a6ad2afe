// Moving and sizing a window with the mouse (WM_SYSCOMMAND SC_MOVE / SC_SIZE from a press on the
// caption or the frame) and pressing the caption buttons.
//
// Both run a message loop with the mouse captured until the left button is released: the window
// gets WM_ENTERSIZEMOVE, then for each move WM_MOVING or WM_SIZING (whose handler may change the
// proposed screen rectangle) and the move or size itself (SetWindowPos, so the window follows the
// mouse), and WM_EXITSIZEMOVE at the end.  The WH_CBT hook sees HCBT_MOVESIZE before the loop and
// may cancel it.  A caption button is drawn pressed while the mouse holds it; releasing over it
// sends WM_SYSCOMMAND with SC_CLOSE, SC_MINIMIZE, or SC_MAXIMIZE / SC_RESTORE.
#pragma once

#include "platform/user/user_types.h"

inline constexpr WPARAM WMSZ_LEFT = 1, WMSZ_RIGHT = 2, WMSZ_TOP = 3, WMSZ_TOPLEFT = 4, WMSZ_TOPRIGHT = 5,
                        WMSZ_BOTTOM = 6, WMSZ_BOTTOMLEFT = 7, WMSZ_BOTTOMRIGHT = 8;

namespace user {

// `command` is SC_MOVE or SC_SIZE with the WMSZ_ edge in its low four bits.
void MoveSizeLoop(HWND hwnd, WPARAM command, TPoint start);
// Tracks a press on HTCLOSE, HTMINBUTTON or HTMAXBUTTON; sends the command when released on it.
void TrackCaptionButton(HWND hwnd, int hit);

}  // namespace user
