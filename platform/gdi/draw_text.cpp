// DrawText and DrawTextEx; see draw_text.h.
#include "platform/gdi/draw_text.h"

#include <algorithm>
#include <string>

#include "platform/gdi/draw_text_layout.h"
#include "platform/gdi/line_measure.h"
#include "platform/gdi/realized_font.h"
#include "platform/gdi/text_call.h"
#include "platform/gdi/text_constants.h"
#include "platform/gdi/text_output.h"
#include "platform/gdi/text_units.h"

using namespace gdi;

namespace {

void DrawLines(TextCall& call, LineMeasure& measure, const DrawTextLayout& layout, const TRect& rect, UINT flags) {
  const TRect* clip = flags & DT_NOCLIP ? nullptr : &rect;
  for (const DrawTextLine& line : layout.lines) {
    const std::vector<int> x = measure.Offsets(line.shown.text);
    TextPainter painter = AlignedPainter(call, line.at, TA_LEFT | TA_TOP, x.back(), clip);
    if (!(flags & DT_PREFIXONLY)) PaintRun(call, painter, line.shown.text, x);
    if (flags & DT_HIDEPREFIX) continue;
    for (std::size_t unit : line.marks) PaintUnderline(call, painter, x, unit, unit + 1);
  }
}

// Lays out and draws (or only measures) a text of UTF-16 units; writes back the rectangle, the
// processed length and the modified text.  Returns the height, or 0 for an invalid context.
template <class Char, class Write>
int Run(HDC dc, std::u16string_view text, TRect* rect, UINT format, DRAWTEXTPARAMS* params, Char* buffer,
        Write write) {
  TextCall call(dc);
  if (!call) return 0;
  const DrawTextFormat f = DrawTextFormat::From(format, params);
  const TabStops tabs{0, nullptr, f.tabLength * call.Font().Metrics().tmAveCharWidth};
  LineMeasure measure(call.Font(), call.Spacing(), f.flags & DT_EXPANDTABS ? &tabs : nullptr);
  const DrawTextLayout layout = LayoutDrawText(measure, call.Font().Metrics(), text, *rect, f);
  if (f.flags & DT_CALCRECT) *rect = layout.rect;
  else DrawLines(call, measure, layout, *rect, f.flags);
  if (params) params->uiLengthDrawn = UINT(layout.lengthDrawn);
  if (layout.modified && buffer) write(*layout.modified, buffer);
  return layout.height;
}

void WriteWide(const std::u16string& text, char16_t* buffer) {
  std::copy(text.begin(), text.end(), buffer);
  buffer[text.size()] = 0;
}


bool Valid(const void* text, int count, const TRect* rect) { return rect && count >= -1 && (text || count == 0); }

}  // namespace

int DrawTextExW(HDC dc, char16_t* text, int count, TRect* rect, UINT format, DRAWTEXTPARAMS* params) {
  if (!Valid(text, count, rect)) return 0;
  return Run(dc, {text, TextCount(text, count)}, rect, format, params, text, WriteWide);
}

int DrawTextExA(HDC dc, char* text, int count, TRect* rect, UINT format, DRAWTEXTPARAMS* params) {
  if (!Valid(text, count, rect)) return 0;
  const auto writeAnsi = [dc](const std::u16string& units, char* buffer) {
    const std::string bytes = AnsiBytes(dc, units);
    std::copy(bytes.begin(), bytes.end(), buffer);
    buffer[bytes.size()] = 0;
  };
  return Run(dc, AnsiUnits(dc, text, TextCount(text, count)), rect, format, params, text, writeAnsi);
}

// The platform's DrawText writes into its "constant" text too when DT_MODIFYSTRING asks for it.
int DrawTextW(HDC dc, const char16_t* text, int count, TRect* rect, UINT format) {
  return DrawTextExW(dc, const_cast<char16_t*>(text), count, rect, format, nullptr);
}

int DrawTextA(HDC dc, const char* text, int count, TRect* rect, UINT format) {
  return DrawTextExA(dc, const_cast<char*>(text), count, rect, format, nullptr);
}
