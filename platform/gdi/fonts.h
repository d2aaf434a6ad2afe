// Fonts: creation from LOGFONT descriptions, the selected font's face name and metrics, and
// character widths.
//
// Face names resolve through the project's font configuration (font_system.h, fonts/fonts.conf);
// lfHeight, lfWidth, weight, italic, underline, strike-out, character set, escapement and pitch
// and family are honoured as font_metrics.h and realized_font.h describe.  GetObject on a font
// gives its LOGFONT (60 bytes in the A form).  The A calls read and write code page 874 bytes, the
// W calls UTF-16.
#pragma once

#include "platform/gdi/font_types.h"
#include "platform/gdi/gdi_types.h"

HFONT CreateFontIndirectA(const LOGFONTA* logFont);
HFONT CreateFontIndirectW(const LOGFONTW* logFont);
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, const char* face);
HFONT CreateFontW(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, const char16_t* face);

// The face name of the selected font: the requested name when the configuration knows it (an
// installed family or a mapped name such as "Tahoma"), otherwise the family actually used.  With
// a buffer, copies at most count - 1 characters and a NUL and returns the characters copied
// including the NUL; without one, returns the length including the NUL.  0 on failure.
int GetTextFaceA(HDC dc, int count, char* face);
int GetTextFaceW(HDC dc, int count, char16_t* face);

BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metrics);
BOOL GetTextMetricsW(HDC dc, TEXTMETRICW* metrics);
// The selected font's character set (tmCharSet); DEFAULT_CHARSET on failure.
int GetTextCharset(HDC dc);

// Advances of the characters first .. last (A: code page 874 byte values; W and 32: Unicode), in
// whole pixels, without the character extra.  Combining marks give 0.
BOOL GetCharWidthA(HDC dc, UINT first, UINT last, int* widths);
BOOL GetCharWidthW(HDC dc, UINT first, UINT last, int* widths);
BOOL GetCharWidth32A(HDC dc, UINT first, UINT last, int* widths);
BOOL GetCharWidth32W(HDC dc, UINT first, UINT last, int* widths);
