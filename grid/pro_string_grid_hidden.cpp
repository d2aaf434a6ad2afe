// TProStringGrid: the hidden-row store, the row and column index mappings and the cell access by
// real row.
//
// The store's entries stand in ascending Idx, no index twice.  A hidden row's properties objects
// live in its entry's Items (as the strings' objects) and nowhere else: hiding detaches them from
// the grid's slots, showing puts them back, and freeing the grid frees what the store still holds.
// The column half (visibility flags, saved widths, the hidden column count) is kept but never
// changed: no operation of this system hides a column, so every column mapping is the identity.
#include <algorithm>
#include <cstdlib>

#include "grid/cell_graphic.h"
#include "grid/cell_properties.h"
#include "grid/control_list.h"
#include "grid/grid_filter.h"
#include "grid/int_list.h"
#include "grid/pro_string_grid.h"
#include "grid/wide_cell_text.h"
#include "platform/classes/collection.h"

namespace {

constexpr Integer kMappedColumns = 512;

}   // namespace

// ---- The store ----

TGridItem* TProStringGrid::HiddenEntry(Integer Index) const {
  return static_cast<TGridItem*>(hiddenRows_->Items(Index));
}

Integer TProStringGrid::NumHiddenRows() const { return hiddenRows_->Count(); }

Integer TProStringGrid::HiddenBelow(Integer ARealRow) const {
  Integer below = 0;
  while (below < NumHiddenRows() && HiddenEntry(below)->Idx() < ARealRow) ++below;
  return below;
}

Integer TProStringGrid::HiddenEntryOf(Integer ARealRow) const {
  const Integer position = HiddenBelow(ARealRow);
  return position < NumHiddenRows() && HiddenEntry(position)->Idx() == ARealRow ? position : -1;
}

bool TProStringGrid::IsHiddenRow(Integer ARow) const { return HiddenEntryOf(ARow) >= 0; }

void TProStringGrid::StoreRow(Integer ADisplayRow, Integer ARealRow, Integer APosition) {
  auto* entry = static_cast<TGridItem*>(hiddenRows_->Insert(APosition));
  entry->SetIdx(ARealRow);
  entry->SetHeight(RowHeights(ADisplayRow));
  for (Integer col = 0; col < AllColCount(); ++col)
    entry->Items()->AddObject(GetRawCellText(col, ADisplayRow), GetRawCellObject(col, ADisplayRow));
}

void TProStringGrid::RestoreRow(Integer Position, Integer ADisplayRow) {
  TGridItem* entry = HiddenEntry(Position);
  TStringList* cells = entry->Items();
  for (Integer col = 0; col < AllColCount(); ++col) {
    const bool stored = col < cells->Count();
    SetRawCellText(col, ADisplayRow, stored ? cells->Strings(col) : std::string());
    SetRawCellObject(col, ADisplayRow, stored ? cells->Objects(col) : nullptr);
  }
  // Cells of columns removed while the row was hidden have nowhere to go.
  for (Integer col = AllColCount(); col < cells->Count(); ++col) FreeDetachedProperties(cells->Objects(col));
  SetRowHeights(ADisplayRow, entry->Height());
  hiddenRows_->Delete(Position);
}

// The controls of hidden rows move with the rows' entries.
void TProStringGrid::ShiftHiddenRows(Integer FromRealRow, Integer Delta) {
  for (Integer i = HiddenBelow(FromRealRow); i < NumHiddenRows(); ++i)
    HiddenEntry(i)->SetIdx(HiddenEntry(i)->Idx() + Delta);
  for (Integer i = 0; i < cellControls_->Count(); ++i) {
    TCellControl* entry = cellControls_->GetControl(i);
    if (entry->RowHidden && entry->Row >= FromRealRow) entry->Row += Delta;
  }
}

std::vector<Integer> TProStringGrid::RealRowsOf(Integer ADisplayRow, Integer ACount) const {
  std::vector<Integer> rows;
  if (NumHiddenRows() == 0) return rows;
  for (Integer i = 0; i < ACount; ++i) rows.push_back(DisplayToRealRow(ADisplayRow + i));
  return rows;
}

// Each entry moves up by the number of removed rows below it, so that hidden rows between removed
// shown rows keep their places too.
void TProStringGrid::CloseHiddenGaps(const std::vector<Integer>& RealRows) {
  for (Integer i = 0; i < NumHiddenRows(); ++i) {
    TGridItem* entry = HiddenEntry(i);
    const auto below = std::lower_bound(RealRows.begin(), RealRows.end(), entry->Idx()) - RealRows.begin();
    entry->SetIdx(entry->Idx() - static_cast<Integer>(below));
  }
  for (Integer i = 0; i < cellControls_->Count(); ++i) {
    TCellControl* entry = cellControls_->GetControl(i);
    if (!entry->RowHidden) continue;
    const auto below = std::lower_bound(RealRows.begin(), RealRows.end(), entry->Row) - RealRows.begin();
    entry->Row -= static_cast<Integer>(below);
  }
}

void TProStringGrid::CellControlsToRealRows() {
  for (Integer i = 0; i < cellControls_->Count(); ++i) {
    TCellControl* entry = cellControls_->GetControl(i);
    if (!entry->RowHidden) entry->Row = DisplayToRealRow(entry->Row);
  }
}

void TProStringGrid::CellControlsToDisplayRows() {
  for (Integer i = 0; i < cellControls_->Count(); ++i) {
    TCellControl* entry = cellControls_->GetControl(i);
    entry->RowHidden = IsHiddenRow(entry->Row);
    if (!entry->RowHidden) entry->Row = RealToDisplayRow(entry->Row);
  }
}

void TProStringGrid::FreeHiddenRows() {
  for (Integer i = 0; i < NumHiddenRows(); ++i) {
    TStringList* cells = HiddenEntry(i)->Items();
    for (Integer col = 0; col < cells->Count(); ++col) FreeDetachedProperties(cells->Objects(col));
  }
  hiddenRows_->Clear();
}

void TProStringGrid::InsertHiddenCells(Integer ACol, Integer ACount) {
  for (Integer i = 0; i < NumHiddenRows(); ++i) {
    TStringList* cells = HiddenEntry(i)->Items();
    const Integer at = std::min(ACol, cells->Count());
    for (Integer n = 0; n < ACount; ++n) cells->InsertObject(at, "", nullptr);
  }
}

void TProStringGrid::RemoveHiddenCells(Integer ACol, Integer ACount) {
  for (Integer i = 0; i < NumHiddenRows(); ++i) {
    TStringList* cells = HiddenEntry(i)->Items();
    for (Integer n = 0; n < ACount && ACol < cells->Count(); ++n) {
      FreeDetachedProperties(cells->Objects(ACol));
      cells->Delete(ACol);
    }
  }
}

// ---- Hiding ----

void TProStringGrid::HideRows(Integer FromRow, Integer ToRow) {
  ToRow = std::min(ToRow, RowCount() + NumHiddenRows() - 1);
  if (FromRow < 0 || FromRow > ToRow) return;
  const Integer position = HiddenBelow(FromRow);
  Integer alreadyHidden = 0;
  for (Integer i = position; i < NumHiddenRows() && HiddenEntry(i)->Idx() <= ToRow; ++i) ++alreadyHidden;
  const Integer rows = ToRow - FromRow + 1;
  if (alreadyHidden == rows) return;
  CellControlsToRealRows();
  const Integer displayStart = FromRow - position;
  Integer shown = 0;
  Integer at = position;
  for (Integer real = FromRow; real <= ToRow; ++real) {
    if (at < NumHiddenRows() && HiddenEntry(at)->Idx() == real) {
      ++at;
      continue;
    }
    StoreRow(displayStart + shown++, real, at++);
  }
  RemoveRowRange(displayStart, shown, false);
  CellControlsToDisplayRows();
}

// The listed rows are display indexes; rows may be hidden already (contracted nodes), so each is
// mapped to its real index first and its entry goes to its place in Idx order.
void TProStringGrid::HideRowList(TIntList* List) {
  const Integer listed = List->Count();
  if (listed == 0) return;
  CellControlsToRealRows();
  std::vector<Integer> realRows;
  for (Integer i = 0; i < listed; ++i) realRows.push_back(DisplayToRealRow(List->GetItem(i)));
  std::vector<Integer> heights;
  for (Integer row = 0; row < RowCount(); ++row) heights.push_back(RowHeights(row));
  for (Integer i = 0; i < listed; ++i) StoreRow(List->GetItem(i), realRows[i], HiddenBelow(realRows[i]));
  Integer next = 0;
  Integer free = 0;
  for (Integer row = 0; row < RowCount(); ++row) {
    if (next < listed && List->GetItem(next) == row) {
      ++next;
      continue;
    }
    if (free != row) {
      CopyRow(row, free);
      SetRowHeights(free, heights[row]);
    }
    ++free;
  }
  DetachRows(free, RowCount() - 1);
  SetRowCount(RowCount() - listed);
  CellControlsToDisplayRows();
}

// ---- Showing ----

void TProStringGrid::UnHideRowsAll() {
  const Integer hidden = NumHiddenRows();
  if (hidden == 0) return;
  CellControlsToRealRows();
  Integer shown = RowCount() - 1;
  SetRowCount(RowCount() + hidden);
  Integer entry = hidden - 1;
  for (Integer position = RowCount() - 1; position >= 0 && entry >= 0; --position) {
    if (shown < 0 || HiddenEntry(entry)->Idx() >= position) {
      RestoreRow(entry--, position);
    } else {
      CopyRow(shown, position);
      SetRowHeights(position, RowHeights(shown--));
    }
  }
  CellControlsToDisplayRows();
}

void TProStringGrid::UnHideRows(Integer FromRow, Integer ToRow) {
  Integer position = HiddenEntryOf(FromRow);
  if (position < 0) return;
  CellControlsToRealRows();
  while (position < NumHiddenRows() && HiddenEntry(position)->Idx() <= ToRow) {
    const Integer displayRow = HiddenEntry(position)->Idx() - position;
    InsertEmptyRows(displayRow, 1, false);
    RestoreRow(position, displayRow);
  }
  CellControlsToDisplayRows();
}

// ---- Index mappings ----

Integer TProStringGrid::DisplayToRealRow(Integer ARow) const {
  Integer real = ARow;
  for (Integer i = 0; i < NumHiddenRows() && HiddenEntry(i)->Idx() <= real; ++i) ++real;
  return real;
}

Integer TProStringGrid::RealToDisplayRow(Integer ARow) const { return ARow - HiddenBelow(ARow); }

Integer TProStringGrid::DisplToRealCol(Integer ACol) const {
  if (ACol >= kMappedColumns || hiddenColCount_ == 0) return ACol;
  Integer visible = 0;
  for (Integer col = 0; col < kMappedColumns; ++col) {
    if (!visibleCols_[col]) continue;
    if (visible == ACol) return col;
    ++visible;
  }
  return 0;
}

Integer TProStringGrid::RealToDisplCol(Integer ACol) const {
  if (ACol >= kMappedColumns || hiddenColCount_ == 0) return ACol;
  return ACol - static_cast<Integer>(std::count(visibleCols_, visibleCols_ + ACol, false));
}

bool TProStringGrid::IsHiddenColumn(Integer ACol) const {
  return ACol >= 0 && ACol < kMappedColumns && !visibleCols_[ACol];
}

Integer TProStringGrid::GetRealColWidth(Integer ACol) {
  if (IsHiddenColumn(ACol)) return savedColWidths_[ACol];
  return ColWidths(RealToDisplCol(ACol));
}

void TProStringGrid::SetRealColWidth(Integer ACol, Integer Width) {
  if (ACol >= 0 && ACol < kColumnFlags) savedColWidths_[ACol] = static_cast<SmallInt>(Width);
  if (!IsHiddenColumn(ACol)) SetColWidths(RealToDisplCol(ACol), Width);
}

// ---- Cells by real row ----

std::string TProStringGrid::GetCellTextInclHidden(Integer ACol, Integer ARealRow) {
  const Integer position = HiddenEntryOf(ARealRow);
  if (position < 0) return GetCellText(ACol, RealToDisplayRow(ARealRow));
  TStringList* cells = HiddenEntry(position)->Items();
  std::string text = ACol >= 0 && ACol < cells->Count() ? cells->Strings(ACol) : std::string();
  DoGetDisplText(ACol, ARealRow, text);
  return text;
}

TStringList* TProStringGrid::GetRowItems(Integer ARealRow) const {
  const Integer position = HiddenEntryOf(ARealRow);
  return position < 0 ? nullptr : HiddenEntry(position)->Items();
}

double TProStringGrid::GetAllFloats(Integer ACol, Integer ARealRow) {
  return ReadFloat(GetCellTextInclHidden(ACol, ARealRow));
}

std::u16string TProStringGrid::GetWideCells(Integer ACol, Integer ARow) {
  return DecodeWideCellText(GetCellText(ACol, ARow));
}

void TProStringGrid::SetWideCells(Integer ACol, Integer ARow, const std::u16string& Value) {
  SetRawCellText(ACol, ARow, EncodeWideCellText(Value));
}

// ---- Node marks ----

// As bringing every contracted row back does: every node from the first normal row on is marked
// expanded.
void TProStringGrid::MarkNodesExpanded() {
  for (Integer row = FixedRows(); row < RowCount(); ++row)
    if (GetCellType(0, row) == ctNode) GetCellGraphic(0, row)->SetCellBoolean(false);
}

// ---- Column flags ----

void TProStringGrid::MoveColumnFlags(Integer ACol, Integer Delta) {
  if (ACol < 0 || ACol >= kColumnFlags || Delta == 0) return;
  const Integer count = std::min(std::abs(Delta), kColumnFlags - ACol);
  bool* flags = visibleCols_ + ACol;
  SmallInt* widths = savedColWidths_ + ACol;
  const Integer length = kColumnFlags - ACol;
  if (Delta > 0) {
    std::move_backward(flags, flags + length - count, flags + length);
    std::move_backward(widths, widths + length - count, widths + length);
    std::fill(flags, flags + count, true);
    std::fill(widths, widths + count, SmallInt{0});
  } else {
    std::move(flags + count, flags + length, flags);
    std::move(widths + count, widths + length, widths);
    std::fill(flags + length - count, flags + length, true);
    std::fill(widths + length - count, widths + length, SmallInt{0});
  }
}
