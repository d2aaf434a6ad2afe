// The string grid's drop target; see grid_drop_target.h.
#include "grid/grid_drop_target.h"

#include <algorithm>

#include "grid/drag_drop_settings.h"
#include "grid/pro_string_grid.h"
#include "platform/classes/string_list.h"
#include "platform/core/ansi_strings.h"

TGridCoord TGridDropTarget::CellAt(TPoint Screen) const {
  const TPoint client = grid_->ScreenToClient(Screen);
  return grid_->MouseCoord(client.X, client.Y);
}

void TGridDropTarget::DragMoved(TPoint Point, bool& Allow, DWORD Formats) {
  TProStringGrid* grid = grid_;
  const TGridCoord cell = CellAt(Point);
  const bool overCell = cell.X >= 0 && cell.Y >= 0;
  const bool column = (Formats & dfColumn) != 0;
  Allow = overCell;
  if (overCell && !column) {
    if (cell.Y == grid->TopRow() + grid->VisibleRowCount() && cell.Y < grid->RowCount()) grid->SetTopRow(grid->TopRow() + 1);
    else if (cell.Y == 0 && grid->TopRow() > grid->FixedRows()) grid->SetTopRow(grid->TopRow() - 1);
  }
  const bool oneRowHeader = grid->RowCount() == 1 && grid->FixedRowAlways();
  if (!column && cell.Y < grid->FixedRows() && !oneRowHeader) Allow = false;
  if (column && (cell.Y >= grid->FixedRows() || cell.X < grid->FixedCols())) Allow = false;
  grid->OnOleDragOver(grid, cell.Y, cell.X, Allow);
  Allow = Allow && overCell;
}

void TGridDropTarget::TextDropped(TPoint Point, const std::string& Text) {
  TProStringGrid* grid = grid_;
  TDragDropSettings* settings = grid->DragDropSettings();
  const TGridCoord cell = CellAt(Point);
  Integer col = cell.X;
  Integer row = cell.Y;
  bool allow = true;
  Integer cols = 0;
  Integer extraRows = 0;
  TProStringGrid::MeasureTextBlock(Text, cols, extraRows);
  const bool rowSelect = grid->Options().Contains(goRowSelect);
  if (rowSelect) col = settings->OleEntireRows() ? 0 : grid->FixedCols();
  grid->OnOleDrop(grid, row, col, Text, allow);
  if (allow && col >= 0 && row >= 0) {
    if (row == 0 && grid->FixedRowAlways() && grid->RowCount() == 1) row = 1;
    if (settings->OleInsertRows()) {
      const Integer top = grid->TopRow();
      grid->InsertRows(row, extraRows + 1);
      grid->SetTopRow(top > grid->FixedRows() ? top + 1 : top);
    }
    grid->PasteTextAt(col, row, Text);
    const Integer left = std::max(col, grid->FixedCols());
    const Integer right = rowSelect ? left + cols - grid->FixedCols() : left + cols - 1;
    grid->SetSelection(TGridRect{left, row, std::max(left, right), row + extraRows});
  }
  grid->OnOleDropped(grid, grid->Selection());
}

void TGridDropTarget::ColumnDropped(TPoint Point, Integer ColumnIndex) {
  const TGridCoord cell = CellAt(Point);
  grid_->OnOleDropCol(grid_, cell.Y, cell.X, ColumnIndex);
}

void TGridDropTarget::RichTextDropped(TPoint Point, const std::string& RtfText) {
  const TGridCoord cell = CellAt(Point);
  bool allow = true;
  grid_->OnOleDrop(grid_, cell.Y, cell.X, RtfText, allow);
  if (allow && cell.X >= 0 && cell.Y >= 0) grid_->SetCellText(cell.X, cell.Y, RtfText);
}

void TGridDropTarget::FilesDropped(TPoint Point, TStringList* FileNames) {
  if (FileNames->Count() != 1) return;
  TProStringGrid* grid = grid_;
  const std::string name = FileNames->Strings(0);
  const TGridCoord cell = CellAt(Point);
  bool allow = true;
  if (grid->OnOleDropFile) grid->OnOleDropFile(grid, cell.Y, cell.X, name, allow);
  if (!allow) return;
  const std::string upper = AnsiUpperCase(name);
  const auto askDrop = [grid, &name] {
    bool dropAllowed = true;
    if (grid->OnOleDrop) grid->OnOleDrop(grid, -1, -1, name, dropAllowed);
    return dropAllowed;
  };
  if (upper.find(".CSV") != std::string::npos && askDrop()) grid->LoadCSVFile(name, -1);
  if (upper.find(".XLS") != std::string::npos && askDrop()) grid->LoadWorksheetFile(name);
}
