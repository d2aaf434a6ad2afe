// DefWindowProc: what a window does with a message its procedure passes on.
//
// Besides the bookkeeping (text, WM_NCCALCSIZE, WM_NCHITTEST, sizes), the default handling
// produces further messages the system relies on: WM_CONTEXTMENU from a right-button release,
// Shift+F10 and the Apps key (lParam -1 for the keys), passed from a child to its parent when the
// child does not handle it; WM_SYSCOMMAND with SC_KEYMENU from Alt+letter (WM_SYSCHAR) and from
// Alt or F10 pressed alone, SC_CLOSE from Alt+F4; WM_CLOSE from SC_CLOSE; DestroyWindow from
// WM_CLOSE; the focus from WM_ACTIVATE; WM_MOVE and WM_SIZE from WM_WINDOWPOSCHANGED.
// WM_SETCURSOR, WM_MOUSEACTIVATE and the wheel messages go to the parent first.  WM_SETREDRAW
// FALSE clears WS_VISIBLE without hiding the window (so it is not painted) and TRUE sets it back,
// as on the platform.  docs/platform-user-messages.md lists every case.
#pragma once

#include "platform/user/user_types.h"

LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
inline LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, message, wParam, lParam);
}
