// TGridCells: the string grid's store: one string and one object slot per cell, held row by row,
// each row in a block of its own.  Resizing keeps the cells that survive (at the same column and
// row); the store never owns or frees the objects.  Indexes are the caller's to check.
//
// A change of the row count adds or drops whole rows and never moves the cells of the others, so
// growing a grid row by row (a load, a paste) touches each cell's memory once: no store-wide copy.
// The rows added by one change share one block of cells (one allocation however many rows, large
// ones on huge pages where the kernel allows: see platform/os/large_blocks.h), which is freed with
// the last of its rows; a dropped row's cells are emptied at once.  A change of the
// column count moves every surviving cell into one new block.
#pragma once

#include <memory>
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
  Integer RowCount() const { return static_cast<Integer>(rows_.size()); }
  void Resize(Integer ColCount, Integer RowCount);
  Cell& At(Integer ACol, Integer ARow) { return rows_[ARow].get()[ACol]; }
  const Cell& At(Integer ACol, Integer ARow) const { return rows_[ARow].get()[ACol]; }
  // Moves one column or row to ToIndex, shifting those between by one (as a list move does).
  void MoveCol(Integer FromIndex, Integer ToIndex);
  void MoveRow(Integer FromIndex, Integer ToIndex);
  // Exchanges two whole rows (texts and objects) by their blocks: no cell is copied or moved.
  void SwapRows(Integer ARow1, Integer ARow2) { rows_[ARow1].swap(rows_[ARow2]); }

 private:
  // Appends Count rows of ColCount() fresh cells, all in one new block.
  void AddRows(std::size_t Count);

  // Each row points at its first cell and shares the ownership of the block that holds it.
  std::vector<std::shared_ptr<Cell>> rows_;
  Integer cols_ = 0;
};
