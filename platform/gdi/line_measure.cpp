// Line measuring for DrawText; see line_measure.h.
#include "platform/gdi/line_measure.h"

#include "platform/gdi/realized_font.h"
#include "platform/gdi/text_units.h"

namespace gdi {

LineMeasure::LineMeasure(RealizedFont& font, const RunSpacing& spacing, const TabStops* tabs) :
    font_(font), spacing_(spacing) {
  spacing_.tabs = tabs;
  spacing_.start = 0;
}

int LineMeasure::Width(std::u16string_view line) { return RunWidth(font_, line, spacing_); }

const std::vector<int>& LineMeasure::Offsets(std::u16string_view line) {
  LayoutRun(font_, line, spacing_, offsets_);
  return offsets_;
}

bool LineMeasure::CanCut(std::u16string_view line, std::size_t i) {
  if (i == 0 || i >= line.size()) return true;
  if (line[i] >= 0xDC00 && line[i] <= 0xDFFF && line[i - 1] >= 0xD800 && line[i - 1] <= 0xDBFF) return false;
  std::size_t at = i;
  return !font_.Char(DecodeUnit(line, at)).mark;
}

}  // namespace gdi
