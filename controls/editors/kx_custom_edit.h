// The editor unit (kxEdit): the base of every editor control and its unit start.
//
// The unit start registers the editors' mouse-wheel cursor, our own picture "KXEDIT_MOUSEWHEEL"
// (32 x 32, hot spot at its centre: a disc between an up and a down arrow), in the screen's cursor
// list under crKxEditMouseWheel; no control of this system selects it.  The unit end leaves the
// cursor list to the screen.
#pragma once

#include "platform/core/units.h"
#include "platform/ui/control_types.h"

inline constexpr TCursor crKxEditMouseWheel = 4101;

extern const Unit kxEditUnit;
