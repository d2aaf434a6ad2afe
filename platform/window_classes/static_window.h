// The platform's STATIC window class, as far as the program uses it: a plain left-aligned text
// (DT_LEFT, DT_WORDBREAK, DT_EXPANDTABS) on the brush and colours the parent answers to
// WM_CTLCOLORSTATIC (COLOR_3DFACE and COLOR_WINDOWTEXT from the default window procedure), in the
// font of WM_SETFONT; a window without text shows only its background.  The ampersand prefix is
// drawn as DrawText draws it (SS_NOPREFIX turns it off).  WM_NCHITTEST is the default one, so
// the window takes the mouse wherever it shows.
//
// The class is registered on first use by RegisterStaticClass.
#pragma once

#include "platform/user/user_types.h"

inline constexpr DWORD SS_LEFT = 0x0, SS_NOPREFIX = 0x80;

void RegisterStaticClass();
LRESULT StaticWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
