#include "platform/ui/grid_cells.h"

#include <algorithm>

void TGridCells::Resize(Integer ColCount, Integer RowCount) {
  if (ColCount == cols_ && RowCount == rows_) return;
  if (ColCount == cols_) {
    cells_.resize(static_cast<size_t>(ColCount) * RowCount);
    rows_ = RowCount;
    return;
  }
  std::vector<Cell> cells(static_cast<size_t>(ColCount) * RowCount);
  for (Integer row = 0; row < std::min(RowCount, rows_); ++row)
    for (Integer col = 0; col < std::min(ColCount, cols_); ++col)
      cells[static_cast<size_t>(row) * ColCount + col] = std::move(At(col, row));
  cells_ = std::move(cells);
  cols_ = ColCount;
  rows_ = RowCount;
}

namespace {

// Moves the block of `stride` elements at FromIndex to ToIndex, shifting the blocks between by one.
template <class It>
void MoveBlock(It begin, size_t FromIndex, size_t ToIndex, size_t stride) {
  if (FromIndex < ToIndex)
    std::rotate(begin + FromIndex * stride, begin + (FromIndex + 1) * stride, begin + (ToIndex + 1) * stride);
  else
    std::rotate(begin + ToIndex * stride, begin + FromIndex * stride, begin + (FromIndex + 1) * stride);
}

}   // namespace

void TGridCells::MoveCol(Integer FromIndex, Integer ToIndex) {
  for (Integer row = 0; row < rows_; ++row)
    MoveBlock(cells_.begin() + static_cast<size_t>(row) * cols_, FromIndex, ToIndex, 1);
}

void TGridCells::MoveRow(Integer FromIndex, Integer ToIndex) { MoveBlock(cells_.begin(), FromIndex, ToIndex, cols_); }
