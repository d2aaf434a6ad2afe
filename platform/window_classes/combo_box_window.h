// The platform's COMBOBOX window class: a selection field with a list of items.
//
// Styles (low two bits): CBS_SIMPLE (an edit above a list that always shows), CBS_DROPDOWN (an
// edit and a drop-down button; the list drops down in a popup) and CBS_DROPDOWNLIST (the field
// shows the selected item; no edit).  The edit is an EDIT child window, the list a LISTBOX window
// (a child in the simple style, a popup owned by the combo box otherwise), both made and owned by
// the combo box; CB_GETCOMBOBOXINFO hands out their handles.  The items live in the list: the CB_
// item messages are the LB_ ones.  CBN_ notifications go to the parent as WM_COMMAND with the
// control's id and the code in the high word, the combo box in lParam.
// docs/platform-ui-combo-box.md has the keys, the mouse and the order of the notifications.
//
// Geometry: a drop-down window is always as high as its field (the field's item height + 6);
// the height it is given is remembered as its full height, the list dropping under the field
// taking the rest (at least one row).  Text is code page 874.
#pragma once

#include "platform/gdi/geometry.h"
#include "platform/user/message_ids.h"
#include "platform/user/user_types.h"

inline constexpr DWORD CBS_SIMPLE = 0x0001, CBS_DROPDOWN = 0x0002, CBS_DROPDOWNLIST = 0x0003,
                       CBS_OWNERDRAWFIXED = 0x0010, CBS_OWNERDRAWVARIABLE = 0x0020, CBS_AUTOHSCROLL = 0x0040,
                       CBS_OEMCONVERT = 0x0080, CBS_SORT = 0x0100, CBS_HASSTRINGS = 0x0200,
                       CBS_NOINTEGRALHEIGHT = 0x0400, CBS_DISABLENOSCROLL = 0x0800, CBS_UPPERCASE = 0x2000,
                       CBS_LOWERCASE = 0x4000;
inline constexpr UINT CB_GETEDITSEL = 0x0140, CB_LIMITTEXT = 0x0141, CB_SETEDITSEL = 0x0142, CB_ADDSTRING = 0x0143,
                      CB_DELETESTRING = 0x0144, CB_GETCOUNT = 0x0146, CB_GETCURSEL = 0x0147,
                      CB_GETLBTEXT = 0x0148, CB_GETLBTEXTLEN = 0x0149, CB_INSERTSTRING = 0x014A,
                      CB_RESETCONTENT = 0x014B, CB_FINDSTRING = 0x014C, CB_SELECTSTRING = 0x014D,
                      CB_SETCURSEL = 0x014E, CB_SHOWDROPDOWN = 0x014F, CB_GETITEMDATA = 0x0150,
                      CB_SETITEMDATA = 0x0151, CB_GETDROPPEDCONTROLRECT = 0x0152, CB_SETITEMHEIGHT = 0x0153,
                      CB_GETITEMHEIGHT = 0x0154, CB_SETEXTENDEDUI = 0x0155, CB_GETEXTENDEDUI = 0x0156,
                      CB_GETDROPPEDSTATE = 0x0157, CB_FINDSTRINGEXACT = 0x0158, CB_GETTOPINDEX = 0x015B,
                      CB_SETTOPINDEX = 0x015C, CB_GETHORIZONTALEXTENT = 0x015D, CB_SETHORIZONTALEXTENT = 0x015E,
                      CB_GETDROPPEDWIDTH = 0x015F, CB_SETDROPPEDWIDTH = 0x0160, CB_GETCOMBOBOXINFO = 0x0164;
inline constexpr WORD CBN_SELCHANGE = 1, CBN_DBLCLK = 2, CBN_SETFOCUS = 3, CBN_KILLFOCUS = 4, CBN_EDITCHANGE = 5,
                      CBN_EDITUPDATE = 6, CBN_DROPDOWN = 7, CBN_CLOSEUP = 8, CBN_SELENDOK = 9,
                      CBN_SELENDCANCEL = 10;
inline constexpr WORD CBN_ERRSPACE = 0xFFFF;
inline constexpr LRESULT CB_OKAY = 0, CB_ERR = -1, CB_ERRSPACE = -2;
inline constexpr DWORD STATE_SYSTEM_PRESSED = 0x00000008, STATE_SYSTEM_INVISIBLE = 0x00008000;

struct COMBOBOXINFO {
  DWORD cbSize;
  TRect rcItem;     // the field (the edit's place), client coordinates
  TRect rcButton;   // the drop-down button; empty in the simple style
  DWORD stateButton;
  HWND hwndCombo;
  HWND hwndItem;    // the edit; null in the drop-down list style
  HWND hwndList;
};

void RegisterComboBoxClass();
LRESULT ComboBoxWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
