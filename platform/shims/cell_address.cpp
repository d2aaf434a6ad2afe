#include "platform/shims/cell_address.h"

#include <algorithm>

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
std::uint32_t LetterValue(char c) { return std::uint32_t((c | 0x20) - 'a' + 1); }

void SkipDollar(std::string_view text, std::size_t& i) {
  if (i < text.size() && text[i] == '$') ++i;
}

}  // namespace

std::string ColumnLetters(std::uint32_t column) {
  std::string letters;
  for (; column > 0; column = (column - 1) / 26) letters.insert(letters.begin(), char('A' + (column - 1) % 26));
  return letters;
}

std::string AbsoluteAddress(const TCellRect& rect) {
  const auto cell = [](std::uint32_t row, std::uint32_t column) {
    return "$" + ColumnLetters(column) + "$" + std::to_string(row);
  };
  std::string address = cell(rect.firstRow, rect.firstColumn);
  if (rect.CellCount() > 1) address += ":" + cell(rect.lastRow, rect.lastColumn);
  return address;
}

bool ParseCellReference(std::string_view text, std::uint32_t& row, std::uint32_t& column) {
  std::size_t i = 0;
  SkipDollar(text, i);
  column = 0;
  for (; i < text.size() && IsLetter(text[i]); ++i) {
    column = column * 26 + LetterValue(text[i]);
    if (column > kMaxSheetColumns) return false;
  }
  if (column == 0) return false;
  SkipDollar(text, i);
  if (i == text.size() || text[i] == '0') return false;
  row = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    row = row * 10 + std::uint32_t(text[i] - '0');
    if (row > kMaxSheetRows) return false;
  }
  return row > 0 && i == text.size();
}

bool ParseRangeAddress(std::string_view text, TCellRect& rect) {
  const std::size_t colon = text.find(':');
  std::uint32_t row1, column1, row2, column2;
  if (!ParseCellReference(text.substr(0, colon), row1, column1)) return false;
  if (colon == std::string_view::npos) {
    row2 = row1;
    column2 = column1;
  } else if (!ParseCellReference(text.substr(colon + 1), row2, column2)) {
    return false;
  }
  rect = {std::min(row1, row2), std::min(column1, column2), std::max(row1, row2), std::max(column1, column2)};
  return true;
}
