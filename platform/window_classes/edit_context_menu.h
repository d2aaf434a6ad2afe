// The EDIT window's own context menu: "&Undo", a separator, "Cu&t", "&Copy", "&Paste", "&Delete",
// a separator, "Select &All", each enabled by the control's state (something to undo, a selection,
// text on the clipboard, any text; a read-only edit offers only Copy and Select All, a password
// edit copies nothing).  Item ids are the messages they send back to the edit (WM_UNDO, WM_CUT,
// WM_COPY, WM_PASTE, WM_CLEAR, EM_SETSEL 0, -1).  A keyboard request (-1, -1) opens the menu at
// the caret.
#pragma once

#include "platform/user/user_types.h"

// Shows the menu for `edit` at a screen point (lParam of WM_CONTEXTMENU) and does what is chosen.
void ShowEditContextMenu(HWND edit, LPARAM screenPoint);
