// Path recording and flattening; see path_recorder.h.
#include "platform/gdi/path_recorder.h"

#include <cmath>
#include <cstdlib>

#include "platform/gdi/gdi_constants.h"

namespace gdi {

void PathRecorder::MoveTo(FixPoint p) {
  points_.push_back(p);
  types_.push_back(PT_MOVETO);
  figureOpen_ = true;
}

void PathRecorder::LineTo(FixPoint from, FixPoint p) {
  if (!figureOpen_) MoveTo(from);
  points_.push_back(p);
  types_.push_back(PT_LINETO);
}

void PathRecorder::BezierTo(FixPoint from, FixPoint c1, FixPoint c2, FixPoint p) {
  if (!figureOpen_) MoveTo(from);
  for (const FixPoint& q : {c1, c2, p}) {
    points_.push_back(q);
    types_.push_back(PT_BEZIERTO);
  }
}

void PathRecorder::CloseFigure() {
  if (!figureOpen_ || types_.empty()) return;
  types_.back() |= PT_CLOSEFIGURE;
  figureOpen_ = false;
}

void PathRecorder::AddClosed(const std::vector<FixPoint>& points) {
  if (points.empty()) return;
  MoveTo(points[0]);
  for (std::size_t i = 1; i < points.size(); ++i) LineTo(points[i - 1], points[i]);
  CloseFigure();
}

std::vector<PathRecorder::Figure> PathRecorder::Flatten() const {
  std::vector<Figure> figures;
  for (std::size_t i = 0; i < points_.size();) {
    const std::uint8_t type = types_[i] & ~PT_CLOSEFIGURE;
    if (type == PT_MOVETO || figures.empty()) figures.push_back({{}, false});
    Figure& f = figures.back();
    if (type == PT_BEZIERTO && i + 2 < points_.size() && !f.points.empty()) {
      FlattenBezier(f.points.back(), points_[i], points_[i + 1], points_[i + 2], f.points);
      i += 2;
    } else {
      f.points.push_back(points_[i]);
    }
    if (types_[i] & PT_CLOSEFIGURE) f.closed = true;
    ++i;
  }
  return figures;
}

void PathRecorder::FlattenInPlace() {
  const std::vector<Figure> figures = Flatten();
  points_.clear();
  types_.clear();
  figureOpen_ = false;
  for (const Figure& f : figures) {
    if (f.points.empty()) continue;
    MoveTo(f.points[0]);
    for (std::size_t i = 1; i < f.points.size(); ++i) LineTo(f.points[i - 1], f.points[i]);
    if (f.closed) CloseFigure();
  }
}

void FlattenBezier(FixPoint p0, FixPoint c1, FixPoint c2, FixPoint p3, std::vector<FixPoint>& out) {
  // Enough steps that consecutive points lie within a quarter pixel of the curve.
  const double dd = std::abs(double(p0.x - 2 * c1.x + c2.x)) + std::abs(double(p0.y - 2 * c1.y + c2.y)) +
                    std::abs(double(c1.x - 2 * c2.x + p3.x)) + std::abs(double(c1.y - 2 * c2.y + p3.y));
  const int steps = std::max(1, std::min(1024, int(std::ceil(std::sqrt(dd * 3.0 / (kFix / 4.0) / 4.0)))));
  for (int k = 1; k <= steps; ++k) {
    const double t = double(k) / steps, u = 1 - t;
    const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    out.push_back({std::llround(a * double(p0.x) + b * double(c1.x) + c * double(c2.x) + d * double(p3.x)),
                   std::llround(a * double(p0.y) + b * double(c1.y) + c * double(c2.y) + d * double(p3.y))});
  }
}

}  // namespace gdi
