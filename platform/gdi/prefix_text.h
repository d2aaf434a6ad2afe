// Accelerator prefixes of DrawText: "&x" shows x underlined, "&&" shows one "&", and a lone "&"
// at the very end shows nothing.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gdi {

struct PrefixedText {
  std::u16string text;                 // what is shown: the prefix characters removed
  std::vector<std::size_t> source;     // source[i]: the caller's index of unit i; one more entry
                                       // at the end holds the caller's length
  std::vector<bool> accelerator;       // accelerator[i]: unit i followed a single "&"
};

PrefixedText StripPrefixes(std::u16string_view text);
// The text unchanged, with the identity index map and no accelerators (DT_NOPREFIX).
PrefixedText WithoutPrefixes(std::u16string_view text);
// The accelerator of an 8-bit text: the character after its first single "&", if any.
std::optional<char> AcceleratorOf(std::string_view text);

}  // namespace gdi
