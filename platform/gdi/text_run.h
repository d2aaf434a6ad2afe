// Where each character of a single-line text goes: the one layout both measuring and drawing use,
// so that what is measured is what is drawn.
//
// x[i] is the offset of unit i from the start of the run and x[n] the run's width, in logical
// units (pixels).  Each character adds its advance (realized_font.h); then, in this order:
// - with a spacing array (ExtTextOut's lpDx), unit i advances exactly dx[i] and nothing else
//   applies;
// - a tab, when tab stops are given, advances to the next stop; otherwise it is a control
//   character and advances 0;
// - every character that draws something and is not a combining mark gets the character extra
//   (SetTextCharacterExtra), so a base letter with its marks measures as the base letter alone;
// - each break character (the font's tmBreakChar, a space) gets its share of the justification
//   (SetTextJustification): breakExtra / breakCount each, the first breakExtra % breakCount of
//   them one more (toward the sign of breakExtra).
// The second unit of a surrogate pair advances 0.
#pragma once

#include <string_view>
#include <vector>

namespace gdi {

class RealizedFont;

// Tab stops: positions relative to the tab origin.  None: every defaultWidth.  One: every
// |positions[0]|.  Several: the given ones in increasing order, then every defaultWidth.
struct TabStops {
  int count = 0;
  const int* positions = nullptr;
  int defaultWidth = 0;
  // The first stop strictly right of x (x relative to the tab origin).
  int Next(int x) const;
};

// The stops of TabbedTextOut and GetTabbedTextExtent: the caller's, with tabs every eight average
// character widths of the font where the caller gives none.
TabStops CallerTabStops(const RealizedFont& font, int count, const int* positions);

struct RunSpacing {
  int charExtra = 0;
  int breakExtra = 0;
  int breakCount = 0;
  const int* dx = nullptr;
  const TabStops* tabs = nullptr;
  int start = 0;   // the run's start relative to the tab origin
};

// Fills x (n + 1 values) and returns the run's width.
int LayoutRun(RealizedFont& font, std::u16string_view text, const RunSpacing& spacing, std::vector<int>& x);

// The run's width alone (same rules, without keeping offsets).
int RunWidth(RealizedFont& font, std::u16string_view text, const RunSpacing& spacing);

}  // namespace gdi
