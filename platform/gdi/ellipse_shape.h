// The pixels of ellipses and rounded rectangles.
//
// The ellipse of a box (l, t, r, b) (half-open) covers the pixels whose centres lie inside the
// ellipse with the box's centre and half its width and height as semi-axes:
//     ((2x - (l + r - 1)) / (r - l))^2 + ((2y - (t + b - 1)) / (b - t))^2 <= 1,
// evaluated exactly in integers.  Its widest row reaches x = l and x = r - 1, its tallest column
// y = t and y = b - 1 (for boxes too thin for that, the centre column or row is added across
// the box), and it is symmetric in both axes.  A rounded rectangle is the union of the four corner
// ellipses (each cw x ch, in the corners of the box) and the two bands between their centre
// columns and rows; corners of 1 pixel or less make a plain rectangle.
#pragma once

#include "platform/gdi/geometry.h"
#include "platform/gdi/region_data.h"

namespace gdi {

RegionData RoundRectPixels(const TRect& box, int cornerWidth, int cornerHeight, const TRect& limit);
inline RegionData EllipsePixels(const TRect& box, const TRect& limit) {
  return RoundRectPixels(box, box.Width(), box.Height(), limit);
}

}  // namespace gdi
