// The platform's SCROLLBAR window class: a scroll bar control, horizontal (SBS_HORZ) or vertical
// (SBS_VERT).  Its values, geometry, mouse tracking and look are the window layer's standard
// bars' (scroll_bar.h), reached with SB_CTL or the SBM_ messages; presses and keys send
// WM_HSCROLL / WM_VSCROLL to the parent with the SB_ code and the control in lParam, and, like the
// standard bars, never move the position by themselves.  Keys when focused: the arrows (left /
// up: SB_LINEUP, right / down: SB_LINEDOWN), PgUp / PgDn (SB_PAGEUP / SB_PAGEDOWN), Home / End
// (SB_TOP / SB_BOTTOM), each followed by SB_ENDSCROLL.  A new control's range is 0..0.
#pragma once

#include "platform/user/message_ids.h"
#include "platform/user/user_types.h"

inline constexpr DWORD SBS_HORZ = 0x0000, SBS_VERT = 0x0001;
inline constexpr UINT SBM_SETPOS = 0x00E0, SBM_GETPOS = 0x00E1, SBM_SETRANGE = 0x00E2, SBM_GETRANGE = 0x00E3,
                      SBM_ENABLE_ARROWS = 0x00E4, SBM_SETRANGEREDRAW = 0x00E6, SBM_SETSCROLLINFO = 0x00E9,
                      SBM_GETSCROLLINFO = 0x00EA;

void RegisterScrollBarClass();
LRESULT ScrollBarWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
