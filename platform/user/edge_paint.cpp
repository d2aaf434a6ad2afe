#include "platform/user/edge_paint.h"

#include "platform/gdi/draw.h"
#include "platform/gdi/sys_colors.h"

namespace user {

namespace {

// One line around `r`: `topLeft` on the top and left, `bottomRight` on the bottom and right (the
// bottom-left and top-right corners belong to the bottom and right lines).
void Line(HDC dc, const TRect& r, int topLeft, int bottomRight) {
  const TRect top{r.Left, r.Top, r.Right - 1, r.Top + 1}, left{r.Left, r.Top, r.Left + 1, r.Bottom - 1};
  const TRect bottom{r.Left, r.Bottom - 1, r.Right, r.Bottom}, right{r.Right - 1, r.Top, r.Right, r.Bottom};
  FillRect(dc, &top, GetSysColorBrush(topLeft));
  FillRect(dc, &left, GetSysColorBrush(topLeft));
  FillRect(dc, &bottom, GetSysColorBrush(bottomRight));
  FillRect(dc, &right, GetSysColorBrush(bottomRight));
}

TRect Shrunk(TRect r, int by) { return {r.Left + by, r.Top + by, r.Right - by, r.Bottom - by}; }

}  // namespace

void DrawRaisedEdge(HDC dc, const TRect& r) {
  Line(dc, r, COLOR_3DLIGHT, COLOR_3DDKSHADOW);
  Line(dc, Shrunk(r, 1), COLOR_3DHILIGHT, COLOR_3DSHADOW);
}

void DrawSunkenEdge(HDC dc, const TRect& r, int width) {
  Line(dc, r, COLOR_3DSHADOW, COLOR_3DHILIGHT);
  if (width > 1) Line(dc, Shrunk(r, 1), COLOR_3DDKSHADOW, COLOR_3DLIGHT);
}

void DrawButtonFace(HDC dc, const TRect& r, bool pressed) {
  if (r.Right <= r.Left || r.Bottom <= r.Top) return;
  if (pressed) {
    FrameRect(dc, &r, GetSysColorBrush(COLOR_3DSHADOW));
  } else {
    DrawRaisedEdge(dc, r);
  }
  const TRect inside = Shrunk(r, pressed ? 1 : 2);
  FillRect(dc, &inside, GetSysColorBrush(COLOR_3DFACE));
}

}  // namespace user
