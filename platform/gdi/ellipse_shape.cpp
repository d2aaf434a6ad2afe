// Rows of ellipses and rounded rectangles; see ellipse_shape.h.
#include "platform/gdi/ellipse_shape.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/gdi/polygon_fill.h"

namespace gdi {
namespace {

using Wide = __int128;

std::int64_t ISqrt(std::int64_t v) {
  if (v <= 0) return 0;
  std::int64_t r = std::int64_t(std::sqrt(double(v)));
  while (Wide(r) * r > v) --r;
  while (Wide(r + 1) * (r + 1) <= v) ++r;
  return r;
}

// The leftmost pixel of row y of the ellipse in box (left, top, left + w, top + h); INT64_MAX when
// the row has no pixel of it.
std::int64_t EllipseRowLeft(std::int64_t left, std::int64_t top, std::int64_t w, std::int64_t h, std::int64_t y) {
  const std::int64_t y2 = 2 * y - (2 * top + h - 1);
  if (y2 * y2 > h * h) return INT64_MAX;
  const Wide d = Wide(w) * w * (Wide(h) * h - Wide(y2) * y2);
  const std::int64_t m = ISqrt(std::int64_t(d / (Wide(h) * h)));
  const std::int64_t c = 2 * left + w - 1;
  const std::int64_t lo = CeilDiv(c - m, 2), hi = FloorDiv(c + m, 2);
  return lo <= hi ? lo : INT64_MAX;
}

}  // namespace

RegionData RoundRectPixels(const TRect& boxIn, int cornerWidth, int cornerHeight, const TRect& limit) {
  const TRect box = NormalizedRect(boxIn);
  if (IsRectEmpty(&box)) return {};
  const std::int64_t w = box.Width(), h = box.Height();
  const std::int64_t cw = std::clamp<std::int64_t>(cornerWidth, 0, w);
  const std::int64_t ch = std::clamp<std::int64_t>(cornerHeight, 0, h);
  if (cw <= 1 || ch <= 1) return RegionData(box).Intersect(limit);

  const std::int64_t mirror = std::int64_t(box.Left) + box.Right - 1;   // x + mirror(x) for the symmetric partner
  std::vector<Span> spans;
  const std::int64_t yFirst = std::max<std::int64_t>(box.Top, limit.Top);
  const std::int64_t yLast = std::min<std::int64_t>(box.Bottom, limit.Bottom);
  for (std::int64_t y = yFirst; y < yLast; ++y) {
    std::int64_t left = box.Left + (cw - 1) / 2;
    if (y >= box.Top + (ch - 1) / 2 && y < box.Bottom - (ch - 1) / 2) {
      left = box.Left;
    } else {
      if (y < box.Top + ch) left = std::min(left, EllipseRowLeft(box.Left, box.Top, cw, ch, y));
      if (y >= box.Bottom - ch) left = std::min(left, EllipseRowLeft(box.Left, box.Bottom - ch, cw, ch, y));
    }
    const std::int64_t right = mirror - left + 1;
    const std::int64_t x0 = std::max<std::int64_t>(left, limit.Left), x1 = std::min<std::int64_t>(right, limit.Right);
    if (x0 < x1) spans.push_back({int(y), int(x0), int(x1)});
  }
  return RegionData::FromSpans(std::move(spans));
}

}  // namespace gdi
