#include "platform/user/non_client_paint.h"

#include "platform/gdi/clip.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/draw_edge.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/region_object.h"
#include "platform/gdi/sys_colors.h"
#include "platform/user/caption_paint.h"
#include "platform/user/non_client.h"
#include "platform/user/scroll_bar_paint.h"
#include "platform/user/visible_region.h"
#include "platform/user/window_dc.h"
#include "platform/user/window_links.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

void PaintFrame(HDC dc, const Window* w, const FrameLayout& f, bool active) {
  TRect r = Rect(0, 0, w->rect.Width(), w->rect.Height());
  if (f.frame == 0) return;
  if (f.frame == 1) {
    FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    return;
  }
  DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
  const int ring = f.sizeable ? (active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER) : COLOR_3DFACE;
  for (int i = 2; i < f.frame; ++i) {
    FrameRect(dc, &r, GetSysColorBrush(ring));
    InflateRect(&r, -1, -1);
  }
}

void PaintClientEdge(HDC dc, const Window* w, const FrameLayout& f) {
  if (!(w->exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE))) return;
  TRect r = f.client;
  for (const TRect* bar : {&f.vScroll, &f.hScroll})
    if (!IsRectEmpty(bar)) UnionRect(&r, &r, bar);
  const bool full = (w->exStyle & WS_EX_CLIENTEDGE) != 0;
  const int edge = full ? 2 : 1;
  InflateRect(&r, edge, edge);
  DrawEdge(dc, &r, full ? EDGE_SUNKEN : BDR_SUNKENOUTER, BF_RECT);
}

void PaintAll(HWND hwnd, HDC dc) {
  Window* w = W(hwnd);
  if (w == nullptr) return;
  const FrameLayout f = LayoutFrame(w->style, w->exStyle, w->rect.Width(), w->rect.Height());
  const bool active = w->captionActive;
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, f.client.Left, f.client.Top, f.client.Right, f.client.Bottom);
  PaintFrame(dc, w, f, active);
  PaintCaption(dc, w, f, active);
  PaintClientEdge(dc, w, f);
  PaintScrollBars(hwnd, dc, f);
  RestoreDC(dc, saved);
}

}  // namespace

void PaintNonClient(HWND hwnd, HRGN region) {
  Window* w = W(hwnd);
  if (w == nullptr) return;
  std::optional<gdi::RegionData> clip;
  if (const gdi::RegionObject* r = gdi::FindObject<gdi::RegionObject>(region)) {
    // The region is in screen coordinates.
    const TPoint top = WindowOrigin(TopLevelOf(w));
    clip = r->Data().Offsetted(-top.X, -top.Y);
  }
  HDC dc = MakeWindowDC(hwnd, true, false, false, clip);
  PaintAll(hwnd, dc);
  EndWindowDC(dc);
}

void PaintNonClientInto(HWND hwnd, HDC dc) { PaintAll(hwnd, dc); }

}  // namespace user
