// A font's text metrics in whole pixels, computed from the values its tables give in font units.
//
// Rules (those of the platform for outline fonts):
// - The em size in pixels (ppem) follows lfHeight: a negative height is the em size itself; a
//   positive one is the cell height ascent + descent, so ppem = round(lfHeight * upem / (winAscent
//   + winDescent)); 0 means a 16-pixel cell.  ppem is kept within 1 .. 2048.
// - tmAscent = round(winAscent * ppem / upem), tmDescent likewise, tmHeight their sum,
//   tmInternalLeading = tmHeight - ppem (not below 0), tmExternalLeading = the line gap the
//   horizontal header asks for beyond the cell, not below 0.
// - The cell is the named face's own.  Characters a fallback face supplies (Thai for the Latin
//   faces) are fitted into it by the realized font (realized_font.h), never the other way round,
//   so a font measures as the face its name asks for.
// - tmAveCharWidth scales the face's average advance: the weighted average of the lowercase
//   letters and the space (weights per thousand: a 64, b 14, c 27, ... space 166), the definition
//   of the average width that the platform's fonts carry; a face without lowercase letters gives
//   its table's average.  tmMaxCharWidth scales the largest advance.  Both use the horizontal em
//   size (ppem, or what lfWidth asks for).
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
  int xAvgCharWidth = 0;      // the OS/2 table's average advance
  int weightedAverage = 0;    // the weighted average of the lowercase letters (0: none)
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

// The weights per thousand of the average width: a .. z, then the space.
inline constexpr int kAverageWidthWeights[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6, 35, 20, 56,
                                                 56, 17, 4,  49, 56, 71,  31, 10, 18, 3,  18, 2, 166};

// The em size in pixels the request asks for (lfHeight rule above).
int PixelsPerEm(const FaceTables& face, LONG lfHeight);

struct ScaledMetrics {
  int ppem = 0;          // vertical em size
  double ppemX = 0;      // horizontal em size (differs when lfWidth asks for another width)
  TEXTMETRICW tm{};
  Decorations decorations;
};

// Metrics of the face at the requested size.  A non-zero lfWidth sets the horizontal em size so
// that the average advance becomes lfWidth.  The character fields and tmCharSet are left for the
// caller.
ScaledMetrics ScaleMetrics(const FaceTables& face, const LOGFONTW& request);

}  // namespace gdi
