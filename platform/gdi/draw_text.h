// DrawText and DrawTextEx: formatted text in a rectangle (lines, word wrap, alignment, tabs,
// accelerator prefixes, ellipses), laid out as draw_text_layout.h describes and drawn line by line
// the way TextOut draws (background box in OPAQUE mode, text colour, the font's escapement about
// each line's start).  Unless DT_NOCLIP the drawing stays inside the rectangle.  DT_CALCRECT
// draws nothing and returns the rectangle.
//
// Accelerators ("&x", see prefix_text.h) are underlined with the font's underline; DT_NOPREFIX
// shows "&" as it is, DT_HIDEPREFIX removes the prefixes without underlining, DT_PREFIXONLY draws
// the underlines alone.  DT_MODIFYSTRING (with DT_END_ELLIPSIS or DT_PATH_ELLIPSIS) writes the text
// of a single shortened line back into the caller's buffer with a NUL; the buffer must hold count
// + 4 characters, as the platform asks.  count -1 means a NUL-terminated text; counts, lengths and
// the written text are in the caller's units.  The result is the text's height, 0 on failure.
#pragma once

#include "platform/gdi/font_types.h"
#include "platform/gdi/gdi_types.h"

int DrawTextA(HDC dc, const char* text, int count, TRect* rect, UINT format);
int DrawTextW(HDC dc, const char16_t* text, int count, TRect* rect, UINT format);
int DrawTextExA(HDC dc, char* text, int count, TRect* rect, UINT format, DRAWTEXTPARAMS* params);
int DrawTextExW(HDC dc, char16_t* text, int count, TRect* rect, UINT format, DRAWTEXTPARAMS* params);
