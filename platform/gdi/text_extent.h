// Measuring single-line text with the selected font and the context's text state.
//
// Every width comes from the one layout drawing uses (text_run.h): whole pixels that add up, so
// the extent of a text is the sum of the extents of any split of it and, without character extra
// or justification, the sum of its characters' GetCharWidth values.  The height is tmHeight.  A
// rotated font measures unrotated.  Counts and positions are in the caller's units (A: bytes,
// W: UTF-16 units); a combining mark counts as a unit of its own and widens nothing.
#pragma once

#include "platform/gdi/gdi_types.h"

BOOL GetTextExtentPoint32A(HDC dc, const char* text, int count, TSize* size);
BOOL GetTextExtentPoint32W(HDC dc, const char16_t* text, int count, TSize* size);
BOOL GetTextExtentPointA(HDC dc, const char* text, int count, TSize* size);
BOOL GetTextExtentPointW(HDC dc, const char16_t* text, int count, TSize* size);

// size: the extent of all count units.  fit (optional): how many leading units fit within
// maxExtent.  partial (optional): partial[i] is the extent of units 0 .. i, for every unit.
BOOL GetTextExtentExPointA(HDC dc, const char* text, int count, int maxExtent, int* fit, int* partial, TSize* size);
BOOL GetTextExtentExPointW(HDC dc, const char16_t* text, int count, int maxExtent, int* fit, int* partial,
                           TSize* size);

// The extent of a text whose tabs expand to the given stops (TabbedTextOut's rules, tab origin at
// the start of the text): width in the low word, tmHeight in the high word; 0 on failure.
DWORD GetTabbedTextExtentA(HDC dc, const char* text, int count, int tabCount, const int* tabStops);
DWORD GetTabbedTextExtentW(HDC dc, const char16_t* text, int count, int tabCount, const int* tabStops);
