// A font's text metrics in whole pixels, computed from the values its tables give in font units.
//
// Rules (those of the platform for outline fonts):
// - The em size in pixels (ppem) follows lfHeight: a negative height is the em size itself; a
//   positive one is the cell height ascent + descent, so ppem = round(lfHeight * upem / (winAscent
//   + winDescent)); 0 means a 16-pixel cell.  ppem is kept within 1 .. 2048.
// - tmAscent = round(winAscent * ppem / upem), tmDescent likewise, tmHeight their sum,
//   tmInternalLeading = tmHeight - ppem (not below 0), tmExternalLeading = the line gap the
//   horizontal header asks for beyond the cell, not below 0.
// - The cell also holds the glyphs of the face that supplies Thai when the font has none (Loma
//   for the Liberation fonts): ascent and descent are the larger of the two faces' at the same em
//   size, so Thai text with stacked marks stays inside the box it measures.  Positive heights
//   count this combined cell.
// - tmAveCharWidth and tmMaxCharWidth scale the tables' average and largest advances by the
//   horizontal em size (ppem, or what lfWidth asks for).
// - tmPitchAndFamily: TMPF_VECTOR | TMPF_TRUETYPE, plus TMPF_FIXED_PITCH for variable-pitch faces,
//   with the family from the face's classification (monospaced: FF_MODERN, serif: FF_ROMAN,
//   otherwise FF_SWISS).
// Rounding is half away from zero.  Fonts without win metrics use the horizontal header's.
#pragma once

#include <cstdint>

#include "platform/gdi/font_types.h"

namespace gdi {

// The font-unit values a face's tables give (fields missing in a font are 0).
struct FaceTables {
  int unitsPerEm = 2048;
  int winAscent = 0;
  int winDescent = 0;
  int hheaAscender = 0;
  int hheaDescender = 0;   // negative below the baseline
  int hheaLineGap = 0;
  int xAvgCharWidth = 0;
  int maxAdvance = 0;
  int underlinePosition = 0;   // negative below the baseline
  int underlineThickness = 0;
  int strikeoutPosition = 0;   // above the baseline
  int strikeoutSize = 0;
  bool fixedPitch = false;
  bool serif = false;
};

// Where the font's underline and strike-out go: rows below (underline) or above (strike-out) the
// baseline in pixels, and their thickness.  The underline stays inside the cell.
struct Decorations {
  int underlineOffset = 1;
  int underlineThickness = 1;
  int strikeoutOffset = 1;
  int strikeoutThickness = 1;
};

// The em size in pixels the request asks for (lfHeight rule above); thai is the Thai fallback
// face's tables, or null when the face has Thai itself.
int PixelsPerEm(const FaceTables& face, const FaceTables* thai, LONG lfHeight);

struct ScaledMetrics {
  int ppem = 0;          // vertical em size
  double ppemX = 0;      // horizontal em size (differs when lfWidth asks for another width)
  TEXTMETRICW tm{};
  Decorations decorations;
};

// Metrics of the face at the requested size.  A non-zero lfWidth sets the horizontal em size so
// that the average advance becomes lfWidth.  The character fields and tmCharSet are left for the
// caller.
ScaledMetrics ScaleMetrics(const FaceTables& face, const FaceTables* thai, const LOGFONTW& request);

}  // namespace gdi
