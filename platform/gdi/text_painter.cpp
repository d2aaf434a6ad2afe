// Painting text runs; see text_painter.h.
#include "platform/gdi/text_painter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/gdi/bitmap_object.h"
#include "platform/gdi/cluster_shaper.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/glyph_cache.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/polygon_fill.h"
#include "platform/gdi/realized_font.h"
#include "platform/gdi/text_units.h"

namespace gdi {
namespace {

// cos and sin of an escapement in tenths of a degree, exact at the quarter turns.
std::pair<double, double> Direction(int tenths) {
  switch (tenths) {
    case 0: return {1, 0};
    case 900: return {0, 1};
    case 1800: return {-1, 0};
    case 2700: return {0, -1};
    default: {
      const double a = tenths * std::numbers::pi / 1800.0;
      return {std::cos(a), std::sin(a)};
    }
  }
}

bool Overlaps(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

void WriteRun(PixelSurface& surface, int y, int x0, int x1, Pixel pixel) {
  if (surface.BitsPerPixel() == 32) {
    std::fill(surface.Row32(y) + x0, surface.Row32(y) + x1, pixel);
    return;
  }
  thread_local std::vector<Pixel> run;
  run.assign(std::size_t(x1 - x0), pixel);
  surface.WriteSpan(y, x0, x1 - x0, run.data());
}

}  // namespace

TextPainter::TextPainter(DeviceContext& dc, RealizedFont& font, TPoint reference, TPoint offset, const TRect* clip) :
    dc_(dc), font_(font), ascent_(font.Metrics().tmAscent) {
  std::tie(cos_, sin_) = Direction(font.Escapement());
  upright_ = font.Escapement() == 0;
  const TPoint ref = dc.ToSurface(reference);
  originX_ = ref.X + offset.X * cos_ + offset.Y * sin_;
  originY_ = ref.Y - offset.X * sin_ + offset.Y * cos_;
  const RegionData& visible = dc.EffectiveClip();
  if (!clip) {
    clip_ = visible.Rects();
    return;
  }
  const TRect limit = dc.ToSurfaceRect(NormalizedRect(*clip));
  for (const TRect& r : visible.Rects()) {
    TRect both;
    if (IntersectRect(&both, &r, &limit)) clip_.push_back(both);
  }
}

TPoint TextPainter::FramePoint(double x, double y) const {
  return {LONG(std::floor(originX_ + x * cos_ + y * sin_ + 0.5)), LONG(std::floor(originY_ - x * sin_ + y * cos_ + 0.5))};
}

TPoint TextPainter::Along(TPoint from, int distance) const {
  return {from.X + LONG(std::lround(distance * cos_)), from.Y - LONG(std::lround(distance * sin_))};
}

void TextPainter::PaintSpans(const std::vector<Span>& spans, TRect box, TPoint at, Pixel pixel) {
  BitmapObject* target = dc_.Target();
  if (!target || spans.empty()) return;
  OffsetRect(&box, at.X, at.Y);
  thread_local std::vector<TRect> near;
  near.clear();
  for (const TRect& r : clip_)
    if (Overlaps(r, box)) near.push_back(r);
  PixelSurface& surface = target->Surface();
  for (const Span& s : spans) {
    const int y = at.Y + s.y;
    for (const TRect& r : near) {
      if (y < r.Top || y >= r.Bottom) continue;
      const int x0 = std::max<int>(at.X + s.x0, r.Left), x1 = std::min<int>(at.X + s.x1, r.Right);
      if (x0 < x1) WriteRun(surface, y, x0, x1, pixel);
    }
  }
}

void TextPainter::FillBox(int left, int top, int right, int bottom, COLORREF color) {
  if (left >= right || top >= bottom) return;
  std::vector<Span> spans;
  if (upright_) {
    const TPoint a = FramePoint(left, top);
    for (int y = 0; y < bottom - top; ++y) spans.push_back({a.Y + y, a.X, a.X + (right - left)});
  } else {
    auto fix = [this](double x, double y) {
      return FixPoint{std::llround((originX_ + x * cos_ + y * sin_) * kFix),
                      std::llround((originY_ - x * sin_ + y * cos_) * kFix)};
    };
    const Contour corners{fix(left, top), fix(right, top), fix(right, bottom), fix(left, bottom)};
    TRect limit{};
    for (const TRect& r : clip_) UnionRect(&limit, &limit, &r);
    FillContours({corners}, ALTERNATE, limit, spans);
  }
  TRect box{};
  for (const Span& s : spans) {
    const TRect row{s.x0, s.y, s.x1, s.y + 1};
    UnionRect(&box, &box, &row);
  }
  PaintSpans(spans, box, {0, 0}, ColorPaint(dc_, color).solid);
}

void TextPainter::DrawCluster(std::u16string_view cluster, int x, Pixel pixel) {
  for (const PlacedGlyph& g : font_.Clusters().Shape(cluster)) {
    const GlyphMask& mask = font_.Glyphs().Mask(g.face, g.glyph);
    PaintSpans(mask.spans, mask.box, FramePoint(x + g.dx, ascent_ + g.dy), pixel);
  }
}

void TextPainter::DrawGlyphs(std::u16string_view text, const std::vector<int>& x, COLORREF color) {
  const Pixel pixel = ColorPaint(dc_, color).solid;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t start = i;
    const CharInfo& base = font_.Char(DecodeUnit(text, i));
    std::size_t end = i;
    while (end < text.size()) {
      std::size_t next = end;
      if (!font_.Char(DecodeUnit(text, next)).mark) break;
      end = next;
    }
    if (end > i && !font_.Clusters().Shape(text.substr(start, end - start)).empty()) {
      DrawCluster(text.substr(start, end - start), x[start], pixel);
      i = end;
      continue;
    }
    if (base.face != CharInfo::kNoFace) {
      const GlyphMask& mask = font_.Glyphs().Mask(base.face, base.glyph);
      PaintSpans(mask.spans, mask.box, FramePoint(x[start], ascent_), pixel);
    }
  }
}

}  // namespace gdi
