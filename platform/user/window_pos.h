// Placing windows: SetWindowPos (position, size, z-order, showing and hiding), ShowWindow,
// MoveWindow, BringWindowToTop, and reading and mapping window coordinates.
//
// SetWindowPos sends WM_WINDOWPOSCHANGING (whose handler may change the request), applies it,
// recomputes the client area with WM_NCCALCSIZE when the size or frame changed, invalidates what
// became visible, and sends WM_WINDOWPOSCHANGED, whose default handling sends WM_MOVE and WM_SIZE.
// Showing a top-level window activates it unless SWP_NOACTIVATE; hiding the active window
// activates the next visible top-level window.  docs/platform-user-messages.md has the orders.
#pragma once

#include "platform/user/user_types.h"

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags);
BOOL ShowWindow(HWND hwnd, int command);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL BringWindowToTop(HWND hwnd);
BOOL IsWindowVisible(HWND hwnd);   // the window and all its ancestors are visible
BOOL IsIconic(HWND hwnd);
BOOL IsZoomed(HWND hwnd);
BOOL GetWindowRect(HWND hwnd, TRect* rect);    // screen coordinates
BOOL GetClientRect(HWND hwnd, TRect* rect);    // (0, 0, width, height)
BOOL ClientToScreen(HWND hwnd, TPoint* point);
BOOL ScreenToClient(HWND hwnd, TPoint* point);
// Maps points from one window's client coordinates to another's (0: the screen); returns the
// horizontal offset in the low word and the vertical one in the high word.
int MapWindowPoints(HWND from, HWND to, TPoint* points, UINT count);
BOOL AdjustWindowRectEx(TRect* rect, DWORD style, BOOL menu, DWORD exStyle);

namespace user {

// WM_SIZE then WM_MOVE with the window's current client area.
void SendSizeAndMove(HWND hwnd);
// The window's maximized placement and tracking limits: the system metrics' defaults (maximized
// over the work area, its frame just outside) as WM_GETMINMAXINFO lets the window change them.
MINMAXINFO AskMinMaxInfo(HWND hwnd);

}  // namespace user
