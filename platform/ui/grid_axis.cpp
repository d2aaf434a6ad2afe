#include "platform/ui/grid_axis.h"

#include <algorithm>

TGridAxis::TGridAxis(Integer Count, Integer Fixed, Integer DefaultExtent)
    : extents_(Count, DefaultExtent), fixed_(Fixed), defaultExtent_(DefaultExtent) {}

void TGridAxis::SetCount(Integer Value) { extents_.resize(Value, defaultExtent_); }

void TGridAxis::SetDefaultExtent(Integer Value) {
  defaultExtent_ = Value;
  std::fill(extents_.begin(), extents_.end(), Value);
}

void TGridAxis::Move(Integer FromIndex, Integer ToIndex) {
  const Integer extent = extents_[FromIndex];
  extents_.erase(extents_.begin() + FromIndex);
  extents_.insert(extents_.begin() + ToIndex, extent);
}

void TGridAxis::Delete(Integer Index) { extents_.erase(extents_.begin() + Index); }

Integer TGridAxis::FixedBoundary(Integer lw) const {
  Integer pos = 0;
  for (Integer i = 0; i < fixed_ && i < Count(); ++i) pos += extents_[i] + lw;
  return pos;
}

Integer TGridAxis::Total(Integer lw) const {
  Integer pos = 0;
  for (Integer extent : extents_) pos += extent + lw;
  return pos;
}

Integer TGridAxis::Start(Integer Index, Integer first, Integer lw, Integer limit) const {
  if (Index < 0 || Index >= Count() || (Index >= fixed_ && Index < first)) return -1;
  Integer pos = 0;
  for (Integer i = Index < fixed_ ? 0 : first; i < Index; ++i) pos += extents_[i] + lw;
  if (Index >= fixed_) pos += FixedBoundary(lw);
  return pos < limit ? pos : -1;
}

Integer TGridAxis::At(Integer Pos, Integer first, Integer lw, Integer limit) const {
  if (Pos < 0 || Pos >= limit) return -1;
  Integer start = 0;
  auto walk = [&](Integer from, Integer to) {
    for (Integer i = from; i < to; ++i) {
      start += extents_[i] + lw;
      if (Pos < start) return i;
    }
    return Integer{-1};
  };
  const Integer fixedHit = walk(0, std::min(fixed_, Count()));
  return fixedHit >= 0 ? fixedHit : walk(std::max(first, fixed_), Count());
}

Integer TGridAxis::LastVisible(Integer first, Integer lw, Integer limit, bool whole) const {
  Integer pos = FixedBoundary(lw);
  Integer last = -1;
  for (Integer i = first; i < Count() && pos < limit; ++i) {
    pos += extents_[i];
    if (whole && pos > limit) break;
    last = i;
    pos += lw;
  }
  return last;
}

Integer TGridAxis::VisibleCount(Integer first, Integer lw, Integer limit) const {
  if (first >= Count()) return 0;
  return std::max<Integer>(LastVisible(first, lw, limit, true) - first + 1, 1);
}

Integer TGridAxis::MaxFirst(Integer lw, Integer limit) const {
  const Integer room = limit - FixedBoundary(lw);
  Integer used = 0;
  Integer first = Count();
  while (first > fixed_ && used + extents_[first - 1] <= room) {
    used += extents_[first - 1] + lw;
    --first;
  }
  return std::max(fixed_, std::min(first, Count() - 1));
}

Integer TGridAxis::FirstToShow(Integer Index, Integer first, Integer lw, Integer limit) const {
  if (Index < fixed_ || Index >= Count()) return first;   // a cell outside the grid cannot be shown
  if (Index < first) return Index;
  const Integer room = limit - FixedBoundary(lw);
  Integer used = extents_[Index];
  Integer newFirst = Index;
  while (newFirst > first && used + lw + extents_[newFirst - 1] <= room) used += lw + extents_[--newFirst];
  return newFirst;
}
