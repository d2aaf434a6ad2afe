// DrawEdge; see draw_edge.h and docs/classic-look.md.
#include "platform/gdi/draw_edge.h"

#include <algorithm>

#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pens_brushes.h"
#include "platform/gdi/sys_colors.h"

namespace {

struct LayerColors {
  int light;   // COLOR_ index of the left and top sides
  int dark;    // of the right and bottom sides
};

// The colours of one layer; -1 when the layer is not drawn.
LayerColors ColorsOf(UINT edge, UINT flags, bool outer) {
  const UINT raisedBit = outer ? BDR_RAISEDOUTER : BDR_RAISEDINNER;
  const UINT sunkenBit = outer ? BDR_SUNKENOUTER : BDR_SUNKENINNER;
  if (!(edge & (raisedBit | sunkenBit))) return {-1, -1};
  if (flags & BF_MONO) return outer ? LayerColors{COLOR_WINDOWFRAME, COLOR_WINDOWFRAME} : LayerColors{COLOR_WINDOW, COLOR_WINDOW};
  if (flags & BF_FLAT) return outer ? LayerColors{COLOR_BTNSHADOW, COLOR_BTNSHADOW} : LayerColors{COLOR_BTNFACE, COLOR_BTNFACE};
  const bool soft = (flags & BF_SOFT) != 0;
  if (edge & sunkenBit) {
    // Sunken: shadow outside, dark shadow inside (swapped by BF_SOFT); light from below right.
    return outer ? LayerColors{soft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT}
                 : LayerColors{soft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW, COLOR_3DLIGHT};
  }
  // Raised: light outside, highlight inside (swapped by BF_SOFT); dark shadow outermost below right.
  return outer ? LayerColors{soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW}
               : LayerColors{soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
}

void Strip(HDC dc, LONG l, LONG t, LONG r, LONG b, int color) {
  const TRect strip{l, t, r, b};
  FillRect(dc, &strip, GetSysColorBrush(color));
}

// Paints one layer on the sides in `flags` and returns the rectangle inside it.
TRect PaintLayer(HDC dc, TRect r, LayerColors c, UINT flags) {
  if (IsRectEmpty(&r)) return r;
  if (flags & BF_LEFT) Strip(dc, r.Left, r.Top, r.Left + 1, r.Bottom, c.light);
  if (flags & BF_TOP) Strip(dc, r.Left, r.Top, r.Right, r.Top + 1, c.light);
  if (flags & BF_RIGHT) Strip(dc, r.Right - 1, r.Top, r.Right, r.Bottom, c.dark);
  if (flags & BF_BOTTOM) Strip(dc, r.Left, r.Bottom - 1, r.Right, r.Bottom, c.dark);
  return {r.Left + ((flags & BF_LEFT) ? 1 : 0), r.Top + ((flags & BF_TOP) ? 1 : 0),
          r.Right - ((flags & BF_RIGHT) ? 1 : 0), r.Bottom - ((flags & BF_BOTTOM) ? 1 : 0)};
}

// Diagonal edges: each layer is a line between two opposite corners of its rectangle, the next
// layer one pixel further right; lines rising to the right take the light colour, falling ones the
// dark colour.  BF_MIDDLE fills the triangle below the diagonal.
void PaintDiagonal(HDC dc, const TRect& r, UINT edge, UINT flags) {
  const bool rising = (flags & BF_DIAGONAL_ENDTOPRIGHT) == BF_DIAGONAL_ENDTOPRIGHT ||
                      (flags & BF_DIAGONAL_ENDBOTTOMLEFT) == BF_DIAGONAL_ENDBOTTOMLEFT;
  const LONG n = std::min(r.Width(), r.Height());
  if (n <= 0) return;
  if (flags & BF_MIDDLE) {
    HBRUSH face = GetSysColorBrush((flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE);
    for (LONG i = 0; i < n; ++i) {
      const TRect row = rising ? TRect{r.Left + n - 1 - i, r.Top + i, r.Left + n, r.Top + i + 1}
                               : TRect{r.Left, r.Top + i, r.Left + i + 1, r.Top + i + 1};
      FillRect(dc, &row, face);
    }
  }
  int layer = 0;
  for (bool outer : {true, false}) {
    const LayerColors c = ColorsOf(edge, flags, outer);
    if (c.light < 0) continue;
    HBRUSH brush = GetSysColorBrush(rising ? c.light : c.dark);
    for (LONG i = 0; i < n; ++i) {
      const LONG x = (rising ? r.Left + n - 1 - i : r.Left + i) + layer;
      if (x >= r.Right) continue;
      const TRect px{x, r.Top + i, x + 1, r.Top + i + 1};
      FillRect(dc, &px, brush);
    }
    ++layer;
  }
}

}  // namespace

BOOL DrawEdge(HDC dc, TRect* rect, UINT edge, UINT flags) {
  if (!rect || GetObjectType(dc) == 0) return 0;
  if (flags & BF_DIAGONAL) {
    PaintDiagonal(dc, *rect, edge, flags);
    return 1;
  }
  TRect inside = *rect;
  for (bool outer : {true, false}) {
    const LayerColors c = ColorsOf(edge, flags, outer);
    if (c.light >= 0) inside = PaintLayer(dc, inside, c, flags);
  }
  if ((flags & BF_MIDDLE) && !IsRectEmpty(&inside))
    FillRect(dc, &inside, GetSysColorBrush((flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE));
  if (flags & BF_ADJUST) *rect = inside;
  return 1;
}
