// One SDL event as the window layer's input: mouse buttons, motion and wheel at screen points (the
// SDL window's own point plus its top-level window's corner), keys as virtual keys with the
// extended bit (sdl_keys.h), text input as characters (WM_CHAR, code page 874 for 8-bit windows),
// and the display's window events: a close request is WM_SYSCOMMAND SC_CLOSE, a move or resize
// made by the display's window manager moves or sizes the window, focus given by the display
// activates it, and its quit request asks the program to end (user::RequestProgramEnd).  Files dropped from other programs (SDL_DROPFILE between SDL_DROPBEGIN and
// SDL_DROPCOMPLETE) are one drop (user::DropFiles: WM_DROPFILES, or a registered drop target) at
// the pointer, or in the middle of the window SDL names when the pointer is elsewhere; dropped
// text goes to user::DropText (a registered drop target) at the same point.
//
// Keys whose characters come as text input give no character of their own; Enter, Tab,
// Backspace, Escape and Ctrl combinations (which bring no text input) take theirs from the layout.
// SDL windows carry their HWND as the window data kHwndKey.
#pragma once

#include <SDL2/SDL_events.h>

namespace user {

inline constexpr const char* kHwndKey = "hwnd";

// True when the event became input or changed a window.
bool TranslateSdlEvent(const SDL_Event& event);

}  // namespace user
