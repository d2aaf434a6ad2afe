// Single pixels, flood fills and rectangle fills; see draw.h.
#include <vector>

#include "platform/gdi/bitmap_object.h"
#include "platform/gdi/brush_object.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/raster_ops.h"
#include "platform/gdi/sys_colors.h"

using namespace gdi;

namespace {

// The surface pixel behind a logical point when it may be drawn, else nullptr.
PixelSurface* DrawableAt(DeviceContext* c, int x, int y, TPoint& p) {
  if (!c || !c->Target()) return nullptr;
  p = c->ToSurface({x, y});
  return c->EffectiveClip().Contains(p.X, p.Y) ? &c->Target()->Surface() : nullptr;
}

}  // namespace

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
  DeviceContext* c = FindDC(dc);
  TPoint p;
  PixelSurface* s = DrawableAt(c, x, y, p);
  if (!s) return CLR_INVALID;
  const Pixel v = s->Representable(ColorRefToPixel(ResolveColor(*c, color)) & 0x00FFFFFF);
  s->SetPixel(p.X, p.Y, v);
  return PixelToColorRef(v);
}

BOOL SetPixelV(HDC dc, int x, int y, COLORREF color) { return SetPixel(dc, x, y, color) != CLR_INVALID; }

COLORREF GetPixel(HDC dc, int x, int y) {
  DeviceContext* c = FindDC(dc);
  TPoint p;
  const PixelSurface* s = DrawableAt(c, x, y, p);
  return s ? PixelToColorRef(s->GetPixel(p.X, p.Y)) : CLR_INVALID;
}

BOOL ExtFloodFill(HDC dc, int x, int y, COLORREF color, UINT type) {
  DeviceContext* c = FindDC(dc);
  TPoint start;
  const PixelSurface* s = DrawableAt(c, x, y, start);
  if (!s) return 0;
  const Pixel key = s->Representable(ColorRefToPixel(ResolveColor(*c, color))) & 0x00FFFFFF;
  const RegionData& clip = c->EffectiveClip();
  const TRect box = clip.Box();
  auto fillable = [&](int px, int py) {
    const bool match = (s->GetPixel(px, py) & 0x00FFFFFF) == key;
    return (type == FLOODFILLSURFACE) == match && clip.Contains(px, py);
  };
  if (!fillable(start.X, start.Y)) return 0;
  // Scanline fill over the clip box: each popped seed fills its whole run, then seeds the rows
  // above and below.
  const int w = box.Width();
  std::vector<std::uint8_t> seen(std::size_t(w) * std::size_t(box.Height()), 0);
  auto mark = [&](int px, int py) -> std::uint8_t& { return seen[std::size_t(py - box.Top) * std::size_t(w) + std::size_t(px - box.Left)]; };
  std::vector<TPoint> stack{start};
  std::vector<Span> spans;
  while (!stack.empty()) {
    const TPoint p = stack.back();
    stack.pop_back();
    if (mark(p.X, p.Y)) continue;
    int x0 = p.X, x1 = p.X + 1;
    while (x0 > box.Left && !mark(x0 - 1, p.Y) && fillable(x0 - 1, p.Y)) --x0;
    while (x1 < box.Right && !mark(x1, p.Y) && fillable(x1, p.Y)) ++x1;
    for (int k = x0; k < x1; ++k) mark(k, p.Y) = 1;
    spans.push_back({p.Y, x0, x1});
    for (const int ny : {p.Y - 1, p.Y + 1}) {
      if (ny < box.Top || ny >= box.Bottom) continue;
      for (int k = x0; k < x1; ++k)
        if (!mark(k, ny) && fillable(k, ny) && (k == x0 || mark(k - 1, ny) || !fillable(k - 1, ny)))
          stack.push_back({k, ny});
    }
  }
  PaintPixels(*c, RegionData::FromSpans(std::move(spans)), BrushPaint(*c, c->State().brush), Rop3Index(PATCOPY));
  return 1;
}

BOOL FloodFill(HDC dc, int x, int y, COLORREF border) { return ExtFloodFill(dc, x, y, border, FLOODFILLBORDER); }

int FillRect(HDC dc, const TRect* rect, HBRUSH brush) {
  DeviceContext* c = FindDC(dc);
  BrushObject* b = BrushOrSysColor(brush);
  if (!c || !rect || !b) return 0;
  PaintRect(*c, c->ToSurfaceRect(*rect), BrushPaint(*c, b), Rop3Index(PATCOPY));
  return 1;
}

int FrameRect(HDC dc, const TRect* rect, HBRUSH brush) {
  DeviceContext* c = FindDC(dc);
  BrushObject* b = BrushOrSysColor(brush);
  if (!c || !rect || !b) return 0;
  const TRect r = c->ToSurfaceRect(*rect);
  if (IsRectEmpty(&r)) return 1;
  RegionData frame(r);
  frame = frame.Subtract(RegionData(TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}));
  PaintPixels(*c, frame, BrushPaint(*c, b), Rop3Index(PATCOPY));
  return 1;
}

BOOL InvertRect(HDC dc, const TRect* rect) {
  DeviceContext* c = FindDC(dc);
  if (!c || !rect) return 0;
  PaintRect(*c, c->ToSurfaceRect(*rect), PaintSource{}, Rop3Index(DSTINVERT));
  return 1;
}
