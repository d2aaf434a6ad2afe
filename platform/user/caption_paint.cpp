#include "platform/user/caption_paint.h"

#include "platform/gdi/blt.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/fonts.h"
#include "platform/gdi/frame_control.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/icon.h"
#include "platform/gdi/sys_colors.h"
#include "platform/gdi/text_constants.h"
#include "platform/gdi/text_out.h"
#include "platform/user/message_ids.h"
#include "platform/user/non_client_metrics.h"
#include "platform/user/system_metrics.h"
#include "platform/user/system_parameters.h"
#include "platform/user/window_class.h"
#include "platform/user/window_styles.h"

namespace user {

namespace {

TRIVERTEX Vertex(LONG x, LONG y, COLORREF c) {
  return {x, y, COLOR16(GetRValue(c) << 8), COLOR16(GetGValue(c) << 8), COLOR16(GetBValue(c) << 8), 0};
}

void PaintBar(HDC dc, const TRect& bar, bool active) {
  UINT gradient = FALSE;
  SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &gradient, 0);
  const int from = active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION;
  if (!gradient) {
    FillRect(dc, &bar, GetSysColorBrush(from));
    return;
  }
  const int to = active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION;
  const TRIVERTEX v[2] = {Vertex(bar.Left, bar.Top, GetSysColor(from)), Vertex(bar.Right, bar.Bottom, GetSysColor(to))};
  const GRADIENT_RECT mesh{0, 1};
  GradientFill(dc, v, 2, &mesh, 1, GRADIENT_FILL_RECT_H);
}

// The small icon, centred vertically in the bar at the system-menu box's left.
void PaintIcon(HDC dc, const Window* w, const FrameLayout& f) {
  if (IsRectEmpty(&f.sysMenu) || w->windowClass == nullptr) return;
  HICON icon = w->windowClass->smallIcon ? w->windowClass->smallIcon : w->windowClass->icon;
  if (icon == nullptr) return;
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  const int y = f.caption.Top + (f.caption.Height() - cy) / 2;
  DrawIconEx(dc, f.sysMenu.Left, y, icon, cx, cy, 0, nullptr, DI_NORMAL);
}

// Where the text may go: after the icon box, before the leftmost button.
TRect TextArea(const FrameLayout& f) {
  TRect r = f.caption;
  r.Left = IsRectEmpty(&f.sysMenu) ? f.caption.Left + 2 : f.sysMenu.Right + 3;
  for (const TRect* button : {&f.closeButton, &f.maxButton, &f.minButton})
    if (!IsRectEmpty(button) && button->Left - 2 < r.Right) r.Right = button->Left - 2;
  return r;
}

void PaintText(HDC dc, const Window* w, const FrameLayout& f, bool active) {
  if (w->text.empty()) return;
  const NONCLIENTMETRICSA m = NonClientMetrics();
  HFONT font = CreateFontIndirectA((w->exStyle & WS_EX_TOOLWINDOW) ? &m.lfSmCaptionFont : &m.lfCaptionFont);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
  SetBkMode(dc, TRANSPARENT);
  const TRect area = TextArea(f);
  const int y = area.Top + (area.Height() - tm.tmHeight) / 2;
  ExtTextOutW(dc, area.Left, y, ETO_CLIPPED, &area, w->text.data(), UINT(w->text.size()), nullptr);
  SelectObject(dc, old);
  DeleteObject(font);
}

void PaintButton(HDC dc, TRect r, UINT kind, bool enabled, bool pushed) {
  if (IsRectEmpty(&r)) return;
  DrawFrameControl(dc, &r, DFC_CAPTION, kind | (enabled ? 0 : DFCS_INACTIVE) | (pushed ? DFCS_PUSHED : 0));
}

void PaintButtons(HDC dc, const Window* w, const FrameLayout& f) {
  const bool noClose = w->windowClass != nullptr && (w->windowClass->style & CS_NOCLOSE);
  PaintButton(dc, f.closeButton, DFCS_CAPTIONCLOSE, !noClose, w->pressedCaptionButton == HTCLOSE);
  PaintButton(dc, f.maxButton, (w->style & WS_MAXIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX,
              (w->style & WS_MAXIMIZEBOX) != 0, w->pressedCaptionButton == HTMAXBUTTON);
  PaintButton(dc, f.minButton, (w->style & WS_MINIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN,
              (w->style & WS_MINIMIZEBOX) != 0, w->pressedCaptionButton == HTMINBUTTON);
}

}  // namespace

void PaintCaption(HDC dc, const Window* w, const FrameLayout& f, bool active) {
  if (IsRectEmpty(&f.caption)) return;
  PaintBar(dc, f.caption, active);
  const TRect line = Rect(f.caption.Left, f.caption.Bottom, f.caption.Right, f.caption.Bottom + 1);
  FillRect(dc, &line, GetSysColorBrush(COLOR_3DFACE));
  PaintIcon(dc, w, f);
  PaintText(dc, w, f, active);
  PaintButtons(dc, w, f);
}

}  // namespace user
