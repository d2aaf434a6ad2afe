// DrawFrameControl; see frame_control.h and docs/classic-look.md.
#include "platform/gdi/frame_control.h"

#include <algorithm>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/classic_glyphs.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/draw_edge.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pens_brushes.h"
#include "platform/gdi/sys_colors.h"

using namespace gdi;

namespace {

void Fill(HDC dc, const TRect& r, COLORREF color) {
  HBRUSH b = CreateSolidBrush(color);
  FillRect(dc, &r, b);
  DeleteObject(b);
}

// The checkerboard of highlight and face that latched and indeterminate states show: highlight
// where (x + y) is even, relative to the brush origin.
void FillDither(HDC dc, const TRect& r) {
  FillCheckerboard(dc, r, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNFACE));
}

// Paints a one-role glyph centred in r (shifted by offset), embossed when inactive.
void PaintSymbol(HDC dc, const TRect& r, const GlyphGrid& g, UINT state, COLORREF color, int offset) {
  const int x = r.Left + (r.Width() - g.width) / 2 + offset, y = r.Top + (r.Height() - g.height) / 2 + offset;
  if (state & DFCS_INACTIVE) {
    const COLORREF light[2] = {CLR_INVALID, GetSysColor(COLOR_BTNHIGHLIGHT)};
    const COLORREF shadow[2] = {CLR_INVALID, GetSysColor(COLOR_BTNSHADOW)};
    PaintGlyph(dc, x + 1, y + 1, g, light, 2);
    PaintGlyph(dc, x, y, g, shadow, 2);
    return;
  }
  const COLORREF colors[2] = {CLR_INVALID, color};
  PaintGlyph(dc, x, y, g, colors, 2);
}

// The push-button frame that push, scroll and caption buttons share; returns the area inside it.
TRect ButtonFrame(HDC dc, const TRect& r, UINT state, bool flatWhenPushed) {
  TRect inside = r;
  UINT flags = BF_RECT | BF_ADJUST;
  if (!(state & DFCS_TRANSPARENT)) flags |= BF_MIDDLE;
  if (state & DFCS_MONO) flags |= BF_MONO;
  UINT edge = EDGE_RAISED;
  if ((state & DFCS_FLAT) || ((state & DFCS_PUSHED) && flatWhenPushed)) flags |= BF_FLAT;
  else if (state & (DFCS_PUSHED | DFCS_CHECKED)) edge = EDGE_SUNKEN;
  else flags |= BF_SOFT;
  DrawEdge(dc, &inside, edge, flags);
  if ((state & DFCS_CHECKED) && !(state & DFCS_PUSHED) && !(state & DFCS_TRANSPARENT)) FillDither(dc, inside);
  return inside;
}

BOOL PushButton(HDC dc, TRect* rect, UINT state) {
  const TRect inside = ButtonFrame(dc, *rect, state, false);
  if (state & DFCS_ADJUSTRECT) *rect = inside;
  return 1;
}

// The square a check box or radio button takes: the largest one centred in the rectangle.
TRect CentredSquare(const TRect& r, int side) {
  return Bounds(r.Left + (r.Width() - side) / 2, r.Top + (r.Height() - side) / 2, side, side);
}

BOOL CheckBox(HDC dc, const TRect& rect, UINT state) {
  const int s = std::min(rect.Width(), rect.Height());
  if (s <= 0) return 1;
  const TRect q = CentredSquare(rect, s);
  const bool indeterminate = (state & DFCS_BUTTON3STATE) && (state & DFCS_CHECKED);
  const int interior = (state & (DFCS_PUSHED | DFCS_INACTIVE)) ? COLOR_BTNFACE : COLOR_WINDOW;
  TRect inside = q;
  if (state & DFCS_MONO) {
    FrameRect(dc, &q, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&inside, -1, -1);
  } else if (state & DFCS_FLAT) {
    FrameRect(dc, &q, GetSysColorBrush(COLOR_BTNSHADOW));
    InflateRect(&inside, -1, -1);
  } else {
    DrawEdge(dc, &inside, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  }
  if (indeterminate && !(state & DFCS_PUSHED)) FillDither(dc, inside);
  else FillRect(dc, &inside, GetSysColorBrush((state & DFCS_MONO) ? COLOR_WINDOW : interior));
  if (state & DFCS_CHECKED) {
    const int size = std::max(1, s - 6);
    const COLORREF color = GetSysColor((indeterminate || (state & DFCS_INACTIVE)) ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT);
    const COLORREF colors[2] = {CLR_INVALID, color};
    PaintGlyph(dc, q.Left + (s - size) / 2, q.Top + (s - size) / 2, CheckMark(size), colors, 2);
  }
  return 1;
}

BOOL RadioButton(HDC dc, const TRect& rect, UINT state) {
  const int s = std::min(rect.Width(), rect.Height());
  const int n = s - (s & 1);   // an even circle keeps both halves alike
  if (n <= 0) return 1;
  const TRect q = CentredSquare(rect, n);
  const UINT kind = state & 0x0F;
  if (kind & DFCS_BUTTONRADIOMASK) {
    Fill(dc, rect, RGB(255, 255, 255));
    const COLORREF colors[] = {CLR_INVALID, 0, 0, 0, 0, 0, 0};
    PaintGlyph(dc, q.Left, q.Top, RadioCircle(n, false), colors, 7);
    return 1;
  }
  if (kind & DFCS_BUTTONRADIOIMAGE) Fill(dc, rect, RGB(0, 0, 0));
  const COLORREF interior = GetSysColor((state & (DFCS_PUSHED | DFCS_INACTIVE)) ? COLOR_BTNFACE : COLOR_WINDOW);
  COLORREF colors[7] = {CLR_INVALID};
  if (state & DFCS_MONO) {
    colors[kOuterUpperLeft] = colors[kOuterLowerRight] = GetSysColor(COLOR_WINDOWFRAME);
    colors[kInnerUpperLeft] = colors[kInnerLowerRight] = GetSysColor(COLOR_WINDOW);
  } else if (state & DFCS_FLAT) {
    colors[kOuterUpperLeft] = colors[kOuterLowerRight] = GetSysColor(COLOR_BTNSHADOW);
    colors[kInnerUpperLeft] = colors[kInnerLowerRight] = interior;
  } else {
    colors[kOuterUpperLeft] = GetSysColor(COLOR_BTNSHADOW);
    colors[kOuterLowerRight] = GetSysColor(COLOR_BTNHIGHLIGHT);
    colors[kInnerUpperLeft] = GetSysColor(COLOR_3DDKSHADOW);
    colors[kInnerLowerRight] = GetSysColor(COLOR_3DLIGHT);
  }
  colors[kInterior] = interior;
  colors[kDot] = GetSysColor((state & DFCS_INACTIVE) ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT);
  PaintGlyph(dc, q.Left, q.Top, RadioCircle(n, (state & DFCS_CHECKED) != 0), colors, 7);
  return 1;
}

// The three ridges of a size grip: in the square at the bottom-right (bottom-left for the mirrored
// grip), the pixel at distance d = dx + dy from that corner, 1 <= d <= 11, is shadow when d % 4 is
// 1 or 2 and highlight when it is 3.
void SizeGrip(HDC dc, const TRect& r, UINT state) {
  if (!(state & DFCS_TRANSPARENT)) FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  const int g = std::min(r.Width(), r.Height());
  const bool mirrored = (state & DFCS_SCROLLSIZEGRIPRIGHT) != 0;
  GlyphGrid grid(g, g);
  for (int y = 0; y < g; ++y)
    for (int x = 0; x < g; ++x) {
      const int d = (mirrored ? x : g - 1 - x) + (g - 1 - y);
      if (d < 1 || d > 11) continue;
      const int phase = d % 4;
      grid.Set(x, y, phase == 3 ? 2 : phase == 0 ? 0 : 1);
    }
  const COLORREF colors[3] = {CLR_INVALID, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT)};
  PaintGlyph(dc, mirrored ? r.Left : r.Right - g, r.Bottom - g, grid, colors, 3);
}

BOOL ScrollButton(HDC dc, TRect* rect, UINT state) {
  const UINT kind = state & 0x1F;
  if (kind == DFCS_SCROLLSIZEGRIP || kind == DFCS_SCROLLSIZEGRIPRIGHT) {
    SizeGrip(dc, *rect, state);
    return 1;
  }
  const TRect inside = ButtonFrame(dc, *rect, state, true);
  const int offset = (state & DFCS_PUSHED) ? 1 : 0;
  // Arrow depth: a third of the smaller side inside the 2-pixel edge, rounded up (4 for 16 pixels).
  const int content = std::min(rect->Width(), rect->Height()) - 4;
  const int depth = std::max(1, (content + 1) / 3);
  ArrowDirection direction = ArrowDirection::Down;
  switch (kind) {
    case DFCS_SCROLLUP: direction = ArrowDirection::Up; break;
    case DFCS_SCROLLLEFT: direction = ArrowDirection::Left; break;
    case DFCS_SCROLLRIGHT: direction = ArrowDirection::Right; break;
    default: break;   // DFCS_SCROLLDOWN and DFCS_SCROLLCOMBOBOX
  }
  const TRect content2{rect->Left + 2, rect->Top + 2, rect->Right - 2, rect->Bottom - 2};
  PaintSymbol(dc, content2, Arrow(direction, depth), state, GetSysColor(COLOR_BTNTEXT), offset);
  if (state & DFCS_ADJUSTRECT) *rect = inside;
  return 1;
}

BOOL CaptionButton(HDC dc, TRect* rect, UINT state) {
  const TRect inside = ButtonFrame(dc, *rect, state, false);
  const int offset = (state & DFCS_PUSHED) ? 1 : 0;
  const TRect content{rect->Left + 2, rect->Top + 2, rect->Right - 2, rect->Bottom - 2};
  const int size = std::min(content.Width(), content.Height()) - 2;   // 8 for the classic 16 x 14 button
  CaptionSymbol symbol = CaptionSymbol::Close;
  switch (state & 0xFF) {
    case DFCS_CAPTIONMIN: symbol = CaptionSymbol::Minimize; break;
    case DFCS_CAPTIONMAX: symbol = CaptionSymbol::Maximize; break;
    case DFCS_CAPTIONRESTORE: symbol = CaptionSymbol::Restore; break;
    case DFCS_CAPTIONHELP: symbol = CaptionSymbol::Help; break;
    default: break;
  }
  PaintSymbol(dc, content, CaptionGlyph(symbol, size), state, GetSysColor(COLOR_BTNTEXT), offset);
  if (state & DFCS_ADJUSTRECT) *rect = inside;
  return 1;
}

GlyphGrid MenuGlyph(UINT state, int side) {
  switch (state & 0xFF) {
    case DFCS_MENUCHECK: return CheckMark(std::min(7, side));
    case DFCS_MENUBULLET: return Bullet(std::max(1, side / 3));
    case DFCS_MENUARROWRIGHT: return Arrow(ArrowDirection::Left, std::max(1, side / 4));
    default: return Arrow(ArrowDirection::Right, std::max(1, side / 4));   // DFCS_MENUARROW
  }
}

// Menu symbols are black on white (unless transparent), to be used as masks.
BOOL MenuSymbol(HDC dc, const TRect& rect, UINT state) {
  if (!(state & DFCS_TRANSPARENT)) Fill(dc, rect, RGB(255, 255, 255));
  const int side = std::min(rect.Width(), rect.Height());
  if (side > 0) PaintSymbol(dc, rect, MenuGlyph(state, side), state & ~DFCS_INACTIVE, RGB(0, 0, 0), 0);
  return 1;
}

}  // namespace

BOOL DrawFrameControl(HDC dc, TRect* rect, UINT type, UINT state) {
  if (!rect || GetObjectType(dc) == 0) return 0;
  switch (type) {
    case DFC_BUTTON: {
      const UINT kind = state & 0x1F;
      if (kind & DFCS_BUTTONPUSH) return PushButton(dc, rect, state);
      if (kind & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE | DFCS_BUTTONRADIOMASK)) return RadioButton(dc, *rect, state);
      return CheckBox(dc, *rect, state);
    }
    case DFC_SCROLL: return ScrollButton(dc, rect, state);
    case DFC_CAPTION: return CaptionButton(dc, rect, state);
    case DFC_MENU:
    case DFC_POPUPMENU: return MenuSymbol(dc, *rect, state);
    default: return 0;
  }
}

BOOL DrawMenuSymbol(HDC dc, const TRect& rect, UINT state, COLORREF color) {
  const int side = std::min(rect.Width(), rect.Height());
  if (side > 0) PaintSymbol(dc, rect, MenuGlyph(state, side), state, color, 0);
  return 1;
}
