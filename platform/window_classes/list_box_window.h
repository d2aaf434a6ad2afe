// The platform's LISTBOX window class: a list of items (text and a pointer-sized value each) with
// single (default), multiple (LBS_MULTIPLESEL) or extended (LBS_EXTENDEDSEL) selection, sorted
// insertion (LBS_SORT, without case), owner draw of fixed or variable height (WM_MEASUREITEM and
// WM_DRAWITEM to the parent, owner_draw.h), a vertical scroll bar kept with SetScrollInfo
// (range 0..count-1, page = whole rows shown, position = top index), and LBN_ notifications to
// the parent as WM_COMMAND when LBS_NOTIFY is set.  docs/platform-ui-list-box.md has the tables.
//
// Invariants: the top index, caret and anchor are valid item indexes or, with no items, 0 (top)
// and -1 (caret / anchor, and the current selection of a single-selection list).  A single-
// selection list has at most one selected item.
#pragma once

#include "platform/user/message_ids.h"
#include "platform/user/user_types.h"

inline constexpr DWORD LBS_NOTIFY = 0x0001, LBS_SORT = 0x0002, LBS_NOREDRAW = 0x0004, LBS_MULTIPLESEL = 0x0008,
                       LBS_OWNERDRAWFIXED = 0x0010, LBS_OWNERDRAWVARIABLE = 0x0020, LBS_HASSTRINGS = 0x0040,
                       LBS_USETABSTOPS = 0x0080, LBS_NOINTEGRALHEIGHT = 0x0100, LBS_MULTICOLUMN = 0x0200,
                       LBS_WANTKEYBOARDINPUT = 0x0400, LBS_EXTENDEDSEL = 0x0800, LBS_DISABLENOSCROLL = 0x1000,
                       LBS_NODATA = 0x2000, LBS_NOSEL = 0x4000,
                       LBS_COMBOBOX = 0x8000;   // part of a combo box: the creation parameter is the combo box
inline constexpr UINT LB_ADDSTRING = 0x0180, LB_INSERTSTRING = 0x0181, LB_DELETESTRING = 0x0182,
                      LB_SELITEMRANGEEX = 0x0183, LB_RESETCONTENT = 0x0184, LB_SETSEL = 0x0185, LB_SETCURSEL = 0x0186,
                      LB_GETSEL = 0x0187, LB_GETCURSEL = 0x0188, LB_GETTEXT = 0x0189, LB_GETTEXTLEN = 0x018A,
                      LB_GETCOUNT = 0x018B, LB_SELECTSTRING = 0x018C, LB_GETTOPINDEX = 0x018E,
                      LB_FINDSTRING = 0x018F, LB_GETSELCOUNT = 0x0190, LB_GETSELITEMS = 0x0191,
                      LB_GETHORIZONTALEXTENT = 0x0193, LB_SETHORIZONTALEXTENT = 0x0194, LB_SETTOPINDEX = 0x0197,
                      LB_GETITEMRECT = 0x0198, LB_GETITEMDATA = 0x0199, LB_SETITEMDATA = 0x019A,
                      LB_SELITEMRANGE = 0x019B, LB_SETANCHORINDEX = 0x019C, LB_GETANCHORINDEX = 0x019D,
                      LB_SETCARETINDEX = 0x019E, LB_GETCARETINDEX = 0x019F, LB_SETITEMHEIGHT = 0x01A0,
                      LB_GETITEMHEIGHT = 0x01A1, LB_FINDSTRINGEXACT = 0x01A2, LB_ITEMFROMPOINT = 0x01A9;
inline constexpr WORD LBN_SELCHANGE = 1, LBN_DBLCLK = 2, LBN_SELCANCEL = 3, LBN_SETFOCUS = 4, LBN_KILLFOCUS = 5;
inline constexpr LRESULT LB_OKAY = 0, LB_ERR = -1, LB_ERRSPACE = -2;

void RegisterListBoxClass();
LRESULT ListBoxWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
