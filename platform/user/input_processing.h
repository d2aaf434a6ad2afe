// Turning raw input (input_events.h) into messages, when the interface thread looks for them.
//
// Mouse: the target is the capture holder (client coordinates, HTCLIENT) or the deepest visible,
// enabled window under the cursor that does not answer HTTRANSPARENT to WM_NCHITTEST; then the
// WH_MOUSE hooks may discard the message; a button press on a window whose top-level window is not
// active sends WM_MOUSEACTIVATE (MA_NOACTIVATE keeps the activation where it is, the ...ANDEAT
// answers discard the press); without capture WM_SETCURSOR follows; then the message itself,
// client or non-client by the hit-test code, with double clicks made for CS_DBLCLKS classes
// (and in the non-client area) when a second press comes within the double-click time and
// rectangle.  A disabled top-level window under the cursor gets WM_SETCURSOR with HTERROR and
// nothing else.  Keyboard: key messages go to the focus window, or as WM_SYS... messages to the
// active window when nothing has the focus; Alt (without Ctrl) and F10 make WM_SYSKEYDOWN /
// WM_SYSKEYUP; the WH_KEYBOARD hooks may discard them.  Text events become WM_CHAR.
#pragma once

#include <optional>

#include "platform/user/user_types.h"

namespace user {

// The next input message for the calling thread within the filter; side effects (activation,
// WM_SETCURSOR, double-click and key state) happen only when it is removed.  `unicode` is the
// text kind of the caller (WM_CHAR's wParam).
std::optional<MSG> TakeInputMessage(HWND hwnd, UINT first, UINT last, bool remove, bool unicode);
// The character recorded for a key message that came from input (TranslateMessage); nothing
// for key messages made up by the program.
std::optional<char16_t> RecordedChar(const MSG& message);
// Tests: forget double-click, key and tracking state.
void ResetInputProcessing();

}  // namespace user
