// TProStringGrid: counts and fixed areas, the current row, the save range, the selection put
// aside while no normal row exists, the header texts and the merged runs of equal cells.
#include <algorithm>

#include "grid/cell_line_breaks.h"
#include "grid/cell_properties.h"
#include "grid/floating_footer.h"
#include "grid/grid_text_routines.h"
#include "grid/int_list.h"
#include "grid/pro_string_grid.h"
#include "platform/classes/string_list.h"

// ---- Counts ----

void TProStringGrid::SetRowCount(Integer Value) {
  if (RowCount() == FixedRows() && fixedRowAlways_) RestoreSelection();
  FreePropertiesPastCount(ColCount(), Value);
  TBaseGrid::SetRowCount(Value);
  if (savedFixedRows_ < RowCount() && fixedRowAlways_) SetFixedRows(savedFixedRows_);
  maxRowCount_ = std::max(maxRowCount_, Value);
  SetRealRowCount(Value);
  floatingFooter_->Invalidate();
  UpdateScrollBarsAlways(false);
  UpdateProportionalHorz();
  UpdateProportionalVert();
}

void TProStringGrid::SetColCount(Integer Value) {
  FreePropertiesPastCount(Value, RowCount());
  TBaseGrid::SetColCount(Value);
  if (savedFixedCols_ < ColCount() && fixedColAlways_) SetFixedCols(savedFixedCols_);
  maxColCount_ = std::max(maxColCount_, Value);
  floatingFooter_->Invalidate();
  SetBounds(Left(), Top(), Width(), Height());
  UpdateScrollBarsAlways(false);
  UpdateProportionalHorz();
  UpdateProportionalVert();
}

// The class library's store drops the cells a lower count cuts off; the properties and graphics
// the grid owns there are freed first (row and column removals detach the slots whose properties
// moved, so nothing freed here is still in use).
void TProStringGrid::FreePropertiesPastCount(Integer NewCols, Integer NewRows) {
  NewCols = std::max<Integer>(NewCols, 1);
  NewRows = std::max<Integer>(NewRows, 1);
  for (Integer row = NewRows; row < RowCount(); ++row)
    for (Integer col = 0; col < ColCount(); ++col) FreeCellContents(col, row);
  for (Integer row = 0; row < std::min(NewRows, RowCount()); ++row)
    for (Integer col = NewCols; col < ColCount(); ++col) FreeCellContents(col, row);
}

Integer TProStringGrid::FixedRows() const {
  const Integer stored = TBaseGrid::FixedRows();
  return stored == 0 && fixedRowAlways_ ? 1 : stored;
}

Integer TProStringGrid::FixedCols() const {
  const Integer stored = TBaseGrid::FixedCols();
  return stored == 0 && fixedColAlways_ ? 1 : stored;
}

void TProStringGrid::SetFixedRows(Integer Value) {
  TBaseGrid::SetFixedRows(Value);
  if (!ComponentState().Contains(csLoading)) savedFixedRows_ = Value;
}

void TProStringGrid::SetFixedCols(Integer Value) {
  TBaseGrid::SetFixedCols(Value);
  if (!ComponentState().Contains(csLoading)) savedFixedCols_ = Value;
}

void TProStringGrid::SetFixedFooters(Integer Value) {
  fixedFooters_ = Value;
  Invalidate();
}

void TProStringGrid::SetFixedRightCols(Integer Value) {
  fixedRightCols_ = Value;
  Invalidate();
}

Integer TProStringGrid::FixedColWidth() const { return ColWidths(0); }

void TProStringGrid::SetFixedColWidth(Integer Value) {
  if (ComponentState().Contains(csLoading) || Value == DefaultColWidth()) return;
  for (Integer col = 0; col < TBaseGrid::FixedCols(); ++col) SetColWidths(col, Value);
}

void TProStringGrid::SetFixedRowHeight(Integer Value) {
  fixedRowHeight_ = Value;
  if (ComponentState().Contains(csLoading)) return;
  if (Value == DefaultRowHeight()) return SetDefaultRowHeight(Value);
  for (Integer row = 0; row < TBaseGrid::FixedRows(); ++row) SetRowHeights(row, Value);
}

void TProStringGrid::SetDefaultRowHeight(Integer Value) {
  TBaseGrid::SetDefaultRowHeight(Value);
  if (ComponentState().Contains(csDesigning)) fixedRowHeight_ = Value;
  floatingFooter_->SetHeight(Value);
  if (floatingFooter_->Visible()) FooterPanel()->SetHeight(Value);
}

void TProStringGrid::SetWordWrap(bool Value) {
  wordWrap_ = Value;
  SetDefaultWordWrap(Value);
  if (updateCount_ == 0) Invalidate();
}

bool TProStringGrid::IsWideCell(Integer ACol, Integer ARow) { return GetCellText(ACol, ARow).starts_with("|\\"); }

// ---- The current row ----

void TProStringGrid::SetRow(Integer Value) {
  TBaseGrid::SetRow(Value);
  if (Row() == lastUpdatedRow_ || !OnRowUpdate) return;
  OnRowUpdate(this, lastUpdatedRow_, Row());
  lastUpdatedRow_ = Row();
}

// ---- The save range ----

Integer TProStringGrid::FirstSaveCol() const { return includeFixedCells_ ? 0 : FixedCols(); }
Integer TProStringGrid::FirstSaveRow() const { return includeFixedCells_ ? 0 : FixedRows(); }

Integer TProStringGrid::LastSaveCol() const {
  return includeFixedCells_ ? ColCount() - 1 : ColCount() - fixedRightCols_ - 1;
}

Integer TProStringGrid::LastSaveRow() const {
  return includeFixedCells_ ? RowCount() - 1 : RowCount() - fixedFooters_ - 1;
}

Integer TProStringGrid::SaveColCount() const { return LastSaveCol() - FirstSaveCol() + 1; }
Integer TProStringGrid::SaveRowCount() const { return LastSaveRow() - FirstSaveRow() + 1; }

// ---- The selection put aside ----

void TProStringGrid::HideSelection() {
  savedSelection_ = Selection();
  SetSelectionRect(TGridRect{ColCount(), RowCount(), ColCount(), RowCount()});
  selectionHidden_ = true;
}

void TProStringGrid::RestoreSelection() {
  selectionHidden_ = false;
  if (savedSelection_.Top < RowCount() && savedSelection_.Left < ColCount()) {
    SetSelectionRect(savedSelection_);
    return;
  }
  const Integer top = fixedRowAlways_ && RowCount() == FixedRows() ? 0 : FixedRows();
  const Integer left = fixedColAlways_ && ColCount() == FixedCols() ? 0 : FixedCols();
  SetSelectionRect(TGridRect{left, top, left, top});
}

// Sets the class library's selection, which may lie outside the grid while it is put aside; the
// headers repaint when they show the active cell.
void TProStringGrid::SetSelectionRect(const TGridRect& Value) {
  SetSelection(Value);
  if (!activeCellShow_) return;
  InvalidateRow(0);
  InvalidateCol(0);
}

// ---- Headers ----

TStrings* TProStringGrid::ColumnHeaders() const { return columnHeaders_.get(); }
void TProStringGrid::SetColumnHeaders(TStrings* Value) { columnHeaders_->Assign(Value); }
TStrings* TProStringGrid::RowHeaders() const { return rowHeaders_.get(); }
void TProStringGrid::SetRowHeaders(TStrings* Value) { rowHeaders_->Assign(Value); }

void TProStringGrid::ColumnHeadersChanged(TObject*) { ApplyColumnHeaders(); }
void TProStringGrid::RowHeadersChanged(TObject*) { ApplyRowHeaders(); }

void TProStringGrid::RefreshColumnHeaders() {
  HeadersChanged();
  ApplyColumnHeaders();
}

void TProStringGrid::RefreshRowHeaders() { ApplyRowHeaders(); }

// Row 0 cleared, then entry i written into cell (i, 0), "\n" pairs becoming CR, as far as both the
// list and the columns reach.
void TProStringGrid::ApplyColumnHeaders() {
  if (FixedRows() == 0) return;
  const Integer columns = ColCount() + NumHiddenColumns();
  for (Integer col = 0; col < columns; ++col) SetCellText(col, 0, "");
  const Integer last = std::min(columns, columnHeaders_->Count());
  for (Integer col = 0; col < last; ++col) SetCellText(col, 0, UnescapeNewLines(columnHeaders_->Strings(col)));
}

void TProStringGrid::ApplyRowHeaders() {
  if (FixedCols() == 0) return;
  if (ComponentState().Contains(csDesigning))
    for (Integer row = 0; row < RowCount(); ++row) SetCellText(0, row, "");
  const Integer last = std::min(RowCount(), rowHeaders_->Count());
  for (Integer row = 0; row < last; ++row) SetCellText(0, row, UnescapeNewLines(rowHeaders_->Strings(row)));
}

// ---- Merged runs of equal cells ----

void TProStringGrid::SplitColumnMerges(Integer ACol) {
  Integer row = 0;
  while (row < RowCount() - fixedFooters_ - 1) {
    if (!IsRowSpanned(ACol, row)) {
      ++row;
      continue;
    }
    const TPoint base = GetBaseCell(ACol, row);
    const Integer span = GetCellSpan(ACol, row).Y;
    SplitCells(ACol, row);
    row = base.Y + span + 1;
  }
}

void TProStringGrid::SplitAllColumnMerges() {
  for (Integer col = 0; col < ColCount(); ++col) SplitColumnMerges(col);
}

void TProStringGrid::MergeEqualCells(Integer ACol, bool IgnoreOtherMerges) {
  const Integer last = RowCount() - fixedFooters_ - 1;
  Integer runStart = FixedRows();
  auto endRun = [&](Integer runEnd) {
    if (runEnd > runStart) MergeCells(ACol, runStart, 1, runEnd - runStart + 1);
  };
  for (Integer row = FixedRows() + 1; row <= last; ++row) {
    const bool continues = GetCellText(ACol, row) == GetCellText(ACol, row - 1) &&
                           (IgnoreOtherMerges || RowsShareMergedRanges(row - 1, row));
    if (continues) continue;
    endRun(row - 1);
    runStart = row;
  }
  endRun(last);
}

void TProStringGrid::MergeListedColumns() {
  for (Integer i = 0; i < mergeColumns_->Count(); ++i) MergeEqualCells(mergeColumns_->GetItem(i), i == 0);
}

void TProStringGrid::RemergeColumns() {
  SplitAllColumnMerges();
  MergeListedColumns();
}
