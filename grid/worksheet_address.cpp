// Worksheet addresses; see worksheet_address.h.
#include "grid/worksheet_address.h"

#include <cstdint>
#include <string_view>

#include "platform/core/int_text.h"

namespace {

// Whole rows cover this many columns.
constexpr std::uint32_t kWholeRowColumns = 256;

std::string_view WithoutOneDollar(std::string_view part) {
  return part.starts_with('$') ? part.substr(1) : part;
}

}   // namespace

bool ReadUsedRangeAddress(const std::string& address, TCellRect& rect) {
  const auto colon = address.find(':');
  if (colon != std::string::npos) {
    const std::string_view first = WithoutOneDollar(std::string_view(address).substr(0, colon));
    const std::string_view last = WithoutOneDollar(std::string_view(address).substr(colon + 1));
    if (first.find('$') == std::string_view::npos) {
      const Integer firstRow = StrToIntDef(first, -1), lastRow = StrToIntDef(last, -1);
      if (firstRow < 1 || lastRow < firstRow) return false;
      rect = {std::uint32_t(firstRow), 1, std::uint32_t(lastRow), kWholeRowColumns};
      return true;
    }
  }
  return ParseRangeAddress(address, rect);
}

std::string RangeReadAddress(const TCellRect& rect) {
  return ColumnLetters(rect.firstColumn) + std::to_string(rect.firstRow) + ":" + ColumnLetters(rect.lastColumn) +
         std::to_string(rect.lastRow);
}

