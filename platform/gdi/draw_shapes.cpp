// Lines and shapes; see draw.h.  Every call converts its coordinates to the surface, then either
// records into the open path or computes the pixel sets and paints them (paint.h, stroke.h).
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "platform/gdi/brush_object.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/ellipse_shape.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/line_raster.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/path_recorder.h"
#include "platform/gdi/pen_object.h"
#include "platform/gdi/polygon_fill.h"
#include "platform/gdi/stroke.h"

using namespace gdi;

namespace {

bool Recording(const DeviceContext& c) { return c.Path() && c.Path()->IsOpen(); }

FixPoint DeviceFix(const DeviceContext& c, TPoint logical) { return ToFix(c.ToDevice(logical)); }

// Adds a closed figure given in surface coordinates to the open path, which holds device ones.
void RecordClosed(DeviceContext& c, std::vector<FixPoint> figure) {
  const TPoint o = c.Origin();
  for (FixPoint& q : figure) q = {q.x - o.X * kFix, q.y - o.Y * kFix};
  c.Path()->AddClosed(figure);
}

std::vector<TPoint> ToSurface(const DeviceContext& c, const TPoint* points, int count) {
  std::vector<TPoint> out;
  out.reserve(std::size_t(count));
  for (int i = 0; i < count; ++i) out.push_back(c.ToSurface(points[i]));
  return out;
}

TRect Limit(const DeviceContext& c) { return c.EffectiveClip().Box(); }

// The pixels the pen covers along a polyline (closed or not), for subtracting from fills.
RegionData OutlinePixels(const DeviceContext& c, const std::vector<FixPoint>& path, bool closed) {
  const PenObject* pen = c.State().pen;
  if (!pen || pen->IsNull()) return {};
  if (pen->IsGeometric()) return GeometricStrokeArea(*pen, path, closed, Limit(c));
  std::vector<Span> spans;
  std::vector<LinePixel> pixels;
  const std::size_t n = path.size();
  for (std::size_t i = 0; i < (closed ? n : n - 1); ++i) {
    const FixPoint a = path[i], b = path[(i + 1) % n];
    pixels.clear();
    LinePixels(NearestPixel(a), NearestPixel(b), false, Limit(c), pixels);
    for (const LinePixel& p : pixels) spans.push_back({p.y, p.x, p.x + 1});
  }
  return RegionData::FromSpans(std::move(spans));
}

bool HasPen(const DeviceContext& c) { return c.State().pen && !c.State().pen->IsNull(); }

void FillInterior(DeviceContext& c, const RegionData& area, const RegionData& outline) {
  const BrushObject* brush = c.State().brush;
  if (!brush || brush->IsNull()) return;
  PaintPixels(c, outline.IsEmpty() ? area : area.Subtract(outline), BrushPaint(c, brush), MixRop(c));
}

// --- boxes and curves ---------------------------------------------------------------------------

// The box of a closed shape in surface coordinates, normalized.
TRect SurfaceBox(const DeviceContext& c, int left, int top, int right, int bottom) {
  return NormalizedRect(c.ToSurfaceRect(TRect{left, top, right, bottom}));
}

// The box of the outline's centre line: the last column and row are r - 1 and b - 1; a geometric
// PS_INSIDEFRAME pen moves it inward so the whole outline stays inside the box.
struct PathBox {
  double left, top, right, bottom;
};

PathBox OutlineBox(const DeviceContext& c, const TRect& box) {
  PathBox p{double(box.Left), double(box.Top), double(box.Right - 1), double(box.Bottom - 1)};
  const PenObject* pen = c.State().pen;
  if (pen && pen->IsGeometric() && pen->LineStyle() == PS_INSIDEFRAME) {
    const int w = pen->Width();
    p.left += w / 2;
    p.top += w / 2;
    p.right -= (w - 1) / 2;
    p.bottom -= (w - 1) / 2;
    if (p.right < p.left) p.left = p.right = (p.left + p.right) / 2;
    if (p.bottom < p.top) p.top = p.bottom = (p.top + p.bottom) / 2;
  }
  return p;
}

FixPoint FixOf(double x, double y) { return {std::llround(x * kFix), std::llround(y * kFix)}; }

// Points of the ellipse inscribed in the path box from angle a0 to a1 (radians, counterclockwise on
// screen, 0 pointing right).
void EllipseArcPoints(const PathBox& b, double a0, double a1, std::vector<FixPoint>& out) {
  const double cx = (b.left + b.right) / 2, cy = (b.top + b.bottom) / 2;
  const double rx = (b.right - b.left) / 2, ry = (b.bottom - b.top) / 2;
  const int steps = std::max(4, int(std::ceil(std::abs(a1 - a0) * std::max(1.0, (rx + ry) / 2) / 1.5)));
  for (int k = 0; k <= steps; ++k) {
    const double a = a0 + (a1 - a0) * k / steps;
    out.push_back(FixOf(cx + rx * std::cos(a), cy - ry * std::sin(a)));
  }
}

// The closed outline of a rounded rectangle on the path box (quarter ellipses of cw x ch).
std::vector<FixPoint> RoundRectPath(const PathBox& b, double cw, double ch) {
  cw = std::min(cw, b.right - b.left);
  ch = std::min(ch, b.bottom - b.top);
  std::vector<FixPoint> pts;
  const double pi = std::numbers::pi;
  EllipseArcPoints({b.right - cw, b.top, b.right, b.top + ch}, 0, pi / 2, pts);
  EllipseArcPoints({b.left, b.top, b.left + cw, b.top + ch}, pi / 2, pi, pts);
  EllipseArcPoints({b.left, b.bottom - ch, b.left + cw, b.bottom}, pi, 3 * pi / 2, pts);
  EllipseArcPoints({b.right - cw, b.bottom - ch, b.right, b.bottom}, 3 * pi / 2, 2 * pi, pts);
  return pts;
}

std::vector<FixPoint> RectPath(const PathBox& b) {
  return {FixOf(b.left, b.top), FixOf(b.right, b.top), FixOf(b.right, b.bottom), FixOf(b.left, b.bottom)};
}

// Outline pixels of a curve's area for a cosmetic pen, in drawing order (by angle around the
// centre, starting at angle `from` and running counterclockwise).
std::vector<TPoint> OrderedBoundary(const RegionData& boundary, double cx, double cy, double from) {
  std::vector<std::pair<double, TPoint>> keyed;
  for (const TRect& r : boundary.Rects())
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) {
        double a = std::atan2(cy - y, x - cx) - from;
        while (a < 0) a += 2 * std::numbers::pi;
        keyed.push_back({a, {x, y}});
      }
  std::sort(keyed.begin(), keyed.end(), [](const auto& p, const auto& q) { return p.first < q.first; });
  std::vector<TPoint> out;
  for (const auto& k : keyed) out.push_back(k.second);
  return out;
}

// Draws a closed curved shape: `area` is the shape filled to its full box, `path` its outline's
// centre line for geometric pens.
void DrawClosedCurve(DeviceContext& c, const RegionData& area, const RegionData& nullPenArea,
                     const std::vector<FixPoint>& path, double cx, double cy) {
  const PenObject* pen = c.State().pen;
  if (!HasPen(c)) {
    FillInterior(c, nullPenArea, {});
    return;
  }
  if (pen->IsGeometric()) {
    const RegionData outline = GeometricStrokeArea(*pen, path, true, Limit(c));
    FillInterior(c, area, outline);
    StrokeFixedPolyline(c, path, true);
    return;
  }
  const RegionData outline = area.Boundary();
  FillInterior(c, area, outline);
  if (pen->LineStyle() == PS_SOLID || pen->LineStyle() == PS_INSIDEFRAME)
    PaintPixels(c, outline, ColorPaint(c, PenColor(c, pen)), MixRop(c));
  else
    StrokeCurvePixels(c, OrderedBoundary(outline, cx, cy, 0));
}

// --- arcs ---------------------------------------------------------------------------------------

double AngleOf(double cx, double cy, double x, double y) { return std::atan2(cy - y, x - cx); }

// Whether angle a lies on the arc from a0 to a1 in the given direction.
bool OnArc(double a, double a0, double a1, bool counterClockwise) {
  const double tau = 2 * std::numbers::pi;
  auto norm = [tau](double v) {
    v = std::fmod(v, tau);
    return v < 0 ? v + tau : v;
  };
  const double span = counterClockwise ? norm(a1 - a0) : norm(a0 - a1);
  const double at = counterClockwise ? norm(a - a0) : norm(a0 - a);
  return span == 0 || at <= span;
}

enum class ArcKind { Arc, Pie, Chord };

RegionData FilterByAngle(const RegionData& pixels, double cx, double cy, double a0, double a1, bool ccw) {
  std::vector<Span> spans;
  for (const TRect& r : pixels.Rects())
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        if (OnArc(AngleOf(cx, cy, x, y), a0, a1, ccw)) spans.push_back({y, x, x + 1});
  return RegionData::FromSpans(std::move(spans));
}

RegionData FilterByChord(const RegionData& pixels, FixPoint p0, FixPoint p1, double mx, double my) {
  // Keep the side of the chord line where the arc's middle lies (and the line itself).
  auto side = [&](double x, double y) {
    return (double(p1.x - p0.x) * (y * kFix - double(p0.y)) - double(p1.y - p0.y) * (x * kFix - double(p0.x)));
  };
  const double want = side(mx, my);
  std::vector<Span> spans;
  for (const TRect& r : pixels.Rects())
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        if (side(x, y) * want >= 0) spans.push_back({y, x, x + 1});
  return RegionData::FromSpans(std::move(spans));
}

BOOL DrawArcShape(HDC dc, ArcKind kind, int left, int top, int right, int bottom, int xs, int ys, int xe, int ye,
                  bool moveTo) {
  DeviceContext* c = FindDC(dc);
  if (!c) return 0;
  const TRect box = SurfaceBox(*c, left, top, right, bottom);
  const TPoint s = c->ToSurface({xs, ys}), e = c->ToSurface({xe, ye});
  const PathBox pb = OutlineBox(*c, box);
  const double cx = (pb.left + pb.right) / 2, cy = (pb.top + pb.bottom) / 2;
  const bool ccw = c->State().arcDirection == AD_COUNTERCLOCKWISE;
  const double a0 = AngleOf(cx, cy, s.X, s.Y);
  double a1 = AngleOf(cx, cy, e.X, e.Y);
  const double tau = 2 * std::numbers::pi;
  // The sweep in the drawing direction; equal radials sweep the whole ellipse.
  double sweep = ccw ? std::fmod(a1 - a0 + 2 * tau, tau) : -std::fmod(a0 - a1 + 2 * tau, tau);
  if (sweep == 0) sweep = ccw ? tau : -tau;
  a1 = a0 + sweep;

  std::vector<FixPoint> arc;
  EllipseArcPoints(pb, a0, a1, arc);
  const FixPoint centre = FixOf(cx, cy);
  std::vector<FixPoint> figure = arc;
  if (kind == ArcKind::Pie) figure.push_back(centre);
  const TPoint offset = c->Origin();
  if (Recording(*c)) {
    PathRecorder* path = c->Path();
    for (std::size_t i = 0; i < figure.size(); ++i) {
      const FixPoint d{figure[i].x - offset.X * kFix, figure[i].y - offset.Y * kFix};
      if (i == 0 && !moveTo) path->MoveTo(d);
      else path->LineTo(DeviceFix(*c, c->State().position), d);
    }
    if (kind != ArcKind::Arc) path->CloseFigure();
  } else if (kind == ArcKind::Arc) {
    const PenObject* pen = c->State().pen;
    if (pen && pen->IsGeometric()) StrokeFixedPolyline(*c, arc, false);
    else if (HasPen(*c)) {
      const RegionData outline = FilterByAngle(EllipsePixels(box, Limit(*c)).Boundary(), cx, cy, std::min(a0, a1),
                                               std::max(a0, a1), true);
      StrokeCurvePixels(*c, OrderedBoundary(outline, cx, cy, std::min(a0, a1)));
    }
  } else {
    const RegionData full = EllipsePixels(box, Limit(*c));
    const double mid = (a0 + a1) / 2;
    const double mx = cx + (pb.right - pb.left) / 2 * std::cos(mid), my = cy - (pb.bottom - pb.top) / 2 * std::sin(mid);
    auto cut = [&](const RegionData& r) {
      return kind == ArcKind::Pie ? FilterByAngle(r, cx, cy, std::min(a0, a1), std::max(a0, a1), true)
                                  : FilterByChord(r, arc.front(), arc.back(), mx, my);
    };
    const RegionData area = cut(full);
    const PenObject* pen = c->State().pen;
    if (!HasPen(*c)) {
      FillInterior(*c, cut(EllipsePixels({box.Left, box.Top, box.Right - 1, box.Bottom - 1}, Limit(*c))), {});
    } else if (pen->IsGeometric()) {
      FillInterior(*c, area, GeometricStrokeArea(*pen, figure, true, Limit(*c)));
      StrokeFixedPolyline(*c, figure, true);
    } else {
      // The curved part of the outline, then the straight sides.
      RegionData outline = cut(full.Boundary());
      std::vector<FixPoint> sides = kind == ArcKind::Pie ? std::vector<FixPoint>{arc.back(), centre, arc.front()}
                                                         : std::vector<FixPoint>{arc.back(), arc.front()};
      RegionData straight = OutlinePixels(*c, sides, false);
      const TPoint lastPixel = NearestPixel(sides.back());
      straight = straight.Union(RegionData(TRect{lastPixel.X, lastPixel.Y, lastPixel.X + 1, lastPixel.Y + 1}));
      outline = outline.Union(straight);
      FillInterior(*c, area, outline);
      PaintPixels(*c, outline, ColorPaint(*c, PenColor(*c, pen)), MixRop(*c));
    }
  }
  if (moveTo) {
    const TPoint end = NearestPixel(arc.back());
    c->State().position = c->ToLogical({end.X - offset.X, end.Y - offset.Y});
  }
  return 1;
}

}  // namespace

BOOL LineTo(HDC dc, int x, int y) {
  DeviceContext* c = FindDC(dc);
  if (!c) return 0;
  const TPoint from = c->State().position;
  c->State().position = {x, y};
  if (Recording(*c)) {
    c->Path()->LineTo(DeviceFix(*c, from), DeviceFix(*c, {x, y}));
    return 1;
  }
  StrokePolyline(*c, {c->ToSurface(from), c->ToSurface({x, y})}, false);
  return 1;
}

BOOL Polyline(HDC dc, const TPoint* points, int count) {
  DeviceContext* c = FindDC(dc);
  if (!c || !points || count < 2) return 0;
  if (Recording(*c)) {
    c->Path()->MoveTo(DeviceFix(*c, points[0]));
    for (int i = 1; i < count; ++i) c->Path()->LineTo(DeviceFix(*c, points[i - 1]), DeviceFix(*c, points[i]));
    return 1;
  }
  StrokePolyline(*c, ToSurface(*c, points, count), false);
  return 1;
}

BOOL PolylineTo(HDC dc, const TPoint* points, int count) {
  DeviceContext* c = FindDC(dc);
  if (!c || !points || count < 1) return 0;
  if (Recording(*c)) {
    for (int i = 0; i < count; ++i)
      c->Path()->LineTo(DeviceFix(*c, i ? points[i - 1] : c->State().position), DeviceFix(*c, points[i]));
  } else {
    std::vector<TPoint> pts{c->ToSurface(c->State().position)};
    for (int i = 0; i < count; ++i) pts.push_back(c->ToSurface(points[i]));
    StrokePolyline(*c, pts, false);
  }
  c->State().position = points[count - 1];
  return 1;
}

BOOL PolyPolyline(HDC dc, const TPoint* points, const DWORD* counts, DWORD polylines) {
  if (!points || !counts) return 0;
  for (DWORD i = 0; i < polylines; ++i) {
    if (!Polyline(dc, points, int(counts[i]))) return 0;
    points += counts[i];
  }
  return 1;
}

BOOL PolyBezierTo(HDC dc, const TPoint* points, DWORD count) {
  DeviceContext* c = FindDC(dc);
  if (!c || !points || count % 3 != 0) return 0;
  if (Recording(*c)) {
    for (DWORD i = 0; i < count; i += 3)
      c->Path()->BezierTo(DeviceFix(*c, i ? points[i - 1] : c->State().position), DeviceFix(*c, points[i]),
                          DeviceFix(*c, points[i + 1]), DeviceFix(*c, points[i + 2]));
  } else {
    std::vector<FixPoint> pts{ToFix(c->ToSurface(c->State().position))};
    for (DWORD i = 0; i < count; i += 3)
      FlattenBezier(pts.back(), ToFix(c->ToSurface(points[i])), ToFix(c->ToSurface(points[i + 1])),
                    ToFix(c->ToSurface(points[i + 2])), pts);
    StrokeFlattened(*c, pts, false);
  }
  if (count) c->State().position = points[count - 1];
  return 1;
}

BOOL PolyBezier(HDC dc, const TPoint* points, DWORD count) {
  DeviceContext* c = FindDC(dc);
  if (!c || !points || count < 1 || (count - 1) % 3 != 0) return 0;
  const TPoint saved = c->State().position;
  c->State().position = points[0];
  if (Recording(*c)) c->Path()->MoveTo(DeviceFix(*c, points[0]));
  const BOOL ok = PolyBezierTo(dc, points + 1, count - 1);
  c->State().position = saved;   // PolyBezier leaves the current position alone
  return ok;
}

BOOL PolyPolygon(HDC dc, const TPoint* points, const int* counts, int polygons) {
  DeviceContext* c = FindDC(dc);
  if (!c || !points || !counts || polygons < 1) return 0;
  std::vector<std::vector<TPoint>> figures;
  std::vector<Contour> contours;
  const TPoint* p = points;
  for (int i = 0; i < polygons; ++i) {
    if (counts[i] < 2) return 0;
    figures.push_back(ToSurface(*c, p, counts[i]));
    Contour contour;
    for (const TPoint& q : figures.back()) contour.push_back(ToFix(q));
    contours.push_back(std::move(contour));
    p += counts[i];
  }
  if (Recording(*c)) {
    for (const Contour& contour : contours) RecordClosed(*c, contour);
    return 1;
  }
  std::vector<Span> spans;
  FillContours(contours, c->State().polyFillMode, Limit(*c), spans);
  RegionData outline;
  for (const Contour& contour : contours) outline = outline.Union(OutlinePixels(*c, contour, true));
  FillInterior(*c, RegionData::FromSpans(std::move(spans)), outline);
  for (const std::vector<TPoint>& figure : figures) StrokePolyline(*c, figure, true);
  return 1;
}

BOOL Polygon(HDC dc, const TPoint* points, int count) { return PolyPolygon(dc, points, &count, 1); }

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
  DeviceContext* c = FindDC(dc);
  if (!c) return 0;
  const TRect box = SurfaceBox(*c, left, top, right, bottom);
  const std::vector<FixPoint> path = RectPath(OutlineBox(*c, box));
  if (Recording(*c)) {
    RecordClosed(*c, path);
    return 1;
  }
  if (IsRectEmpty(&box)) return 1;
  // The fill covers the box less its last column and row; the outline goes over its border.
  const RegionData inner({box.Left, box.Top, box.Right - 1, box.Bottom - 1});
  const PenObject* pen = c->State().pen;
  if (!HasPen(*c)) {
    FillInterior(*c, inner, {});
    return 1;
  }
  if (pen->IsGeometric()) {
    FillInterior(*c, inner, GeometricStrokeArea(*pen, path, true, Limit(*c)));
    StrokeFixedPolyline(*c, path, true);
    return 1;
  }
  FillInterior(*c, RegionData({box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1}), {});
  if (box.Width() == 1 || box.Height() == 1) {
    PaintPixels(*c, RegionData(box), ColorPaint(*c, PenColor(*c, pen)), MixRop(*c));
    return 1;
  }
  StrokePolyline(*c, {{box.Left, box.Top}, {box.Right - 1, box.Top}, {box.Right - 1, box.Bottom - 1}, {box.Left, box.Bottom - 1}},
                 true);
  return 1;
}

BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  DeviceContext* c = FindDC(dc);
  if (!c) return 0;
  const TRect box = SurfaceBox(*c, left, top, right, bottom);
  const int cw = std::abs(cornerWidth), ch = std::abs(cornerHeight);
  if (cw <= 1 || ch <= 1) return Rectangle(dc, left, top, right, bottom);
  const PathBox pb = OutlineBox(*c, box);
  const std::vector<FixPoint> path = RoundRectPath(pb, cw - 1, ch - 1);
  if (Recording(*c)) {
    RecordClosed(*c, path);
    return 1;
  }
  if (IsRectEmpty(&box)) return 1;
  const TRect limit = Limit(*c);
  DrawClosedCurve(*c, RoundRectPixels(box, cw, ch, limit),
                  RoundRectPixels({box.Left, box.Top, box.Right - 1, box.Bottom - 1}, cw, ch, limit), path,
                  (pb.left + pb.right) / 2, (pb.top + pb.bottom) / 2);
  return 1;
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom) {
  DeviceContext* c = FindDC(dc);
  if (!c) return 0;
  const TRect box = SurfaceBox(*c, left, top, right, bottom);
  const PathBox pb = OutlineBox(*c, box);
  std::vector<FixPoint> path;
  EllipseArcPoints(pb, 0, 2 * std::numbers::pi, path);
  path.pop_back();   // the last point repeats the first
  if (Recording(*c)) {
    RecordClosed(*c, path);
    return 1;
  }
  if (IsRectEmpty(&box)) return 1;
  const TRect limit = Limit(*c);
  DrawClosedCurve(*c, EllipsePixels(box, limit), EllipsePixels({box.Left, box.Top, box.Right - 1, box.Bottom - 1}, limit),
                  path, (pb.left + pb.right) / 2, (pb.top + pb.bottom) / 2);
  return 1;
}

BOOL Arc(HDC dc, int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
  return DrawArcShape(dc, ArcKind::Arc, left, top, right, bottom, xs, ys, xe, ye, false);
}

BOOL ArcTo(HDC dc, int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
  DeviceContext* c = FindDC(dc);
  if (!c) return 0;
  // A line from the current position to the arc's start, then the arc; the position moves to its end.
  const TRect box = NormalizedRect({left, top, right, bottom});
  const double cx = (box.Left + box.Right - 1) / 2.0, cy = (box.Top + box.Bottom - 1) / 2.0;
  const double rx = (box.Right - box.Left - 1) / 2.0, ry = (box.Bottom - box.Top - 1) / 2.0;
  const double a = std::atan2(cy - ys, xs - cx);
  LineTo(dc, int(std::lround(cx + rx * std::cos(a))), int(std::lround(cy - ry * std::sin(a))));
  return DrawArcShape(dc, ArcKind::Arc, left, top, right, bottom, xs, ys, xe, ye, true);
}

BOOL Pie(HDC dc, int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
  return DrawArcShape(dc, ArcKind::Pie, left, top, right, bottom, xs, ys, xe, ye, false);
}

BOOL Chord(HDC dc, int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
  return DrawArcShape(dc, ArcKind::Chord, left, top, right, bottom, xs, ys, xe, ye, false);
}
