// System metrics: one fixed table of sizes (the classic look at 96 dots per inch on one 1920 x 1080
// monitor whose work area leaves a 30-pixel task bar at the bottom), read by GetSystemMetrics
// and overridable by tests.  docs/platform-user.md lists every value.
#pragma once

#include "platform/user/user_types.h"

inline constexpr int SM_CXSCREEN = 0, SM_CYSCREEN = 1, SM_CXVSCROLL = 2, SM_CYHSCROLL = 3, SM_CYCAPTION = 4,
                     SM_CXBORDER = 5, SM_CYBORDER = 6, SM_CXDLGFRAME = 7, SM_CXFIXEDFRAME = 7,
                     SM_CYDLGFRAME = 8, SM_CYFIXEDFRAME = 8, SM_CYVTHUMB = 9, SM_CXHTHUMB = 10, SM_CXICON = 11,
                     SM_CYICON = 12, SM_CXCURSOR = 13, SM_CYCURSOR = 14, SM_CYMENU = 15, SM_CXFULLSCREEN = 16,
                     SM_CYFULLSCREEN = 17, SM_CYKANJIWINDOW = 18, SM_MOUSEPRESENT = 19, SM_CYVSCROLL = 20,
                     SM_CXHSCROLL = 21, SM_DEBUG = 22, SM_SWAPBUTTON = 23, SM_CXMIN = 28, SM_CYMIN = 29,
                     SM_CXSIZE = 30, SM_CYSIZE = 31, SM_CXFRAME = 32, SM_CXSIZEFRAME = 32, SM_CYFRAME = 33,
                     SM_CYSIZEFRAME = 33, SM_CXMINTRACK = 34, SM_CYMINTRACK = 35, SM_CXDOUBLECLK = 36,
                     SM_CYDOUBLECLK = 37, SM_CXICONSPACING = 38, SM_CYICONSPACING = 39,
                     SM_MENUDROPALIGNMENT = 40, SM_DBCSENABLED = 42, SM_CMOUSEBUTTONS = 43, SM_CXEDGE = 45,
                     SM_CYEDGE = 46, SM_CXMINSPACING = 47, SM_CYMINSPACING = 48, SM_CXSMICON = 49,
                     SM_CYSMICON = 50, SM_CYSMCAPTION = 51, SM_CXSMSIZE = 52, SM_CYSMSIZE = 53,
                     SM_CXMENUSIZE = 54, SM_CYMENUSIZE = 55, SM_ARRANGE = 56, SM_CXMINIMIZED = 57,
                     SM_CYMINIMIZED = 58, SM_CXMAXTRACK = 59, SM_CYMAXTRACK = 60, SM_CXMAXIMIZED = 61,
                     SM_CYMAXIMIZED = 62, SM_NETWORK = 63, SM_CLEANBOOT = 67, SM_CXDRAG = 68, SM_CYDRAG = 69,
                     SM_SHOWSOUNDS = 70, SM_CXMENUCHECK = 71, SM_CYMENUCHECK = 72, SM_SLOWMACHINE = 73,
                     SM_MIDEASTENABLED = 74, SM_MOUSEWHEELPRESENT = 75, SM_XVIRTUALSCREEN = 76,
                     SM_YVIRTUALSCREEN = 77, SM_CXVIRTUALSCREEN = 78, SM_CYVIRTUALSCREEN = 79,
                     SM_CMONITORS = 80, SM_SAMEDISPLAYFORMAT = 81, SM_IMMENABLED = 82, SM_CXFOCUSBORDER = 83,
                     SM_CYFOCUSBORDER = 84, SM_REMOTESESSION = 0x1000;

int GetSystemMetrics(int index);
UINT GetDoubleClickTime();
BOOL SetDoubleClickTime(UINT milliseconds);

namespace user {

inline constexpr int kSystemMetricCount = 85;

// Tests: replace one value (screen sizes move the work area with them), or go back to the table.
void SetSystemMetric(int index, int value);
void ResetSystemMetrics();
// The work area of the one monitor, screen coordinates.
TRect WorkArea();
void SetWorkArea(const TRect& area);

}  // namespace user
