// The platform's track-bar window class ("msctls_trackbar32"): a thumb that slides along a channel
// over a range of whole numbers, with tick marks beside it and an optional selected part.
//
// The minimum is at the left (TBS_HORZ) or at the top (TBS_VERT).  Input moves the position and then
// tells the parent with WM_HSCROLL / WM_VSCROLL, lParam = the track bar, the TB_ code in the low
// word of wParam (and the position in the high word for TB_THUMBTRACK / TB_THUMBPOSITION):
//   Left / Up, Right / Down   TB_LINEUP / TB_LINEDOWN, by the line size
//   PgUp / PgDn               TB_PAGEUP / TB_PAGEDOWN, by the page size
//   Home / End                TB_TOP / TB_BOTTOM, to the minimum / maximum
//   (the key's release sends TB_ENDTRACK)
//   a press on the channel    TB_PAGEUP / TB_PAGEDOWN towards the point, repeated while held
//                             (press_repeat.h) until the thumb reaches or passes the point; TB_ENDTRACK at
//                             the release
//   dragging the thumb        TB_THUMBTRACK per position moved; TB_THUMBPOSITION and TB_ENDTRACK
//                             at the release
// The position never leaves the range.  TBM_SETPOS and the other messages notify nobody.
//
// Ticks: the two ends always (unless TBS_NOTICKS), every tick-frequency step with TBS_AUTOTICKS,
// and those set with TBM_SETTIC; below / right of the thumb (TBS_BOTTOM / TBS_RIGHT, the default),
// above / left (TBS_TOP / TBS_LEFT) or both (TBS_BOTH).  TBM_GETTIC and TBM_GETNUMTICS count the
// ticks between the ends and the ends (GETNUMTICS = those + 2).  The selection (TBS_ENABLESELRANGE)
// is drawn in the channel, which is then wider.  Without TBS_FIXEDLENGTH the thumb's length follows
// the window's breadth and TBM_SETTHUMBLENGTH is ignored; TBS_NOTHUMB hides the thumb.
//
// A new track bar's range is 0..100, its position 0, line size 1, page size 20, tick frequency 1.
#pragma once

#include "platform/user/message_ids.h"
#include "platform/user/user_types.h"

inline constexpr DWORD TBS_AUTOTICKS = 0x0001, TBS_VERT = 0x0002, TBS_HORZ = 0x0000, TBS_TOP = 0x0004,
                       TBS_BOTTOM = 0x0000, TBS_LEFT = 0x0004, TBS_RIGHT = 0x0000, TBS_BOTH = 0x0008,
                       TBS_NOTICKS = 0x0010, TBS_ENABLESELRANGE = 0x0020, TBS_FIXEDLENGTH = 0x0040,
                       TBS_NOTHUMB = 0x0080;
inline constexpr UINT TBM_GETPOS = WM_USER, TBM_GETRANGEMIN = WM_USER + 1, TBM_GETRANGEMAX = WM_USER + 2,
                      TBM_GETTIC = WM_USER + 3, TBM_SETTIC = WM_USER + 4, TBM_SETPOS = WM_USER + 5,
                      TBM_SETRANGE = WM_USER + 6, TBM_SETRANGEMIN = WM_USER + 7, TBM_SETRANGEMAX = WM_USER + 8,
                      TBM_CLEARTICS = WM_USER + 9, TBM_SETSEL = WM_USER + 10, TBM_SETSELSTART = WM_USER + 11,
                      TBM_SETSELEND = WM_USER + 12, TBM_GETNUMTICS = WM_USER + 16, TBM_GETSELSTART = WM_USER + 17,
                      TBM_GETSELEND = WM_USER + 18, TBM_CLEARSEL = WM_USER + 19, TBM_SETTICFREQ = WM_USER + 20,
                      TBM_SETPAGESIZE = WM_USER + 21, TBM_GETPAGESIZE = WM_USER + 22, TBM_SETLINESIZE = WM_USER + 23,
                      TBM_GETLINESIZE = WM_USER + 24, TBM_GETTHUMBRECT = WM_USER + 25,
                      TBM_GETCHANNELRECT = WM_USER + 26, TBM_SETTHUMBLENGTH = WM_USER + 27,
                      TBM_GETTHUMBLENGTH = WM_USER + 28;
inline constexpr WORD TB_LINEUP = 0, TB_LINEDOWN = 1, TB_PAGEUP = 2, TB_PAGEDOWN = 3, TB_THUMBPOSITION = 4,
                      TB_THUMBTRACK = 5, TB_TOP = 6, TB_BOTTOM = 7, TB_ENDTRACK = 8;
inline constexpr char TRACKBAR_CLASS[] = "msctls_trackbar32";

void RegisterTrackBarClass();
LRESULT TrackBarWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
