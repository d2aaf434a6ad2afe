// Accelerator prefixes; see prefix_text.h.
#include "platform/gdi/prefix_text.h"

namespace gdi {

PrefixedText StripPrefixes(std::u16string_view text) {
  PrefixedText out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    bool accelerator = false;
    if (text[i] == u'&') {
      if (++i == text.size()) break;   // a lone "&" at the end
      accelerator = text[i] != u'&';
    }
    out.text += text[i];
    out.source.push_back(i);
    out.accelerator.push_back(accelerator);
  }
  out.source.push_back(text.size());
  return out;
}

PrefixedText WithoutPrefixes(std::u16string_view text) {
  PrefixedText out;
  out.text = text;
  out.source.resize(text.size() + 1);
  for (std::size_t i = 0; i <= text.size(); ++i) out.source[i] = i;
  out.accelerator.assign(text.size(), false);
  return out;
}

}  // namespace gdi

std::optional<char> gdi::AcceleratorOf(std::string_view text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return text[i + 1];
    ++i;   // "&&" is an ampersand, not a mark
  }
  return std::nullopt;
}
