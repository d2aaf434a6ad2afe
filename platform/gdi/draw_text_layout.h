// DrawText's layout: which lines a text makes in a rectangle, what each shows and where it goes.
//
// Lines: with DT_SINGLELINE the whole text is one line (CR and LF are characters of no width).
// Otherwise CR LF, CR or LF end a line (a break at the very end of the text starts no further
// line), and with DT_WORDBREAK a line wraps at the last break opportunity (line_breaks.h) that
// keeps it within the rectangle's width; the blanks at a wrap are dropped.  A word wider than the
// rectangle is cut between characters with DT_EDITCONTROL (at least one character per line) and
// otherwise kept whole on its own line.
//
// Widths follow the context's text state; with DT_EXPANDTABS tabs expand to stops every eight
// average character widths from the line's start (DT_TABSTOP: the count in bits 8-15, which then
// mean nothing else; DrawTextEx: iTabLength).  DRAWTEXTPARAMS margins narrow the rectangle on the
// left and right.
//
// Ellipses: a line wider than the rectangle gets DT_END_ELLIPSIS or DT_PATH_ELLIPSIS
// (text_ellipsis.h), also when only calculating.  With DT_EDITCONTROL and DT_END_ELLIPSIS, the last
// line drawn ends with "..." when text follows below it.
//
// Placement: lines are tmHeight apart (plus tmExternalLeading with DT_EXTERNALLEADING).  DT_CENTER
// puts a line at left + (width - line width) / 2 (rounded toward zero), DT_RIGHT at right - line
// width.  DT_VCENTER and DT_BOTTOM act on single lines only: top + (height - line height) / 2 and
// bottom - line height.  Lines are drawn while their top is inside the rectangle (all lines with
// DT_NOCLIP); DT_EDITCONTROL draws only lines that fit completely, but always the first.
//
// Results: the height of the text (all its lines), or with DT_VCENTER / DT_BOTTOM on a single line
// the distance from the rectangle's top to the line's bottom.  DT_CALCRECT keeps left and top and
// sets right to left + the widest line (+ margins) and bottom to top + the height.  An empty text
// gives the height of one line, and with DT_CALCRECT an empty rectangle (one line high with
// DT_SINGLELINE).  DT_RTLREADING changes nothing for the left-to-right scripts drawn here.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/font_types.h"
#include "platform/gdi/gdi_types.h"
#include "platform/gdi/text_ellipsis.h"

namespace gdi {

class LineMeasure;

struct DrawTextLine {
  LineText shown;                   // the units drawn and where each came from
  std::vector<std::size_t> marks;   // units to underline (accelerators)
  TPoint at;                        // logical top-left of the line's cell
};

struct DrawTextLayout {
  std::vector<DrawTextLine> lines;   // the lines to draw
  int height = 0;                    // DrawText's result
  TRect rect;                        // the rectangle DT_CALCRECT gives back
  std::size_t lengthDrawn = 0;       // caller's units processed (DRAWTEXTPARAMS.uiLengthDrawn)
  std::optional<std::u16string> modified;   // DT_MODIFYSTRING: the text as drawn, when it changed
};

// The format word as the layout reads it (DT_TABSTOP's count taken out).
struct DrawTextFormat {
  UINT flags = 0;
  int tabLength = 8;   // in average character widths
  int leftMargin = 0;
  int rightMargin = 0;
  static DrawTextFormat From(UINT format, const DRAWTEXTPARAMS* params);
};

DrawTextLayout LayoutDrawText(LineMeasure& measure, const TEXTMETRICW& tm, std::u16string_view text,
                              const TRect& rect, const DrawTextFormat& format);

}  // namespace gdi
