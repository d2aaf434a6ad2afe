#include "platform/shims/worksheet_cells.h"

#include <algorithm>

#include "platform/core/assertion.h"
#include "platform/core/format.h"

std::uint32_t TWorksheetCells::PoolText(std::string_view text) {
  textStarts_.push_back(texts_.size());
  texts_.append(text);
  return std::uint32_t(textStarts_.size() - 1);
}

std::string_view TWorksheetCells::Text(std::uint32_t index) const {
  const std::size_t start = textStarts_[index];
  const std::size_t end = index + 1 < textStarts_.size() ? textStarts_[index + 1] : texts_.size();
  return std::string_view(texts_).substr(start, end - start);
}

void TWorksheetCells::AddText(std::uint32_t row, std::uint32_t column, std::string_view text) {
  if (!text.empty()) Add(row, column, TKind::Text, PoolText(text), 0);
}

void TWorksheetCells::AddPooledText(std::uint32_t row, std::uint32_t column, std::uint32_t index) {
  Assert(index < PooledTextCount(), "a text that was never pooled");
  if (!Text(index).empty()) Add(row, column, TKind::Text, index, 0);
}

void TWorksheetCells::AddNumber(std::uint32_t row, std::uint32_t column, double value) {
  Add(row, column, TKind::Number, 0, value);
}

void TWorksheetCells::AddDate(std::uint32_t row, std::uint32_t column, TDateTime value) {
  Add(row, column, TKind::Date, 0, value);
}

void TWorksheetCells::AddBoolean(std::uint32_t row, std::uint32_t column, bool value) {
  Add(row, column, TKind::Boolean, 0, value ? 1 : 0);
}

void TWorksheetCells::AddError(std::uint32_t row, std::uint32_t column, Integer errorNumber) {
  Add(row, column, TKind::Error, 0, errorNumber);
}

void TWorksheetCells::Add(std::uint32_t row, std::uint32_t column, TKind kind, std::uint32_t text, double number) {
  if (row < 1 || row > kMaxSheetRows || column < 1 || column > kMaxSheetColumns)
    throw EWorkbookFileError(Format("a cell lies outside the sheet (row %d, column %d)", {row, column}));
  if (cells_.size() >= kMaxRangeCells)
    throw EWorkbookFileError(Format("the sheet holds more than %d values", {Int64(kMaxRangeCells)}));
  cells_.push_back({row, std::uint16_t(column), kind, text, number});
}

TCellRect TWorksheetCells::UsedRange() const {
  if (cells_.empty()) return {1, 1, 1, 1};
  TCellRect rect{kMaxSheetRows, kMaxSheetColumns, 1, 1};
  for (const TCell& cell : cells_) {
    rect.firstRow = std::min(rect.firstRow, cell.row);
    rect.lastRow = std::max(rect.lastRow, cell.row);
    rect.firstColumn = std::min<std::uint32_t>(rect.firstColumn, cell.column);
    rect.lastColumn = std::max<std::uint32_t>(rect.lastColumn, cell.column);
  }
  return rect;
}

Variant TWorksheetCells::ValueOf(const TCell& cell) const {
  switch (cell.kind) {
    case TKind::Text: return Variant(std::string(Text(cell.text)));
    case TKind::Number: return Variant(cell.number);
    case TKind::Date: return Variant::FromDateTime(cell.number);
    case TKind::Boolean: return Variant(cell.number != 0);
    case TKind::Error: return VarAsError(CellErrorCode(Integer(cell.number)));
  }
  return Variant();
}

Variant TWorksheetCells::Values(const TCellRect& rect) const {
  Assert(WithinValueLimit(rect), "a range beyond the value limit");
  const Integer rows = Integer(rect.lastRow - rect.firstRow + 1);
  const Integer columns = Integer(rect.lastColumn - rect.firstColumn + 1);
  Variant values = VarArrayCreate({{1, rows}, {1, columns}}, varVariant);
  for (const TCell& cell : cells_) {
    if (cell.row < rect.firstRow || cell.row > rect.lastRow || cell.column < rect.firstColumn ||
        cell.column > rect.lastColumn)
      continue;
    values.Put({Integer(cell.row - rect.firstRow + 1), Integer(cell.column - rect.firstColumn + 1)}, ValueOf(cell));
  }
  return values;
}
