// A set of pixels held as a sorted list of rectangles: the value behind regions, clip regions and
// the pixel sets that drawing primitives cover.
//
// Canonical form (the invariant every operation keeps, so two equal sets have equal lists): the
// rectangles are grouped in bands of equal Top and Bottom; bands are sorted by Top and do not
// overlap; inside a band the rectangles are sorted by Left, non-empty and do not touch
// (Right < next Left); two bands that touch vertically never have the same horizontal spans
// (they would have been merged into one band).
#pragma once

#include <vector>

#include "platform/gdi/geometry.h"

namespace gdi {

// One horizontal run of pixels, x0 <= x < x1 on row y.
struct Span {
  int y;
  int x0;
  int x1;
};

class RegionData {
 public:
  enum class Op { And, Or, Xor, Diff };

  RegionData() = default;
  explicit RegionData(const TRect& r);
  // The union of any spans, in any order, overlapping or not.
  static RegionData FromSpans(std::vector<Span> spans);

  static RegionData Combine(const RegionData& a, const RegionData& b, Op op);
  RegionData Intersect(const RegionData& other) const { return Combine(*this, other, Op::And); }
  RegionData Union(const RegionData& other) const { return Combine(*this, other, Op::Or); }
  RegionData Subtract(const RegionData& other) const { return Combine(*this, other, Op::Diff); }
  RegionData Intersect(const TRect& r) const;

  void Offset(int dx, int dy);
  RegionData Offsetted(int dx, int dy) const {
    RegionData copy = *this;
    copy.Offset(dx, dy);
    return copy;
  }

  bool IsEmpty() const { return rects_.empty(); }
  bool Contains(int x, int y) const;
  bool Intersects(const TRect& r) const;
  // Bounding box; all zero when empty.
  TRect Box() const;
  // NULLREGION, SIMPLEREGION or COMPLEXREGION.
  int Complexity() const;
  const std::vector<TRect>& Rects() const { return rects_; }

  // The pixels of this set that have at least one of their four neighbours outside it.
  RegionData Boundary() const;

  friend bool operator==(const RegionData&, const RegionData&) = default;

 private:
  friend class BandBuilder;
  std::vector<TRect> rects_;
};

}  // namespace gdi
