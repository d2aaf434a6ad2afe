// Measuring DrawText's lines: widths and offsets of a line with its tabs expanded from the line's
// start, and where a line may be cut without parting a letter from its marks.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/gdi/text_run.h"

namespace gdi {

class RealizedFont;

class LineMeasure {
 public:
  // tabs may be null (tabs are then control characters of no width).
  LineMeasure(RealizedFont& font, const RunSpacing& spacing, const TabStops* tabs);

  int Width(std::u16string_view line);
  // Offsets of every unit (n + 1 values); valid until the next call.
  const std::vector<int>& Offsets(std::u16string_view line);
  // Whether a line may end before unit i: not before a combining mark, not inside a surrogate pair.
  bool CanCut(std::u16string_view line, std::size_t i);
  RealizedFont& Font() { return font_; }

 private:
  RealizedFont& font_;
  RunSpacing spacing_;
  std::vector<int> offsets_;
};

}  // namespace gdi
