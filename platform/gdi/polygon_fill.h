// Scan conversion of polygons: which pixels a filled outline covers.
//
// Vertices are fixed-point (1/256 pixel); pixel (x, y) has its centre at (256x, 256y).  A pixel is
// covered when its centre lies inside the outline under the fill rule (ALTERNATE: odd crossing
// count; WINDING: nonzero winding number).  Centres exactly on an edge follow the top-left rule:
// on a left or top edge inside, on a right or bottom edge outside.  So the polygon (0,0) (10,0)
// (10,10) (0,10) covers exactly the 10 x 10 pixels (0..9, 0..9), and polygons that share an edge
// never share a pixel.  All arithmetic is exact integer arithmetic.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/geometry.h"
#include "platform/gdi/region_data.h"

namespace gdi {

inline constexpr std::int64_t kFix = 256;

struct FixPoint {
  std::int64_t x;
  std::int64_t y;
  friend bool operator==(const FixPoint&, const FixPoint&) = default;
};

inline FixPoint ToFix(TPoint p) { return {p.X * kFix, p.Y * kFix}; }

using Contour = std::vector<FixPoint>;

// Appends the spans of the covered pixels (each contour is closed implicitly), only those within
// `limit` (drawing passes its clip box, so huge shapes cost no more than what shows).
void FillContours(const std::vector<Contour>& contours, int fillMode, const TRect& limit, std::vector<Span>& out);

// Coordinates beyond this many pixels from the origin are clamped (the platform's 27-bit limit).
inline constexpr std::int64_t kCoordinateLimit = std::int64_t(1) << 27;
// The limit used where no clip applies (regions): the whole coordinate range.
inline constexpr TRect kNoLimit{-(1 << 27), -(1 << 27), 1 << 27, 1 << 27};

// Floor and ceiling of a / b for b > 0.
inline std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
inline std::int64_t CeilDiv(std::int64_t a, std::int64_t b) { return -FloorDiv(-a, b); }

// The pixel whose centre is nearest to `p`; a point halfway between two centres goes right or down.
inline TPoint NearestPixel(FixPoint p) {
  return {LONG(FloorDiv(p.x + kFix / 2, kFix)), LONG(FloorDiv(p.y + kFix / 2, kFix))};
}

}  // namespace gdi
