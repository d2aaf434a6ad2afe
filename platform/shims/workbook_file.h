// Reads the sheet a workbook file shows first: the active sheet of a package (.xlsx,
// xlsx_reader.h) or the first sheet of a binary workbook (.xls, xls_reader.h).  The kind is told
// by the file's first bytes, not by its name: "PK\3\4" starts a package, D0 CF 11 E0 A1 B1 1A E1 a
// binary workbook.
#pragma once

#include <string_view>

#include "platform/shims/worksheet_cells.h"

// `fileName` is a program path (code page 874, native or Windows form).  EWorkbookFileError saying
// why when the file is missing, cannot be opened or read, or is no workbook.
TWorksheetCells ReadWorkbookFile(std::string_view fileName);
