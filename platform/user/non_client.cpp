#include "platform/user/non_client.h"

#include "platform/user/message_ids.h"
#include "platform/user/system_metrics.h"
#include "platform/user/window_links.h"
#include "platform/user/window_styles.h"

namespace user {

namespace {

int FrameThickness(DWORD style, DWORD exStyle) {
  const bool thick = (style & WS_THICKFRAME) != 0;
  const bool dialog = (exStyle & WS_EX_DLGMODALFRAME) != 0 || ((style & WS_DLGFRAME) != 0 && !thick);
  const bool thin = (style & WS_BORDER) != 0 || (style & (WS_CHILD | WS_POPUP)) == 0;
  if (thick) return GetSystemMetrics(SM_CXFRAME);
  if (dialog) return GetSystemMetrics(SM_CXDLGFRAME);
  return thin ? GetSystemMetrics(SM_CXBORDER) : 0;
}

int ClientEdge(DWORD exStyle) {
  if (exStyle & WS_EX_CLIENTEDGE) return GetSystemMetrics(SM_CXEDGE);
  return (exStyle & WS_EX_STATICEDGE) ? GetSystemMetrics(SM_CXBORDER) : 0;
}

void LayoutCaption(DWORD style, DWORD exStyle, FrameLayout& f, int width) {
  if ((style & WS_CAPTION) != WS_CAPTION) return;
  const bool tool = (exStyle & WS_EX_TOOLWINDOW) != 0;
  const int height = GetSystemMetrics(tool ? SM_CYSMCAPTION : SM_CYCAPTION);
  f.caption = {f.frame, f.frame, width - f.frame, f.frame + height - 1};   // a line under the bar
  if (!(style & WS_SYSMENU)) return;
  const int buttonW = GetSystemMetrics(tool ? SM_CXSMSIZE : SM_CXSIZE) - 2;
  const int top = f.caption.Top + 2, bottom = f.caption.Bottom - 2;
  int right = f.caption.Right - 2;
  f.closeButton = {right - buttonW, top, right, bottom};
  right = f.closeButton.Left - 2;
  if (!tool && (style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX))) {
    f.maxButton = {right - buttonW, top, right, bottom};
    f.minButton = {right - 2 * buttonW, top, right - buttonW, bottom};
  }
  if (!tool) f.sysMenu = {f.caption.Left + 2, top, f.caption.Left + 2 + (bottom - top), bottom};
}

bool In(const TRect& r, int x, int y) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; }

int SizingZone(const FrameLayout& f, int x, int y, int width, int height) {
  const int corner = GetSystemMetrics(SM_CYCAPTION) + f.frame;
  const bool left = x < f.frame, right = x >= width - f.frame, top = y < f.frame, bottom = y >= height - f.frame;
  const bool nearLeft = x < corner, nearRight = x >= width - corner;
  const bool nearTop = y < corner, nearBottom = y >= height - corner;
  if ((top && nearLeft) || (left && nearTop)) return HTTOPLEFT;
  if ((top && nearRight) || (right && nearTop)) return HTTOPRIGHT;
  if ((bottom && nearLeft) || (left && nearBottom)) return HTBOTTOMLEFT;
  if ((bottom && nearRight) || (right && nearBottom)) return HTBOTTOMRIGHT;
  if (left) return HTLEFT;
  if (right) return HTRIGHT;
  return top ? HTTOP : HTBOTTOM;
}

}  // namespace

FrameLayout LayoutFrame(DWORD style, DWORD exStyle, int width, int height) {
  FrameLayout f;
  f.frame = FrameThickness(style, exStyle);
  f.sizeable = (style & WS_THICKFRAME) != 0;
  LayoutCaption(style, exStyle, f, width);
  TRect inner{f.frame, f.caption.Bottom > 0 ? f.caption.Bottom + 1 : f.frame, width - f.frame, height - f.frame};
  const int edge = ClientEdge(exStyle);
  inner = {inner.Left + edge, inner.Top + edge, inner.Right - edge, inner.Bottom - edge};
  if (style & WS_VSCROLL) {
    f.vScroll = {inner.Right - GetSystemMetrics(SM_CXVSCROLL), inner.Top, inner.Right, inner.Bottom};
    inner.Right = f.vScroll.Left;
  }
  if (style & WS_HSCROLL) {
    f.hScroll = {inner.Left, inner.Bottom - GetSystemMetrics(SM_CYHSCROLL), inner.Right, inner.Bottom};
    inner.Bottom = f.hScroll.Top;
    if (style & WS_VSCROLL) {
      f.vScroll.Bottom = inner.Bottom;
      f.sizeBox = {f.vScroll.Left, f.hScroll.Top, f.vScroll.Right, f.hScroll.Bottom};
    }
  }
  if (inner.Right < inner.Left) inner.Right = inner.Left;
  if (inner.Bottom < inner.Top) inner.Bottom = inner.Top;
  f.client = inner;
  return f;
}

TRect ClientFromWindow(DWORD style, DWORD exStyle, const TRect& window) {
  const FrameLayout f = LayoutFrame(style, exStyle, window.Width(), window.Height());
  TRect client = f.client;
  OffsetRect(&client, window.Left, window.Top);
  return client;
}

int DefaultHitTest(const Window* w, TPoint screen) {
  const TRect r = ScreenRect(w);
  const int x = screen.X - r.Left, y = screen.Y - r.Top;
  if (x < 0 || y < 0 || x >= r.Width() || y >= r.Height()) return HTNOWHERE;
  const FrameLayout f = LayoutFrame(w->style, w->exStyle, r.Width(), r.Height());
  if (In(f.client, x, y)) return HTCLIENT;
  if (In(f.vScroll, x, y)) return HTVSCROLL;
  if (In(f.hScroll, x, y)) return HTHSCROLL;
  if (In(f.sizeBox, x, y)) return f.sizeable ? HTSIZE : HTBORDER;
  const bool inFrame = x < f.frame || y < f.frame || x >= r.Width() - f.frame || y >= r.Height() - f.frame;
  if (inFrame) return f.sizeable ? SizingZone(f, x, y, r.Width(), r.Height()) : HTBORDER;
  if (In(f.caption, x, y) || (f.caption.Bottom > 0 && y == f.caption.Bottom)) {
    if (In(f.closeButton, x, y)) return HTCLOSE;
    if (In(f.maxButton, x, y)) return HTMAXBUTTON;
    if (In(f.minButton, x, y)) return HTMINBUTTON;
    if (In(f.sysMenu, x, y)) return HTSYSMENU;
    return HTCAPTION;
  }
  return HTBORDER;
}

}  // namespace user
