// The system colours and their brushes.
//
// The table starts with the classic grey scheme (docs/classic-look.md lists every value).  The
// window layer owns changes: its SetSysColors calls ChangeSysColors here and then tells the
// windows; this layer only reads the table.  A system colour brush keeps its handle and takes the
// new colour when the table changes; like a stock object it is never deleted.  Reads and changes
// may come from any thread.
#pragma once

#include "platform/gdi/gdi_types.h"

inline constexpr int COLOR_SCROLLBAR = 0, COLOR_BACKGROUND = 1, COLOR_DESKTOP = 1, COLOR_ACTIVECAPTION = 2,
                     COLOR_INACTIVECAPTION = 3, COLOR_MENU = 4, COLOR_WINDOW = 5, COLOR_WINDOWFRAME = 6,
                     COLOR_MENUTEXT = 7, COLOR_WINDOWTEXT = 8, COLOR_CAPTIONTEXT = 9, COLOR_ACTIVEBORDER = 10,
                     COLOR_INACTIVEBORDER = 11, COLOR_APPWORKSPACE = 12, COLOR_HIGHLIGHT = 13,
                     COLOR_HIGHLIGHTTEXT = 14, COLOR_BTNFACE = 15, COLOR_3DFACE = 15, COLOR_BTNSHADOW = 16,
                     COLOR_3DSHADOW = 16, COLOR_GRAYTEXT = 17, COLOR_BTNTEXT = 18, COLOR_INACTIVECAPTIONTEXT = 19,
                     COLOR_BTNHIGHLIGHT = 20, COLOR_3DHIGHLIGHT = 20, COLOR_3DHILIGHT = 20, COLOR_BTNHILIGHT = 20,
                     COLOR_3DDKSHADOW = 21, COLOR_3DLIGHT = 22, COLOR_INFOTEXT = 23, COLOR_INFOBK = 24,
                     COLOR_HOTLIGHT = 26, COLOR_GRADIENTACTIVECAPTION = 27, COLOR_GRADIENTINACTIVECAPTION = 28,
                     COLOR_MENUHILIGHT = 29, COLOR_MENUBAR = 30;
inline constexpr int kSysColorCount = 31;

// 0 for indexes outside the table.
DWORD GetSysColor(int index);
// nullptr for indexes outside the table.
HBRUSH GetSysColorBrush(int index);

namespace gdi {

class BrushObject;

// Sets entries of the table (the window layer's SetSysColors); indexes outside it are skipped.
void ChangeSysColors(int count, const int* indexes, const COLORREF* values);
// Back to the classic scheme (tests).
void ResetSysColors();

// A brush handle, or a system colour index + 1 in its place (as FillRect and window classes
// accept); nullptr when it is neither.
BrushObject* BrushOrSysColor(HBRUSH brush);

}  // namespace gdi
