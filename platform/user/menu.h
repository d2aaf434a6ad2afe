// Menus as the window layer keeps them: HMENU handles to lists of items, each a command, a
// separator or a sub-menu, with a state (checked, grayed, default, highlighted), a type (string,
// bitmap, owner-drawn, radio check, column breaks) and the owner's item data.
//
// Handles come from one menu table (`menu_table.h`); a destroyed menu's handle is never reused, so
// a stale handle fails with ERROR_INVALID_MENU_HANDLE (1401).  An item named by command or by
// position that does not exist fails with ERROR_MENU_ITEM_NOT_FOUND (1456); MF_BYCOMMAND looks
// into sub-menus too, depth first.  Item texts are kept in code page 874 (the W calls convert):
// "&" marks the mnemonic ("&&" is a plain ampersand), a tab starts the shortcut text that a popup
// draws right-aligned.  DestroyMenu destroys the sub-menus too; RemoveMenu takes a sub-menu out
// without destroying it.
#pragma once

#include "platform/user/user_types.h"

// MF_ flags of AppendMenu / InsertMenu / ModifyMenu / GetMenuState and of WM_MENUSELECT.
inline constexpr UINT MF_INSERT = 0x0000, MF_CHANGE = 0x0080, MF_APPEND = 0x0100, MF_DELETE = 0x0200,
                      MF_REMOVE = 0x1000, MF_BYCOMMAND = 0x0000, MF_BYPOSITION = 0x0400,
                      MF_SEPARATOR = 0x0800, MF_ENABLED = 0x0000, MF_GRAYED = 0x0001, MF_DISABLED = 0x0002,
                      MF_UNCHECKED = 0x0000, MF_CHECKED = 0x0008, MF_USECHECKBITMAPS = 0x0200,
                      MF_STRING = 0x0000, MF_BITMAP = 0x0004, MF_OWNERDRAW = 0x0100, MF_POPUP = 0x0010,
                      MF_MENUBARBREAK = 0x0020, MF_MENUBREAK = 0x0040, MF_UNHILITE = 0x0000,
                      MF_HILITE = 0x0080, MF_DEFAULT = 0x1000, MF_SYSMENU = 0x2000, MF_HELP = 0x4000,
                      MF_RIGHTJUSTIFY = 0x4000, MF_MOUSESELECT = 0x8000;
// Item types and states of MENUITEMINFO.
inline constexpr UINT MFT_STRING = MF_STRING, MFT_BITMAP = MF_BITMAP, MFT_MENUBARBREAK = MF_MENUBARBREAK,
                      MFT_MENUBREAK = MF_MENUBREAK, MFT_OWNERDRAW = MF_OWNERDRAW, MFT_RADIOCHECK = 0x0200,
                      MFT_SEPARATOR = MF_SEPARATOR, MFT_RIGHTORDER = 0x2000, MFT_RIGHTJUSTIFY = MF_RIGHTJUSTIFY;
inline constexpr UINT MFS_GRAYED = 0x0003, MFS_DISABLED = MFS_GRAYED, MFS_CHECKED = MF_CHECKED,
                      MFS_HILITE = MF_HILITE, MFS_ENABLED = MF_ENABLED, MFS_UNCHECKED = MF_UNCHECKED,
                      MFS_UNHILITE = MF_UNHILITE, MFS_DEFAULT = MF_DEFAULT;
// Which MENUITEMINFO fields a call reads or writes.
inline constexpr UINT MIIM_STATE = 0x0001, MIIM_ID = 0x0002, MIIM_SUBMENU = 0x0004, MIIM_CHECKMARKS = 0x0008,
                      MIIM_TYPE = 0x0010, MIIM_DATA = 0x0020, MIIM_STRING = 0x0040, MIIM_BITMAP = 0x0080,
                      MIIM_FTYPE = 0x0100;
// GetMenuDefaultItem: also answer a disabled default item; look for the default inside its sub-menu.
inline constexpr UINT GMDI_USEDISABLED = 0x0001, GMDI_GOINTOPOPUPS = 0x0002;
// WM_MENUCHAR answers (high word of the result; the low word is the item's position).
inline constexpr int MNC_IGNORE = 0, MNC_CLOSE = 1, MNC_EXECUTE = 2, MNC_SELECT = 3;
// What WM_INITMENUPOPUP and WM_MENUSELECT report for "no menu".
inline constexpr UINT MENU_NO_ITEM = 0xFFFF;

// cbSize is sizeof the record; dwTypeData / cch carry the text (Get: cch is the buffer's size in
// characters on entry and the text's length on return; a null dwTypeData asks only the length).
struct MENUITEMINFOA {
  UINT cbSize;
  UINT fMask;
  UINT fType;
  UINT fState;
  UINT wID;
  HMENU hSubMenu;
  HBITMAP hbmpChecked;
  HBITMAP hbmpUnchecked;
  ULONG_PTR dwItemData;
  char* dwTypeData;
  UINT cch;
  HBITMAP hbmpItem;
};

struct MENUITEMINFOW {
  UINT cbSize;
  UINT fMask;
  UINT fType;
  UINT fState;
  UINT wID;
  HMENU hSubMenu;
  HBITMAP hbmpChecked;
  HBITMAP hbmpUnchecked;
  ULONG_PTR dwItemData;
  char16_t* dwTypeData;
  UINT cch;
  HBITMAP hbmpItem;
};

HMENU CreateMenu();
HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);

// `item` is the command id, or the sub-menu's HMENU with MF_POPUP.  With MF_BITMAP `text` is the
// HBITMAP, with MF_OWNERDRAW it is the item data (both cast to the text pointer, as the platform
// does).
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR item, const char* text);
BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR item, const char16_t* text);
// Inserts before `position` (a command or a position per MF_BYPOSITION); position -1 appends.
BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR item, const char* text);
BOOL InsertMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR item, const char16_t* text);
// Replaces the whole item named by `position`.
BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR item, const char* text);
BOOL ModifyMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR item, const char16_t* text);
// RemoveMenu keeps a removed sub-menu alive; DeleteMenu destroys it.
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);

BOOL InsertMenuItemA(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info);
BOOL InsertMenuItemW(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOW* info);
BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOA* info);
BOOL GetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOW* info);
BOOL SetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info);
BOOL SetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOW* info);

// -1 for a bad handle.
int GetMenuItemCount(HMENU menu);
// The command id at a position; -1 for a sub-menu or a missing item.
UINT GetMenuItemID(HMENU menu, int position);
HMENU GetSubMenu(HMENU menu, int position);
// The item's MF_ flags; for a sub-menu the high byte holds its item count.  -1 when missing.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
// The text's length in characters (copied up to size - 1 and a zero); 0 when missing.
int GetMenuStringA(HMENU menu, UINT item, char* buffer, int size, UINT flags);
int GetMenuStringW(HMENU menu, UINT item, char16_t* buffer, int size, UINT flags);

// The previous MF_CHECKED / MF_ENABLED|MF_GRAYED|MF_DISABLED bits, or -1 when the item is missing.
DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags);
BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags);
// Checks `check` and unchecks the rest of first..last (all radio-checked, MFT_RADIOCHECK).
BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags);
// `item` -1 clears the default.  GetMenuDefaultItem answers -1 when there is none.
BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition);
UINT GetMenuDefaultItem(HMENU menu, UINT byPosition, UINT flags);
// Sets or clears MF_HILITE (a menu bar's item); the window is the menu's owner.
BOOL HiliteMenuItem(HWND hwnd, HMENU menu, UINT item, UINT flags);

inline BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR item, const char* text) {
  return AppendMenuA(menu, flags, item, text);
}
inline BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR item, const char* text) {
  return InsertMenuA(menu, position, flags, item, text);
}
inline BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, UINT_PTR item, const char* text) {
  return ModifyMenuA(menu, position, flags, item, text);
}
using MENUITEMINFO = MENUITEMINFOA;
