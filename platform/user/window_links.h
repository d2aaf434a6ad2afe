// The window tree's links and geometry: z-order insertion with its rules, ancestry, and the
// conversion of a window's rectangles to screen coordinates.
//
// Z-order rules kept by every change: among top-level windows, those with WS_EX_TOPMOST lie above
// the others, and an owned window lies above its owner (moving an owner to the top takes its owned
// windows along, above it).
#pragma once

#include "platform/user/window.h"

namespace user {

// Inserts `w` among `parent`'s children: after `insertAfter` (a sibling, or HWND_TOP / HWND_BOTTOM
// / HWND_TOPMOST / HWND_NOTOPMOST), then restores the z-order rules.
void LinkWindow(Window* w, Window* parent, HWND insertAfter);
void UnlinkWindow(Window* w);
// Moves `w` within its siblings as SetWindowPos does with `insertAfter`; owned windows follow
// their owner unless `ownerOrder` is false.
void ReorderWindow(Window* w, HWND insertAfter, bool ownerOrder);

bool IsAncestor(const Window* ancestor, const Window* w);   // ancestor == w counts
Window* TopLevelOf(Window* w);                              // the ancestor just below a root
bool IsShownOnScreen(const Window* w);                      // w and every ancestor WS_VISIBLE
bool IsEnabledChain(const Window* w);                       // w and every ancestor enabled

TPoint WindowOrigin(const Window* w);   // screen position of the window rectangle's corner
TPoint ClientOrigin(const Window* w);   // screen position of client (0, 0)
TRect ScreenRect(const Window* w);      // window rectangle on the screen
TRect ScreenClientRect(const Window* w);

}  // namespace user
