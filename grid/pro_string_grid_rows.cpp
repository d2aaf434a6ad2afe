// TProStringGrid: inserting, removing and clearing rows, columns and cell ranges.  Every operation
// keeps in step what travels with rows: texts and properties, row heights, the controls placed in
// cells, the disjunct row flags and the modified-row marks.
//
// Ownership while rows move: a row copied onto another carries its properties object (the same
// object, now in two slots); the operation then empties the slots it copied from before the grid
// shrinks, so that every properties object lives in exactly one slot and the count change frees
// nothing still in use.  Properties and graphics of removed cells are freed before anything moves.
#include <algorithm>
#include <memory>
#include <vector>

#include "grid/cell_graphic.h"
#include "grid/cell_properties.h"
#include "grid/control_list.h"
#include "grid/floating_footer.h"
#include "grid/grid_update_lock.h"
#include "grid/int_list.h"
#include "grid/mouse_actions.h"
#include "grid/pro_string_grid.h"
#include "grid/show_modified.h"

namespace {

using UpdateLock = GridUpdateLock;

// Hides the floating footer for a scope and shows it again (with its footer rows) at the end.
class HiddenFooter {
 public:
  explicit HiddenFooter(TFloatingFooter* Footer) : footer_(Footer), wasVisible_(Footer->Visible()) {
    if (wasVisible_) footer_->SetVisible(false);
  }
  ~HiddenFooter() {
    if (wasVisible_) footer_->SetVisible(true);
  }
  HiddenFooter(const HiddenFooter&) = delete;
  HiddenFooter& operator=(const HiddenFooter&) = delete;

 private:
  TFloatingFooter* footer_;
  bool wasVisible_;
};

// Keeps the width of the grid's last column across a change of the rows.
class LastColumnWidth {
 public:
  explicit LastColumnWidth(TProStringGrid* Grid)
      : grid_(Grid), col_(Grid->ColCount() - 1), width_(Grid->ColWidths(col_)) {}
  ~LastColumnWidth() {
    if (col_ < grid_->ColCount()) grid_->SetColWidths(col_, width_);
  }
  LastColumnWidth(const LastColumnWidth&) = delete;
  LastColumnWidth& operator=(const LastColumnWidth&) = delete;

 private:
  TProStringGrid* grid_;
  Integer col_;
  Integer width_;
};

}   // namespace

// ---- Helpers ----

void TProStringGrid::FreeCellContents(Integer ACol, Integer ARow) {
  if (!HasCellProperties(ACol, ARow)) return;
  TObject* properties = GetRawCellObject(ACol, ARow);
  SetRawCellObject(ACol, ARow, nullptr);
  FreeDetachedProperties(properties);
}

void TProStringGrid::FreeDetachedProperties(TObject* Object) {
  std::unique_ptr<TCellProperties> properties(dynamic_cast<TCellProperties*>(Object));
  if (properties == nullptr) return;
  auto* graphic = dynamic_cast<TCellGraphic*>(properties->GraphicObject());
  if (graphic != nullptr && graphic->CellType() != ctVirtCheckBox && graphic->CellType() != ctRowCheckBox)
    delete graphic;
}

void TProStringGrid::FreeRowContents(Integer FromRow, Integer ToRow) {
  ToRow = std::min(ToRow, RowCount() - 1);
  for (Integer row = FromRow; row <= ToRow; ++row)
    for (Integer col = 0; col < ColCount(); ++col) FreeCellContents(col, row);
}

void TProStringGrid::DetachRows(Integer FromRow, Integer ToRow) {
  for (Integer row = std::max<Integer>(FromRow, 0); row <= ToRow; ++row)
    for (Integer col = 0; col < ColCount(); ++col) SetRawCellObject(col, row, nullptr);
}

void TProStringGrid::DetachCols(Integer FromCol, Integer ToCol) {
  for (Integer col = std::max<Integer>(FromCol, 0); col <= ToCol; ++col)
    for (Integer row = 0; row < RowCount(); ++row) SetRawCellObject(col, row, nullptr);
}

void TProStringGrid::CopyRow(Integer FromRow, Integer ToRow) {
  for (Integer col = 0; col < ColCount(); ++col) {
    SetRawCellText(col, ToRow, GetRawCellText(col, FromRow));
    SetRawCellObject(col, ToRow, GetRawCellObject(col, FromRow));
  }
}

void TProStringGrid::CopyCol(Integer FromCol, Integer ToCol) {
  for (Integer row = 0; row < RowCount(); ++row) {
    SetRawCellText(ToCol, row, GetRawCellText(FromCol, row));
    SetRawCellObject(ToCol, row, GetRawCellObject(FromCol, row));
  }
}

void TProStringGrid::MoveCellControls(Integer FromRow, Integer Delta) {
  for (Integer i = 0; i < cellControls_->Count(); ++i) {
    TCellControl* entry = cellControls_->GetControl(i);
    if (!entry->RowHidden && entry->Row >= FromRow) entry->Row += Delta;
  }
}

bool TProStringGrid::DisjunctRowFlag(Integer ARow) const {
  return ARow >= 0 && ARow < rowSelect_->Count() && rowSelect_->GetItem(ARow) != 0;
}

bool TProStringGrid::DisjunctColFlag(Integer ACol) const {
  return ACol >= 0 && ACol < colSelect_->Count() && colSelect_->GetItem(ACol) != 0;
}

// Deletes ACount entries at AIndex, each only while AIndex lies inside the list.
void TProStringGrid::DeleteListEntries(TIntList* List, Integer AIndex, Integer ACount) {
  for (Integer i = 0; i < ACount && AIndex < List->Count(); ++i) List->Delete(AIndex);
}

// After RemoveRows: the current row comes back while it is still inside the grid, else the first
// normal row becomes current and top.
void TProStringGrid::PlaceRowAfterRemoveRows(Integer OldRow, Integer OldTopRow) {
  if (OldRow < RowCount()) {
    SetRow(OldRow);
    SetTopRow(OldTopRow);
  } else if (FixedRows() < RowCount()) {
    SetRow(FixedRows());
    SetTopRow(FixedRows());
  }
}

// After the other removals: the current row comes back while it is still a normal row (Footers:
// the footer rows the grid has outside the operation), else the last normal row becomes current,
// or, without any, the selection goes outside the grid, where the grid keeps it (it does not count
// as put aside).
void TProStringGrid::PlaceRowAfterRemoval(Integer OldRow, Integer OldTopRow, Integer Footers) {
  const Integer normalEnd = RowCount() - Footers;
  if (OldRow < normalEnd) {
    SetRow(OldRow);
    SetTopRow(OldTopRow);
    return;
  }
  if (FixedRows() < normalEnd) {
    SetRow(normalEnd - 1);
    if (normalEnd - 1 < RowCount()) return;
  }
  HideSelection();
  selectionHidden_ = false;
}

// ---- Inserting and appending rows ----

void TProStringGrid::AddRow() { SetRowCount(RowCount() + 1); }

void TProStringGrid::AppendRow() {
  if (!floatingFooter_->Visible()) {
    InsertRows(RowCount(), 1, true);
    ClearRows(RowCount() - 1, 1);
    return;
  }
  InsertRows(RowCount() - 1, 1, true);
  if (floatingFooter_->FooterStyle() == fsFixedLastRow) ClearRows(RowCount() - 2, 1);
}

// The hidden rows at and after the insertion point's real index (the real row count when
// appending) move down with the shown rows, and the disjunct flags take false flags there, so that
// rows come back and selected rows stay where they were.
void TProStringGrid::InsertRows(Integer ARow, Integer ACount, bool MoveControls) {
  if (ACount <= 0) return;
  const Integer realRow = ARow < RowCount() ? DisplayToRealRow(ARow) : RowCount() + NumHiddenRows();
  ShiftHiddenRows(realRow, ACount);
  const Integer flagRow = mouseActions_->RowSelectPersistent() ? realRow : ARow;
  if (flagRow >= 0 && flagRow < rowSelect_->Count())
    for (Integer i = 0; i < ACount; ++i) rowSelect_->Insert(flagRow, 0);
  InsertEmptyRows(ARow, ACount, MoveControls);
}

// The row insertion itself: hidden rows and disjunct flags stay (showing hidden rows inserts
// through here).
void TProStringGrid::InsertEmptyRows(Integer ARow, Integer ACount, bool MoveControls) {
  {
    LastColumnWidth lastWidth(this);
    SetRowCount(RowCount() + ACount);
    for (Integer row = RowCount() - 1; row >= ARow + ACount; --row) {
      CopyRow(row - ACount, row);
      SetRowHeights(row, RowHeights(row - ACount));
    }
    for (Integer row = ARow; row < ARow + ACount; ++row) {
      SetRowHeights(row, DefaultRowHeight());
      ResetRow(row);
    }
    if (showModified_->Enabled())
      for (Integer i = 0; i < ACount && ARow < modifiedRows_->Count(); ++i) modifiedRows_->Insert(ARow, 0);
  }
  if (MoveControls) MoveCellControls(ARow, ACount);
  if (!destroying_) CellsChanged(TRect{0, ARow, ColCount() - 1, ARow + ACount});
}

// ---- Removing rows ----

void TProStringGrid::RemoveRows(Integer ARow, Integer ACount) {
  if (ACount <= 0 || ARow < 0 || ARow >= RowCount()) return;
  ACount = std::min(ACount, RowCount() - ARow);
  const Integer oldRow = Row();
  const Integer oldTopRow = TopRow();
  const std::vector<Integer> removedRealRows = RealRowsOf(ARow, ACount);
  {
    UpdateLock lock(this);
    LastColumnWidth lastWidth(this);
    FreeRowContents(ARow, ARow + ACount - 1);
    for (Integer row = ARow; row + ACount < RowCount(); ++row) CopyRow(row + ACount, row);
    DetachRows(std::max(ARow, RowCount() - ACount), RowCount() - 1);
    if (mouseActions_->DisjunctRowSelect()) DeleteListEntries(rowSelect_.get(), ARow, ACount);
    SetRowCount(RowCount() - ACount);
    maxRowCount_ -= ACount;
    PlaceRowAfterRemoveRows(oldRow, oldTopRow);
  }
  CloseHiddenGaps(removedRealRows);
  CellsChanged(TRect{0, ARow, ColCount() - 1, ARow + ACount});
}

void TProStringGrid::RemoveRowsEx(Integer ARow, Integer ACount) {
  if (ARow > RowCount() || ARow < 0 || ACount <= 0) return;
  ACount = std::min(ACount, RowCount() - ARow);
  if (ACount <= 0) return;
  const std::vector<Integer> removedRealRows = RealRowsOf(ARow, ACount);
  MoveCellControls(ARow + ACount, -ACount);
  FreeRowContents(ARow, ARow + ACount - 1);
  if (Col() < ColCount() && Row() < RowCount()) SelectCell(Col(), Row());   // not while put aside
  const Integer footers = fixedFooters_;
  {
    LastColumnWidth lastWidth(this);
    UpdateLock lock(this);
    const Integer oldTopRow = TopRow();
    const Integer oldRow = Row();
    HiddenFooter hiddenFooter(floatingFooter_.get());
    CloseHiddenGaps(removedRealRows);
    if (showModified_->Enabled()) DeleteListEntries(modifiedRows_.get(), ARow, ACount);
    if (mouseActions_->DisjunctRowSelect()) DeleteListEntries(rowSelect_.get(), ARow, ACount);
    for (Integer row = ARow; row < RowCount(); ++row) {
      if (row + ACount < RowCount()) {
        CopyRow(row + ACount, row);
        SetRowHeights(row, RowHeights(row + ACount));
      } else {
        ResetRow(row);
      }
    }
    SetRowCount(RowCount() - ACount);
    maxRowCount_ -= ACount;
    PlaceRowAfterRemoval(oldRow, oldTopRow, footers);
  }
  CellsChanged(TRect{0, ARow, ColCount() - 1, ARow + ACount});
  const Integer lastTop = RowCount() + FixedRows() - VisibleRowCount() - 2;
  if (TopRow() >= lastTop && RowCount() - VisibleRowCount() - 1 > 0) SetTopRow(lastTop);
}

void TProStringGrid::DeleteRows(Integer ARow, Integer ACount) {
  FreeRowContents(ARow, ARow + ACount - 1);
  RemoveRowRange(ARow, ACount, true);
}

void TProStringGrid::RemoveRowRange(Integer ARow, Integer ACount, bool AdjustHidden) {
  if (ARow > RowCount() || ARow < 0 || ACount <= 0) return;
  ACount = std::min(ACount, RowCount() - ARow);
  if (ACount <= 0) return;
  if (AdjustHidden) CloseHiddenGaps(RealRowsOf(ARow, ACount));
  const Integer footers = fixedFooters_;
  const bool rowSelect = Options().Contains(goRowSelect);
  {
    std::unique_ptr<UpdateLock> footerLock;
    if (floatingFooter_->Visible()) footerLock = std::make_unique<UpdateLock>(this);
    HiddenFooter hiddenFooter(floatingFooter_.get());
    LastColumnWidth lastWidth(this);
    UpdateLock lock(this);
    const Integer oldTopRow = TopRow();
    const Integer oldRow = Row();
    if (rowSelect) SetOptions(Options() - TGridOptions{goRowSelect});
    if (HasNodes()) SetCol(1);
    std::vector<Integer> heights;
    for (Integer row = 0; row < RowCount(); ++row) heights.push_back(RowHeights(row));
    const bool dropFlags = mouseActions_->DisjunctRowSelect() && !mouseActions_->RowSelectPersistent();
    for (Integer i = 0; i < ACount; ++i) {
      // The class library's line deletion: the row moves to the end and the count drops.
      MoveRow(ARow, RowCount() - 1);
      DetachRows(RowCount() - 1, RowCount() - 1);
      SetRowCount(RowCount() - 1);
      heights.erase(heights.begin() + ARow);
      if (dropFlags) DeleteListEntries(rowSelect_.get(), ARow, 1);
    }
    PlaceRowAfterRemoval(oldRow, oldTopRow, footers);
    for (Integer row = 0; row < RowCount(); ++row) SetRowHeights(row, heights[row]);
  }
  CellsChanged(TRect{0, ARow, ColCount() - 1, ARow + ACount});
  if (TopRow() >= RowCount() - 1) SetTopRow(RowCount() - 1);
  if (rowSelect) SetOptions(Options() + TGridOptions{goRowSelect});
}

void TProStringGrid::RemoveSelectedRows() {
  UpdateLock lock(this);
  if (mouseActions_->DisjunctRowSelect()) {
    const bool byRealRow = mouseActions_->RowSelectPersistent();
    for (Integer row = RowCount() - fixedFooters_ - 1; row >= FixedRows(); --row)
      if (DisjunctRowFlag(byRealRow ? DisplayToRealRow(row) : row)) DeleteRows(row, 1);
    return;
  }
  const TGridRect selection = Selection();
  const Integer top = std::min(selection.Top, selection.Bottom);
  const Integer bottom = std::max(selection.Top, selection.Bottom);
  for (Integer row = bottom; row >= top; --row) DeleteRows(row, 1);
}

// ---- Columns ----

void TProStringGrid::InsertCols(Integer ACol, Integer ACount) {
  if (ACount <= 0) return;
  SetColCount(ColCount() + ACount);
  for (Integer col = ColCount() - 1; col >= ACol + ACount; --col) {
    CopyCol(col - ACount, col);
    SetColWidths(col, ColWidths(col - ACount));
  }
  for (Integer col = ACol; col < ACol + ACount; ++col) {
    SetColWidths(col, DefaultColWidth());
    ResetColumn(col);
  }
  MoveColumnFlags(ACol, ACount);
  InsertHiddenCells(ACol, ACount);
}

void TProStringGrid::RemoveCols(Integer ACol, Integer ACount) {
  if (ACount <= 0 || ACol < 0 || ACol >= ColCount()) return;
  ACount = std::min(ACount, ColCount() - ACol);
  ClearCols(ACol, ACount);
  for (Integer col = ACol; col + ACount < ColCount(); ++col) {
    CopyCol(col + ACount, col);
    SetColWidths(col, ColWidths(col + ACount));
  }
  DetachCols(std::max(ACol, ColCount() - ACount), ColCount() - 1);
  MoveColumnFlags(ACol, -ACount);
  RemoveHiddenCells(ACol, ACount);
  SetColCount(ColCount() - ACount);
  CellsChanged(TRect{ACol, 0, ACol + ACount, RowCount() - 1});
}

// ---- Clearing ----

void TProStringGrid::ClearRange(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom) {
  for (Integer row = ATop; row <= ABottom; ++row) {
    for (Integer col = ALeft; col <= ARight; ++col) {
      FreeCellContents(col, row);
      if (!destroying_ && !GetRawCellText(col, row).empty()) SetCellText(col, row, "");
    }
  }
  if (!destroying_) CellsChanged(TRect{ALeft, ATop, ARight, ABottom});
}

void TProStringGrid::ClearRows(Integer ARow, Integer ACount) {
  if (RowCount() <= 0 || ColCount() <= 0 || ACount <= 0) return;
  ClearRange(0, ARow, ColCount() + NumHiddenColumns() - 1, ARow + ACount - 1);
}

void TProStringGrid::ClearCols(Integer ACol, Integer ACount) {
  if (RowCount() <= 0 || ColCount() <= 0 || ACount <= 0) return;
  ClearRange(ACol, 0, ACol + ACount - 1, RowCount() - 1);
}

void TProStringGrid::ClearSelectedCells() {
  if (mouseActions_->DisjunctRowSelect()) {
    const bool byRealRow = mouseActions_->RowSelectPersistent();
    for (Integer row = FixedRows(); row < RowCount(); ++row)
      if (DisjunctRowFlag(byRealRow ? DisplayToRealRow(row) : row)) ClearRows(row, 1);
  } else if (mouseActions_->DisjunctColSelect()) {
    for (Integer col = FixedCols(); col < ColCount(); ++col)
      if (DisjunctColFlag(col)) ClearCols(col, 1);
  } else {
    const TGridRect selection = Selection();
    ClearRange(selection.Left, selection.Top, selection.Right, selection.Bottom);
  }
}

void TProStringGrid::Clear() {
  if (RowCount() > 0 && ColCount() > 0) ClearRange(0, 0, ColCount() + NumHiddenColumns() - 1, RowCount() - 1);
}
