// TProStringGrid: fixed-cell editing (by a press or a double click on a header), the double click,
// and the click sort on the release over a header.
#include <cmath>

#include "grid/cell_text_kinds.h"
#include "grid/floating_footer.h"
#include "grid/grid_trans_edit.h"
#include "grid/mouse_actions.h"
#include "grid/popup_button.h"
#include "grid/pro_string_grid.h"
#include "grid/sort_index_list.h"
#include "grid/sort_settings.h"
#include "platform/os/clock.h"
#include "platform/ui/message.h"

namespace {

constexpr Integer kSizingZone = 4;   // pixels inside a header's edges kept for sizing

bool IsValid(TGridCoord Cell) { return Cell.X >= 0 && Cell.Y >= 0; }

}   // namespace

// ---- Fixed-cell editing ----

TGridTransEdit* TProStringGrid::FixedCellEditor() {
  if (fixedCellEditor_ == nullptr) {
    fixedCellEditor_ = new TGridTransEdit(this);
    fixedCellEditor_->SetParent(this);
  }
  return fixedCellEditor_;
}

// A handler may refuse a header; without one the header opens (the answer starts true, asked as
// if editing were on so that goEditing off refuses nothing by itself).
void TProStringGrid::EditFixedCell(Integer ACol, Integer ARow) {
  TGridTransEdit* editor = FixedCellEditor();
  if (editor->Visible() && !editor->CommitEdit()) return;
  bool canEdit = true;
  const bool savedForced = forcedEdit_;
  forcedEdit_ = true;
  CanEditCell(ACol, ARow, canEdit);
  forcedEdit_ = savedForced;
  if (!canEdit) return;
  TRect rect = CellRect(ACol, ARow);
  InflateRect(&rect, -1, -1);
  editor->SetBounds(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top);
  editor->SetText(GetCellText(ACol, ARow));
  editor->SetCol(ACol);
  editor->SetRow(ARow);
  editor->Show();
  if (editor->CanFocus()) editor->SetFocus();
}

void TProStringGrid::EditFixedCellOnPress(TMouseButton Button, TGridCoord Cell, Integer X, Integer Y) {
  if (!IsValid(Cell) || (Cell.Y >= FixedRows() && Cell.X >= FixedCols())) return;
  const TGridFixedCellEdit wanted = Button == mbLeft ? fceLeftClick : fceRightClick;
  if (Button != mbLeft && Button != mbRight) return;
  TRect inner = CellRect(Cell.X, Cell.Y);
  InflateRect(&inner, -kSizingZone, -kSizingZone);
  const bool inside = PtInRect(&inner, TPoint{X, Y}) != 0;
  if (Cell.Y < FixedRows() && mouseActions_->FixedRowsEdit() == wanted) {
    if (Button == mbLeft && Options().Contains(goColSizing) && !inside) return;
    EditFixedCell(Cell.X, Cell.Y);
  } else if (Cell.X < FixedCols() && mouseActions_->FixedColsEdit() == wanted) {
    if (Button == mbLeft && Options().Contains(goRowSizing) && !inside) return;
    EditFixedCell(Cell.X, Cell.Y);
  }
}

// ---- Double click ----

void TProStringGrid::WMLButtonDblClk(TMessage& Message) {
  const TPoint at = MessagePos(Message);
  TGridCoord cell = MouseCoord(at.X, at.Y);
  // Outside the cells the double click counts for the top-right header.
  if (!IsValid(cell) && !fixedRowAlways_) cell = TGridCoord{ColCount() - 1, 0};
  if (IsValid(cell) && AutoSizeOnDblClick(cell, at.X)) return;
  inherited::Dispatch(Message);
  if (!IsValid(cell)) return;
  OnDblClickCell(this, cell.Y, cell.X);
  const bool fixedRow = cell.Y < FixedRows();
  const bool fixedCol = cell.X < FixedCols();
  if ((fixedRow && mouseActions_->FixedRowsEdit() == fceDblClick) ||
      (fixedCol && mouseActions_->FixedColsEdit() == fceDblClick))
    EditFixedCell(cell.X, cell.Y);
}

// A double click within 4 pixels of a header's left edge fits the column to its left, of its right
// edge the column itself (a normal column, unless OnColumnSize refuses); true when it lay there.
// The release after it lies on the border and does not sort.
bool TProStringGrid::AutoSizeOnDblClick(TGridCoord Cell, Integer X) {
  if (Cell.Y >= FixedRows() || !Options().Contains(goColSizing) || !mouseActions_->AutoSizeColOnDblClick())
    return false;
  const TRect rect = CellRect(Cell.X, Cell.Y);
  Integer column = -1;
  if (X - rect.Left < kSizingZone) column = Cell.X - 1;
  else if (rect.Right - X < kSizingZone) column = Cell.X;
  else return false;
  if (column < FixedCols()) return true;
  bool allow = true;
  OnColumnSize(this, column, allow);
  if (!allow) return true;
  AutoSizeColumn(column);
  OnEndColumnSize(this, column);
  return true;
}

// ---- Right button ----

void TProStringGrid::WMRButtonDown(TMessage& Message) {
  const TPoint at = MessagePos(Message);
  const TGridCoord cell = MouseCoord(at.X, at.Y);
  inherited::Dispatch(Message);
  if (!IsValid(cell)) return;
  const TGridRect selection = Selection();
  const bool selected = cell.X >= selection.Left && cell.X <= selection.Right && cell.Y >= selection.Top &&
                        cell.Y <= selection.Bottom;
  if (mouseActions_->SelectOnRightClick() && !IsFixed(cell.X, cell.Y) && !selected) {
    const TPoint base = GetBaseCell(cell.X, cell.Y);
    MoveColRow(base.X, base.Y, true, true);
    if (mouseActions_->DisjunctRowSelect()) {
      if (KeysToShiftState(MessageKeys(Message)).Contains(ssCtrl)) {
        SetDisjunctRowSelected(base.Y, !GetRowSelect(base.Y));
      } else {
        ClearDisjunctRowSelection();
        SetDisjunctRowSelected(base.Y, true);
      }
    }
  }
  OnRightClickCell(this, cell.Y, cell.X);
  // With URLShow and URLEdit a right click is how a link is edited (a left one opens it).
  if (urlShow_ && URLEdit() && !IsFixed(cell.X, cell.Y) && IsLinkText(GetCellText(DisplToRealCol(cell.X), cell.Y))) {
    MoveColRow(cell.X, cell.Y, true, true);
    ShowCellEditor();
  }
}

// ---- Release: click sort ----

void TProStringGrid::WMLButtonUp(TMessage& Message) {
  HideMoveArrows();
  const TPoint at = MessagePos(Message);
  const TGridCoord cell = MouseCoord(at.X, at.Y);
  const bool moving = GridState() == gsColMoving || GridState() == gsRowMoving;
  const bool sizing = pointer_.ColumnSized || pointer_.RowSized || GridState() == gsColSizing || GridState() == gsRowSizing;
  const Integer sizedCol = GridState() == gsColSizing ? SizingIndex() : -1;
  const Integer startWidth = sizedCol >= 0 ? ColWidths(sizedCol) : 0;
  inherited::Dispatch(Message);
  if (moving && popupButton_ != nullptr) popupButton_->SetVisible(false);
  if (sizedCol >= 0 && sizedCol < ColCount() && ColWidths(sizedCol) != startWidth) ColumnSizedByDrag(sizedCol, startWidth);
  if (moving || sizing || !IsValid(cell) || (cell.X < FixedCols() && !sortSettings_->FixedCols())) return;
  ReleaseOnCellGraphic(cell);
  if (!ReleaseSorts(cell, at.X)) return;
  ClickSort(cell.X, KeysToShiftState(MessageKeys(Message)));
}

// A release on the sort row, pressed there too, that is not on a header's sizing edge.
bool TProStringGrid::ReleaseSorts(TGridCoord Cell, Integer X) {
  if (!IsValid(Cell) || Cell.Y != sortSettings_->Row() || sortPressRow_ != Cell.Y) return false;
  if (FixedRows() == 0 || !sortSettings_->Show() || RowCount() <= 2) return false;
  if (Cell.X < FixedCols() && !sortSettings_->FixedCols()) return false;
  const TRect rect = CellRect(Cell.X, Cell.Y);
  if (Cell.Y == 0 && Options().Contains(goColSizing) &&
      (X - rect.Left < kSizingZone || rect.Right - X < kSizingZone))
    return false;
  return true;
}

void TProStringGrid::ClickSort(Integer ACol, TShiftState Shift) {
  bool allow = true;
  OnCanSort(this, ACol, allow);
  if (!allow) {
    RepaintCell(ACol, sortSettings_->Row());
    return;
  }
  HideCellEdit();
  const DWORD start = GetTickCount();
  const bool ascending = sortSettings_->InitSortDirection() == sdAscending;
  if (sortSettings_->IndexShow()) {
    const bool onlyThis = sortIndex_->Count() == 1 && sortIndex_->GetSortColumn(0) == ACol;
    if (Shift.Contains(ssShift) ? sortIndex_->FindIndex(ACol) < 0 : !onlyThis) {
      if (!Shift.Contains(ssShift)) sortIndex_->Clear();
      sortIndex_->AddIndex(ACol, ascending);
    } else {
      sortIndex_->ToggleDirection(ACol);
    }
    if (HasNodes()) SortNodeGroupsByIndex();
    else SortByIndex();
    sortSettings_->SetColumn(sortIndex_->Count() > 0 ? sortIndex_->GetSortColumn(0) : -1);
  } else {
    if (sortSettings_->Column() == ACol) {
      const bool wasInitial = sortSettings_->Direction() == sortSettings_->InitSortDirection();
      if (!wasInitial && sortSettings_->UndoSort()) {
        RestoreUnsortedOrder();
        sortSettings_->SetColumn(-1);
        sortSettings_->SetDirection(sortSettings_->InitSortDirection());
        lastSortTime_ = GetTickCount() - start;
        OnClickSort(this, -1);
        return;
      }
      sortSettings_->SetDirection(sortSettings_->Direction() == sdAscending ? sdDescending : sdAscending);
    } else {
      sortSettings_->SetDirection(sortSettings_->InitSortDirection());
      sortSettings_->SetColumn(ACol);
    }
    if (HasNodes()) SortNodeGroups();
    else SortByColumn();
  }
  lastSortTime_ = GetTickCount() - start;
  OnClickSort(this, sortSettings_->Column());
}

// ---- Column sizing by drag, row moves ----

void TProStringGrid::ColumnSizedByDrag(Integer ACol, Integer StartWidth) {
  Integer width = ColWidths(ACol);
  if (mouseActions_->AllColumnSize() && StartWidth > 0)
    for (Integer col = FixedCols(); col < ColCount() - FixedRightCols(); ++col)
      if (col != ACol) SetColWidths(col, Integer(std::lround(double(ColWidths(col)) * width / StartWidth)));
  OnEndColumnSize(this, ACol);
  OnUpdateColumnSize(this, ACol, width);
  if (width != ColWidths(ACol)) SetColWidths(ACol, width);
}

void TProStringGrid::RowMoved(Integer FromIndex, Integer ToIndex) {
  const bool ontoFooter = floatingFooter_->Visible() && floatingFooter_->FooterStyle() == fsFixedLastRow &&
                          ToIndex == RowCount() - 1;
  if (!ontoFooter) return inherited::RowMoved(FromIndex, ToIndex);
  // The platform grid has moved the heights already; they go back (the texts never moved).
  const Integer moved = RowHeights(ToIndex);
  for (Integer row = ToIndex; row > FromIndex; --row) SetRowHeights(row, RowHeights(row - 1));
  SetRowHeights(FromIndex, moved);
}
