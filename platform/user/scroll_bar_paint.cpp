#include "platform/user/scroll_bar_paint.h"

#include "platform/gdi/draw.h"
#include "platform/gdi/classic_glyphs.h"
#include "platform/gdi/draw_edge.h"
#include "platform/gdi/frame_control.h"
#include "platform/gdi/sys_colors.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

// A rectangle along the bar: [start, end) of its length, the whole thickness.
TRect Piece(const TRect& bar, bool vertical, int start, int end) {
  return vertical ? Rect(bar.Left, bar.Top + start, bar.Right, bar.Top + end)
                  : Rect(bar.Left + start, bar.Top, bar.Left + end, bar.Bottom);
}

// One arrow button: `last` picks the down / right one.
void PaintArrow(HDC dc, TRect r, bool vertical, bool last, const ScrollBarState& s) {
  const UINT direction = vertical ? (last ? DFCS_SCROLLDOWN : DFCS_SCROLLUP) : (last ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT);
  const bool disabled = (s.disabledArrows & (last ? ESB_DISABLE_RTDN : ESB_DISABLE_LTUP)) != 0;
  const bool pressed = s.pressedPart == (last ? 4 : 0);
  DrawFrameControl(dc, &r, DFC_SCROLL, direction | (disabled ? DFCS_INACTIVE : 0) | (pressed ? DFCS_PUSHED : 0));
}

// A piece of the track: with the scroll-bar colour left at the button face's, the checkerboard of
// highlight and face (so the track stands out from the buttons); otherwise the scroll-bar colour.
// The piece held down by the mouse shows inverted.
void PaintTrack(HDC dc, const TRect& r, bool pressed) {
  if (IsRectEmpty(&r)) return;
  if (GetSysColor(COLOR_SCROLLBAR) == GetSysColor(COLOR_3DFACE))
    gdi::FillCheckerboard(dc, r, GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DFACE));
  else
    FillRect(dc, &r, GetSysColorBrush(COLOR_SCROLLBAR));
  if (pressed) InvertRect(dc, &r);
}

void PaintBar(HWND hwnd, HDC dc, const TRect& bar, bool vertical) {
  if (IsRectEmpty(&bar)) return;
  const Window* w = W(hwnd);
  const ScrollBarState& s = w->scroll[vertical ? SB_VERT : SB_HORZ];
  const ScrollBarLayout l = LayoutScrollBar(hwnd, vertical, bar);
  PaintArrow(dc, Piece(bar, vertical, 0, l.arrow), vertical, false, s);
  PaintArrow(dc, Piece(bar, vertical, l.length - l.arrow, l.length), vertical, true, s);
  const int trackEnd = l.length - l.arrow;
  const int thumbEnd = l.thumbStart + l.thumbLength;
  const TRect before = Piece(bar, vertical, l.arrow, l.thumbLength ? l.thumbStart : trackEnd);
  const TRect after = Piece(bar, vertical, l.thumbLength ? thumbEnd : trackEnd, trackEnd);
  PaintTrack(dc, before, s.pressedPart == 1);
  PaintTrack(dc, after, s.pressedPart == 3);
  if (l.thumbLength == 0) return;
  TRect thumb = Piece(bar, vertical, l.thumbStart, thumbEnd);
  DrawEdge(dc, &thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

}  // namespace

void PaintScrollBars(HWND hwnd, HDC dc, const FrameLayout& f) {
  PaintBar(hwnd, dc, f.vScroll, true);
  PaintBar(hwnd, dc, f.hScroll, false);
  if (IsRectEmpty(&f.sizeBox)) return;
  FillRect(dc, &f.sizeBox, GetSysColorBrush(COLOR_3DFACE));
}

void PaintScrollBarControl(HWND hwnd, HDC dc) {
  const Window* w = W(hwnd);
  if (w == nullptr || w->controlBar < 0) return;
  TRect client{};
  GetClientRect(hwnd, &client);
  PaintBar(hwnd, dc, client, w->controlBar == SB_VERT);
}

}  // namespace user
