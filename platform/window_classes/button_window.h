// The platform's BUTTON window class.  Push buttons (BS_PUSHBUTTON, BS_DEFPUSHBUTTON): pressing
// with the mouse (captured; released inside: BN_CLICKED to the parent as WM_COMMAND) or with
// Space, BM_CLICK, BM_GETSTATE / BM_SETSTATE, BM_SETSTYLE, WM_GETDLGCODE (DLGC_BUTTON with
// DLGC_DEFPUSHBUTTON or DLGC_UNDEFPUSHBUTTON), WM_SETFONT / WM_GETFONT.  Check boxes and radio
// buttons (BS_CHECKBOX, BS_AUTOCHECKBOX, BS_3STATE, BS_AUTO3STATE, BS_RADIOBUTTON,
// BS_AUTORADIOBUTTON) keep a check state (BM_GETCHECK / BM_SETCHECK); the automatic styles take
// their next state on a click, an automatic radio button unchecking the other automatic radio
// buttons of its WS_GROUP group (docs/platform-ui-buttons.md).  The look is button_paint.h's;
// BS_OWNERDRAW buttons send their parent WM_DRAWITEM (ODT_BUTTON, ODA_DRAWENTIRE, ODS_SELECTED
// while pushed, ODS_FOCUS, ODS_DISABLED) instead; other styles draw as push buttons.
//
// The class is registered on first use by RegisterButtonClass (the button controls do it before
// they make their windows).
#pragma once

#include "platform/user/message_ids.h"
#include "platform/user/user_types.h"

inline constexpr DWORD BS_PUSHBUTTON = 0x0, BS_DEFPUSHBUTTON = 0x1, BS_CHECKBOX = 0x2, BS_AUTOCHECKBOX = 0x3,
                       BS_RADIOBUTTON = 0x4, BS_3STATE = 0x5, BS_AUTO3STATE = 0x6, BS_GROUPBOX = 0x7,
                       BS_USERBUTTON = 0x8, BS_AUTORADIOBUTTON = 0x9, BS_OWNERDRAW = 0xB, BS_TYPEMASK = 0xF,
                       BS_LEFTTEXT = 0x20, BS_MULTILINE = 0x2000, BS_NOTIFY = 0x4000, BS_FLAT = 0x8000;
inline constexpr UINT BM_GETCHECK = 0x00F0, BM_SETCHECK = 0x00F1, BM_GETSTATE = 0x00F2, BM_SETSTATE = 0x00F3,
                      BM_SETSTYLE = 0x00F4, BM_CLICK = 0x00F5, BM_GETIMAGE = 0x00F6, BM_SETIMAGE = 0x00F7;
inline constexpr WORD BN_CLICKED = 0, BN_PAINT = 1, BN_HILITE = 2, BN_UNHILITE = 3, BN_DISABLE = 4,
                      BN_DOUBLECLICKED = 5, BN_SETFOCUS = 6, BN_KILLFOCUS = 7;
inline constexpr LRESULT BST_UNCHECKED = 0x0, BST_CHECKED = 0x1, BST_INDETERMINATE = 0x2, BST_PUSHED = 0x4,
                         BST_FOCUS = 0x8;

void RegisterButtonClass();
LRESULT ButtonWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
