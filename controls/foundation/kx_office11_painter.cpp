#include "controls/foundation/kx_office11_painter.h"

#include "controls/foundation/kd_office11.h"
#include "controls/foundation/kd_office11_paint.h"
#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kx_native_painter.h"
#include "platform/gdi/blt.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/raster_ops.h"

namespace {

constexpr ThemedObjectType kScrollBarType = 12;

TkxCellText WithoutBackgroundEvent(const TkxCellText& Cell) {
  TkxCellText cell = Cell;
  cell.OnDrawBackground = nullptr;
  return cell;
}

}  // namespace

const TkxOffice11LookAndFeelPainter* TkxOffice11LookAndFeelPainter::Class() {
  static const TkxOffice11LookAndFeelPainter painter;
  return &painter;
}

TkxPainterStyle TkxOffice11LookAndFeelPainter::GetStyleCode() const { return pstOffice11; }

void TkxOffice11LookAndFeelPainter::PaintCellContent(TkxCanvas& Canvas, const TRect& Bounds,
                                                     const TRect& TextBounds, TkxButtonState State,
                                                     const TkxCellText& Cell, bool Plain) const {
  const HDC dc = Canvas.GetHandle();
  if (!Cell.OnDrawBackground || !Cell.OnDrawBackground(Canvas, Bounds)) {
    const bool hot = State == kxbsHot;
    const TColor top = hot ? Office11Color00 : GetHeaderTopColor();
    const TColor bottom = hot ? Office11Color00 : GetHeaderShadeColor();
    if (Plain) {
      FillDCRectWithColor(dc, Bounds, top);
    } else {
      FillDCRectWithColor(dc, {Bounds.Left, Bounds.Top, Bounds.Right, Bounds.Bottom - 3}, top);
      GradientFillRect(dc, {Bounds.Left, Bounds.Bottom - 4, Bounds.Right, Bounds.Bottom}, top, bottom, false);
    }
  }
  if (Cell.Text != nullptr) DrawCellText(Canvas, TextBounds, Cell, Cell.TextColor);
  if (State == kxbsHot)
    GradientFillRect(dc, {Bounds.Left - 1, Bounds.Bottom - 2, Bounds.Right, Bounds.Bottom + 1}, Office11Color22,
                     Office11Color23, false);
}

TColor TkxOffice11LookAndFeelPainter::PaletteShadowA() const { return Office11Color16; }
TColor TkxOffice11LookAndFeelPainter::PaletteLightA() const { return Office11WhiteColor; }
TColor TkxOffice11LookAndFeelPainter::PaletteFaceA() const { return Office11Color02; }
TColor TkxOffice11LookAndFeelPainter::PaletteTextB(Integer, Integer) const { return PaletteTextD(); }
TColor TkxOffice11LookAndFeelPainter::PaletteShadowC() const { return Office11ShadowMixColor; }
TColor TkxOffice11LookAndFeelPainter::PaletteFaceB() const { return Office11Color00; }
TColor TkxOffice11LookAndFeelPainter::PaletteFaceC() const { return Office11Color32; }
TColor TkxOffice11LookAndFeelPainter::PaletteShadowD(Integer, Integer) const { return PaletteShadowC(); }
TColor TkxOffice11LookAndFeelPainter::PaletteFaceE(Integer, Integer) const { return GetHeaderTopColor(); }
TColor TkxOffice11LookAndFeelPainter::GetFaceColor() const { return Office11Color02; }
TColor TkxOffice11LookAndFeelPainter::GetSelectionColor() const { return Office11Color33; }
TColor TkxOffice11LookAndFeelPainter::GetSelectionTextColor() const { return clWindowText; }
TColor TkxOffice11LookAndFeelPainter::GetSplitterBorderColor() const { return Office11Color35; }
TColor TkxOffice11LookAndFeelPainter::PaletteFaceG() const { return Office11Color34; }
TColor TkxOffice11LookAndFeelPainter::PaletteFaceJ() const { return Office11Color03; }
TColor TkxOffice11LookAndFeelPainter::PaletteFaceK(Integer, Integer) const { return PaletteFaceJ(); }
TColor TkxOffice11LookAndFeelPainter::PaletteFaceL() const { return Office11Color02; }
TColor TkxOffice11LookAndFeelPainter::PaletteWhiteB(Integer, Integer) const { return PaletteFaceG(); }

void TkxOffice11LookAndFeelPainter::PaintControlBorder(TkxCanvas& Canvas, const TRect& R) const {
  Canvas.FrameRect(R, Office11Color18);
}

TColor TkxOffice11LookAndFeelPainter::GetButtonFaceColor(TkxButtonState State) const {
  switch (State) {
    case kxbsHot: return Office11Color22;
    case kxbsPressed: return Office11Color24;
    case kxbsDisabled: return clBtnFace;
    default: return Office11Color02;
  }
}

TColor TkxOffice11LookAndFeelPainter::GetButtonGlyphColor(TkxButtonState State, TColor) const {
  if (State == kxbsPressed && !IsOffice11ThemeScheme()) return clHighlightText;
  return State == kxbsDisabled ? Office11Color31 : Office11Color30;
}

void TkxOffice11LookAndFeelPainter::PaintButtonFrame(TkxCanvas& Canvas, const TRect& R,
                                                     TkxButtonState State) const {
  switch (State) {
    case kxbsDefault: TkxUltraFlatLookAndFeelPainter::PaintButtonFrame(Canvas, R, State); break;
    case kxbsNormal: Canvas.FrameRect(R, clBtnText); break;
    case kxbsDisabled: Canvas.FrameRect(R, Office11Color31); break;
    default: Canvas.FrameRect(R, Office11Color21); break;
  }
}

// The scheme's 11 x 11 picture, its corners blended into what the canvas shows there; the corners
// are changed in the picture itself, so they stay until the next call.
void TkxOffice11LookAndFeelPainter::PaintExpandBox(TkxCanvas& Canvas, const TRect& R, bool Expanded,
                                                   TColor) const {
  const HBITMAP picture = Expanded ? Office11ExpandButtonMinus : Office11ExpandButtonPlus;
  if (picture == nullptr) return;
  const HDC target = Canvas.GetHandle();
  const HDC memory = CreateCompatibleDC(target);
  const HGDIOBJ old = SelectObject(memory, picture);
  const TColor topLeft = MixColors(0xBFAE9E, TColor(GetPixel(target, R.Left, R.Top)), 25);
  const TColor others = MixColors(0x5F462E, TColor(GetPixel(target, R.Right - 1, R.Bottom - 1)), 25);
  SetPixel(memory, 0, 0, COLORREF(topLeft));
  for (const TPoint p : {TPoint{10, 10}, TPoint{0, 10}, TPoint{10, 0}}) SetPixel(memory, p.X, p.Y, COLORREF(others));
  BitBlt(target, R.Left, R.Top, 11, 11, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
}

bool TkxOffice11LookAndFeelPainter::IsExpandBoxPaintedFirst() const { return false; }
void TkxOffice11LookAndFeelPainter::PaintSmallExpandBox(TkxCanvas& Canvas, const TRect& R, bool Expanded, TColor,
                                                        TColor BkColor) const {
  PaintExpandBox(Canvas, R, Expanded, BkColor);
}
Integer TkxOffice11LookAndFeelPainter::GetExpandBoxSize() const { return 11; }
Integer TkxOffice11LookAndFeelPainter::GetSmallExpandBoxSize() const { return GetExpandBoxSize(); }

TColor TkxOffice11LookAndFeelPainter::GetCheckBoxFaceColor(TkxButtonState State) const {
  if (State == kxbsHot || State == kxbsPressed || State == kxbsDisabled) return GetButtonFaceColor(State);
  return TkxCustomLookAndFeelPainter::GetCheckBoxFaceColor(State);
}

void TkxOffice11LookAndFeelPainter::PaintHeader(TkxCanvas& Canvas, const TRect& Bounds, const TRect& TextBounds,
                                                TkxBorders Neighbours, TkxBorders Borders, TkxButtonState State,
                                                const TkxCellText& Cell, bool LastItem, bool) const {
  TkxUltraFlatLookAndFeelPainter::PaintHeader(Canvas, Bounds, TextBounds, Neighbours, Borders, State,
                                              WithoutBackgroundEvent(Cell), LastItem, false);
}

void TkxOffice11LookAndFeelPainter::PaintHeaderBorder(TkxCanvas& Canvas, const TRect& R, TkxBorders Neighbours,
                                                      TkxBorders Borders) const {
  const TColor t = GetHeaderTopColor(), s = GetHeaderShadeColor(), d = GetHeaderDarkColor(),
               l = GetHeaderLightColor();
  if (Borders.Contains(bTop)) Canvas.FillSolidRect({R.Left, R.Top, R.Right, R.Top + 1}, t);
  if (Borders.Contains(bBottom)) Canvas.FillSolidRect({R.Left, R.Bottom - 1, R.Right, R.Bottom}, d);
  if (Borders.Contains(bLeft)) {
    Canvas.SetPixel(R.Left, R.Top + 1, t);
    Integer top = R.Top + 1, bottom = R.Bottom - 2;
    if (Neighbours.Contains(bLeft)) {
      Canvas.SetPixel(R.Left, R.Top + 2, t);
      Canvas.SetPixel(R.Left, R.Bottom - 3, MixColors(t, s, 25));
      Canvas.SetPixel(R.Left, R.Bottom - 2, s);
      top = R.Top + 2;
      bottom = R.Bottom - 3;
    } else {
      Canvas.SetPixel(R.Left, R.Bottom - 2, s);
    }
    Canvas.FillSolidRect({R.Left, top, R.Left + 1, bottom}, l);
  }
  if (Borders.Contains(bRight)) {
    const Integer x = R.Right - 1;
    Integer top = R.Top + 1, bottom = R.Bottom - 2;
    if (Neighbours.Contains(bRight)) {
      Canvas.SetPixel(x, R.Top + 1, t);
      Canvas.SetPixel(x, R.Top + 2, t);
      Canvas.SetPixel(x, R.Bottom - 3, MixColors(t, s, 25));
      Canvas.SetPixel(x, R.Bottom - 2, s);
      top = R.Top + 2;
      bottom = R.Bottom - 3;
    } else {
      Canvas.SetPixel(x, R.Top, MixColors(t, d, 50));
      Canvas.SetPixel(x, R.Bottom - 2, MixColors(s, d, 50));
    }
    Canvas.FillSolidRect({x, top, x + 1, bottom}, d);
  }
}

void TkxOffice11LookAndFeelPainter::PaintHeaderSection(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders,
                                                       TkxButtonState State, const TkxCellText& Cell) const {
  PaintHeader(Canvas, R, R, {}, Borders, State, WithoutBackgroundEvent(Cell), false, false);
  if (State == kxbsPressed) InvertHeaderRect(Canvas, R);
}

void TkxOffice11LookAndFeelPainter::PaintSortMark(TkxCanvas& Canvas, const TRect& R, bool Ascending) const {
  PaintSortTriangle(Canvas, R, Ascending, GetHeaderLightColor(), GetHeaderDarkColor());
}

TkxBorders TkxOffice11LookAndFeelPainter::GetHeaderBorders(TkxBorders) const { return kxBordersAll; }
Integer TkxOffice11LookAndFeelPainter::GetHeaderBorderWidth() const { return 1; }
bool TkxOffice11LookAndFeelPainter::HeaderShowsHotState() const { return true; }
TColor TkxOffice11LookAndFeelPainter::GetBandLineColor() const { return GetHeaderDarkColor(); }

void TkxOffice11LookAndFeelPainter::PaintScrollBarElement(TkxCanvas& Canvas, bool Horizontal, const TRect& R,
                                                          TkxScrollBarElement Element,
                                                          TkxButtonState State) const {
  const TkxLookAndFeelPainterClass painter = AreVisualStylesAvailable(1u << kScrollBarType)
                                                 ? TkxWinXPLookAndFeelPainter::Class()
                                                 : TkxStandardLookAndFeelPainter::Class();
  painter->PaintScrollBarElement(Canvas, Horizontal, R, Element, State);
}

void TkxOffice11LookAndFeelPainter::PaintSizeGrip(TkxCanvas& Canvas, const TRect& R, TColor BkColor) const {
  Canvas.FillSolidRect(R, BkColor);
  PaintDottedSizeGrip(Canvas.GetHandle(), R, clDefault, clDefault);
}

void TkxOffice11LookAndFeelPainter::PaintHeaderWithMarkers(TkxCanvas& Canvas, const TRect& R, TkxBorders,
                                                           const TkxCellText& Cell, Integer MarkerPositions,
                                                           Integer MarkerOffset) const {
  const TRect inner = ShrinkRect(R, 1);
  if (!Cell.OnDrawBackground || !Cell.OnDrawBackground(Canvas, inner)) Canvas.FillSolidRect(inner, Cell.BkColor);
  if (Cell.Text != nullptr) {
    TkxCellText centred = Cell;
    centred.HorzAlign = taCenter;
    centred.VertAlign = kxvaCenter;
    centred.MultiLine = false;
    centred.EndEllipsis = false;
    DrawCellText(Canvas, inner, centred, Cell.TextColor);
  }
  PaintEdgeMarkers(Canvas, R, clWindowText, MarkerOffset, MarkerPositions);
}

void TkxOffice11LookAndFeelPainter::PaintContentFrame(TkxCanvas& Canvas, const TRect& R) const {
  Canvas.FrameRect(R, GetSplitterBorderColor());
}

void TkxOffice11LookAndFeelPainter::PaintToolButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const {
  TkxWinXPLookAndFeelPainter::Class()->PaintToolButton(Canvas, R, State);
}

TColor TkxOffice11LookAndFeelPainter::GetFrameColorForState(TkxButtonState State) const {
  return State == kxbsNormal ? GetHeaderDarkColor() : Office11Color21;
}
TColor TkxOffice11LookAndFeelPainter::GetTabEdgeColor() const { return GetHeaderDarkColor(); }
TColor TkxOffice11LookAndFeelPainter::GetHighlightFrameColor() const { return Office11Color21; }

TColor TkxOffice11LookAndFeelPainter::GetHeaderShadeColor() const { return Office11Color01; }
TColor TkxOffice11LookAndFeelPainter::GetHeaderDarkColor() const { return Office11Color14; }
TColor TkxOffice11LookAndFeelPainter::GetHeaderLightColor() const { return Office11Color15; }
TColor TkxOffice11LookAndFeelPainter::GetHeaderTopColor() const {
  return MixColors(Office11Color00, Office11Color01, 50);
}
