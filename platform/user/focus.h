// Keyboard focus and activation: SetFocus, SetActiveWindow, the foreground window, EnableWindow.
//
// Activation order (docs/platform-user-messages.md): the WH_CBT hook may refuse (HCBT_ACTIVATE);
// the window losing the activation gets WM_NCACTIVATE(FALSE) then WM_ACTIVATE(WA_INACTIVE, new);
// when the application becomes active every top-level window gets WM_ACTIVATEAPP(TRUE); the new
// window gets WM_NCACTIVATE(TRUE) then WM_ACTIVATE(WA_ACTIVE or WA_CLICKACTIVE, old), whose
// default handling gives it the focus.  Focus changes send WM_KILLFOCUS(new) to the old window,
// then WM_SETFOCUS(old) to the new one.  Windows with WS_CHILD (also when they sit on the
// desktop) and WS_EX_NOACTIVATE windows are never activated.
#pragma once

#include "platform/user/input_state.h"
#include "platform/user/user_types.h"

HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsWindowEnabled(HWND hwnd);

namespace user {

// Activates a top-level window (nullptr: none).  False when a hook refused.
bool ActivateWindow(HWND hwnd, bool byMouse);
// After `hidden` stopped being a candidate: activates the topmost visible, enabled top-level
// window that can be activated (its owner first), or none.
void ActivateNextWindow(HWND hidden);
// Takes the focus away when it lies in the subtree of `hwnd` (the subtree is being destroyed).
void ReleaseFocusWithin(HWND hwnd);
// The display reports that the application gained or lost the activation.
void SetApplicationActive(bool active);

}  // namespace user
