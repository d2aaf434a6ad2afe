// TGridCells: the string grid's store: one string and one object slot per cell, held densely row by
// row.  Resizing keeps the cells that survive (at the same column and row); the store never owns
// or frees the objects.  Indexes are the caller's to check.
//
// A change of the row count alone resizes the rows in place: the store's capacity grows
// geometrically and is kept when rows go, so growing a grid row by row (a load, a paste) costs
// amortised constant time per row.  A change of the column count rebuilds the store.
#pragma once

#include <string>
#include <vector>

#include "platform/core/types.h"

class TObject;

class TGridCells {
 public:
  struct Cell {
    std::string Text;
    TObject* Object = nullptr;
  };

  Integer ColCount() const { return cols_; }
  Integer RowCount() const { return rows_; }
  void Resize(Integer ColCount, Integer RowCount);
  Cell& At(Integer ACol, Integer ARow) { return cells_[static_cast<size_t>(ARow) * cols_ + ACol]; }
  const Cell& At(Integer ACol, Integer ARow) const { return cells_[static_cast<size_t>(ARow) * cols_ + ACol]; }
  // Moves one column or row to ToIndex, shifting those between by one (as a list move does).
  void MoveCol(Integer FromIndex, Integer ToIndex);
  void MoveRow(Integer FromIndex, Integer ToIndex);

 private:
  std::vector<Cell> cells_;
  Integer cols_ = 0;
  Integer rows_ = 0;
};
