// Clip regions of device contexts.
//
// The clip region is kept in device coordinates (relative to the context's origin); rectangles
// passed to IntersectClipRect and ExcludeClipRect are logical and converted.  Without a clip region
// a context may draw on its whole target (and, for window contexts, within its visible region).
// Combining with "no clip region" starts from that whole drawable area.  Results are the
// complexity of the area left to draw on (NULLREGION, SIMPLEREGION, COMPLEXREGION) or ERROR.
#pragma once

#include "platform/gdi/gdi_types.h"

int SelectClipRgn(HDC dc, HRGN region);                  // null region: no clip region
int ExtSelectClipRgn(HDC dc, HRGN region, int mode);     // RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
int OffsetClipRgn(HDC dc, int dx, int dy);
// 1 and a copy in `region` when the context has a clip region, 0 when it has none, -1 on error.
int GetClipRgn(HDC dc, HRGN region);
// Bounding box of the drawable area in logical coordinates.
int GetClipBox(HDC dc, TRect* box);
BOOL RectVisible(HDC dc, const TRect* rect);
BOOL PtVisible(HDC dc, int x, int y);
