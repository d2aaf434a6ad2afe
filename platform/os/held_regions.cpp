// The handle's table of locked ranges; see held_regions.h.
#include "platform/os/held_regions.h"

#include <algorithm>
#include <cassert>

std::vector<HeldRegions::Region>::const_iterator HeldRegions::FirstEndingAfter(Int64 offset) const {
  // Ranges are disjoint and sorted, so their ends are sorted too.
  return std::partition_point(regions_.begin(), regions_.end(),
                              [offset](const Region& r) { return r.offset + r.length <= offset; });
}

bool HeldRegions::Overlaps(Int64 offset, Int64 length) const {
  const auto it = FirstEndingAfter(offset);
  return it != regions_.end() && it->offset < offset + length;
}

void HeldRegions::Add(Int64 offset, Int64 length) {
  assert(length > 0 && !Overlaps(offset, length));
  const auto it = FirstEndingAfter(offset);
  regions_.insert(regions_.begin() + (it - regions_.begin()), Region{offset, length});
}

bool HeldRegions::Contains(Int64 offset, Int64 length) const {
  const auto it = FirstEndingAfter(offset);
  return it != regions_.end() && it->offset == offset && it->length == length;
}

void HeldRegions::Remove(Int64 offset, [[maybe_unused]] Int64 length) {
  const auto it = FirstEndingAfter(offset);
  assert(it != regions_.end() && it->offset == offset && it->length == length);
  regions_.erase(regions_.begin() + (it - regions_.begin()));
}
