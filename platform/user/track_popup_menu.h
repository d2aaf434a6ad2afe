// Showing a popup menu and running the menu loop until a command is chosen or the menu is
// dismissed.
//
// The menu opens in a window of the platform's menu class "#32768" (a topmost WS_POPUP that never
// takes activation or focus from the owner), placed at (x, y) by the alignment flags and kept on
// the work area: a menu that does not fit flips to the other side of the point (of the exclusion
// rectangle with TrackPopupMenuEx), else it is pushed inside.  The loop is modal: the owner gets
// WM_ENTERMENULOOP (wParam TRUE), WM_INITMENUPOPUP as each menu opens, WM_MENUSELECT as the
// highlight moves and (0xFFFF, 0) at the end, WM_UNINITMENUPOPUP as each closes, WM_EXITMENULOOP;
// TPM_NONOTIFY keeps these from the owner.  While the loop waits it sends the owner WM_ENTERIDLE
// (MSGF_MENU, the menu window) once per idle spell; a loop with nothing left to wait for (no
// display to deliver input, no timer due) ends as dismissed, so it never waits forever.
//
// The answer: with TPM_RETURNCMD the chosen command id (0 when none); without it TRUE when a
// command was chosen, which is then posted to the owner as WM_COMMAND (wParam id, lParam 0).
// Keyboard, mouse and the sub-menu delay: docs/platform-user-menus.md.
#pragma once

#include "platform/user/user_types.h"

inline constexpr UINT TPM_LEFTBUTTON = 0x0000, TPM_RIGHTBUTTON = 0x0002, TPM_LEFTALIGN = 0x0000,
                      TPM_CENTERALIGN = 0x0004, TPM_RIGHTALIGN = 0x0008, TPM_TOPALIGN = 0x0000,
                      TPM_VCENTERALIGN = 0x0010, TPM_BOTTOMALIGN = 0x0020, TPM_HORIZONTAL = 0x0000,
                      TPM_VERTICAL = 0x0040, TPM_NONOTIFY = 0x0080, TPM_RETURNCMD = 0x0100,
                      TPM_RECURSE = 0x0001, TPM_NOANIMATION = 0x4000;

// Asks a menu window ("#32768") for the HMENU it shows.
inline constexpr UINT MN_GETHMENU = 0x01E1;

// The rectangle (screen coordinates) the menu must not cover.
struct TPMPARAMS {
  UINT cbSize;
  TRect rcExclude;
};

// A nested call fails with ERROR_POPUP_ALREADY_ACTIVE unless it has TPM_RECURSE.
// `reserved` must be 0; `rect` is ignored, as on the platform.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const TRect* rect);
BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS* params);
// Ends the running menu loop as dismissed (false when none runs).
BOOL EndMenu();
// The screen rectangle of an item (by position) of an open popup showing `menu`; the window is
// the owner and is not needed here.  False when no open popup shows the menu.
BOOL GetMenuItemRect(HWND hwnd, HMENU menu, UINT item, TRect* rect);

namespace user {

// The menu window of the running loop's innermost open menu, or nullptr (what tests and the
// class library use to click into an open menu).
HWND OpenMenuWindow();
// Where a popup of `size` opens for the point and flags, exclusion rectangle `exclude` (empty:
// none), on the work area.
TRect PopupMenuPlacement(TPoint point, TSize size, UINT flags, const TRect& exclude);
// Where a sub-menu of `size` opens for an item (screen rectangles of the parent popup and the
// item): right of the parent, overlapping its frame, the first item level with the parent item;
// on the parent's left when the right has no room; pushed up when it does not fit below.
TRect SubMenuPlacement(const TRect& parent, const TRect& item, TSize size);

}  // namespace user
