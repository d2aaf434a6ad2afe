// Creating pens and brushes.
//
// CreatePen: width 0 or 1 gives a cosmetic pen; a width above 1 gives a geometric pen with round
// caps and joins whose dash styles are drawn solid.  ExtCreatePen: PS_COSMETIC pens are one pixel
// wide (PS_ALTERNATE and PS_USERSTYLE allowed); PS_GEOMETRIC pens take caps, joins, dash styles and
// a brush.  Hatched brushes use the 8 x 8 hatches in brush_object.h; pattern brushes copy the
// bitmap (any size) when they are made.
#pragma once

#include "platform/gdi/gdi_types.h"

HPEN CreatePen(int style, int width, COLORREF color);
HPEN CreatePenIndirect(const LOGPEN* pen);
HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD styleCount, const DWORD* styles);

HBRUSH CreateSolidBrush(COLORREF color);
// Gives a solid brush this program made another colour, keeping its handle: every device context
// it is selected into paints in the new colour from then on (a brush that changes colour often
// then costs no new handle and no new selection).  FALSE, and nothing changed, for any other
// brush: hatched, pattern or null brushes and stock brushes.
BOOL SetSolidBrushColor(HBRUSH brush, COLORREF color);
HBRUSH CreateHatchBrush(int hatch, COLORREF color);
HBRUSH CreatePatternBrush(HBITMAP bitmap);
HBRUSH CreateBrushIndirect(const LOGBRUSH* brush);
// A pattern from a packed DIB (BITMAPINFO, colour table, bits).
HBRUSH CreateDIBPatternBrushPt(const void* packedDib, UINT usage);
