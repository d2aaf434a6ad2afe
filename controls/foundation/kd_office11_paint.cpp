#include "controls/foundation/kd_office11_paint.h"

#include <algorithm>

#include "controls/foundation/kd_office11.h"
#include "platform/core/mul_div.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pens_brushes.h"
#include "platform/shims/image_blending.h"

namespace {

HMODULE imageBlendingLibrary = nullptr;
GradientFillProc gradientFill = nullptr;

void GradientFillBySystem(HDC DC, const TRect& R, COLORREF c1, COLORREF c2, bool Horizontal) {
  const auto vertex = [](LONG x, LONG y, COLORREF c) {
    return TRIVERTEX{x, y, COLOR16(GetRValue(c) << 8), COLOR16(GetGValue(c) << 8), COLOR16(GetBValue(c) << 8), 0};
  };
  const TRIVERTEX vertices[2] = {vertex(R.Left, R.Top, c1), vertex(R.Right, R.Bottom, c2)};
  const GRADIENT_RECT mesh = {0, 1};
  gradientFill(DC, vertices, 2, &mesh, 1, Horizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}

void GradientFillByBands(HDC DC, const TRect& R, COLORREF c1, COLORREF c2, bool Horizontal) {
  const Integer start = Horizontal ? R.Left : R.Top, size = Horizontal ? R.Width() : R.Height();
  if (size <= 0) return;
  const Integer bands = std::min(size, 256);
  const auto channel = [bands](Integer i, Byte from, Byte to) {
    return bands == 1 ? from : Byte(from + MulDiv(i, Integer(to) - Integer(from), bands - 1));
  };
  Integer bandStart = start;
  for (Integer i = 0; i < bands; ++i) {
    const Integer bandEnd = start + MulDiv(i + 1, size, bands);
    const TColor color = TColor(RGB(channel(i, GetRValue(c1), GetRValue(c2)), channel(i, GetGValue(c1), GetGValue(c2)),
                                    channel(i, GetBValue(c1), GetBValue(c2))));
    const TRect band = Horizontal ? TRect{bandStart, R.Top, bandEnd, R.Bottom} : TRect{R.Left, bandStart, R.Right, bandEnd};
    if (bandEnd > bandStart) FillDCRectWithColor(DC, band, color);
    bandStart = bandEnd;
    if (bandEnd >= start + size) break;
  }
}

HBRUSH BrushOf(TColor color, HBRUSH schemeBrush) {
  return color == clDefault ? schemeBrush : CreateSolidBrush(ColorToRGB(color));
}

}  // namespace

void BindGradientFill() {
  imageBlendingLibrary = LoadLibraryA("msimg32.dll");
  if (imageBlendingLibrary != nullptr)
    gradientFill = reinterpret_cast<GradientFillProc>(GetProcAddress(imageBlendingLibrary, "GradientFill"));
}

void FreeGradientFill() {
  if (imageBlendingLibrary != nullptr) FreeLibrary(imageBlendingLibrary);
  imageBlendingLibrary = nullptr;
  gradientFill = nullptr;
}

bool IsGradientFillBound() { return gradientFill != nullptr; }

void GradientFillRect(HDC DC, const TRect& R, TColor Color1, TColor Color2, bool Horizontal) {
  const COLORREF c1 = ColorToRGB(Color1), c2 = ColorToRGB(Color2);
  if (c1 == c2) FillDCRectWithColor(DC, R, Color1);
  else if (gradientFill != nullptr) GradientFillBySystem(DC, R, c1, c2, Horizontal);
  else GradientFillByBands(DC, R, c1, c2, Horizontal);
}

void FillDCRectWithColor(HDC DC, const TRect& R, TColor Color) {
  const HBRUSH brush = CreateSolidBrush(ColorToRGB(Color));
  FillRect(DC, &R, brush);
  DeleteObject(brush);
}

void PaintDottedSizeGrip(HDC DC, const TRect& R, TColor DotColor, TColor ShadowColor) {
  const HBRUSH dotBrush = BrushOf(DotColor, Office11DotBrush);
  const HBRUSH shadowBrush = BrushOf(ShadowColor, Office11DotShadowBrush);
  TRect strip{R.Right - 12, R.Bottom - 3, R.Right, R.Bottom};
  for (int row = 0; row < 3; ++row) {
    DrawGripDots(DC, strip, false, dotBrush, shadowBrush);
    strip = {strip.Left + 4, strip.Top - 4, strip.Right, strip.Bottom - 4};
  }
  if (DotColor != clDefault) DeleteObject(dotBrush);
  if (ShadowColor != clDefault) DeleteObject(shadowBrush);
}

void DrawGripDots(HDC DC, const TRect& R, bool Vertical, HBRUSH DotBrush, HBRUSH ShadowBrush) {
  const Integer length = Vertical ? R.Height() : R.Width();
  const Integer rest = length % 4;
  const Integer shift = rest <= 1 ? rest : rest / 2;
  TRect cell{R.Left, R.Top, R.Left + 4, R.Top + 4};
  const auto advance = [&cell, Vertical](Integer by) {
    if (Vertical) cell = {cell.Left, cell.Top + by, cell.Right, cell.Bottom + by};
    else cell = {cell.Left + by, cell.Top, cell.Right + by, cell.Bottom};
  };
  advance(shift);
  while ((Vertical ? cell.Bottom <= R.Bottom : cell.Right <= R.Right)) {
    const TRect shadow{cell.Left + 1, cell.Top + 1, cell.Right - 1, cell.Bottom - 1};
    const TRect dot{shadow.Left - 1, shadow.Top - 1, shadow.Right - 1, shadow.Bottom - 1};
    FillRect(DC, &shadow, ShadowBrush);
    FillRect(DC, &dot, DotBrush);
    advance(4);
  }
}
