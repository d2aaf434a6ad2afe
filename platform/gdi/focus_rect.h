// DrawFocusRect: the dotted focus frame, drawn by inverting (XOR) every other pixel of the
// rectangle's one-pixel border, so drawing it twice removes it.  The dots are a monochrome
// checkerboard pattern aligned to the brush origin: device pixel (x, y) of the border changes when
// (x - org.X + y - org.Y) is even.  Like every monochrome pattern it takes the context's colours:
// those pixels are XORed with the background colour, the others with the text colour (with the
// default black text on white, the first are inverted and the others untouched).
#pragma once

#include "platform/gdi/gdi_types.h"

BOOL DrawFocusRect(HDC dc, const TRect* rect);
