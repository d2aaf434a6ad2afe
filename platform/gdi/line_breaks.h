// Where DrawText may wrap a line: after a run of blanks (spaces and tabs), and between two Thai
// words.  Thai is written without spaces between words; its word boundaries come from pango's
// dictionary-based analysis (libthai), as the platform's complex-script line breaking finds them.
#pragma once

#include <string_view>
#include <vector>

namespace gdi {

bool IsBlank(char16_t c);

// breaks[i] (0 < i < n) is true when a line may end before unit i; breaks[0] and breaks[n] are
// false.  With the font system locked (pango's analysis is not thread-safe).
std::vector<bool> LineBreaks(std::u16string_view line);

}  // namespace gdi
