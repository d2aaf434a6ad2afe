// DrawFocusRect; see focus_rect.h.
#include "platform/gdi/focus_rect.h"

#include "platform/gdi/blt.h"
#include "platform/gdi/classic_glyphs.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/raster_ops.h"

BOOL DrawFocusRect(HDC dc, const TRect* rect) {
  if (!rect || GetObjectType(dc) == 0) return 0;
  const TRect& r = *rect;
  if (IsRectEmpty(&r)) return 1;
  HBRUSH brush = gdi::CreateCheckerboardBrush();
  HGDIOBJ old = SelectObject(dc, brush);
  const LONG w = r.Width(), h = r.Height();
  PatBlt(dc, r.Left, r.Top, w, 1, PATINVERT);
  if (h > 1) PatBlt(dc, r.Left, r.Bottom - 1, w, 1, PATINVERT);
  if (h > 2) {
    PatBlt(dc, r.Left, r.Top + 1, 1, h - 2, PATINVERT);
    if (w > 1) PatBlt(dc, r.Right - 1, r.Top + 1, 1, h - 2, PATINVERT);
  }
  SelectObject(dc, old);
  DeleteObject(brush);
  return 1;
}
