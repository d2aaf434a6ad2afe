// The line height (tmHeight) of a font as a window's device context measures it: the row height
// of standard lists and the base of a combo box's field.  A null font measures the DC's default.
#pragma once

#include "platform/user/user_types.h"

int WindowFontHeight(HWND Window, HGDIOBJ Font);   // at least 1
