// Polygon scan conversion with an active edge list; see polygon_fill.h.
#include "platform/gdi/polygon_fill.h"

#include <algorithm>

#include "platform/gdi/gdi_constants.h"

namespace gdi {
namespace {

struct Edge {
  std::int64_t xa, ya, xb, yb;   // ya < yb
  int dir;                       // +1 when the contour runs downward along it
  // The first pixel column whose centre is at or right of the edge on row y.
  std::int64_t ColumnAt(std::int64_t row) const {
    using Wide = __int128;
    const Wide dy = yb - ya;
    const Wide num = Wide(xa) * dy + (Wide(row) * kFix - ya) * Wide(xb - xa);
    const Wide den = dy * kFix;
    const Wide floor = num >= 0 ? num / den : -((-num + den - 1) / den);
    return std::int64_t(floor + (floor * den != num ? 1 : 0));
  }
};

struct Crossing {
  std::int64_t x;
  int dir;
};

}  // namespace

void FillContours(const std::vector<Contour>& contours, int fillMode, const TRect& limit, std::vector<Span>& out) {
  std::vector<Edge> edges;
  for (const Contour& c : contours) {
    for (std::size_t i = 0; i < c.size(); ++i) {
      const FixPoint& a = c[i];
      const FixPoint& b = c[(i + 1) % c.size()];
      if (a.y == b.y) continue;
      if (a.y < b.y) edges.push_back({a.x, a.y, b.x, b.y, +1});
      else edges.push_back({b.x, b.y, a.x, a.y, -1});
    }
  }
  if (edges.empty()) return;
  std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.ya < b.ya; });
  std::int64_t yEnd = edges[0].yb;
  for (const Edge& e : edges) yEnd = std::max(yEnd, e.yb);

  std::vector<const Edge*> active;
  std::vector<Crossing> crossings;
  std::size_t next = 0;
  const std::int64_t firstRow = std::max<std::int64_t>(CeilDiv(edges[0].ya, kFix), limit.Top);
  const std::int64_t lastRow = std::min<std::int64_t>(CeilDiv(yEnd, kFix), limit.Bottom);   // exclusive
  for (std::int64_t row = firstRow; row < lastRow; ++row) {
    const std::int64_t y = row * kFix;
    while (next < edges.size() && edges[next].ya <= y) active.push_back(&edges[next++]);
    active.erase(std::remove_if(active.begin(), active.end(), [y](const Edge* e) { return e->yb <= y; }),
                 active.end());
    crossings.clear();
    for (const Edge* e : active)
      if (e->ya <= y) crossings.push_back({e->ColumnAt(row), e->dir});
    std::sort(crossings.begin(), crossings.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    int winding = 0;
    for (std::size_t k = 0; k + 1 < crossings.size(); ++k) {
      winding += crossings[k].dir;
      const bool inside = fillMode == WINDING ? winding != 0 : (k % 2) == 0;
      const std::int64_t x0 = std::max<std::int64_t>(crossings[k].x, limit.Left);
      const std::int64_t x1 = std::min<std::int64_t>(crossings[k + 1].x, limit.Right);
      if (inside && x0 < x1) out.push_back({int(row), int(x0), int(x1)});
    }
  }
}

}  // namespace gdi
