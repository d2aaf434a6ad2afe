#include "platform/user/scroll_bar_paint.h"

#include "platform/gdi/draw.h"
#include "platform/gdi/sys_colors.h"
#include "platform/user/edge_paint.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

// A rectangle along the bar: [start, end) of its length, the whole thickness.
TRect Piece(const TRect& bar, bool vertical, int start, int end) {
  return vertical ? Rect(bar.Left, bar.Top + start, bar.Right, bar.Top + end)
                  : Rect(bar.Left + start, bar.Top, bar.Left + end, bar.Bottom);
}

void PaintBar(HWND hwnd, HDC dc, const TRect& bar, bool vertical) {
  if (IsRectEmpty(&bar)) return;
  const Window* w = W(hwnd);
  const ScrollBarState& s = w->scroll[vertical ? SB_VERT : SB_HORZ];
  const ScrollBarLayout l = LayoutScrollBar(hwnd, vertical, bar);
  DrawButtonFace(dc, Piece(bar, vertical, 0, l.arrow), s.pressedPart == 0);
  DrawButtonFace(dc, Piece(bar, vertical, l.length - l.arrow, l.length), s.pressedPart == 4);
  const int trackEnd = l.length - l.arrow;
  const int thumbEnd = l.thumbStart + l.thumbLength;
  const TRect before = Piece(bar, vertical, l.arrow, l.thumbLength ? l.thumbStart : trackEnd);
  const TRect after = Piece(bar, vertical, l.thumbLength ? thumbEnd : trackEnd, trackEnd);
  FillRect(dc, &before, GetSysColorBrush(s.pressedPart == 1 ? COLOR_3DDKSHADOW : COLOR_SCROLLBAR));
  FillRect(dc, &after, GetSysColorBrush(s.pressedPart == 3 ? COLOR_3DDKSHADOW : COLOR_SCROLLBAR));
  if (l.thumbLength == 0) return;
  DrawButtonFace(dc, Piece(bar, vertical, l.thumbStart, thumbEnd), false);
}

}  // namespace

void PaintScrollBars(HWND hwnd, HDC dc, const FrameLayout& f) {
  PaintBar(hwnd, dc, f.vScroll, true);
  PaintBar(hwnd, dc, f.hScroll, false);
  if (IsRectEmpty(&f.sizeBox)) return;
  FillRect(dc, &f.sizeBox, GetSysColorBrush(COLOR_3DFACE));
}

}  // namespace user
