// Drawing one laid-out run the way ExtTextOut does; shared by the TextOut calls and DrawText.
//
// The reference point and the alignment (TA_LEFT / TA_CENTER / TA_RIGHT: the run's start, middle
// (width / 2, rounded toward zero) or end; TA_TOP / TA_BASELINE / TA_BOTTOM: the cell's top,
// baseline or bottom) place the run's cell box, which then turns about the reference point by the
// font's escapement.  In OPAQUE background mode the box is first filled with the background
// colour; the glyphs follow in the text colour, then the font's underline and strike-out across
// the whole run.
#pragma once

#include <string_view>
#include <vector>

#include "platform/gdi/gdi_types.h"
#include "platform/gdi/text_painter.h"

namespace gdi {

class TextCall;

// A painter whose frame is the run's cell box placed by the alignment.
TextPainter AlignedPainter(TextCall& call, TPoint reference, UINT align, int width, const TRect* clip);

// Background, glyphs (unless glyphs is false) and the font's decorations of a run.
void PaintRun(TextCall& call, TextPainter& painter, std::u16string_view text, const std::vector<int>& x,
              bool glyphs = true);

// The underline of the characters from .. to (unit indexes) in the text colour: DrawText's
// accelerator mark.
void PaintUnderline(TextCall& call, TextPainter& painter, const std::vector<int>& x, std::size_t from,
                    std::size_t to);

}  // namespace gdi
