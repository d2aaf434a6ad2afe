// Drawing single-line text at a point: TextOut, ExtTextOut and TabbedTextOut.
//
// The text is laid out as the extent calls measure it (text_run.h) and drawn by text_output.h:
// the reference point is (x, y), or the current position with TA_UPDATECP, which then moves past
// the text (to its end for TA_LEFT, its start for TA_RIGHT, unchanged for TA_CENTER).
//
// ExtTextOut: ETO_OPAQUE fills rect with the background colour whatever the background mode (also
// with no text); ETO_CLIPPED limits the drawing to rect.  A spacing array gives each unit's
// advance exactly (character extra and justification then play no part); with ETO_PDY it holds
// (dx, dy) pairs, of which only dx is used.  ETO_GLYPH_INDEX is not supported (the call fails).
// Counts are in the caller's units (A: bytes, W: UTF-16 units).
#pragma once

#include "platform/gdi/gdi_types.h"

BOOL TextOutA(HDC dc, int x, int y, const char* text, int count);
BOOL TextOutW(HDC dc, int x, int y, const char16_t* text, int count);
BOOL ExtTextOutA(HDC dc, int x, int y, UINT options, const TRect* rect, const char* text, UINT count, const int* dx);
BOOL ExtTextOutW(HDC dc, int x, int y, UINT options, const TRect* rect, const char16_t* text, UINT count,
                 const int* dx);
// Expands tabs to the stops (GetTabbedTextExtent's rules) measured from tabOrigin; returns the
// width in the low word and the height in the high word, 0 on failure.
LONG TabbedTextOutA(HDC dc, int x, int y, const char* text, int count, int tabCount, const int* tabStops,
                    int tabOrigin);
LONG TabbedTextOutW(HDC dc, int x, int y, const char16_t* text, int count, int tabCount, const int* tabStops,
                    int tabOrigin);
