// Regions: sets of pixels in logical units held as sorted rectangle lists (region_data.h).
//
// Shapes use the same pixel rules as drawing: a rectangle region (l, t, r, b) covers l..r-1 and
// t..b-1; an elliptic or rounded region covers exactly the pixels Ellipse/RoundRect fill for that
// box with a one-pixel pen (ellipse_shape.h); a polygon region covers the pixels whose centres lie
// inside (ALTERNATE or WINDING, top-left rule: polygon_fill.h).  CombineRgn and the region calls
// return NULLREGION, SIMPLEREGION (one rectangle), COMPLEXREGION or ERROR.
#pragma once

#include "platform/gdi/gdi_types.h"

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const TRect* rect);
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
HRGN CreateEllipticRgnIndirect(const TRect* rect);
HRGN CreatePolygonRgn(const TPoint* points, int count, int fillMode);
HRGN CreatePolyPolygonRgn(const TPoint* points, const int* counts, int polygons, int fillMode);
// nCount rectangles after an RGNDATAHEADER; the transform must be null.
HRGN ExtCreateRegion(const void* transform, DWORD size, const RGNDATA* data);

int CombineRgn(HRGN destination, HRGN source1, HRGN source2, int mode);
int OffsetRgn(HRGN region, int dx, int dy);
BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom);
BOOL PtInRegion(HRGN region, int x, int y);
BOOL RectInRegion(HRGN region, const TRect* rect);
BOOL EqualRgn(HRGN a, HRGN b);
int GetRgnBox(HRGN region, TRect* box);
// Copies the RGNDATA (header and rectangles) when size is large enough; returns the size needed.
DWORD GetRegionData(HRGN region, DWORD size, RGNDATA* data);

// Drawing regions on a device context (logical coordinates).  FillRgn copies the brush, PaintRgn
// uses the selected brush through the binary mix, FrameRgn paints the pixels of the region that lie
// within `width` columns or `height` rows of its outside, InvertRgn inverts.
BOOL FillRgn(HDC dc, HRGN region, HBRUSH brush);
BOOL PaintRgn(HDC dc, HRGN region);
BOOL FrameRgn(HDC dc, HRGN region, HBRUSH brush, int width, int height);
BOOL InvertRgn(HDC dc, HRGN region);
