// The classic look of the track-bar window class: the background is the brush the parent answers
// to WM_CTLCOLORSTATIC (COLOR_BTNFACE without one); the channel is a sunken edge around
// COLOR_WINDOW, its selected part (TBS_ENABLESELRANGE, from the start's tick to the end's)
// COLOR_HIGHLIGHT; the ticks are one-pixel COLOR_BTNTEXT lines; the thumb is a raised edge filled
// with COLOR_BTNFACE (COLOR_3DLIGHT while it is dragged); a focused track bar has the dotted focus
// frame around its client area.  Where the parts lie is track_bar_layout.h.
#pragma once

#include "platform/window_classes/track_bar_layout.h"

void PaintTrackBar(HWND Window, HDC DC, const TrackBarState& State);
