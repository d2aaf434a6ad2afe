// Right-to-left reading: whether the system reads right to left (the class library's
// SysLocale.MiddleEast), which BiDiMode needs to take effect, and the DrawText flags a
// right-to-left control adds.
//
// A Thai station does not read right to left, so it is off by default; tests of mirrored layouts
// switch it on for their scope.
#pragma once

#include "platform/core/types.h"

bool SysLocaleMiddleEast();
void SetSysLocaleMiddleEast(bool Value);

// DT_RIGHT and DT_LEFT swapped (centred text stays) when the control aligns right to left, and
// DT_RTLREADING added when it reads right to left.
Integer DrawTextBiDiModeFlags(Integer Flags, bool RightToLeftAlignment, bool RightToLeftReading);
