// Character offsets of a single-line run; see text_run.h.
#include "platform/gdi/text_run.h"

#include <cstdlib>

#include "platform/gdi/realized_font.h"
#include "platform/gdi/text_units.h"

namespace gdi {
namespace {

int FloorDiv(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

int NextMultiple(int x, int step) { return step > 0 ? (FloorDiv(x, step) + 1) * step : x + 1; }

// Deals out the justification: each break's share, the remainder one unit at a time.
class BreakShares {
 public:
  explicit BreakShares(const RunSpacing& s) :
      share_(s.breakCount > 0 ? s.breakExtra / s.breakCount : 0),
      remainder_(s.breakCount > 0 ? s.breakExtra % s.breakCount : 0) {}
  int Next() {
    if (remainder_ == 0) return share_;
    const int one = remainder_ > 0 ? 1 : -1;
    remainder_ -= one;
    return share_ + one;
  }

 private:
  int share_;
  int remainder_;
};

// Calls step(unit index, advance) for every unit in order.
template <class Step>
int Walk(RealizedFont& font, std::u16string_view text, const RunSpacing& s, Step step) {
  BreakShares shares(s);
  const char16_t breakChar = font.Metrics().tmBreakChar;
  int x = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t first = i;
    const char32_t c = DecodeUnit(text, i);
    int advance = 0;
    if (s.dx) {
      advance = s.dx[first];
    } else if (c == U'\t' && s.tabs) {
      advance = s.tabs->Next(s.start + x) - (s.start + x);
    } else {
      const CharInfo& info = font.Char(c);
      advance = info.advance;
      if (info.face != CharInfo::kNoFace && !info.mark) advance += s.charExtra;
      if (c == breakChar && s.breakCount > 0) advance += shares.Next();
    }
    step(first, x);
    x += advance;
    for (std::size_t k = first + 1; k < i; ++k) {   // the second unit of a pair
      step(k, x);
      if (s.dx) x += s.dx[k];
    }
  }
  return x;
}

}  // namespace

int TabStops::Next(int x) const {
  if (count <= 0 || !positions) return NextMultiple(x, defaultWidth);
  if (count == 1) return NextMultiple(x, positions[0] != 0 ? std::abs(positions[0]) : defaultWidth);
  for (int i = 0; i < count; ++i)
    if (std::abs(positions[i]) > x) return std::abs(positions[i]);
  return NextMultiple(x, defaultWidth);
}

TabStops CallerTabStops(const RealizedFont& font, int count, const int* positions) {
  return {positions ? count : 0, positions, 8 * font.Metrics().tmAveCharWidth};
}

int LayoutRun(RealizedFont& font, std::u16string_view text, const RunSpacing& spacing, std::vector<int>& x) {
  x.resize(text.size() + 1);
  const int width = Walk(font, text, spacing, [&x](std::size_t i, int at) { x[i] = at; });
  x[text.size()] = width;
  return width;
}

int RunWidth(RealizedFont& font, std::u16string_view text, const RunSpacing& spacing) {
  return Walk(font, text, spacing, [](std::size_t, int) {});
}

}  // namespace gdi
