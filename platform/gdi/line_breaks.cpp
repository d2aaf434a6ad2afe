// Line-break opportunities; see line_breaks.h.
#include "platform/gdi/line_breaks.h"

#include <pango/pango.h>

#include <algorithm>
#include <string>

#include "platform/gdi/text_units.h"

namespace gdi {
namespace {

bool IsThai(char32_t c) { return c >= 0x0E01 && c <= 0x0E5B; }

// Marks the word boundaries inside runs of Thai characters.
void ThaiBreaks(std::u16string_view line, std::vector<bool>& breaks) {
  std::string utf8;
  std::vector<std::size_t> unitOf;   // the UTF-16 index of each character
  for (std::size_t i = 0; i < line.size();) {
    unitOf.push_back(i);
    const char32_t c = DecodeUnit(line, i);
    char buffer[6];
    utf8.append(buffer, std::size_t(g_unichar_to_utf8(gunichar(c), buffer)));
  }
  std::vector<PangoLogAttr> attrs(unitOf.size() + 1);
  pango_get_log_attrs(utf8.data(), int(utf8.size()), -1, pango_language_from_string("th"), attrs.data(),
                      int(attrs.size()));
  for (std::size_t k = 1; k < unitOf.size(); ++k) {
    std::size_t before = unitOf[k - 1], at = unitOf[k];
    if (attrs[k].is_line_break && IsThai(DecodeUnit(line, before)) && IsThai(DecodeUnit(line, at)))
      breaks[unitOf[k]] = true;
  }
}

}  // namespace

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

std::vector<bool> LineBreaks(std::u16string_view line) {
  std::vector<bool> breaks(line.size() + 1, false);
  for (std::size_t i = 1; i < line.size(); ++i) breaks[i] = IsBlank(line[i - 1]) && !IsBlank(line[i]);
  if (std::any_of(line.begin(), line.end(), [](char16_t c) { return IsThai(c); })) ThaiBreaks(line, breaks);
  return breaks;
}

}  // namespace gdi
