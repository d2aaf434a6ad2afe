// Drawing a run as ExtTextOut does; see text_output.h.
#include "platform/gdi/text_output.h"

#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/realized_font.h"
#include "platform/gdi/text_call.h"
#include "platform/gdi/text_constants.h"

namespace gdi {

TextPainter AlignedPainter(TextCall& call, TPoint reference, UINT align, int width, const TRect* clip) {
  const TEXTMETRICW& tm = call.Font().Metrics();
  TPoint offset;
  if ((align & TA_CENTER) == TA_CENTER) offset.X = -(width / 2);
  else if (align & TA_RIGHT) offset.X = -width;
  if ((align & TA_BASELINE) == TA_BASELINE) offset.Y = -tm.tmAscent;
  else if (align & TA_BOTTOM) offset.Y = -tm.tmHeight;
  return TextPainter(call.Dc(), call.Font(), reference, offset, clip);
}

void PaintRun(TextCall& call, TextPainter& painter, std::u16string_view text, const std::vector<int>& x, bool glyphs) {
  const DcState& state = call.Dc().State();
  const TEXTMETRICW& tm = call.Font().Metrics();
  const int width = x.back();
  if (state.bkMode == OPAQUE) painter.FillBox(0, 0, width, tm.tmHeight, state.bkColor);
  if (glyphs) painter.DrawGlyphs(text, x, state.textColor);
  const Decorations& d = call.Font().Decor();
  if (tm.tmUnderlined) {
    const int top = tm.tmAscent + d.underlineOffset;
    painter.FillBox(0, top, width, top + d.underlineThickness, state.textColor);
  }
  if (tm.tmStruckOut) {
    const int top = tm.tmAscent - d.strikeoutOffset;
    painter.FillBox(0, top, width, top + d.strikeoutThickness, state.textColor);
  }
}

void PaintUnderline(TextCall& call, TextPainter& painter, const std::vector<int>& x, std::size_t from,
                    std::size_t to) {
  const TEXTMETRICW& tm = call.Font().Metrics();
  const Decorations& d = call.Font().Decor();
  const int top = tm.tmAscent + d.underlineOffset;
  painter.FillBox(x[from], top, x[to], top + d.underlineThickness, call.Dc().State().textColor);
}

}  // namespace gdi
