#include "platform/ui/grid_cells.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "platform/os/large_blocks.h"

void TGridCells::AddRows(std::size_t Count) {
  if (Count == 0) return;
  const auto cols = static_cast<std::size_t>(cols_);
  const std::size_t cells = Count * cols;
  Cell* first = static_cast<Cell*>(AllocateLargeBlock(cells * sizeof(Cell)));
  std::uninitialized_default_construct_n(first, cells);
  const std::shared_ptr<Cell> block(first, [cells](Cell* cell) {
    std::destroy_n(cell, cells);
    FreeLargeBlock(cell);
  });
  for (std::size_t i = 0; i < Count; ++i) rows_.emplace_back(block, block.get() + i * cols);
}

void TGridCells::Resize(Integer ColCount, Integer RowCount) {
  const auto rows = static_cast<std::size_t>(RowCount);
  if (ColCount != cols_) {
    const auto kept = static_cast<std::size_t>(std::min(ColCount, cols_));
    std::vector<std::shared_ptr<Cell>> old;
    old.swap(rows_);
    old.resize(std::min(old.size(), rows));
    cols_ = ColCount;
    AddRows(old.size());
    for (std::size_t r = 0; r < old.size(); ++r)
      std::move(old[r].get(), old[r].get() + kept, rows_[r].get());
  }
  // A dropped row's block may live on with other rows: its texts are freed now.
  for (std::size_t r = rows; r < rows_.size(); ++r)
    for (Cell* cell = rows_[r].get(); cell != rows_[r].get() + cols_; ++cell) std::exchange(*cell, Cell{});
  if (rows < rows_.size()) rows_.resize(rows);
  AddRows(rows - std::min(rows, rows_.size()));
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
  for (std::shared_ptr<Cell>& row : rows_) MoveOne(row.get(), FromIndex, ToIndex);
}

void TGridCells::MoveRow(Integer FromIndex, Integer ToIndex) { MoveOne(rows_.begin(), FromIndex, ToIndex); }
