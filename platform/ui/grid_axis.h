// TGridAxis: the columns or the rows of a grid along one axis: the count, the fixed count, the
// default extent and each cell's extent in pixels, and the geometry along that axis.
//
// Geometry is logical (left to right, top to bottom) and depends on the first visible normal cell
// `first` (LeftCol or TopRow), the grid line width `lw` and the client extent `limit`.  The fixed
// cells come first from pixel 0; then the normal cells from `first` on.  Each cell is followed by a
// line of lw pixels, which belongs to that cell for hit testing.
// Invariants: 0 <= Fixed < Count (once the grid is built), Extents().size() == Count.
#pragma once

#include <vector>

#include "platform/core/types.h"

class TGridAxis {
 public:
  TGridAxis(Integer Count, Integer Fixed, Integer DefaultExtent);

  Integer Count() const { return static_cast<Integer>(extents_.size()); }
  void SetCount(Integer Value);   // new cells take the default extent
  Integer Fixed() const { return fixed_; }
  void SetFixed(Integer Value) { fixed_ = Value; }
  Integer DefaultExtent() const { return defaultExtent_; }
  void SetDefaultExtent(Integer Value);   // resets every cell's extent
  Integer Extent(Integer Index) const { return extents_[Index]; }
  void SetExtent(Integer Index, Integer Value) { extents_[Index] = Value; }
  void Move(Integer FromIndex, Integer ToIndex);
  void Delete(Integer Index);

  Integer FixedBoundary(Integer lw) const;   // the pixel just past the fixed cells and their lines
  Integer Total(Integer lw) const;           // all cells and lines
  // The logical first pixel of the cell, or -1 when it is scrolled out of view or starts at or past limit.
  Integer Start(Integer Index, Integer first, Integer lw, Integer limit) const;
  // The visible cell whose pixels (its line included) hold Pos, or -1.
  Integer At(Integer Pos, Integer first, Integer lw, Integer limit) const;
  // The last cell with at least one visible pixel (whole = false) or wholly visible (whole = true).
  Integer LastVisible(Integer first, Integer lw, Integer limit, bool whole) const;
  // The number of wholly visible normal cells from first on, at least 1 while normal cells exist.
  Integer VisibleCount(Integer first, Integer lw, Integer limit) const;
  // The first cell that shows Index wholly (or as much of it as fits), moving first as little as
  // possible; first itself for a fixed cell or an index past the last cell.
  Integer FirstToShow(Integer Index, Integer first, Integer lw, Integer limit) const;
  // The largest first cell that still leaves no visible room past the last cell (at least Fixed).
  Integer MaxFirst(Integer lw, Integer limit) const;

 private:
  std::vector<Integer> extents_;
  Integer fixed_;
  Integer defaultExtent_;
};
