#include "platform/ui/string_grid.h"

#include "platform/ui/grid_publishing.h"

#include "platform/ui/canvas.h"
#include "platform/ui/colors.h"

PR_PUBLISH(TStringGrid) { PublishGrid(p); }

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) { cells_.Resize(ColCount(), RowCount()); }

TStringGrid::~TStringGrid() = default;

void TStringGrid::CheckCell(Integer ACol, Integer ARow) const {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) throw EInvalidGridOperation(SGridIndexOutOfRange);
}

TGridCells::Cell& TStringGrid::StoredCell(Integer ACol, Integer ARow) {
  CheckCell(ACol, ARow);
  return cells_.At(ACol, ARow);
}

const TGridCells::Cell& TStringGrid::StoredCell(Integer ACol, Integer ARow) const {
  CheckCell(ACol, ARow);
  return cells_.At(ACol, ARow);
}

void TStringGrid::SwapStoredRows(Integer ARow1, Integer ARow2) {
  CheckCell(0, ARow1);
  CheckCell(0, ARow2);
  cells_.SwapRows(ARow1, ARow2);
}

std::string TStringGrid::Cells(Integer ACol, Integer ARow) const { return StoredCell(ACol, ARow).Text; }

void TStringGrid::SetCells(Integer ACol, Integer ARow, const std::string& Value) {
  StoredCell(ACol, ARow).Text = Value;
  InvalidateCell(ACol, ARow);
  EditedCellChanged(ACol, ARow);
}

TObject* TStringGrid::Objects(Integer ACol, Integer ARow) const { return StoredCell(ACol, ARow).Object; }

void TStringGrid::SetObjects(Integer ACol, Integer ARow, TObject* Value) { StoredCell(ACol, ARow).Object = Value; }

TStrings* TStringGrid::View(std::vector<std::unique_ptr<TStringGridStrings>>& Views, bool IsRow, Integer Index,
                            Integer Count) {
  if (Index < 0 || Index >= Count) throw EInvalidGridOperation(SGridIndexOutOfRange);
  if (Views.size() <= static_cast<size_t>(Index)) Views.resize(Index + 1);
  if (!Views[Index]) Views[Index] = std::make_unique<TStringGridStrings>(this, IsRow, Index);
  return Views[Index].get();
}

TStrings* TStringGrid::Rows(Integer Index) { return View(rowViews_, true, Index, RowCount()); }

TStrings* TStringGrid::Cols(Integer Index) { return View(colViews_, false, Index, ColCount()); }

std::string TStringGrid::GetEditText(Integer ACol, Integer ARow) {
  std::string value = Cells(ACol, ARow);
  OnGetEditText(this, ACol, ARow, value);
  return value;
}

void TStringGrid::SetEditText(Integer ACol, Integer ARow, const std::string& Value) {
  if (Value != Cells(ACol, ARow)) SetCells(ACol, ARow, Value);
  inherited::SetEditText(ACol, ARow, Value);
}

void TStringGrid::SizeChanged(Integer OldColCount, Integer OldRowCount) {
  cells_.Resize(ColCount(), RowCount());
  inherited::SizeChanged(OldColCount, OldRowCount);
}

void TStringGrid::ColumnMoved(Integer FromIndex, Integer ToIndex) {
  cells_.MoveCol(FromIndex, ToIndex);
  inherited::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(Integer FromIndex, Integer ToIndex) {
  cells_.MoveRow(FromIndex, ToIndex);
  inherited::RowMoved(FromIndex, ToIndex);
}

void TStringGrid::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) {
  if (DefaultDrawing()) {
    TCanvas* canvas = Canvas();
    canvas->Font()->SetColor(AState.Contains(gdSelected) ? clHighlightText : Font()->Color());
    canvas->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, cells_.At(ACol, ARow).Text);
  }
  inherited::DrawCell(ACol, ARow, ARect, AState);
}
