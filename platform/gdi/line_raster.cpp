// Cosmetic line stepping; see line_raster.h.
#include "platform/gdi/line_raster.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/gdi/polygon_fill.h"

namespace gdi {

void LinePixels(TPoint a, TPoint b, bool includeEnd, const TRect& limit, std::vector<LinePixel>& out) {
  const std::int64_t dx = std::int64_t(b.X) - a.X, dy = std::int64_t(b.Y) - a.Y;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const std::int64_t major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
  const std::int64_t length = std::llabs(major);
  const std::int64_t steps = length + (includeEnd ? 1 : 0);
  if (steps == 0) return;
  const std::int64_t sign = major >= 0 ? 1 : -1;
  const std::int64_t start = xMajor ? a.X : a.Y, other = xMajor ? a.Y : a.X;
  const std::int64_t lo = xMajor ? limit.Left : limit.Top, hi = xMajor ? limit.Right : limit.Bottom;
  const std::int64_t otherLo = xMajor ? limit.Top : limit.Left, otherHi = xMajor ? limit.Bottom : limit.Right;

  // Steps i with lo <= start + sign * i < hi.
  std::int64_t first = 0, last = steps;   // [first, last)
  if (sign > 0) {
    first = std::max<std::int64_t>(first, lo - start);
    last = std::min<std::int64_t>(last, hi - start);
  } else {
    first = std::max<std::int64_t>(first, start - hi + 1);
    last = std::min<std::int64_t>(last, start - lo + 1);
  }
  for (std::int64_t i = first; i < last; ++i) {
    // Nearest integer to i * minor / length, halves toward minus infinity.
    const std::int64_t offset = length == 0 ? 0 : CeilDiv(2 * i * minor - length, 2 * length);
    const std::int64_t m = start + sign * i, o = other + offset;
    if (o < otherLo || o >= otherHi) continue;
    out.push_back(xMajor ? LinePixel{int(m), int(o), i} : LinePixel{int(o), int(m), i});
  }
}

}  // namespace gdi
