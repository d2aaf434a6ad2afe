// Device contexts on windows: GetDC, GetDCEx, GetWindowDC, ReleaseDC, WindowFromDC.
//
// A window DC draws into the top-level window's surface: device (0, 0) is the client area's
// corner (the window's corner for DCX_WINDOW / GetWindowDC), and drawing is limited to where the
// window shows (visible_region.h), narrowed by DCX_INTERSECTRGN / DCX_EXCLUDERGN /
// DCX_INTERSECTUPDATE.  GetDC(0), and GetDC / GetDCEx of the desktop window, give a display
// context for measuring (the screen itself is not drawn on).  Releasing a window DC hands
// what was drawn to the backend to show.  Every DC is a fresh context (CS_OWNDC and CS_CLASSDC
// keep no state across GetDC calls here).
#pragma once

#include <optional>

#include "platform/gdi/region_data.h"
#include "platform/user/user_types.h"

HDC GetDC(HWND hwnd);
HDC GetDCEx(HWND hwnd, HRGN region, DWORD flags);
HDC GetWindowDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC dc);
HWND WindowFromDC(HDC dc);

namespace user {

// A DC on a window clipped to its visible area intersected with `clip` (surface coordinates,
// nullopt: no further clip).
HDC MakeWindowDC(HWND hwnd, bool windowArea, bool clipChildren, bool clipSiblings,
                 const std::optional<gdi::RegionData>& clip);
// Ends a window DC: shows what was drawn and frees it.
void EndWindowDC(HDC dc);

}  // namespace user
