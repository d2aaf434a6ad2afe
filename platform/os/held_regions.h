// The byte ranges that one file handle holds locked, as the platform's LockFile sees them.
//
// A handle may not lock a range that overlaps one it already holds, and it unlocks only a range it
// holds exactly; the system's own lock calls (OFD locks) would merge and split ranges silently, so
// the handle keeps this list and consults it first.  Invariant: ranges are kept sorted by offset,
// have positive lengths and never overlap one another.
#pragma once

#include <vector>

#include "platform/core/types.h"

class HeldRegions {
 public:
  bool Overlaps(Int64 offset, Int64 length) const;
  // Records a range; the caller has checked that it overlaps none.
  void Add(Int64 offset, Int64 length);
  bool Contains(Int64 offset, Int64 length) const;
  void Remove(Int64 offset, Int64 length);
  void Clear() { regions_.clear(); }
  bool Empty() const { return regions_.empty(); }

 private:
  struct Region {
    Int64 offset;
    Int64 length;
  };
  std::vector<Region>::const_iterator FirstEndingAfter(Int64 offset) const;

  std::vector<Region> regions_;
};
