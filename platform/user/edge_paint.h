// The raised and sunken 3-D edges of the non-client parts, in the system colours: a raised edge
// is COLOR_3DLIGHT / COLOR_3DHILIGHT on the top and left and COLOR_3DDKSHADOW / COLOR_3DSHADOW
// on the bottom and right (outer / inner line); a sunken one the other way round.
#pragma once

#include "platform/gdi/gdi_types.h"

namespace user {

// Two lines on every side of `r`.
void DrawRaisedEdge(HDC dc, const TRect& r);
// `width` (1 or 2) lines on every side of `r`: the outer sunken line, then the inner one.
void DrawSunkenEdge(HDC dc, const TRect& r, int width);
// A button face: COLOR_3DFACE inside a raised edge, or inside a one-line COLOR_3DSHADOW frame when
// pressed.
void DrawButtonFace(HDC dc, const TRect& r, bool pressed);

}  // namespace user
