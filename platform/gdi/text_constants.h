// The numeric constants of the font and text calls, with the platform's values: font weights,
// character sets, precisions, qualities, pitch and family, text-metric flags, font types of the
// enumeration calls, text alignment, ExtTextOut options and DrawText formats.
#pragma once

#include "platform/gdi/gdi_types.h"

// Font weights (LOGFONT.lfWeight; 0 means FW_NORMAL)
inline constexpr LONG FW_DONTCARE = 0, FW_THIN = 100, FW_EXTRALIGHT = 200, FW_LIGHT = 300, FW_NORMAL = 400,
                      FW_REGULAR = 400, FW_MEDIUM = 500, FW_SEMIBOLD = 600, FW_BOLD = 700, FW_EXTRABOLD = 800,
                      FW_HEAVY = 900;

// Character sets (LOGFONT.lfCharSet, TEXTMETRIC.tmCharSet)
inline constexpr BYTE ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, SYMBOL_CHARSET = 2, MAC_CHARSET = 77,
                      SHIFTJIS_CHARSET = 128, HANGUL_CHARSET = 129, JOHAB_CHARSET = 130, GB2312_CHARSET = 134,
                      CHINESEBIG5_CHARSET = 136, GREEK_CHARSET = 161, TURKISH_CHARSET = 162,
                      VIETNAMESE_CHARSET = 163, HEBREW_CHARSET = 177, ARABIC_CHARSET = 178,
                      BALTIC_CHARSET = 186, RUSSIAN_CHARSET = 204, THAI_CHARSET = 222,
                      EASTEUROPE_CHARSET = 238, OEM_CHARSET = 255;

// Output and clipping precisions, qualities
inline constexpr BYTE OUT_DEFAULT_PRECIS = 0, OUT_STRING_PRECIS = 1, OUT_CHARACTER_PRECIS = 2,
                      OUT_STROKE_PRECIS = 3, OUT_TT_PRECIS = 4, OUT_DEVICE_PRECIS = 5, OUT_RASTER_PRECIS = 6,
                      OUT_TT_ONLY_PRECIS = 7, OUT_OUTLINE_PRECIS = 8;
inline constexpr BYTE CLIP_DEFAULT_PRECIS = 0, CLIP_CHARACTER_PRECIS = 1, CLIP_STROKE_PRECIS = 2,
                      CLIP_LH_ANGLES = 0x10, CLIP_TT_ALWAYS = 0x20;
inline constexpr BYTE DEFAULT_QUALITY = 0, DRAFT_QUALITY = 1, PROOF_QUALITY = 2, NONANTIALIASED_QUALITY = 3,
                      ANTIALIASED_QUALITY = 4, CLEARTYPE_QUALITY = 5;

// Pitch (low two bits) and family (high nibble) of LOGFONT.lfPitchAndFamily
inline constexpr BYTE DEFAULT_PITCH = 0, FIXED_PITCH = 1, VARIABLE_PITCH = 2;
inline constexpr BYTE FF_DONTCARE = 0x00, FF_ROMAN = 0x10, FF_SWISS = 0x20, FF_MODERN = 0x30,
                      FF_SCRIPT = 0x40, FF_DECORATIVE = 0x50;

// TEXTMETRIC.tmPitchAndFamily bits; TMPF_FIXED_PITCH set means a variable-pitch font
inline constexpr BYTE TMPF_FIXED_PITCH = 0x01, TMPF_VECTOR = 0x02, TMPF_TRUETYPE = 0x04, TMPF_DEVICE = 0x08;

// Font types passed to the enumeration callbacks
inline constexpr DWORD RASTER_FONTTYPE = 0x1, DEVICE_FONTTYPE = 0x2, TRUETYPE_FONTTYPE = 0x4;
// NEWTEXTMETRIC.ntmFlags
inline constexpr DWORD NTM_ITALIC = 0x1, NTM_BOLD = 0x20, NTM_REGULAR = 0x40, NTM_TT_OPENTYPE = 0x40000;

inline constexpr int LF_FACESIZE = 32, LF_FULLFACESIZE = 64;

// SetTextAlign
inline constexpr UINT TA_NOUPDATECP = 0, TA_UPDATECP = 1, TA_LEFT = 0, TA_RIGHT = 2, TA_CENTER = 6,
                      TA_TOP = 0, TA_BOTTOM = 8, TA_BASELINE = 24, TA_RTLREADING = 256,
                      TA_MASK = TA_BASELINE | TA_CENTER | TA_UPDATECP | TA_RTLREADING;

// ExtTextOut options
inline constexpr UINT ETO_OPAQUE = 0x2, ETO_CLIPPED = 0x4, ETO_GLYPH_INDEX = 0x10, ETO_RTLREADING = 0x80,
                      ETO_NUMERICSLOCAL = 0x400, ETO_NUMERICSLATIN = 0x800, ETO_IGNORELANGUAGE = 0x1000,
                      ETO_PDY = 0x2000;

// DrawText formats
inline constexpr UINT DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4,
                      DT_BOTTOM = 0x8, DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40,
                      DT_TABSTOP = 0x80, DT_NOCLIP = 0x100, DT_EXTERNALLEADING = 0x200, DT_CALCRECT = 0x400,
                      DT_NOPREFIX = 0x800, DT_INTERNAL = 0x1000, DT_EDITCONTROL = 0x2000,
                      DT_PATH_ELLIPSIS = 0x4000, DT_END_ELLIPSIS = 0x8000, DT_MODIFYSTRING = 0x10000,
                      DT_RTLREADING = 0x20000, DT_WORD_ELLIPSIS = 0x40000, DT_NOFULLWIDTHCHARBREAK = 0x80000,
                      DT_HIDEPREFIX = 0x100000, DT_PREFIXONLY = 0x200000;
