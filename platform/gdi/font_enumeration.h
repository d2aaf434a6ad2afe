// Listing the fonts the configuration offers: EnumFontFamiliesEx, EnumFontFamilies and EnumFonts.
//
// Without a face name the calls give one entry per installed family (font_registry.h), in its
// regular style.  With a face name they give one entry per installed style of the family the name
// resolves to (regular, bold, italic, ...), named as the caller wrote it (as GetTextFace reports
// a known name), so the name found can be given straight to CreateFont.  An unknown name
// lists nothing, and so does a vertical "@face": no vertical faces are installed.
//
// Character sets: a family counts as ANSI_CHARSET when it has the Latin letters and as
// THAI_CHARSET when it has Thai.  EnumFontFamiliesEx with DEFAULT_CHARSET gives an entry for each
// character set a style covers, with another character set only the styles covering it; the older
// calls give each style once, as THAI_CHARSET when it covers Thai.
//
// Each entry is an ENUMLOGFONTEX and a NEWTEXTMETRICEX (their leading LOGFONT and TEXTMETRIC are
// what the callbacks' pointers show) of the style asking for a 16-pixel cell (lfHeight 16,
// lfWidth 0), so a font created from the LOGFONT measures exactly as the TEXTMETRIC says.  The font type is TRUETYPE_FONTTYPE.  The callbacks run with no
// lock held (they may create and select fonts); returning 0 stops the listing.  The result is the
// last callback's, 1 when nothing was listed, 0 for an invalid context or a null callback.
// The A calls take and give code page 874 names.
#pragma once

#include "platform/gdi/font_types.h"
#include "platform/gdi/gdi_types.h"

int EnumFontFamiliesExA(HDC dc, const LOGFONTA* logFont, FONTENUMPROCA proc, LPARAM param, DWORD flags);
int EnumFontFamiliesExW(HDC dc, const LOGFONTW* logFont, FONTENUMPROCW proc, LPARAM param, DWORD flags);
int EnumFontFamiliesA(HDC dc, const char* family, FONTENUMPROCA proc, LPARAM param);
int EnumFontFamiliesW(HDC dc, const char16_t* family, FONTENUMPROCW proc, LPARAM param);
int EnumFontsA(HDC dc, const char* face, FONTENUMPROCA proc, LPARAM param);
int EnumFontsW(HDC dc, const char16_t* face, FONTENUMPROCW proc, LPARAM param);
