// The pixels of a one-pixel (cosmetic) line.
//
// The line from a to b steps once per pixel along its major axis; the minor coordinate of each
// step is the exact line's value rounded to the nearest integer, halves toward the smaller
// coordinate, so a line and its reverse cover the same pixels.  The end point is left out unless
// asked for (the platform's LineTo rule).  Steps whose major coordinate lies outside `limit` are
// skipped without being walked, so a line to a far point costs what is visible.
#pragma once

#include <vector>

#include "platform/gdi/geometry.h"

namespace gdi {

struct LinePixel {
  int x;
  int y;
  long long step;   // 0 at a; used to continue dash patterns
};

void LinePixels(TPoint a, TPoint b, bool includeEnd, const TRect& limit, std::vector<LinePixel>& out);

}  // namespace gdi
