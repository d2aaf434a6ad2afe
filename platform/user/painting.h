// Painting: update regions, WM_PAINT, BeginPaint / EndPaint, InvalidateRect / InvalidateRgn /
// ValidateRect / ValidateRgn / RedrawWindow / UpdateWindow, GetUpdateRect / GetUpdateRgn.
//
// Each window keeps an update region in client coordinates, a flag for an owed background erase,
// one for an owed frame (WM_NCPAINT) and one for an internal paint.  Invalidating a window that is
// not shown does nothing (so WM_SETREDRAW FALSE, which clears WS_VISIBLE, suppresses painting).
// Invalidation reaches the children too unless the window has WS_CLIPCHILDREN (RDW_ALLCHILDREN and
// RDW_NOCHILDREN decide explicitly).  WM_PAINT is made when nothing else waits, for the first
// window of the thread that needs painting (top-level windows in z-order, a parent before its
// children); any number of invalidations give one WM_PAINT.  BeginPaint sends WM_NCPAINT when the
// frame is owed and WM_ERASEBKGND when an erase is owed, validates the update region, and returns
// a DC clipped to the update region itself (within where the window shows) whose rcPaint is the
// region's bounding box.  EndPaint shows the painted pixels (the backend presents them).
#pragma once

#include <optional>

#include "platform/core/function_ref.h"
#include "platform/user/user_types.h"

BOOL InvalidateRect(HWND hwnd, const TRect* rect, BOOL erase);
BOOL InvalidateRgn(HWND hwnd, HRGN region, BOOL erase);
BOOL ValidateRect(HWND hwnd, const TRect* rect);
BOOL ValidateRgn(HWND hwnd, HRGN region);
BOOL RedrawWindow(HWND hwnd, const TRect* rect, HRGN region, UINT flags);
BOOL UpdateWindow(HWND hwnd);
BOOL GetUpdateRect(HWND hwnd, TRect* rect, BOOL erase);
int GetUpdateRgn(HWND hwnd, HRGN region, BOOL erase);
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint);

namespace user {

// The WM_PAINT the calling thread would take now, if any.
std::optional<MSG> TakePaintMessage(HWND hwnd, UINT first, UINT last, bool remove);
bool HasPaintPending();
// After SetWindowPos moved, sized, showed or hid a window: what became visible is invalidated
// (the window itself, and for child windows the area of the parent it left), and a top-level
// window's surface follows its size.
void RepaintAfterMove(HWND hwnd, const TRect& oldScreenRect, bool wasVisible, UINT swpFlags);
// DefWindowProc's handling of WM_PAINT, WM_ERASEBKGND, WM_NCPAINT, WM_PRINT, WM_PRINTCLIENT and
// WM_SYNCPAINT; false for other messages.
bool DefaultPaintMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
// WM_PAINT / WM_PRINTCLIENT of a window that draws its client area itself: `paint` draws into the
// context the message hands over (wParam) or, with none, into BeginPaint's.
void PaintClient(HWND hwnd, WPARAM dc, TFunctionRef<void(HDC)> paint);

}  // namespace user
