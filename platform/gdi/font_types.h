// The record layouts of the font and text calls: LOGFONT, TEXTMETRIC, the enumeration records and
// DRAWTEXTPARAMS, in the platform's field order and sizes (LOGFONTA is 60 bytes, LOGFONTW 92).
//
// The A forms hold code page 874 bytes, the W forms UTF-16 code units; face names are
// NUL-terminated within their 32 characters.
#pragma once

#include <cstdint>

#include "platform/gdi/gdi_types.h"

using WCHAR = char16_t;
using LPARAM = std::intptr_t;

struct LOGFONTA {
  LONG lfHeight;        // < 0: character (em) height; > 0: cell height; 0: the default height
  LONG lfWidth;         // average character width; 0: the face's own proportions
  LONG lfEscapement;    // direction of the baseline, tenths of a degree counter-clockwise
  LONG lfOrientation;   // kept; glyphs follow the escapement
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  char lfFaceName[32];
};

struct LOGFONTW {
  LONG lfHeight;
  LONG lfWidth;
  LONG lfEscapement;
  LONG lfOrientation;
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  WCHAR lfFaceName[32];
};

static_assert(sizeof(LOGFONTA) == 60 && sizeof(LOGFONTW) == 92);

struct TEXTMETRICA {
  LONG tmHeight;
  LONG tmAscent;
  LONG tmDescent;
  LONG tmInternalLeading;
  LONG tmExternalLeading;
  LONG tmAveCharWidth;
  LONG tmMaxCharWidth;
  LONG tmWeight;
  LONG tmOverhang;
  LONG tmDigitizedAspectX;
  LONG tmDigitizedAspectY;
  BYTE tmFirstChar;
  BYTE tmLastChar;
  BYTE tmDefaultChar;
  BYTE tmBreakChar;
  BYTE tmItalic;
  BYTE tmUnderlined;
  BYTE tmStruckOut;
  BYTE tmPitchAndFamily;
  BYTE tmCharSet;
};

struct TEXTMETRICW {
  LONG tmHeight;
  LONG tmAscent;
  LONG tmDescent;
  LONG tmInternalLeading;
  LONG tmExternalLeading;
  LONG tmAveCharWidth;
  LONG tmMaxCharWidth;
  LONG tmWeight;
  LONG tmOverhang;
  LONG tmDigitizedAspectX;
  LONG tmDigitizedAspectY;
  WCHAR tmFirstChar;
  WCHAR tmLastChar;
  WCHAR tmDefaultChar;
  WCHAR tmBreakChar;
  BYTE tmItalic;
  BYTE tmUnderlined;
  BYTE tmStruckOut;
  BYTE tmPitchAndFamily;
  BYTE tmCharSet;
};

struct NEWTEXTMETRICA {
  TEXTMETRICA tm;   // the TEXTMETRIC fields, then:
  DWORD ntmFlags;
  UINT ntmSizeEM;
  UINT ntmCellHeight;
  UINT ntmAvgWidth;
};

struct NEWTEXTMETRICW {
  TEXTMETRICW tm;
  DWORD ntmFlags;
  UINT ntmSizeEM;
  UINT ntmCellHeight;
  UINT ntmAvgWidth;
};

struct FONTSIGNATURE {
  DWORD fsUsb[4];   // Unicode ranges
  DWORD fsCsb[2];   // code pages: bit 0 Latin 1, bit 16 Thai
};

struct NEWTEXTMETRICEXA {
  NEWTEXTMETRICA ntmTm;
  FONTSIGNATURE ntmFontSig;
};

struct NEWTEXTMETRICEXW {
  NEWTEXTMETRICW ntmTm;
  FONTSIGNATURE ntmFontSig;
};

struct ENUMLOGFONTEXA {
  LOGFONTA elfLogFont;
  char elfFullName[64];
  char elfStyle[32];
  char elfScript[32];
};

struct ENUMLOGFONTEXW {
  LOGFONTW elfLogFont;
  WCHAR elfFullName[64];
  WCHAR elfStyle[32];
  WCHAR elfScript[32];
};

// The callbacks receive an ENUMLOGFONTEX and a NEWTEXTMETRICEX (whose leading parts are the LOGFONT
// and TEXTMETRIC the older calls promise), the font type and the caller's value; returning 0 stops
// the enumeration.
using FONTENUMPROCA = int (*)(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM);
using FONTENUMPROCW = int (*)(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM);

struct DRAWTEXTPARAMS {
  UINT cbSize;          // sizeof(DRAWTEXTPARAMS)
  int iTabLength;       // tab stops every iTabLength average character widths
  int iLeftMargin;      // pixels kept free inside the rectangle
  int iRightMargin;
  UINT uiLengthDrawn;   // out: characters processed, in the caller's units
};
