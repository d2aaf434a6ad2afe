// Lines, shapes, single pixels and rectangle fills, with the platform's pixel conventions:
//
// - LineTo, Polyline and PolylineTo leave out the last point; Polygon closes its figure, so all of
//   its vertices are drawn.
// - Rectangle(l, t, r, b) draws its outline on columns l and r - 1 and rows t and b - 1 and fills
//   the inside with the brush; with a null pen the fill covers l .. r - 2 and t .. b - 2 (one pixel
//   less on the right and at the bottom).  Ellipse, RoundRect, Pie and Chord follow the same box
//   rule (ellipse_shape.h).  The pen draws over the brush, each pixel painted once.
// - Outlines and fills go through the binary mix (SetROP2); FillRect, FrameRect and FillRgn copy
//   the brush whatever the mix.  Everything is clipped.
// - Arcs run counterclockwise from the start radial to the end radial (SetArcDirection changes
//   that); equal radials give the whole ellipse.
// While a path is open (BeginPath) the line and shape calls add figures to it instead of drawing.
#pragma once

#include "platform/gdi/gdi_types.h"

BOOL LineTo(HDC dc, int x, int y);
BOOL Polyline(HDC dc, const TPoint* points, int count);
BOOL PolylineTo(HDC dc, const TPoint* points, int count);
BOOL PolyPolyline(HDC dc, const TPoint* points, const DWORD* counts, DWORD polylines);
BOOL PolyBezier(HDC dc, const TPoint* points, DWORD count);     // 1 + 3n points
BOOL PolyBezierTo(HDC dc, const TPoint* points, DWORD count);   // 3n points
BOOL Polygon(HDC dc, const TPoint* points, int count);
BOOL PolyPolygon(HDC dc, const TPoint* points, const int* counts, int polygons);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
BOOL Arc(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
BOOL ArcTo(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
BOOL Pie(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
BOOL Chord(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);

// SetPixel returns the colour the pixel got (CLR_INVALID outside the clip); GetPixel returns the
// pixel's colour (CLR_INVALID outside the clip or on a context without pixels).
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
BOOL SetPixelV(HDC dc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC dc, int x, int y);
// Fills the 4-connected area around (x, y): FLOODFILLBORDER up to pixels of `color`,
// FLOODFILLSURFACE the pixels of `color`.  Uses the selected brush; FALSE when nothing can start.
BOOL ExtFloodFill(HDC dc, int x, int y, COLORREF color, UINT type);
BOOL FloodFill(HDC dc, int x, int y, COLORREF border);

// Rectangles of the window layer's drawing calls (half-open; empty rectangles draw nothing).
int FillRect(HDC dc, const TRect* rect, HBRUSH brush);
int FrameRect(HDC dc, const TRect* rect, HBRUSH brush);
BOOL InvertRect(HDC dc, const TRect* rect);
