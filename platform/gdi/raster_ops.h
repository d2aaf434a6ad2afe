// Raster-operation codes.  A ternary code (ROP3) names in bits 16..23 the truth table of
// destination, source and pattern: bit ((P << 2) | (S << 1) | D) of that byte is the result for
// those three input bits, applied to each bit of the pixel values.  A binary mix (ROP2, for pens
// and the brushes of filled shapes) is 1 + a 4-bit table indexed by ((P << 1) | D).
#pragma once

#include "platform/gdi/gdi_types.h"

inline constexpr DWORD SRCCOPY = 0x00CC0020, SRCPAINT = 0x00EE0086, SRCAND = 0x008800C6,
                       SRCINVERT = 0x00660046, SRCERASE = 0x00440328, NOTSRCCOPY = 0x00330008,
                       NOTSRCERASE = 0x001100A6, MERGECOPY = 0x00C000CA, MERGEPAINT = 0x00BB0226,
                       PATCOPY = 0x00F00021, PATPAINT = 0x00FB0A09, PATINVERT = 0x005A0049,
                       DSTINVERT = 0x00550009, BLACKNESS = 0x00000042, WHITENESS = 0x00FF0062;
inline constexpr DWORD NOMIRRORBITMAP = 0x80000000, CAPTUREBLT = 0x40000000;

inline constexpr int R2_BLACK = 1, R2_NOTMERGEPEN = 2, R2_MASKNOTPEN = 3, R2_NOTCOPYPEN = 4,
                     R2_MASKPENNOT = 5, R2_NOT = 6, R2_XORPEN = 7, R2_NOTMASKPEN = 8, R2_MASKPEN = 9,
                     R2_NOTXORPEN = 10, R2_NOP = 11, R2_MERGENOTPEN = 12, R2_COPYPEN = 13,
                     R2_MERGEPENNOT = 14, R2_MERGEPEN = 15, R2_WHITE = 16;

// The truth-table byte of a ternary code.
inline constexpr BYTE Rop3Index(DWORD rop) { return BYTE(rop >> 16); }

// Whether a ternary code reads the source or the pattern at all.
inline constexpr bool RopUsesSource(DWORD rop) {
  const BYTE t = Rop3Index(rop);
  return ((t >> 2) & 0x33) != (t & 0x33);
}
inline constexpr bool RopUsesPattern(DWORD rop) {
  const BYTE t = Rop3Index(rop);
  return ((t >> 4) & 0x0F) != (t & 0x0F);
}

// The ternary truth table that applies a binary mix (which ignores the source).
inline constexpr BYTE Rop2ToRop3Index(int rop2) {
  const int table = (rop2 - 1) & 0x0F;
  BYTE result = 0;
  for (int i = 0; i < 8; ++i) {
    const int p = (i >> 2) & 1, d = i & 1;
    if ((table >> ((p << 1) | d)) & 1) result |= BYTE(1 << i);
  }
  return result;
}
