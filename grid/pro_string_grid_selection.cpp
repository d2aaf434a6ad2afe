// TProStringGrid: the disjunct selection of rows and columns and the selection queries.
//
// Row flags are indexed by display row, or by real row while MouseActions.RowSelectPersistent is
// on (callers map first); the lists grow on demand with false flags.  The selected-row numbers
// keep each row selected through SetDisjunctRowSelected once, in the order of selection.
#include <algorithm>
#include <cstdlib>

#include "grid/int_list.h"
#include "grid/mouse_actions.h"
#include "grid/pro_grid_error.h"
#include "grid/pro_string_grid.h"

namespace {

void GrowFlags(TIntList* Flags, Integer Count) {
  while (Flags->Count() < Count) Flags->Add(0);
}

bool Between(Integer Value, Integer A, Integer B) { return Value >= std::min(A, B) && Value <= std::max(A, B); }

}   // namespace

bool TProStringGrid::GetRowSelect(Integer ARow) {
  if (ARow < 0 || ARow >= RowCount() + NumHiddenRows()) throw EProGridError(SInvalidRowAccessed);
  if (!mouseActions_->DisjunctRowSelect()) return Between(ARow, Selection().Top, Selection().Bottom);
  GrowFlags(rowSelect_.get(), ARow + 1);
  return rowSelect_->GetItem(ARow) != 0;
}

bool TProStringGrid::GetColSelect(Integer ACol) {
  if (ACol < 0 || ACol >= ColCount()) throw EProGridError(SInvalidColumnAccessed);
  GrowFlags(colSelect_.get(), ACol + 1);
  return colSelect_->GetItem(ACol) != 0;
}

void TProStringGrid::SetDisjunctRowSelected(Integer ARow, bool State) {
  if (ARow < 0 || ARow >= RowCount() + NumHiddenRows()) throw EProGridError(SInvalidRowAccessed);
  bool allow = true;
  OnRowDisjunctSelect(this, ARow, State, allow);
  if (!allow) return;
  GrowFlags(rowSelect_.get(), ARow + 1);
  const bool wasSelected = rowSelect_->GetItem(ARow) != 0;
  const Integer shownRow = mouseActions_->RowSelectPersistent() ? RealToDisplayRow(ARow) : ARow;
  if (wasSelected != State && shownRow < RowCount()) InvalidateRow(shownRow);
  rowSelect_->SetItem(ARow, State ? 1 : 0);
  if (State && !selectedRows_->HasValue(ARow)) selectedRows_->Add(ARow);
  if (!State) selectedRows_->DeleteValue(ARow);
  OnRowDisjunctSelected(this, ARow);
}

void TProStringGrid::SetDisjunctColSelected(Integer ACol, bool State) {
  if (ACol < 0 || ACol >= ColCount()) throw EProGridError(SInvalidColumnAccessed);
  GrowFlags(colSelect_.get(), ACol + 1);
  if ((colSelect_->GetItem(ACol) != 0) != State) InvalidateCol(ACol);
  colSelect_->SetItem(ACol, State ? 1 : 0);
}

void TProStringGrid::ClearDisjunctRowSelection() {
  const bool byRealRow = mouseActions_->RowSelectPersistent();
  for (Integer row = 0; row < rowSelect_->Count(); ++row) {
    if (rowSelect_->GetItem(row) == 0) continue;
    const Integer shownRow = byRealRow ? RealToDisplayRow(row) : row;
    if (shownRow < RowCount()) InvalidateRow(shownRow);
    rowSelect_->SetItem(row, 0);
  }
  selectedRows_->Clear();
}

void TProStringGrid::ClearDisjunctColSelection() {
  for (Integer col = 0; col < colSelect_->Count(); ++col) {
    if (colSelect_->GetItem(col) == 0) continue;
    if (col < ColCount()) InvalidateCol(col);
    colSelect_->SetItem(col, 0);
  }
}

void TProStringGrid::SelectionToDisjunctRows(bool All) {
  const TGridRect selection = Selection();
  const bool byRealRow = mouseActions_->RowSelectPersistent();
  for (Integer row = FixedRows(); row < RowCount(); ++row) {
    const bool inside = Between(row, selection.Top, selection.Bottom);
    if (!inside && !All) continue;
    const Integer flag = byRealRow ? DisplayToRealRow(row) : row;
    GrowFlags(rowSelect_.get(), flag + 1);
    rowSelect_->SetItem(flag, inside ? 1 : 0);
  }
}

void TProStringGrid::SelectionToDisjunctCols(bool All) {
  const TGridRect selection = Selection();
  for (Integer col = FixedCols(); col < ColCount(); ++col) {
    const bool inside = Between(col, selection.Left, selection.Right);
    if (!inside && !All) continue;
    GrowFlags(colSelect_.get(), col + 1);
    colSelect_->SetItem(col, inside ? 1 : 0);
  }
}

Integer TProStringGrid::SelectedRowCount() {
  if (!mouseActions_->DisjunctRowSelect()) return std::abs(Selection().Bottom - Selection().Top) + 1;
  Integer count = 0;
  for (Integer row = 0; row < rowSelect_->Count(); ++row)
    if (rowSelect_->GetItem(row) != 0) ++count;
  return count;
}

bool TProStringGrid::IsCellSelected(Integer ACol, Integer ARow) {
  if (ACol < FixedCols() || ARow < FixedRows()) return false;
  if (mouseActions_->DisjunctRowSelect())
    return DisjunctRowFlag(mouseActions_->RowSelectPersistent() ? DisplayToRealRow(ARow) : ARow);
  if (mouseActions_->DisjunctColSelect()) return DisjunctColFlag(ACol);
  const TGridRect selection = Selection();
  return Between(ACol, selection.Left, selection.Right) && Between(ARow, selection.Top, selection.Bottom);
}
