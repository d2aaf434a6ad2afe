// Cell rectangles of a worksheet and their A1 addresses.
//
// Rows run from 1 to 1048576 and columns from 1 (A) to 16384 (XFD), the largest sheet a workbook
// file can describe.  A column's letters count in base 26 with digits A..Z: A = 1, Z = 26,
// AA = 27, ZZ = 702, AAA = 703.  "$" marks an absolute part and changes nothing here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::uint32_t kMaxSheetRows = 1048576, kMaxSheetColumns = 16384;

// A rectangle of cells, one-based and inclusive, first <= last.
struct TCellRect {
  std::uint32_t firstRow;
  std::uint32_t firstColumn;
  std::uint32_t lastRow;
  std::uint32_t lastColumn;

  std::uint64_t CellCount() const {
    return std::uint64_t(lastRow - firstRow + 1) * (lastColumn - firstColumn + 1);
  }
  friend bool operator==(const TCellRect&, const TCellRect&) = default;
};

std::string ColumnLetters(std::uint32_t column);

// The absolute address: "$B$3" for one cell, "$A$1:$C$2" for more.
std::string AbsoluteAddress(const TCellRect& rect);

// A cell ("B3", "$B$3") into row and column; false for anything else or a cell outside the sheet.
bool ParseCellReference(std::string_view text, std::uint32_t& row, std::uint32_t& column);

// A cell or two cells joined by ":" ("A1", "$A$1:$C$2", "C2:A1"), the corners put in order; false
// for anything else.
bool ParseRangeAddress(std::string_view text, TCellRect& rect);
