// The system's own bitmaps that programs load by number (the window layer's LoadBitmap with no
// module routes here).  OBM_CHECKBOXES is 52 x 39 pixels: 4 x 3 cells of 13 x 13 drawn with
// DrawFrameControl on the button face colour (each cell as if drawn at (0, 0)), so they always
// match it.  Rows: check box, radio
// button, three-state check box; columns: normal, checked, pushed, pushed and checked.  Each call
// makes a new 32-bit bitmap from the current system colours; the caller deletes it.
#pragma once

#include "platform/gdi/gdi_types.h"

inline constexpr int OBM_CHECKBOXES = 32759;

// nullptr for numbers the layer does not draw.
HBITMAP LoadSystemBitmap(int id);
