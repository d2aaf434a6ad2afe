// TProStringGrid: importing the active sheet of a workbook file through the "excel.application"
// automation server (platform/shims/worksheet_server.h).  The grid never reads the file itself:
// it asks for the sheet's used range, sizes itself to it and stores the range's values as text.
//
// The used range's address is read by grid/worksheet_address.h; any other address raises
// EOleException.  The values are read before any count changes: the server refuses a range of more
// than kMaxRangeCells cells (platform/shims/worksheet_cells.h), so a sheet with values far apart
// cannot make the grid enormous.
#include <algorithm>
#include <string_view>

#include "grid/pro_grid_error.h"
#include "grid/pro_string_grid.h"
#include "grid/worksheet_address.h"
#include "platform/core/format.h"
#include "platform/core/variant.h"
#include "platform/shims/automation.h"
#include "platform/ui/cursors.h"
#include "platform/ui/screen.h"

namespace {

constexpr std::string_view kWorksheetServer = "excel.application";

}   // namespace

void TProStringGrid::LoadWorksheetFile(const std::string& FileName) {
  const TCursor savedCursor = Screen->Cursor();
  Screen->SetCursor(crHourGlass);
  Variant server;
  try {
    server = CreateOleObject(kWorksheetServer);
  } catch (const EOleError&) {
    Screen->SetCursor(savedCursor);
    throw EProGridError(SExcelServerNotFound);
  }
  // Every way out tells the server to quit and reports the whole grid changed: cells stored before
  // an error stay.
  const auto finish = [&] {
    DispatchInvoke(server, "Quit");
    server = Variant();
    Screen->SetCursor(savedCursor);
    CellsChanged(TRect{0, 0, ColCount(), RowCount()});
    AllCellsChanged();
  };
  try {
    ImportActiveSheet(server, FileName);
  } catch (...) {
    finish();
    throw;
  }
  finish();
}

void TProStringGrid::ImportActiveSheet(const Variant& Server, const std::string& FileName) {
  const Variant workbook = DispatchInvoke(DispatchInvoke(Server, "WorkBooks"), "Open", {Variant(FileName)});
  const Variant sheet = DispatchInvoke(workbook, "ActiveSheet");
  const std::string address = DispatchInvoke(DispatchInvoke(sheet, "UsedRange"), "Address").AsString();

  TCellRect used{};
  if (!ReadUsedRangeAddress(address, used)) throw EOleException(Format("The used range %s cannot be read", {address}));
  const Variant range = DispatchInvoke(sheet, "Range", {Variant(RangeReadAddress(used))});
  const Variant values = DispatchInvoke(range, "Value");

  // Only values the server could read change the counts, so a range past its cell limit changes
  // nothing; the counts are set once, so that cells the grid keeps (the fixed ones when the range
  // starts past them) keep their texts.
  const Integer fixedCols = FixedCols(), fixedRows = FixedRows();
  const Integer colOffset = includeFixedCells_ ? 0 : fixedCols, rowOffset = includeFixedCells_ ? 0 : fixedRows;
  SetColCount(Integer(used.lastColumn - used.firstColumn + 1) + colOffset);
  SetRowCount(Integer(used.lastRow - used.firstRow + 1) + rowOffset);
  if (fixedCols < ColCount()) SetFixedCols(fixedCols);
  if (fixedRows < RowCount()) SetFixedRows(fixedRows);

  const Integer rows = std::min(RowCount() - rowOffset, values.Bounds(1).HighBound);
  const Integer cols = std::min(ColCount() - colOffset, values.Bounds(2).HighBound);
  for (Integer r = 1; r <= rows; ++r)
    for (Integer c = 1; c <= cols; ++c) {
      const Variant& value = values.Get({r, c});
      const TVarType type = value.VarType();
      if (type == varDispatch || type == varError) continue;   // the cell keeps its text
      SetLoadedCellText(c + colOffset - 1, r + rowOffset - 1, value.IsEmpty() ? std::string() : value.AsString());
    }
  DispatchInvoke(workbook, "Close", {}, {{"SaveChanges", Variant(false)}});
}
