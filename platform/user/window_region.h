// Window regions: SetWindowRgn / GetWindowRgn.  The region (window coordinates) limits where the
// window paints and where it is hit by the mouse, in process on every backend.  The window owns
// the region it is given (the caller must not use or delete the handle afterwards).  GetWindowRgn
// copies it into the caller's region and answers NULLREGION, SIMPLEREGION, COMPLEXREGION or
// ERROR (no region set).
#pragma once

#include "platform/user/user_types.h"

int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw);
int GetWindowRgn(HWND hwnd, HRGN region);
