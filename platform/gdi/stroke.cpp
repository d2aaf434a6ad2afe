// Cosmetic and geometric pen outlines; see stroke.h.
#include "platform/gdi/stroke.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/brush_object.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/line_raster.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/pen_object.h"

namespace gdi {
namespace {

constexpr double kMiterLimit = 10.0;   // in half-widths

// Dash lengths (on, off, ...) of a pen; empty for solid lines.
std::vector<double> DashPattern(const PenObject& pen, bool geometric) {
  const double w = geometric ? std::max(1, pen.Width()) : 1;
  switch (pen.LineStyle()) {
    case PS_DASH: return geometric ? std::vector<double>{3 * w, w} : std::vector<double>{18, 6};
    case PS_DOT: return geometric ? std::vector<double>{w, w} : std::vector<double>{3, 3};
    case PS_DASHDOT: return geometric ? std::vector<double>{3 * w, w, w, w} : std::vector<double>{9, 6, 3, 6};
    case PS_DASHDOTDOT:
      return geometric ? std::vector<double>{3 * w, w, w, w, w, w} : std::vector<double>{9, 3, 3, 3, 3, 3};
    case PS_ALTERNATE: return {1, 1};
    case PS_USERSTYLE: {
      std::vector<double> d;
      for (DWORD e : pen.UserStyle()) d.push_back(double(e));
      double total = 0;
      for (double v : d) total += v;
      if (total <= 0) return {};
      if (d.size() % 2) d.insert(d.end(), d.begin(), d.end());   // odd counts repeat with roles swapped
      return d;
    }
    default: return {};
  }
}

bool DashOn(const std::vector<double>& pattern, double position) {
  double total = 0;
  for (double v : pattern) total += v;
  double p = std::fmod(position, total);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (p < pattern[i]) return i % 2 == 0;
    p -= pattern[i];
  }
  return true;
}

TRect ClipBox(const DeviceContext& dc) { return dc.EffectiveClip().Box(); }

// Paints the on pixels in the pen colour and, for styled pens in OPAQUE mode, the off pixels in the
// background colour.
void PaintCosmetic(DeviceContext& dc, std::vector<Span>& on, std::vector<Span>& off) {
  const PenObject* pen = dc.State().pen;
  const std::uint8_t rop = MixRop(dc);
  PaintPixels(dc, RegionData::FromSpans(std::move(on)), ColorPaint(dc, PenColor(dc, pen)), rop);
  if (!off.empty() && dc.State().bkMode == OPAQUE)
    PaintPixels(dc, RegionData::FromSpans(std::move(off)), ColorPaint(dc, dc.State().bkColor), rop);
}

void AddPixel(std::vector<Span>& spans, int x, int y) { spans.push_back({y, x, x + 1}); }

// --- geometric pieces -------------------------------------------------------------------------

struct Vec {
  double x, y;
};

FixPoint Fix(double x, double y) { return {std::llround(x), std::llround(y)}; }

void AddPolygon(std::vector<Span>& spans, std::initializer_list<FixPoint> points, const TRect& limit) {
  FillContours({Contour(points)}, WINDING, limit, spans);
}

// A disc of radius r (fixed-point) around c: pixel centres strictly inside.
void AddDisc(std::vector<Span>& spans, FixPoint c, double r, const TRect& limit) {
  const double rr = r * r;
  const std::int64_t yFirst = std::max<std::int64_t>(CeilDiv(std::int64_t(std::floor(c.y - r)), kFix), limit.Top);
  const std::int64_t yLast = std::min<std::int64_t>(FloorDiv(std::int64_t(std::ceil(c.y + r)), kFix) + 1, limit.Bottom);
  for (std::int64_t y = yFirst; y < yLast; ++y) {
    const double dy = double(y * kFix - c.y);
    const double rest = rr - dy * dy;
    if (rest <= 0) continue;
    const double half = std::sqrt(rest);
    // Pixel centres x*256 with |x*256 - c.x| < half.
    std::int64_t x0 = std::int64_t(std::floor((double(c.x) - half) / double(kFix))) + 1;
    std::int64_t x1 = std::int64_t(std::ceil((double(c.x) + half) / double(kFix)));   // exclusive
    x0 = std::max<std::int64_t>(x0, limit.Left);
    x1 = std::min<std::int64_t>(x1, limit.Right);
    if (x0 < x1) spans.push_back({int(y), int(x0), int(x1)});
  }
}

void AddSegment(std::vector<Span>& spans, FixPoint a, FixPoint b, double half, UINT cap, bool capStart,
                bool capEnd, const TRect& limit) {
  const double dx = double(b.x - a.x), dy = double(b.y - a.y);
  const double len = std::hypot(dx, dy);
  if (len == 0) return;
  const Vec d{dx / len, dy / len};
  const Vec n{-d.y * half, d.x * half};
  const double s0 = (capStart && cap == PS_ENDCAP_SQUARE) ? half : 0;
  const double s1 = (capEnd && cap == PS_ENDCAP_SQUARE) ? half : 0;
  const double ax = double(a.x) - d.x * s0, ay = double(a.y) - d.y * s0;
  const double bx = double(b.x) + d.x * s1, by = double(b.y) + d.y * s1;
  AddPolygon(spans, {Fix(ax + n.x, ay + n.y), Fix(bx + n.x, by + n.y), Fix(bx - n.x, by - n.y), Fix(ax - n.x, ay - n.y)},
             limit);
  if (cap == PS_ENDCAP_ROUND) {
    if (capStart) AddDisc(spans, a, half, limit);
    if (capEnd) AddDisc(spans, b, half, limit);
  }
}

void AddJoin(std::vector<Span>& spans, FixPoint prev, FixPoint at, FixPoint next, double half, UINT join,
             const TRect& limit) {
  if (join == PS_JOIN_ROUND) {
    AddDisc(spans, at, half, limit);
    return;
  }
  const double ux = double(at.x - prev.x), uy = double(at.y - prev.y);
  const double vx = double(next.x - at.x), vy = double(next.y - at.y);
  const double lu = std::hypot(ux, uy), lv = std::hypot(vx, vy);
  if (lu == 0 || lv == 0) return;
  const double cross = ux * vy - uy * vx;
  if (cross == 0) return;   // straight on: the segments' bands already meet
  // The outer side of the turn.
  const double side = cross > 0 ? -1 : 1;
  const Vec n1{-uy / lu * half * side, ux / lu * half * side};
  const Vec n2{-vy / lv * half * side, vx / lv * half * side};
  const FixPoint p1 = Fix(double(at.x) + n1.x, double(at.y) + n1.y);
  const FixPoint p2 = Fix(double(at.x) + n2.x, double(at.y) + n2.y);
  if (join == PS_JOIN_MITER) {
    const double cosTheta = (ux * vx + uy * vy) / (lu * lv);
    const double miter = 1.0 / std::sqrt(std::max(1e-12, (1 + cosTheta) / 2));   // in half-widths
    if (miter <= kMiterLimit) {
      const double mx = n1.x + n2.x, my = n1.y + n2.y;
      const double ml = std::hypot(mx, my);
      const FixPoint m = Fix(double(at.x) + mx / ml * half * miter, double(at.y) + my / ml * half * miter);
      AddPolygon(spans, {at, p1, m, p2}, limit);
      return;
    }
  }
  AddPolygon(spans, {at, p1, p2}, limit);
}

// Splits the polyline into dashes (sub-polylines) by arc length.
std::vector<std::vector<FixPoint>> Dashes(const std::vector<FixPoint>& points, const std::vector<double>& pattern) {
  std::vector<std::vector<FixPoint>> dashes;
  std::size_t element = 0;
  double left = pattern[0] * kFix;   // remaining length of the current element
  bool on = true;
  std::vector<FixPoint> current{points[0]};
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    double ax = double(points[i].x), ay = double(points[i].y);
    const double bx = double(points[i + 1].x), by = double(points[i + 1].y);
    double seg = std::hypot(bx - ax, by - ay);
    while (seg > left) {
      const double t = left / seg;
      ax += (bx - ax) * t;
      ay += (by - ay) * t;
      seg -= left;
      const FixPoint cut = Fix(ax, ay);
      if (on) {
        current.push_back(cut);
        dashes.push_back(std::move(current));
        current.clear();
      } else {
        current = {cut};
      }
      on = !on;
      element = (element + 1) % pattern.size();
      left = pattern[element] * kFix;
    }
    left -= seg;
    if (on) current.push_back(points[i + 1]);
  }
  if (on && current.size() > 1) dashes.push_back(std::move(current));
  return dashes;
}

void AddStroke(std::vector<Span>& spans, const std::vector<FixPoint>& pts, bool closed, double half, UINT cap,
               UINT join, const TRect& limit) {
  const std::size_t n = pts.size();
  if (n == 1 || std::all_of(pts.begin(), pts.end(), [&](const FixPoint& p) { return p == pts[0]; })) {
    if (cap == PS_ENDCAP_ROUND) AddDisc(spans, pts[0], half, limit);
    else if (cap == PS_ENDCAP_SQUARE)
      AddPolygon(spans, {Fix(double(pts[0].x) - half, double(pts[0].y) - half), Fix(double(pts[0].x) + half, double(pts[0].y) - half),
                         Fix(double(pts[0].x) + half, double(pts[0].y) + half), Fix(double(pts[0].x) - half, double(pts[0].y) + half)},
                 limit);
    return;
  }
  const std::size_t segments = closed ? n : n - 1;
  for (std::size_t i = 0; i < segments; ++i) {
    const bool first = !closed && i == 0, last = !closed && i + 1 == segments;
    AddSegment(spans, pts[i], pts[(i + 1) % n], half, cap, first, last, limit);
  }
  for (std::size_t i = closed ? 0 : 1; i < (closed ? n : n - 1); ++i)
    AddJoin(spans, pts[(i + n - 1) % n], pts[i], pts[(i + 1) % n], half, join, limit);
}

}  // namespace

RegionData GeometricStrokeArea(const PenObject& pen, const std::vector<FixPoint>& input, bool closed,
                               const TRect& limit) {
  std::vector<FixPoint> pts;
  for (const FixPoint& p : input)
    if (pts.empty() || !(pts.back() == p)) pts.push_back(p);
  if (closed && pts.size() > 1 && pts.front() == pts.back()) pts.pop_back();
  if (pts.empty()) return {};
  const double half = std::max(1, pen.Width()) * double(kFix) / 2;
  const bool extended = pen.Kind() == ObjectKind::ExtPen;
  const UINT cap = extended ? pen.EndCap() : PS_ENDCAP_ROUND;
  const UINT join = extended ? pen.Join() : PS_JOIN_ROUND;
  std::vector<Span> spans;
  const std::vector<double> pattern = DashPattern(pen, true);
  if (pattern.empty()) {
    AddStroke(spans, pts, closed, half, cap, join, limit);
  } else {
    if (closed) pts.push_back(pts.front());
    for (const std::vector<FixPoint>& dash : Dashes(pts, pattern)) AddStroke(spans, dash, false, half, cap, join, limit);
  }
  return RegionData::FromSpans(std::move(spans));
}

void StrokeFixedPolyline(DeviceContext& dc, const std::vector<FixPoint>& points, bool closed) {
  const PenObject* pen = dc.State().pen;
  if (!pen || pen->IsNull() || points.empty() || !dc.Target()) return;
  const RegionData area = GeometricStrokeArea(*pen, points, closed, ClipBox(dc));
  BrushObject brush(pen->Brush().lbStyle, PenColor(dc, pen), pen->Brush().lbHatch);
  PaintPixels(dc, area, pen->Brush().lbStyle == BS_SOLID ? ColorPaint(dc, PenColor(dc, pen)) : BrushPaint(dc, &brush),
              MixRop(dc));
}

void StrokeFlattened(DeviceContext& dc, const std::vector<FixPoint>& points, bool closed) {
  const PenObject* pen = dc.State().pen;
  if (pen && pen->IsGeometric()) {
    StrokeFixedPolyline(dc, points, closed);
    return;
  }
  std::vector<TPoint> rounded;
  rounded.reserve(points.size());
  for (const FixPoint& p : points) rounded.push_back(NearestPixel(p));
  StrokePolyline(dc, rounded, closed);
}

void StrokePolyline(DeviceContext& dc, const std::vector<TPoint>& points, bool closed) {
  const PenObject* pen = dc.State().pen;
  if (!pen || pen->IsNull() || points.empty() || !dc.Target()) return;
  if (pen->IsGeometric()) {
    std::vector<FixPoint> fixed;
    for (const TPoint& p : points) fixed.push_back(ToFix(p));
    StrokeFixedPolyline(dc, fixed, closed);
    return;
  }
  const std::vector<double> pattern = DashPattern(*pen, false);
  const TRect limit = ClipBox(dc);
  std::vector<Span> on, off;
  std::vector<LinePixel> pixels;
  long long position = 0;
  const std::size_t n = points.size();
  const std::size_t segments = closed ? n : n - 1;
  for (std::size_t i = 0; i < segments; ++i) {
    const TPoint a = points[i], b = points[(i + 1) % n];
    pixels.clear();
    LinePixels(a, b, false, limit, pixels);
    for (const LinePixel& p : pixels) {
      if (pattern.empty() || DashOn(pattern, double(position + p.step))) AddPixel(on, p.x, p.y);
      else AddPixel(off, p.x, p.y);
    }
    position += std::max(std::llabs(static_cast<long long>(b.X) - a.X), std::llabs(static_cast<long long>(b.Y) - a.Y));
  }
  PaintCosmetic(dc, on, off);
}

void StrokeCurvePixels(DeviceContext& dc, const std::vector<TPoint>& pixels) {
  const PenObject* pen = dc.State().pen;
  if (!pen || pen->IsNull() || !dc.Target()) return;
  const std::vector<double> pattern = DashPattern(*pen, false);
  std::vector<Span> on, off;
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    if (pattern.empty() || DashOn(pattern, double(i))) AddPixel(on, pixels[i].X, pixels[i].Y);
    else AddPixel(off, pixels[i].X, pixels[i].Y);
  }
  PaintCosmetic(dc, on, off);
}

}  // namespace gdi
