// Ellipses of DrawText lines; see text_ellipsis.h.
#include "platform/gdi/text_ellipsis.h"

#include <string_view>

#include "platform/gdi/line_measure.h"

namespace gdi {
namespace {

constexpr std::u16string_view kEllipsis = u"...";

// The longest cut c <= limit whose offsets leave room for `extra` more pixels within width.
std::size_t LongestFit(LineMeasure& measure, const LineText& line, std::size_t limit, int extra, int width) {
  const std::vector<int> x = measure.Offsets(line.text);
  for (std::size_t c = limit;; --c) {
    if (x[c] + extra <= width && measure.CanCut(line.text, c)) return c;
    if (c == 0) return 0;
  }
}

// The first `keep` units, then "...", then the units from `resume` on.
LineText Joined(const LineText& line, std::size_t keep, std::size_t resume) {
  LineText out;
  out.text = line.text.substr(0, keep);
  out.origin.assign(line.origin.begin(), line.origin.begin() + std::ptrdiff_t(keep));
  out.text += kEllipsis;
  out.origin.insert(out.origin.end(), kEllipsis.size(), LineText::kInserted);
  out.text += line.text.substr(resume);
  out.origin.insert(out.origin.end(), line.origin.begin() + std::ptrdiff_t(resume), line.origin.end());
  return out;
}

}  // namespace

bool EndEllipsis(LineMeasure& measure, LineText& line, int width, bool forceEnd) {
  if (!forceEnd && measure.Width(line.text) <= width) return false;
  const int ellipsis = measure.Width(kEllipsis);
  const std::size_t keep = LongestFit(measure, line, line.text.size(), ellipsis, width);
  line = Joined(line, keep, line.text.size());
  return true;
}

bool PathEllipsis(LineMeasure& measure, LineText& line, int width, bool thenEnd) {
  if (measure.Width(line.text) <= width) return false;
  const std::size_t separator = line.text.find_last_of(u"\\/");
  if (separator == std::u16string::npos || separator == 0) return EndEllipsis(measure, line, width, false);
  const int tail = measure.Width(kEllipsis) + measure.Width(std::u16string_view(line.text).substr(separator));
  const std::size_t keep = LongestFit(measure, line, separator, tail, width);
  line = Joined(line, keep, separator);
  if (thenEnd) EndEllipsis(measure, line, width, false);
  return true;
}

}  // namespace gdi
