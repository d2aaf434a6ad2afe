// TextOut, ExtTextOut and TabbedTextOut; see text_out.h.
#include "platform/gdi/text_out.h"

#include <optional>
#include <string_view>
#include <vector>

#include "platform/gdi/device_context.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/raster_ops.h"
#include "platform/gdi/realized_font.h"
#include "platform/gdi/text_call.h"
#include "platform/gdi/text_constants.h"
#include "platform/gdi/text_output.h"
#include "platform/gdi/text_units.h"

using namespace gdi;

namespace {

struct OutputRequest {
  int x = 0, y = 0;
  UINT options = 0;
  const TRect* rect = nullptr;
  const int* dx = nullptr;   // the spacing array, already reduced to one advance per unit
  bool tabbed = false;
  int tabCount = 0;
  const int* tabStops = nullptr;
  int tabOrigin = 0;
};

struct OutputResult {
  int width = 0;
  int height = 0;
};

// Lays the run out, draws it at the reference point and moves the current position when asked.
// Empty for an invalid context.
std::optional<OutputResult> Output(HDC dc, const OutputRequest& request, std::u16string_view text) {
  TextCall call(dc);
  if (!call) return std::nullopt;
  DeviceContext& context = call.Dc();
  DcState& state = context.State();
  const bool updateCp = state.textAlign & TA_UPDATECP;
  const TPoint reference = updateCp ? state.position : TPoint{request.x, request.y};
  RunSpacing spacing = request.dx ? RunSpacing{} : call.Spacing();
  spacing.dx = request.dx;
  TabStops tabs;
  if (request.tabbed) {
    tabs = CallerTabStops(call.Font(), request.tabCount, request.tabStops);
    spacing.tabs = &tabs;
    spacing.start = reference.X - request.tabOrigin;
  }
  thread_local std::vector<int> x;
  const int width = LayoutRun(call.Font(), text, spacing, x);
  if (request.rect && (request.options & ETO_OPAQUE))
    PaintRect(context, context.ToSurfaceRect(NormalizedRect(*request.rect)), ColorPaint(context, state.bkColor),
              Rop3Index(PATCOPY));
  const TRect* clip = request.rect && (request.options & ETO_CLIPPED) ? request.rect : nullptr;
  TextPainter painter = AlignedPainter(call, reference, state.textAlign, width, clip);
  if (!text.empty()) PaintRun(call, painter, text, x);
  if (updateCp && (state.textAlign & TA_CENTER) != TA_CENTER)
    state.position = painter.Along(reference, state.textAlign & TA_RIGHT ? -width : width);
  return OutputResult{width, call.Font().Metrics().tmHeight};
}

BOOL ExtOutput(HDC dc, OutputRequest request, std::u16string_view text) {
  if (request.options & ETO_GLYPH_INDEX) return 0;
  std::vector<int> advances;   // ETO_PDY: the horizontal half of each (dx, dy) pair
  if (request.dx && (request.options & ETO_PDY)) {
    for (std::size_t i = 0; i < text.size(); ++i) advances.push_back(request.dx[2 * i]);
    request.dx = advances.data();
  }
  return Output(dc, request, text).has_value();
}

LONG TabbedOutput(HDC dc, const OutputRequest& request, std::u16string_view text) {
  const std::optional<OutputResult> result = Output(dc, request, text);
  return result ? LONG((result->width & 0xFFFF) | (result->height & 0xFFFF) << 16) : 0;
}

bool ValidText(const void* text, int count) { return count >= 0 && (count == 0 || text); }

}  // namespace

BOOL ExtTextOutW(HDC dc, int x, int y, UINT options, const TRect* rect, const char16_t* text, UINT count,
                 const int* dx) {
  if (count > 0x7FFFFFFF || !ValidText(text, int(count))) return 0;
  return ExtOutput(dc, {x, y, options, rect, dx}, {text, count});
}

BOOL ExtTextOutA(HDC dc, int x, int y, UINT options, const TRect* rect, const char* text, UINT count, const int* dx) {
  if (count > 0x7FFFFFFF || !ValidText(text, int(count))) return 0;
  return ExtOutput(dc, {x, y, options, rect, dx}, AnsiUnits(dc, text, count));
}

BOOL TextOutW(HDC dc, int x, int y, const char16_t* text, int count) {
  return ValidText(text, count) && ExtTextOutW(dc, x, y, 0, nullptr, text, UINT(count), nullptr);
}

BOOL TextOutA(HDC dc, int x, int y, const char* text, int count) {
  return ValidText(text, count) && ExtTextOutA(dc, x, y, 0, nullptr, text, UINT(count), nullptr);
}

LONG TabbedTextOutW(HDC dc, int x, int y, const char16_t* text, int count, int tabCount, const int* tabStops,
                    int tabOrigin) {
  if (!ValidText(text, count)) return 0;
  return TabbedOutput(dc, {x, y, 0, nullptr, nullptr, true, tabCount, tabStops, tabOrigin}, {text, std::size_t(count)});
}

LONG TabbedTextOutA(HDC dc, int x, int y, const char* text, int count, int tabCount, const int* tabStops,
                    int tabOrigin) {
  if (!ValidText(text, count)) return 0;
  return TabbedOutput(dc, {x, y, 0, nullptr, nullptr, true, tabCount, tabStops, tabOrigin},
                      AnsiUnits(dc, text, std::size_t(count)));
}
