// The pixels of a window as its top-level window's surface holds them, whatever display shows
// them: one pixel, or the whole window (frame included) as a PNG file.  What tests and formshot
// look at.
#pragma once

#include <string>

#include "platform/user/user_types.h"

namespace user {

// The window's own rectangle (frame included) from its top-level window's surface; false when the
// window was never drawn or the file cannot be written.
bool SaveWindowPng(HWND hwnd, const std::string& path);
// The colour at window coordinates (0, 0 = the window rectangle's corner); CLR_INVALID outside.
COLORREF WindowPixel(HWND hwnd, int x, int y);
// The same at client coordinates.
COLORREF ClientPixel(HWND hwnd, int x, int y);

}  // namespace user
