#include "grid/grid_values.h"

#include <algorithm>

Integer ClampValue(Integer value, Integer minimum, Integer maximum) {
  if (minimum == maximum) return value;
  if (minimum > 0 && value < minimum) value = minimum;
  if (maximum > 0 && value > maximum) value = maximum;
  return value;
}

Integer GreaterOf(Integer a, Integer b) { return std::max(a, b); }

Integer LesserOf(Integer a, Integer b) { return std::min(a, b); }

TColor HalveColor(TColor color) {
  const COLORREF rgb = ColorToRGB(color);
  return static_cast<TColor>(RGB(GetRValue(rgb) / 2, GetGValue(rgb) / 2, GetBValue(rgb) / 2));
}
