#include "platform/ui/grid_cells.h"

#include <algorithm>

void TGridCells::Resize(Integer ColCount, Integer RowCount) {
  if (ColCount != cols_)
    for (std::vector<Cell>& row : rows_) row.resize(static_cast<size_t>(ColCount));
  cols_ = ColCount;
  rows_.resize(static_cast<size_t>(RowCount), std::vector<Cell>(static_cast<size_t>(ColCount)));
}

namespace {

// Moves the element at FromIndex to ToIndex, shifting those between by one.
template <class It>
void MoveOne(It begin, size_t FromIndex, size_t ToIndex) {
  if (FromIndex < ToIndex)
    std::rotate(begin + FromIndex, begin + FromIndex + 1, begin + ToIndex + 1);
  else
    std::rotate(begin + ToIndex, begin + FromIndex, begin + FromIndex + 1);
}

}   // namespace

void TGridCells::MoveCol(Integer FromIndex, Integer ToIndex) {
  for (std::vector<Cell>& row : rows_) MoveOne(row.begin(), FromIndex, ToIndex);
}

void TGridCells::MoveRow(Integer FromIndex, Integer ToIndex) { MoveOne(rows_.begin(), FromIndex, ToIndex); }
