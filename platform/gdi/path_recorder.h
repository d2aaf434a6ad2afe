// The path a device context records between BeginPath and EndPath: figures of points in device
// coordinates (fixed-point, 1/256 pixel), each point a PT_MOVETO, PT_LINETO or PT_BEZIERTO (three
// points per curve), PT_CLOSEFIGURE or-ed into the last point of a closed figure.  Drawing calls add
// to it instead of drawing while it is open; the text layer adds glyph outlines through the same
// calls.  Curves are flattened (to a quarter pixel) when the path is filled, stroked or turned
// into a region.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/polygon_fill.h"

namespace gdi {

class PathRecorder {
 public:
  struct Figure {
    std::vector<FixPoint> points;   // flattened
    bool closed;
  };

  bool IsOpen() const { return open_; }
  void End() { open_ = false; }

  void MoveTo(FixPoint p);
  // Lines and curves continue the open figure, or start one at `from` (the current position).
  void LineTo(FixPoint from, FixPoint p);
  void BezierTo(FixPoint from, FixPoint c1, FixPoint c2, FixPoint p);
  void CloseFigure();
  // A whole closed figure (polygons, rectangles, flattened ellipses).
  void AddClosed(const std::vector<FixPoint>& points);

  const std::vector<FixPoint>& Points() const { return points_; }
  const std::vector<std::uint8_t>& Types() const { return types_; }
  std::vector<Figure> Flatten() const;
  // Replaces curves by their flattened lines.
  void FlattenInPlace();

 private:
  bool open_ = true;
  bool figureOpen_ = false;
  std::vector<FixPoint> points_;
  std::vector<std::uint8_t> types_;
};

// Points along a cubic Bezier curve from p0 (exclusive) to p3 (inclusive).
void FlattenBezier(FixPoint p0, FixPoint c1, FixPoint c2, FixPoint p3, std::vector<FixPoint>& out);

}  // namespace gdi
