// Text metrics from font tables; see font_metrics.h.
#include "platform/gdi/font_metrics.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/text_constants.h"

namespace gdi {
namespace {

constexpr int kDefaultCellHeight = 16;
constexpr int kMaxPixelsPerEm = 2048;

int Scale(int units, double ppem, int unitsPerEm) { return int(std::lround(units * ppem / unitsPerEm)); }

// The cell's extent above and below the baseline in font units.
std::pair<int, int> CellUnits(const FaceTables& f) {
  if (f.winAscent + f.winDescent > 0) return {f.winAscent, f.winDescent};
  if (f.hheaAscender - f.hheaDescender > 0) return {f.hheaAscender, -f.hheaDescender};
  return {f.unitsPerEm * 4 / 5, f.unitsPerEm / 5};
}

BYTE PitchAndFamily(const FaceTables& f) {
  const BYTE family = f.fixedPitch ? FF_MODERN : f.serif ? FF_ROMAN : FF_SWISS;
  return BYTE(family | TMPF_VECTOR | TMPF_TRUETYPE | (f.fixedPitch ? 0 : TMPF_FIXED_PITCH));
}

Decorations ScaleDecorations(const FaceTables& f, int ppem, int ascent, int descent) {
  Decorations d;
  const int upem = f.unitsPerEm;
  d.underlineThickness = std::max(1, Scale(f.underlineThickness, ppem, upem));
  d.underlineOffset = std::max(1, Scale(-f.underlinePosition, ppem, upem));
  if (descent > 0) d.underlineOffset = std::min(d.underlineOffset, std::max(0, descent - d.underlineThickness));
  d.strikeoutThickness = f.strikeoutSize > 0 ? std::max(1, Scale(f.strikeoutSize, ppem, upem)) : d.underlineThickness;
  d.strikeoutOffset = f.strikeoutPosition > 0 ? Scale(f.strikeoutPosition, ppem, upem) : ascent / 3;
  return d;
}

}  // namespace

int PixelsPerEm(const FaceTables& face, LONG lfHeight) {
  const int upem = std::max(1, face.unitsPerEm);
  long ppem = 0;
  if (lfHeight < 0) {
    ppem = -long(lfHeight);
  } else {
    const auto [ascent, descent] = CellUnits(face);
    const long cell = lfHeight == 0 ? kDefaultCellHeight : lfHeight;
    ppem = std::lround(double(cell) * upem / std::max(1, ascent + descent));
  }
  return int(std::clamp<long>(ppem, 1, kMaxPixelsPerEm));
}

ScaledMetrics ScaleMetrics(const FaceTables& face, const LOGFONTW& request) {
  ScaledMetrics m;
  const int upem = std::max(1, face.unitsPerEm);
  m.ppem = PixelsPerEm(face, request.lfHeight);
  m.ppemX = m.ppem;
  if (request.lfWidth > 0 && face.xAvgCharWidth > 0)
    m.ppemX = std::clamp(double(request.lfWidth) * upem / face.xAvgCharWidth, 1.0, double(kMaxPixelsPerEm));

  const auto [ascentUnits, descentUnits] = CellUnits(face);
  TEXTMETRICW& tm = m.tm;
  tm.tmAscent = Scale(ascentUnits, m.ppem, upem);
  tm.tmDescent = Scale(descentUnits, m.ppem, upem);
  tm.tmHeight = tm.tmAscent + tm.tmDescent;
  tm.tmInternalLeading = std::max(0, tm.tmHeight - m.ppem);
  const int gap = face.hheaLineGap - ((ascentUnits + descentUnits) - (face.hheaAscender - face.hheaDescender));
  tm.tmExternalLeading = std::max(0, Scale(gap, m.ppem, upem));
  tm.tmAveCharWidth = std::max(1, Scale(face.xAvgCharWidth, m.ppemX, upem));
  tm.tmMaxCharWidth = std::max(tm.tmAveCharWidth, Scale(face.maxAdvance, m.ppemX, upem));
  tm.tmWeight = request.lfWeight > 0 ? std::clamp<LONG>(request.lfWeight, 1, 1000) : FW_NORMAL;
  tm.tmOverhang = 0;
  tm.tmDigitizedAspectX = tm.tmDigitizedAspectY = 96;
  tm.tmItalic = request.lfItalic ? 1 : 0;
  tm.tmUnderlined = request.lfUnderline ? 1 : 0;
  tm.tmStruckOut = request.lfStrikeOut ? 1 : 0;
  tm.tmPitchAndFamily = PitchAndFamily(face);
  m.decorations = ScaleDecorations(face, m.ppem, tm.tmAscent, tm.tmDescent);
  return m;
}

}  // namespace gdi
