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

// The cell's extent above and below the baseline in ems.
struct Cell {
  double ascent, descent;
};

Cell FaceCell(const FaceTables& f) {
  const double upem = std::max(1, f.unitsPerEm);
  if (f.winAscent + f.winDescent > 0) return {f.winAscent / upem, f.winDescent / upem};
  if (f.hheaAscender - f.hheaDescender > 0) return {f.hheaAscender / upem, -f.hheaDescender / upem};
  return {0.8, 0.2};
}

int AverageAdvance(const FaceTables& f) { return f.weightedAverage > 0 ? f.weightedAverage : f.xAvgCharWidth; }

int Pixels(double ems, int ppem) { return int(std::lround(ems * ppem)); }

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
  long ppem = 0;
  if (lfHeight < 0) {
    ppem = -long(lfHeight);
  } else {
    const Cell cell = FaceCell(face);
    const long height = lfHeight == 0 ? kDefaultCellHeight : lfHeight;
    ppem = std::lround(double(height) / std::max(0.01, cell.ascent + cell.descent));
  }
  return int(std::clamp<long>(ppem, 1, kMaxPixelsPerEm));
}

ScaledMetrics ScaleMetrics(const FaceTables& face, const LOGFONTW& request) {
  ScaledMetrics m;
  const int upem = std::max(1, face.unitsPerEm);
  m.ppem = PixelsPerEm(face, request.lfHeight);
  m.ppemX = m.ppem;
  const int average = AverageAdvance(face);
  if (request.lfWidth > 0 && average > 0)
    m.ppemX = std::clamp(double(request.lfWidth) * upem / average, 1.0, double(kMaxPixelsPerEm));

  const Cell cell = FaceCell(face);
  TEXTMETRICW& tm = m.tm;
  tm.tmAscent = Pixels(cell.ascent, m.ppem);
  tm.tmDescent = Pixels(cell.descent, m.ppem);
  tm.tmHeight = tm.tmAscent + tm.tmDescent;
  tm.tmInternalLeading = std::max(0, tm.tmHeight - m.ppem);
  const double lineSpacing = double(face.hheaLineGap + face.hheaAscender - face.hheaDescender) / upem;
  tm.tmExternalLeading = std::max(0, Pixels(lineSpacing - (cell.ascent + cell.descent), m.ppem));
  tm.tmAveCharWidth = std::max(1, Scale(average, m.ppemX, upem));
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
