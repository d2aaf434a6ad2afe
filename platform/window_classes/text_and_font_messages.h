#pragma once

#include "platform/user/user_types.h"

// WM_SETTEXT (the default procedure stores the text, then the window repaints), WM_SETFONT (the font
// kept in the window word at FontIndex, repainted when lParam asks) and WM_GETFONT for the built-in
// classes that keep their font in a window word. False, Result untouched, for any other message.
bool HandleTextAndFontMessage(HWND w, UINT message, WPARAM wParam, LPARAM lParam, int FontIndex, LRESULT& Result);
