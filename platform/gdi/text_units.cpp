// String units of the text calls; see text_units.h.
#include "platform/gdi/text_units.h"

#include "platform/gdi/device_context.h"
#include "platform/gdi/font_object.h"
#include "platform/gdi/symbol_encoding.h"

namespace gdi {

std::size_t TextCount(const char* text, int count) {
  if (!text) return 0;
  return count >= 0 ? std::size_t(count) : std::char_traits<char>::length(text);
}

std::size_t TextCount(const char16_t* text, int count) {
  if (!text) return 0;
  return count >= 0 ? std::size_t(count) : std::char_traits<char16_t>::length(text);
}

namespace {

// The request of the font selected into the context; a context without one draws with the stock
// system font, whose face is no symbol face.
const LOGFONTW& SelectedRequest(HDC dc) {
  static const LOGFONTW kNone{};
  const DeviceContext* context = FindDC(dc);
  const GdiObject* font = context ? context->State().font : nullptr;
  return font && font->Kind() == ObjectKind::Font ? static_cast<const FontObject*>(font)->LogFont() : kNone;
}

}  // namespace

std::u16string AnsiUnits(HDC dc, const char* text, std::size_t count) {
  return text ? FontBytesToUtf16(SelectedRequest(dc), std::string_view(text, count)) : std::u16string();
}

std::string AnsiBytes(HDC dc, std::u16string_view units) { return Utf16ToFontBytes(SelectedRequest(dc), units); }

}  // namespace gdi
