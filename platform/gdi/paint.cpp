// Span painting with colours and patterns; see paint.h.
#include "platform/gdi/paint.h"

#include <algorithm>

#include "platform/gdi/bitmap_object.h"
#include "platform/gdi/brush_object.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/geometry.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/palette_object.h"
#include "platform/gdi/pen_object.h"
#include "platform/gdi/raster_ops.h"
#include "platform/gdi/rop_engine.h"
#include "platform/gdi/stock_objects.h"

namespace gdi {
namespace {

Pixel Fit(const DeviceContext& dc, COLORREF color) {
  const Pixel p = ColorRefToPixel(ResolveColor(dc, color));
  const BitmapObject* target = dc.Target();
  return target ? target->Surface().Representable(p) : p;
}

int Mod(int a, int m) {
  const int r = a % m;
  return r < 0 ? r + m : r;
}

// Paints one row x0 <= x < x1 of the target.
void PaintRow(PixelSurface& surface, int y, int x0, int x1, const PaintSource& paint, std::uint8_t rop,
              std::vector<Pixel>& pattern, std::vector<std::uint8_t>& mask, std::vector<Pixel>& converted) {
  const int n = x1 - x0;
  const std::uint8_t* m = nullptr;
  const Pixel* p = PatternRow(paint, y, x0, n, pattern, mask, &m);
  if (surface.BitsPerPixel() == 32) {
    ApplyRop3(rop, surface.Row32(y) + x0, nullptr, p, paint.solid, m, n);
    return;
  }
  converted.resize(std::size_t(n));
  surface.ReadSpan(y, x0, n, converted.data());
  ApplyRop3(rop, converted.data(), nullptr, p, paint.solid, m, n);
  surface.WriteSpan(y, x0, n, converted.data());
}

// A solid colour copied onto a 32-bit surface: each row filled in place, with none of the per-row
// pattern and span work (frames of one-pixel lines are mostly rows of one pixel).
void FillRects32(PixelSurface& surface, const TRect* rects, std::size_t count, Pixel solid) {
  for (const TRect* r = rects; r != rects + count; ++r)
    for (int y = r->Top; y < r->Bottom; ++y) std::fill(surface.Row32(y) + r->Left, surface.Row32(y) + r->Right, solid);
}

void PaintRects(PixelSurface& surface, const TRect* rects, std::size_t count, const PaintSource& paint,
                std::uint8_t rop) {
  if (rop == 0xF0 && paint.width <= 0 && surface.BitsPerPixel() == 32) {   // PATCOPY, solid
    FillRects32(surface, rects, count, paint.solid);
    return;
  }
  std::vector<Pixel> pattern, converted;
  std::vector<std::uint8_t> mask;
  for (const TRect* r = rects; r != rects + count; ++r)
    for (int y = r->Top; y < r->Bottom; ++y)
      PaintRow(surface, y, r->Left, r->Right, paint, rop, pattern, mask, converted);
}

void PaintClipped(PixelSurface& surface, const RegionData& pixels, const PaintSource& paint, std::uint8_t rop) {
  PaintRects(surface, pixels.Rects().data(), pixels.Rects().size(), paint, rop);
}

}  // namespace

const Pixel* PatternRow(const PaintSource& paint, int y, int x, int n, std::vector<Pixel>& values,
                        std::vector<std::uint8_t>& opaque, const std::uint8_t** mask) {
  *mask = nullptr;
  if (paint.width <= 0) return nullptr;
  const std::size_t row = std::size_t(Mod(y - paint.origin.Y, paint.height)) * std::size_t(paint.width);
  const int start = Mod(x - paint.origin.X, paint.width);
  values.resize(std::size_t(n));
  if (!paint.opaque.empty()) opaque.resize(std::size_t(n));
  for (int i = 0, px = start; i < n; ++i) {
    values[std::size_t(i)] = paint.values[row + std::size_t(px)];
    if (!paint.opaque.empty()) opaque[std::size_t(i)] = paint.opaque[row + std::size_t(px)];
    if (++px == paint.width) px = 0;
  }
  if (!paint.opaque.empty()) *mask = opaque.data();
  return values.data();
}

COLORREF ResolveColor(const DeviceContext& dc, COLORREF color) {
  if ((color >> 24) == 0x01) {
    const PaletteObject* palette = dc.State().palette;
    const std::size_t index = color & 0xFFFF;
    if (palette && index < palette->Entries().size()) {
      const PALETTEENTRY& e = palette->Entries()[index];
      return RGB(e.peRed, e.peGreen, e.peBlue);
    }
    return 0;
  }
  return color & 0x00FFFFFF;
}

PaintSource ColorPaint(const DeviceContext& dc, COLORREF color) {
  PaintSource paint;
  paint.solid = Fit(dc, color);
  return paint;
}

PaintSource BrushPaint(const DeviceContext& dc, const BrushObject* brush) {
  PaintSource paint;
  if (!brush || brush->IsNull()) {
    paint.none = true;
    return paint;
  }
  const DcState& s = dc.State();
  const COLORREF color = brush == StockBrush(DC_BRUSH) ? s.dcBrushColor : brush->Color();
  paint.origin = {s.brushOrg.X + dc.Origin().X, s.brushOrg.Y + dc.Origin().Y};
  switch (brush->Style()) {
    case BS_HATCHED: {
      paint.width = paint.height = 8;
      const Pixel line = Fit(dc, color), back = Fit(dc, s.bkColor);
      const bool opaque = s.bkMode == OPAQUE;
      for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
          const bool on = HatchBit(brush->Hatch(), x, y);
          paint.values.push_back(on ? line : back);
          if (!opaque) paint.opaque.push_back(on ? 1 : 0);
        }
      return paint;
    }
    case BS_PATTERN:
    case BS_DIBPATTERN:
    case BS_DIBPATTERNPT: {
      paint.width = brush->PatternWidth();
      paint.height = brush->PatternHeight();
      if (brush->MonochromePattern()) {
        const Pixel fore = Fit(dc, s.textColor), back = Fit(dc, s.bkColor);
        for (std::uint8_t bit : brush->PatternBits()) paint.values.push_back(bit ? back : fore);
      } else {
        const BitmapObject* target = dc.Target();
        for (Pixel v : brush->PatternPixels()) paint.values.push_back(target ? target->Surface().Representable(v) : v);
      }
      return paint;
    }
    default: paint.solid = Fit(dc, color); return paint;
  }
}

COLORREF PenColor(const DeviceContext& dc, const PenObject* pen) {
  return pen == StockPen(DC_PEN) ? dc.State().dcPenColor : pen->Color();
}

std::uint8_t MixRop(const DeviceContext& dc) { return Rop2ToRop3Index(dc.State().rop2); }

void PaintPixels(DeviceContext& dc, const RegionData& pixels, const PaintSource& paint, std::uint8_t rop3) {
  BitmapObject* target = dc.Target();
  if (!target || paint.none || pixels.IsEmpty()) return;
  PaintClipped(target->Surface(), pixels.Intersect(dc.EffectiveClip()), paint, rop3);
}

void PaintRect(DeviceContext& dc, const TRect& surfaceRect, const PaintSource& paint, std::uint8_t rop3) {
  BitmapObject* target = dc.Target();
  if (!target || paint.none || IsRectEmpty(&surfaceRect)) return;
  const RegionData& clip = dc.EffectiveClip();
  if (clip.Rects().size() == 1) {
    // A rectangular clip (the usual case) needs no region built for the intersection.
    TRect painted;
    if (IntersectRect(&painted, &clip.Rects().front(), &surfaceRect)) PaintRects(target->Surface(), &painted, 1, paint, rop3);
    return;
  }
  PaintClipped(target->Surface(), clip.Intersect(surfaceRect), paint, rop3);
}

}  // namespace gdi
