// The platform's up-down window class ("msctls_updown32"): two arrow buttons that step a
// position within a range, optionally showing it in a buddy window.
//
// A press on an arrow (or Up / Down in the buddy with UDS_ARROWKEYS) asks the parent first with
// WM_NOTIFY UDN_DELTAPOS (NMUPDOWN: the position and the step; a non-zero answer refuses), then
// moves the position and tells the parent with WM_VSCROLL (WM_HSCROLL with UDS_HORZ),
// SB_THUMBPOSITION and the position, lParam = the up-down; the release sends SB_ENDSCROLL.  The
// upper arrow (the right one with UDS_HORZ) moves towards the range's upper value, even when it
// is the smaller.  At an end the position stays, unless UDS_WRAP carries it round to the other.
// UDS_SETBUDDYINT writes the position into the buddy as text (thousands separated by ',' unless
// UDS_NOTHOUSANDS); UDS_ALIGNRIGHT / UDS_ALIGNLEFT put the up-down over the buddy's right / left
// edge, narrowing the buddy by the up-down's width.  A new up-down's range is 100 (lower) to 0
// (upper) as on the platform, its position 0, its step 1.
#pragma once

#include "platform/user/message_ids.h"
#include "platform/user/user_types.h"
#include "platform/window_classes/notification_header.h"

inline constexpr DWORD UDS_WRAP = 0x0001, UDS_SETBUDDYINT = 0x0002, UDS_ALIGNRIGHT = 0x0004, UDS_ALIGNLEFT = 0x0008,
                       UDS_AUTOBUDDY = 0x0010, UDS_ARROWKEYS = 0x0020, UDS_HORZ = 0x0040,
                       UDS_NOTHOUSANDS = 0x0080;
inline constexpr UINT UDM_SETRANGE = 0x0465, UDM_GETRANGE = 0x0466, UDM_SETPOS = 0x0467, UDM_GETPOS = 0x0468,
                      UDM_SETBUDDY = 0x0469, UDM_GETBUDDY = 0x046A, UDM_SETACCEL = 0x046B, UDM_GETACCEL = 0x046C,
                      UDM_SETBASE = 0x046D, UDM_GETBASE = 0x046E, UDM_SETRANGE32 = 0x046F, UDM_GETRANGE32 = 0x0470,
                      UDM_SETPOS32 = 0x0471, UDM_GETPOS32 = 0x0472;
inline constexpr UINT UDN_DELTAPOS = UINT(-722);
inline constexpr char UPDOWN_CLASS[] = "msctls_updown32";

struct NMUPDOWN {
  NMHDR hdr;
  int iPos;
  int iDelta;
};

struct UDACCEL {
  UINT nSec;
  UINT nInc;
};

void RegisterUpDownClass();
LRESULT UpDownWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
