// The platform's BUTTON window class, push buttons (BS_PUSHBUTTON, BS_DEFPUSHBUTTON): pressing with
// the mouse (captured; released inside: BN_CLICKED to the parent as WM_COMMAND) or with Space,
// BM_CLICK, BM_GETSTATE / BM_SETSTATE, BM_SETSTYLE, WM_GETDLGCODE (DLGC_BUTTON with
// DLGC_DEFPUSHBUTTON or DLGC_UNDEFPUSHBUTTON), WM_SETFONT / WM_GETFONT, and the classic look
// (docs/platform-ui.md):
//
// - a default button (BS_DEFPUSHBUTTON) has a one-pixel COLOR_WINDOWFRAME frame; the button is
//   drawn inside it;
// - up: DrawFrameControl(DFC_BUTTON, DFCS_BUTTONPUSH); pressed: a one-pixel COLOR_BTNSHADOW frame
//   around COLOR_BTNFACE, the caption one pixel right and down;
// - the caption is centred on one line in COLOR_BTNTEXT, its '&' accelerator underlined; disabled,
//   it is embossed: COLOR_BTNHIGHLIGHT one pixel right and down, then COLOR_GRAYTEXT;
// - focused: DrawFocusRect on the rectangle 4 pixels inside the client area (3 inside the frame).
//
// The class is registered on first use by RegisterButtonClass (TButton does it before it makes
// its window).  Other button styles draw as push buttons here.
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
