#include "platform/shims/xls_reader.h"

#include <freexl.h>

#include "platform/core/cp874.h"
#include "platform/core/format.h"
#include "platform/shims/spreadsheet_dates.h"

namespace {

// The library's handle, closed on every way out (also after a failed open, as the library asks).
class TFreeXlHandle {
 public:
  TFreeXlHandle() = default;
  TFreeXlHandle(const TFreeXlHandle&) = delete;
  TFreeXlHandle& operator=(const TFreeXlHandle&) = delete;
  ~TFreeXlHandle() { freexl_close(handle_); }
  const void** Out() { return &handle_; }
  const void* Get() const { return handle_; }

 private:
  const void* handle_ = nullptr;
};

std::string ErrorText(int error) {
  switch (error) {
    case FREEXL_FILE_NOT_FOUND: return "the file cannot be opened";
    case FREEXL_INSUFFICIENT_MEMORY: return "there is not enough memory";
    case FREEXL_INVALID_CFBF_HEADER: case FREEXL_CFBF_INVALID_SIGNATURE: return "it is not a workbook file";
    case FREEXL_UNSUPPORTED_CHARSET: case FREEXL_INVALID_CHARACTER: return "its texts cannot be decoded";
    default: return Format("the file is damaged (error %d)", {error});
  }
}

void Check(int error) {
  if (error != FREEXL_OK) throw EWorkbookFileError(ErrorText(error));
}

void AddCell(TWorksheetCells& cells, std::uint32_t row, std::uint32_t column, const FreeXL_CellValue& value) {
  switch (value.type) {
    case FREEXL_CELL_INT: return cells.AddNumber(row, column, value.value.int_value);
    case FREEXL_CELL_DOUBLE: return cells.AddNumber(row, column, value.value.double_value);
    case FREEXL_CELL_TEXT: case FREEXL_CELL_SST_TEXT:
      return cells.AddText(row, column, Utf8ToCp874(value.value.text_value));
    case FREEXL_CELL_DATE: case FREEXL_CELL_DATETIME: case FREEXL_CELL_TIME: {
      TDateTime date;
      if (!ParseDateTimeText(value.value.text_value, date))
        throw EWorkbookFileError(Format("the date of cell %s cannot be read",
                                        {AbsoluteAddress({row, column, row, column})}));
      return cells.AddDate(row, column, date);
    }
    default: return;   // FREEXL_CELL_NULL
  }
}

}  // namespace

TWorksheetCells ReadXlsFirstSheet(const std::string& nativePath) {
  TFreeXlHandle handle;
  Check(freexl_open(nativePath.c_str(), handle.Out()));
  unsigned int info = 0;
  Check(freexl_get_info(handle.Get(), FREEXL_BIFF_PASSWORD, &info));
  if (info == FREEXL_BIFF_OBFUSCATED) throw EWorkbookFileError("the workbook is protected by a password");
  Check(freexl_get_info(handle.Get(), FREEXL_BIFF_SHEET_COUNT, &info));
  TWorksheetCells cells;
  if (info == 0) return cells;
  Check(freexl_select_active_worksheet(handle.Get(), 0));
  unsigned int rows = 0;
  unsigned short columns = 0;
  Check(freexl_worksheet_dimensions(handle.Get(), &rows, &columns));
  for (unsigned int row = 0; row < rows; ++row)
    for (unsigned short column = 0; column < columns; ++column) {
      FreeXL_CellValue value;
      Check(freexl_get_cell_value(handle.Get(), row, column, &value));
      AddCell(cells, row + 1, column + 1u, value);
    }
  return cells;
}
