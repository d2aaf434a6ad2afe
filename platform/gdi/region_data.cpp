// Region algebra on banded rectangle lists; see region_data.h for the canonical form.
//
// Every combination sweeps the horizontal band boundaries of both operands; between two
// consecutive boundaries each operand is one fixed list of x-intervals, which are combined with
// the boolean operation and appended as a band (merged into the band above when it continues it).
#include "platform/gdi/region_data.h"

#include <algorithm>
#include <climits>

#include "platform/gdi/gdi_constants.h"

namespace gdi {

using Interval = std::pair<int, int>;

// Appends bands in top-to-bottom order, merging a band into the previous one when it continues it.
class BandBuilder {
 public:
  explicit BandBuilder(std::vector<TRect>& out) : out_(out) {}

  void Append(int top, int bottom, const std::vector<Interval>& xs) {
    if (xs.empty() || top >= bottom) return;
    if (lastBandStart_ >= 0 && out_.back().Bottom == top && SameSpans(xs)) {
      for (size_t i = size_t(lastBandStart_); i < out_.size(); ++i) out_[i].Bottom = bottom;
      return;
    }
    lastBandStart_ = static_cast<long>(out_.size());
    for (const Interval& x : xs) out_.push_back({x.first, top, x.second, bottom});
  }

 private:
  bool SameSpans(const std::vector<Interval>& xs) const {
    const size_t n = out_.size() - size_t(lastBandStart_);
    if (n != xs.size()) return false;
    for (size_t i = 0; i < n; ++i) {
      const TRect& r = out_[size_t(lastBandStart_) + i];
      if (r.Left != xs[i].first || r.Right != xs[i].second) return false;
    }
    return true;
  }

  std::vector<TRect>& out_;
  long lastBandStart_ = -1;
};

namespace {

bool Apply(RegionData::Op op, bool a, bool b) {
  switch (op) {
    case RegionData::Op::And: return a && b;
    case RegionData::Op::Or: return a || b;
    case RegionData::Op::Xor: return a != b;
    case RegionData::Op::Diff: return a && !b;
  }
  return false;
}

// Combines two sorted lists of disjoint, non-touching intervals.
void CombineIntervals(const std::vector<Interval>& a, const std::vector<Interval>& b, RegionData::Op op,
                      std::vector<Interval>& out) {
  out.clear();
  size_t i = 0, j = 0;
  bool inA = false, inB = false, inOut = false;
  int start = 0;
  for (;;) {
    const int nextA = i < a.size() ? (inA ? a[i].second : a[i].first) : INT_MAX;
    const int nextB = j < b.size() ? (inB ? b[j].second : b[j].first) : INT_MAX;
    const int x = std::min(nextA, nextB);
    if (x == INT_MAX) break;
    if (nextA == x) {
      inA = !inA;
      if (!inA) ++i;
    }
    if (nextB == x) {
      inB = !inB;
      if (!inB) ++j;
    }
    const bool now = Apply(op, inA, inB);
    if (now == inOut) continue;
    if (now) start = x;
    else out.emplace_back(start, x);
    inOut = now;
  }
}

// Walks the bands of one region from top to bottom.
class BandCursor {
 public:
  explicit BandCursor(const std::vector<TRect>& rects) : rects_(rects) {}

  // The intervals covering row y (bands are visited in order; y never decreases).
  const std::vector<Interval>& At(int y) {
    while (pos_ < rects_.size() && rects_[pos_].Bottom <= y) pos_ = NextBand(pos_);
    spans_.clear();
    if (pos_ < rects_.size() && rects_[pos_].Top <= y)
      for (size_t k = pos_; k < NextBand(pos_); ++k) spans_.emplace_back(rects_[k].Left, rects_[k].Right);
    return spans_;
  }

 private:
  size_t NextBand(size_t start) const {
    size_t k = start;
    while (k < rects_.size() && rects_[k].Top == rects_[start].Top) ++k;
    return k;
  }

  const std::vector<TRect>& rects_;
  size_t pos_ = 0;
  std::vector<Interval> spans_;
};

void AddBoundaries(const std::vector<TRect>& rects, std::vector<int>& ys) {
  for (size_t k = 0; k < rects.size(); ++k)
    if (k == 0 || rects[k].Top != rects[k - 1].Top) {
      ys.push_back(rects[k].Top);
      ys.push_back(rects[k].Bottom);
    }
}

}  // namespace

RegionData::RegionData(const TRect& r) {
  if (!IsRectEmpty(&r)) rects_.push_back(r);
}

RegionData RegionData::FromSpans(std::vector<Span> spans) {
  std::sort(spans.begin(), spans.end(),
            [](const Span& a, const Span& b) { return a.y != b.y ? a.y < b.y : a.x0 < b.x0; });
  RegionData result;
  BandBuilder builder(result.rects_);
  std::vector<Interval> row;
  size_t k = 0;
  while (k < spans.size()) {
    const int y = spans[k].y;
    row.clear();
    for (; k < spans.size() && spans[k].y == y; ++k) {
      const Span& s = spans[k];
      if (s.x0 >= s.x1) continue;
      if (!row.empty() && s.x0 <= row.back().second) row.back().second = std::max(row.back().second, s.x1);
      else row.emplace_back(s.x0, s.x1);
    }
    builder.Append(y, y + 1, row);
  }
  return result;
}

RegionData RegionData::Combine(const RegionData& a, const RegionData& b, Op op) {
  // Shortcuts for the cases clipping meets on every paint (an empty operand, two rectangles
  // intersected); each gives the same canonical list as the sweep below.
  if (a.IsEmpty() || b.IsEmpty()) {
    switch (op) {
      case Op::And: return RegionData();
      case Op::Or:
      case Op::Xor: return a.IsEmpty() ? b : a;
      case Op::Diff: return a;
    }
  }
  if (op == Op::And && a.rects_.size() == 1 && b.rects_.size() == 1) return a.Intersect(b.rects_[0]);
  std::vector<int> ys;
  AddBoundaries(a.rects_, ys);
  AddBoundaries(b.rects_, ys);
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

  RegionData result;
  BandBuilder builder(result.rects_);
  BandCursor ca(a.rects_), cb(b.rects_);
  std::vector<Interval> xs;
  for (size_t k = 0; k + 1 < ys.size(); ++k) {
    const std::vector<Interval>& sa = ca.At(ys[k]);
    const std::vector<Interval>& sb = cb.At(ys[k]);
    CombineIntervals(sa, sb, op, xs);
    builder.Append(ys[k], ys[k + 1], xs);
  }
  return result;
}

RegionData RegionData::Intersect(const TRect& r) const {
  if (rects_.size() == 1) {
    TRect common;
    IntersectRect(&common, &rects_[0], &r);
    return RegionData(common);
  }
  return Intersect(RegionData(r));
}

void RegionData::Offset(int dx, int dy) {
  for (TRect& r : rects_) OffsetRect(&r, dx, dy);
}

bool RegionData::Contains(int x, int y) const {
  auto it = std::partition_point(rects_.begin(), rects_.end(), [y](const TRect& r) { return r.Bottom <= y; });
  for (; it != rects_.end() && it->Top <= y; ++it)
    if (x >= it->Left && x < it->Right) return true;
  return false;
}

bool RegionData::Intersects(const TRect& r) const {
  if (IsRectEmpty(&r)) return false;
  auto it = std::partition_point(rects_.begin(), rects_.end(), [&r](const TRect& q) { return q.Bottom <= r.Top; });
  for (; it != rects_.end() && it->Top < r.Bottom; ++it)
    if (it->Left < r.Right && it->Right > r.Left) return true;
  return false;
}

TRect RegionData::Box() const {
  if (rects_.empty()) return {};
  TRect box{INT_MAX, rects_.front().Top, INT_MIN, rects_.back().Bottom};
  for (const TRect& r : rects_) {
    box.Left = std::min(box.Left, r.Left);
    box.Right = std::max(box.Right, r.Right);
  }
  return box;
}

int RegionData::Complexity() const {
  if (rects_.empty()) return NULLREGION;
  return rects_.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

RegionData RegionData::Boundary() const {
  RegionData inner = Intersect(Offsetted(1, 0));
  inner = inner.Intersect(Offsetted(-1, 0));
  inner = inner.Intersect(Offsetted(0, 1));
  inner = inner.Intersect(Offsetted(0, -1));
  return Subtract(inner);
}

}  // namespace gdi
