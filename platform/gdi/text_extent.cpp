// Text extents; see text_extent.h.
#include "platform/gdi/text_extent.h"

#include <string_view>
#include <vector>

#include "platform/gdi/realized_font.h"
#include "platform/gdi/text_call.h"
#include "platform/gdi/text_units.h"

using namespace gdi;

namespace {

BOOL ExtentEx(HDC dc, std::u16string_view text, int maxExtent, int* fit, int* partial, TSize* size) {
  TextCall call(dc);
  if (!call) return 0;
  thread_local std::vector<int> x;
  const int width = LayoutRun(call.Font(), text, call.Spacing(), x);
  int fitted = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (partial) partial[i] = x[i + 1];
    if (fit && fitted == int(i) && x[i + 1] <= maxExtent) ++fitted;
  }
  if (fit) *fit = fitted;
  if (size) *size = {width, call.Font().Metrics().tmHeight};
  return 1;
}

DWORD TabbedExtent(HDC dc, std::u16string_view text, int tabCount, const int* tabStops) {
  TextCall call(dc);
  if (!call) return 0;
  const TabStops tabs = CallerTabStops(call.Font(), tabCount, tabStops);
  RunSpacing spacing = call.Spacing();
  spacing.tabs = &tabs;
  const int width = RunWidth(call.Font(), text, spacing);
  return DWORD(width & 0xFFFF) | DWORD(call.Font().Metrics().tmHeight & 0xFFFF) << 16;
}

}  // namespace

BOOL GetTextExtentExPointW(HDC dc, const char16_t* text, int count, int maxExtent, int* fit, int* partial,
                           TSize* size) {
  if (count < 0 || (count > 0 && !text)) return 0;
  return ExtentEx(dc, {text, std::size_t(count)}, maxExtent, fit, partial, size);
}

BOOL GetTextExtentExPointA(HDC dc, const char* text, int count, int maxExtent, int* fit, int* partial,
                           TSize* size) {
  if (count < 0 || (count > 0 && !text)) return 0;
  return ExtentEx(dc, AnsiUnits(dc, text, std::size_t(count)), maxExtent, fit, partial, size);
}

BOOL GetTextExtentPoint32W(HDC dc, const char16_t* text, int count, TSize* size) {
  return size && GetTextExtentExPointW(dc, text, count, 0, nullptr, nullptr, size);
}

BOOL GetTextExtentPoint32A(HDC dc, const char* text, int count, TSize* size) {
  return size && GetTextExtentExPointA(dc, text, count, 0, nullptr, nullptr, size);
}

BOOL GetTextExtentPointW(HDC dc, const char16_t* text, int count, TSize* size) {
  return GetTextExtentPoint32W(dc, text, count, size);
}

BOOL GetTextExtentPointA(HDC dc, const char* text, int count, TSize* size) {
  return GetTextExtentPoint32A(dc, text, count, size);
}

DWORD GetTabbedTextExtentW(HDC dc, const char16_t* text, int count, int tabCount, const int* tabStops) {
  if (count < 0 || (count > 0 && !text)) return 0;
  return TabbedExtent(dc, {text, std::size_t(count)}, tabCount, tabStops);
}

DWORD GetTabbedTextExtentA(HDC dc, const char* text, int count, int tabCount, const int* tabStops) {
  if (count < 0 || (count > 0 && !text)) return 0;
  return TabbedExtent(dc, AnsiUnits(dc, text, std::size_t(count)), tabCount, tabStops);
}
