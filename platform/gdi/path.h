// Paths: BeginPath opens a path in which line and shape calls (and the text layer's text) record
// figures instead of drawing; EndPath closes it; one of the consuming calls then uses it up.
//
// Shapes enter a path along the centre line of their one-pixel outline: Rectangle(l, t, r, b) as
// the closed figure (l, t) (r-1, t) (r-1, b-1) (l, b-1), ellipses and rounded corners flattened.
// Filling a path covers the pixels whose centres lie inside its figures (polygon_fill.h, with the
// context's fill mode), so FillPath of a rectangle covers what Rectangle with the null pen covers.
// StrokePath draws every figure with the pen, closed figures closed.  SelectClipPath and
// PathToRegion turn the filled area into a clip region / region (device coordinates).
#pragma once

#include "platform/gdi/gdi_types.h"

BOOL BeginPath(HDC dc);
BOOL EndPath(HDC dc);
BOOL AbortPath(HDC dc);
BOOL CloseFigure(HDC dc);
BOOL FillPath(HDC dc);
BOOL StrokePath(HDC dc);
BOOL StrokeAndFillPath(HDC dc);
BOOL SelectClipPath(HDC dc, int mode);
HRGN PathToRegion(HDC dc);
BOOL FlattenPath(HDC dc);
// Copies the closed path's points (device coordinates) and PT_ types; returns their number, or
// the number needed when count is 0, -1 on error.
int GetPath(HDC dc, TPoint* points, BYTE* types, int count);
