// The editor view data (unit kxEdit): the layout engine of every editor.  This part holds the
// button stretching rule that the layout applies once the buttons are placed.
//
// Stretching: the space S left between the buttons is shared among the stretchable buttons (all of
// them when none is stretchable) in proportion to their laid-out widths, which are never 0 (a
// button of natural width is as wide as its layout made it), so an editor whose buttons all have
// natural width shares its space instead of dividing by zero.  Going from the last button to the
// first, each sharing button gains width x S / T (rounded toward zero), where T is the sum of the
// sharing buttons' laid-out widths; the first sharing button takes what remains of S.
#pragma once

#include <span>
#include <vector>

#include "platform/core/types.h"

// The gain of each button (0 for those that do not share); LaidOutWidths and Stretchable have one
// entry per button view info, in view-info order.  Nothing is shared when Space is not above 0.
std::vector<Integer> ShareStretchSpace(std::span<const Integer> LaidOutWidths, std::span<const bool> Stretchable,
                                       Integer Space);
