// Shortening a DrawText line to a width with "...".
//
// End ellipsis: the longest start of the line (cut between characters, never between a letter and
// its marks) that fits with "..." after it.  Path ellipsis: the line's last file name (from its
// last '\' or '/') is kept and the longest start of the folder part that fits goes before "...";
// when even "..." and the file name are too wide they stay so, unless end ellipsis is asked for as
// well, which then shortens them in turn.  A line without a separator is shortened at its end.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace gdi {

class LineMeasure;

// A line's units and, for each, the index in the shown text it came from (kInserted for "...").
struct LineText {
  static constexpr std::size_t kInserted = std::size_t(-1);
  std::u16string text;
  std::vector<std::size_t> origin;
};

// Shortens the line when it is wider than width; returns whether it changed.  forceEnd puts
// "..." at the end even when the line fits (the last line of text that goes on below).
bool EndEllipsis(LineMeasure& measure, LineText& line, int width, bool forceEnd);
bool PathEllipsis(LineMeasure& measure, LineText& line, int width, bool thenEnd);

}  // namespace gdi
