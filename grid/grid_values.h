// Small integer and colour routines of the grid.  Part of the grid's utility routines.
#pragma once

#include "platform/core/types.h"
#include "platform/ui/colors.h"

// `value` when the bounds are equal; otherwise raised to `minimum` when that is above 0, then
// lowered to `maximum` when that is above 0 (a bound of 0 or less is no bound).
Integer ClampValue(Integer value, Integer minimum, Integer maximum);
Integer GreaterOf(Integer a, Integer b);
Integer LesserOf(Integer a, Integer b);
// The colour as drawn (system colours through the current scheme) with red, green and blue each
// halved, rounded down.
TColor HalveColor(TColor color);
