#include "controls/editors/kx_edit_view_data.h"

#include <algorithm>
#include <cstdint>

std::vector<Integer> ShareStretchSpace(std::span<const Integer> LaidOutWidths, std::span<const bool> Stretchable,
                                       Integer Space) {
  const std::size_t count = std::min(LaidOutWidths.size(), Stretchable.size());
  std::vector<Integer> gains(LaidOutWidths.size(), 0);
  if (Space <= 0 || count == 0) return gains;
  const bool anyStretchable = std::any_of(Stretchable.begin(), Stretchable.begin() + std::ptrdiff_t(count),
                                          [](bool b) { return b; });
  const auto shares = [&](std::size_t i) { return !anyStretchable || Stretchable[i]; };
  std::int64_t total = 0;
  std::size_t first = count;
  for (std::size_t i = 0; i < count; ++i)
    if (shares(i)) {
      total += std::max<Integer>(LaidOutWidths[i], 0);
      if (first == count) first = i;
    }
  Integer left = Space;
  for (std::size_t i = count; i-- > first + 1;) {
    if (!shares(i)) continue;
    const Integer gain = total > 0 ? Integer(std::int64_t(std::max<Integer>(LaidOutWidths[i], 0)) * Space / total) : 0;
    gains[i] = gain;
    left -= gain;
  }
  gains[first] = left;
  return gains;
}
