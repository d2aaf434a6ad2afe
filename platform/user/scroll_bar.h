// The standard scroll bars of a window (WS_HSCROLL / WS_VSCROLL): their values, their showing and
// enabling, their geometry, and the mouse on them.
//
// SB_CTL reaches the bar of a scroll bar control (MakeScrollBarControl); its client area is the
// bar, and its WM_HSCROLL / WM_VSCROLL go to its parent with the control in lParam.
//
// Values: nPos is kept within [nMin, nMax - max(nPage - 1, 0)] (so a page of 10 over 0..99 stops
// at 90).  The window manager never moves a position by itself: a click on a bar only sends
// WM_HSCROLL / WM_VSCROLL with the SB_ code (SB_THUMBTRACK and SB_THUMBPOSITION carry the
// position in the high word of wParam, also readable as nTrackPos), and the window procedure calls
// SetScrollInfo / SetScrollPos if it wants the bar to move.  A window that does not keeps its thumb
// where it was once the drag ends.
//
// Geometry (classic): the arrows are squares of the bar's thickness at both ends; the thumb is
// SM_CYVTHUMB long without a page, else track * page / (range + 1) but at least 8 pixels, and sits
// at track * (pos - min) / (range - page + 1) (integer division).  No thumb shows when the bar is
// disabled, when the range is empty, or when the track is shorter than the thumb.
#pragma once

#include "platform/user/user_types.h"

inline constexpr int SB_HORZ = 0, SB_VERT = 1, SB_CTL = 2, SB_BOTH = 3;
inline constexpr WORD SB_LINEUP = 0, SB_LINELEFT = 0, SB_LINEDOWN = 1, SB_LINERIGHT = 1, SB_PAGEUP = 2,
                      SB_PAGELEFT = 2, SB_PAGEDOWN = 3, SB_PAGERIGHT = 3, SB_THUMBPOSITION = 4,
                      SB_THUMBTRACK = 5, SB_TOP = 6, SB_LEFT = 6, SB_BOTTOM = 7, SB_RIGHT = 7,
                      SB_ENDSCROLL = 8;
inline constexpr UINT SIF_RANGE = 0x0001, SIF_PAGE = 0x0002, SIF_POS = 0x0004, SIF_DISABLENOSCROLL = 0x0008,
                      SIF_TRACKPOS = 0x0010, SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
inline constexpr UINT ESB_ENABLE_BOTH = 0x0000, ESB_DISABLE_LTUP = 0x0001, ESB_DISABLE_RTDN = 0x0002,
                      ESB_DISABLE_BOTH = 0x0003;

// GetScrollBarInfo's object ids and the bar states it answers in rgstate[0].
inline constexpr LONG OBJID_VSCROLL = -5, OBJID_HSCROLL = -6;
inline constexpr DWORD STATE_SYSTEM_UNAVAILABLE = 0x00000001, STATE_SYSTEM_INVISIBLE = 0x00008000,
                       STATE_SYSTEM_OFFSCREEN = 0x00010000;

struct SCROLLINFO {
  UINT cbSize;
  UINT fMask;
  int nMin;
  int nMax;
  UINT nPage;
  int nPos;
  int nTrackPos;
};

// A standard bar's place and state.  cbSize must be 60; the rectangle is in screen coordinates,
// dxyLineButton is each arrow's length, xyThumbTop / xyThumbBottom the thumb's ends from the bar's
// start (both 0 without a thumb).  rgstate[0]: STATE_SYSTEM_INVISIBLE when the bar is not shown
// (its rectangle then empty), STATE_SYSTEM_OFFSCREEN when the window is not visible,
// STATE_SYSTEM_UNAVAILABLE when the bar or the window is disabled; rgstate[1..5] stay 0.
struct SCROLLBARINFO {
  DWORD cbSize;
  TRect rcScrollBar;
  int dxyLineButton;
  int xyThumbTop;
  int xyThumbBottom;
  int reserved;
  DWORD rgstate[6];
};
static_assert(sizeof(SCROLLBARINFO) == 60);

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw);
BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info);
int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw);
int GetScrollPos(HWND hwnd, int bar);
BOOL SetScrollRange(HWND hwnd, int bar, int min, int max, BOOL redraw);
BOOL GetScrollRange(HWND hwnd, int bar, int* min, int* max);
BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show);
BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows);
// OBJID_HSCROLL or OBJID_VSCROLL of a window with standard bars; FALSE with
// ERROR_INVALID_PARAMETER for a wrong cbSize or object id, ERROR_INVALID_WINDOW_HANDLE for no window.
BOOL GetScrollBarInfo(HWND hwnd, LONG idObject, SCROLLBARINFO* info);

namespace user {

// The parts of a bar, along its length (pixels from the bar's start).
struct ScrollBarLayout {
  int length = 0;        // the whole bar
  int arrow = 0;         // each arrow's length
  int thumbStart = 0;    // 0 and thumbLength 0 when no thumb shows
  int thumbLength = 0;
};

// `vertical` picks SB_VERT; `barRect` is the bar in window coordinates.
ScrollBarLayout LayoutScrollBar(HWND hwnd, bool vertical, const TRect& barRect);
// DefWindowProc's WM_SYSCOMMAND SC_HSCROLL / SC_VSCROLL: tracks the mouse pressed on a bar at
// `screen` until the button is released, sending WM_HSCROLL / WM_VSCROLL.  For a scroll bar
// control the bar is its client area and the messages go to its parent with the control's handle.
void TrackScrollBar(HWND hwnd, bool vertical, TPoint screen);

// Scroll bar controls: a window made one keeps a single bar, reached with SB_CTL, whose
// values, layout, tracking and drawing are those of the standard bars.
void MakeScrollBarControl(HWND hwnd, bool vertical);
void PaintScrollBarControl(HWND hwnd, HDC dc);

}  // namespace user
