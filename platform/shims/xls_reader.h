// Reads the first worksheet of a binary workbook file (.xls) through libfreexl.
//
// The library cannot tell which sheet was active when the file was saved, so the first sheet is
// read.  It gives every value the cell's number format makes a date as a date text (to the second,
// and for a date format without its time of day), and Boolean and error cells as numbers: a Boolean
// is 1 or 0, an error cell some number, not an error value.  Texts arrive as UTF-8 and are kept in
// code page 874 ('?' for characters outside it).  The library holds the whole sheet while reading,
// one slot of about 16 bytes per cell of the sheet's declared dimensions (at most 65536 x 256).
#pragma once

#include <string>

#include "platform/shims/worksheet_cells.h"

// The cells of the first sheet of the file at `nativePath` (UTF-8); EWorkbookFileError when the
// file cannot be read as a binary workbook.
TWorksheetCells ReadXlsFirstSheet(const std::string& nativePath);
