// String units of the text calls; see text_units.h.
#include "platform/gdi/text_units.h"

#include "platform/core/cp874.h"

namespace gdi {

std::size_t TextCount(const char* text, int count) {
  if (!text) return 0;
  return count >= 0 ? std::size_t(count) : std::char_traits<char>::length(text);
}

std::size_t TextCount(const char16_t* text, int count) {
  if (!text) return 0;
  return count >= 0 ? std::size_t(count) : std::char_traits<char16_t>::length(text);
}

std::u16string AnsiUnits(const char* text, std::size_t count) {
  return text ? Cp874ToUtf16(std::string_view(text, count)) : std::u16string();
}

}  // namespace gdi
