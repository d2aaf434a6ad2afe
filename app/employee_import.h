// The employee import: the data rows of a loaded import file become new employee records of
// PRFILE01 (EmployeeFile), each added with its five keys through the data-file wrapper.
//
// The rows come through TImportRows, which the main form gives over its grid: row 0 is the header,
// the data rows are 1 .. RowCount - 1, columns c0 .. c25 are read (further ones are ignored).  A
// row is skipped when its code (c0) is empty, longer than 10 characters or already a key 1 of
// PRFILE01 (searched as typed); a record or key the wrapper cannot add is left out without a
// message (the wrapper has removed what it began).  Existing employees are never changed.
//
// Column rules (texts are code page 874; integers are ParseIntegerText, their low byte modulo
// 256):
//   c0  code: a-z upper-cased, cut to 9        c1-c5  cut to 50, then to the field's 40
//   c6  2 for the integer 2, else 1            c7     department "01".."60" (outside: "01")
//   c8  cut to 30                              c9 c10 c12  low byte, 251..254 become 1
//   c11 low byte, 252..254 become 3            c13 c14  low byte, 252..255 become 0
//   c15-c18  cut to 20                         c19  10 characters kept, "dd/mm/yy" -> "dd/mm/25yy"
//   c20 today "yymmdd", replaced by an 8-character cell packed      c21 c22  8 characters packed
//   c23 1 when the first character is y or Y   c24 c25  the grid's number of the cell
// Each row's search and add run under one file-block lock of PRFILE01 (taken with the wrapper's
// retries and question, released after the add or at once for a row not added), so another
// station cannot add the same code between them.
// The search uses the code as typed while the record stores it upper-cased and cut: a file of
// "E001" makes a row "e001" fail on key 1 without a message, as the suite's other programs expect.
//
// Ending: as soon as the program's end is requested (the user refused to wait for a lock, or a
// fatal report), the import stops before its next wrapper call; the rows left are not read.  A
// cell of c24 or c25 that is not a number raises the grid's error: the import ends at that row and
// the rows before it stay added.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/types.h"

class TImportRows {
 public:
  virtual ~TImportRows() = default;
  virtual Integer RowCount() const = 0;
  // The cell's text ("" for a cell beyond the row's fields).
  virtual std::string Cell(Integer Col, Integer Row) const = 0;
  // The cell's number as the grid reads it; raises for a cell that is not a number.
  virtual double Amount(Integer Col, Integer Row) const = 0;
};

void ImportAllRows(const TImportRows& Rows);
void ImportRow(const TImportRows& Rows, Integer Row);
// Fills the 2,567-byte Record (zeroed first) from the row by the column rules.
void RowToEmployee(const TImportRows& Rows, Integer Row, Byte* Record);
// The text, or its first n characters when it is longer.
std::string CutText(std::string_view Text, Integer N);
