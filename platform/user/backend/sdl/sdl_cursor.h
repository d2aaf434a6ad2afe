// A window-layer cursor as an SDL cursor: the standard shapes (IDC_ARROW ...) as the display's
// system cursors (shapes it lacks, such as IDC_HELP and IDC_UPARROW, as the arrow), picture
// cursors (resource_cursor.h) as colour cursors with their hot spot.  A monochrome cursor shows
// black where its AND and XOR bits are both clear, white for XOR alone, transparent for AND alone,
// and black where the platform would invert the screen (SDL cannot invert).
#pragma once

#include "platform/user/user_types.h"

struct SDL_Cursor;

namespace user {

// A new SDL cursor (the caller frees it with SDL_FreeCursor); nullptr when the handle is no cursor.
SDL_Cursor* CreateSdlCursor(HCURSOR cursor);

}  // namespace user
