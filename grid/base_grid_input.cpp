// TBaseGrid navigation: selecting a cell repaints the old and the new one (each with its range),
// the arrow keys leave a merged range from its edge, every move ends on a base cell, and merged
// cells of the fixed area follow a scroll.
#include "grid/base_grid.h"

#include <algorithm>

#include "grid/cell_properties.h"
#include "platform/user/virtual_keys.h"

bool TBaseGrid::SelectCell(Integer ACol, Integer ARow) {
  RepaintCell(Col(), Row());
  const bool canSelect = inherited::SelectCell(ACol, ARow);
  RepaintCell(ACol, ARow);
  return canSelect;
}

void TBaseGrid::KeyDown(Word& Key, TShiftState Shift) {
  // From a merged range the key first puts the current cell on the range's edge the key leaves
  // by; the inherited handling then moves one cell (or a page) on, out of the range.
  if (HasCellProperties(Col(), Row())) {
    const TPoint base = GetBaseCell(Col(), Row());
    const TCellProperties* baseProps = GetCellProperties(base.X, base.Y);
    const Integer lastCol = base.X + baseProps->CellSpanX();
    const Integer lastRow = base.Y + baseProps->CellSpanY();
    switch (Key) {
      case VK_LEFT:
        if (base.X < Col() && Col() > FixedCols() && base.X > 0) SetCol(base.X);
        break;
      case VK_UP:
        if (base.Y < Row() && Row() > FixedRows() && base.Y > 0) SetRow(base.Y);
        break;
      case VK_RIGHT:
        if (lastCol >= Col() && Col() < ColCount() - 1 && base.X < ColCount() - 1) SetCol(lastCol);
        break;
      case VK_DOWN:
        if (lastRow >= Row() && Row() < RowCount() - 1 && base.Y < RowCount() - 1) SetRow(lastRow);
        break;
      default: break;
    }
  }
  // With the footer in the last row, a page down from the last page stops above it.
  if (Key == VK_NEXT && lastRowIsFooter_ && RowCount() > 1 &&
      VisibleRowCount() + TopRow() - FixedRows() == RowCount() - 1)
    SetRow(RowCount() - 2);
  inherited::KeyDown(Key, Shift);
  SnapToBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  const bool handled = inherited::DoMouseWheelDown(Shift, MousePos);
  if (VisibleRowCount() < Row() - TopRow() && Row() < RowCount() - 1 && lastRowIsFooter_) SetTopRow(TopRow() + 1);
  SnapToBaseCell();
  return handled;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  const bool handled = inherited::DoMouseWheelUp(Shift, MousePos);
  SnapToBaseCell();
  return handled;
}

void TBaseGrid::TopLeftChanged() {
  inherited::TopLeftChanged();
  if (FixedCols() > 0) RepaintFixedColMerges();
  if (FixedRows() > 0) RepaintFixedRowMerges();
}

// The rows (columns) in view, the one partly shown past the last whole one included; never past
// the grid's last row (column), where no cell can be merged.
void TBaseGrid::RepaintFixedColMerges() {
  const Integer lastRow = std::min(TopRow() + VisibleRowCount(), RowCount() - 1);
  for (Integer row = TopRow(); row <= lastRow; ++row)
    for (Integer col = 0; col < FixedCols(); ++col)
      if (IsMergedCell(col, row)) RepaintCell(col, row);
}

void TBaseGrid::RepaintFixedRowMerges() {
  const Integer lastCol = std::min(LeftCol() + VisibleColCount(), ColCount() - 1);
  for (Integer col = LeftCol(); col <= lastCol; ++col)
    for (Integer row = 0; row < FixedRows(); ++row)
      if (IsMergedCell(col, row)) RepaintCell(col, row);
}
