#include "controls/foundation/kx_painter.h"

#include <cmath>
#include <numbers>

#include "controls/foundation/kx_bitmap.h"
#include "controls/foundation/kx_classes.h"
#include "controls/foundation/kx_painter_resources.h"
#include "platform/core/mul_div.h"
#include "platform/gdi/frame_control.h"
#include "platform/ui/custom_image_list.h"
#include "platform/user/system_metrics.h"

TkxLookAndFeelKind StyleCodeToKind(TkxPainterStyle Style) {
  switch (Style) {
    case pstFlat: return lfFlat;
    case pstUltraFlat: return lfUltraFlat;
    case pstOffice11: return lfOffice11;
    default: return lfStandard;
  }
}

TRect ShrinkRect(const TRect& R, Integer N) { return {R.Left + N, R.Top + N, R.Right - N, R.Bottom - N}; }
bool IsEmptyRect(const TRect& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }

namespace {

TRect OffsetRectBy(TRect R, Integer DX, Integer DY) { return {R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY}; }

}  // namespace

TkxLookAndFeelPainterClass TkxCustomLookAndFeelPainter::Class() {
  static const TkxCustomLookAndFeelPainter painter;
  return &painter;
}

TkxTextFlags TkxCustomLookAndFeelPainter::CellTextFlags(const TkxCellText& Cell) {
  static constexpr TkxTextFlags kHorz[] = {tfAlignLeft, tfAlignRight, tfAlignHCenter};
  static constexpr TkxTextFlags kVert[] = {tfAlignTop, tfAlignBottom, tfAlignVCenter};
  TkxTextFlags flags = kHorz[Cell.HorzAlign] | kVert[Cell.VertAlign];
  flags |= Cell.MultiLine ? tfWordBreak : tfSingleLine;
  if (Cell.EndEllipsis) flags |= tfEndEllipsis;
  return flags;
}

void TkxCustomLookAndFeelPainter::DrawCellText(TkxCanvas& Canvas, const TRect& R, const TkxCellText& Cell,
                                               TColor Color) {
  Canvas.GetBrush()->SetStyle(bsClear);
  if (Cell.Font != nullptr) Canvas.GetFont()->Assign(Cell.Font);
  Canvas.GetFont()->SetColor(Color);
  Canvas.DrawText(*Cell.Text, R, CellTextFlags(Cell), true);
  Canvas.GetBrush()->SetStyle(bsSolid);
}

void TkxCustomLookAndFeelPainter::FillTriangle(TkxCanvas& Canvas, const TArrowPoints& Points, TColor Color) {
  Canvas.GetBrush()->SetStyle(bsSolid);
  Canvas.SetBrushColor(Color);
  Canvas.GetPen()->SetColor(Color);
  Canvas.Polygon(Points.P);
}

// Backgrounds, cell content, reserved.

void TkxCustomLookAndFeelPainter::FillBackground(TkxCanvas& Canvas, const TRect& R, bool Transparent, TColor Color,
                                                 TBitmap* Bitmap) const {
  if (!Transparent) {
    Canvas.SetBrushColor(Color);
    Canvas.FillRect(R);
  } else if (Bitmap != nullptr) {
    Canvas.FillRect(R, Bitmap);
  }
}

void TkxCustomLookAndFeelPainter::PaintDropDownGlyph(TkxCanvas& Canvas, const TRect& R, TColor Color) const {
  Integer w = (R.Right - R.Left) / 2;
  if (w % 2 == 0) ++w;
  const Integer h = w / 2 + 1;
  const TPoint p0{(R.Left + R.Right - w) / 2, MulDiv(R.Top + R.Bottom - h, 1, 2)};
  FillTriangle(Canvas, {{p0, {p0.X + w - 1, p0.Y}, {p0.X + w / 2, p0.Y + h - 1}}}, Color);
}

void TkxCustomLookAndFeelPainter::PaintCellContent(TkxCanvas& Canvas, const TRect& Bounds, const TRect& TextBounds,
                                                   TkxButtonState, const TkxCellText& Cell, bool) const {
  if (!Cell.OnDrawBackground || !Cell.OnDrawBackground(Canvas, Bounds)) {
    Canvas.SetBrushColor(Cell.BkColor);
    Canvas.FillRect(Bounds);
  }
  if (Cell.Text != nullptr) DrawCellText(Canvas, TextBounds, Cell, Cell.TextColor);
}

void TkxCustomLookAndFeelPainter::PaintReservedA(TkxCanvas&, const TRect&) const {}
void TkxCustomLookAndFeelPainter::PaintReservedB(TkxCanvas&, const TRect&) const {}

TRect TkxCustomLookAndFeelPainter::GetBandCellContentRect(const TRect& R) const {
  return ShrinkRect(R, GetBandCellBorderWidth());
}
TRect TkxCustomLookAndFeelPainter::GetBandCellTextRect(const TRect& R) const {
  return ShrinkRect(GetBandCellContentRect(R), 2);
}
TkxPainterStyle TkxCustomLookAndFeelPainter::GetStyleCode() const { return pstStandard; }

// Palette colours.

TColor TkxCustomLookAndFeelPainter::PaletteWindowA() const { return clWindow; }
TColor TkxCustomLookAndFeelPainter::PaletteWindowB(Integer, Integer) const { return PaletteWindowA(); }
TColor TkxCustomLookAndFeelPainter::PaletteWindowC(Integer, Integer) const { return PaletteWindowA(); }
TColor TkxCustomLookAndFeelPainter::PaletteWindowTextA() const { return clWindowText; }
TColor TkxCustomLookAndFeelPainter::PaletteShadowA() const { return clBtnShadow; }
TColor TkxCustomLookAndFeelPainter::PaletteLightA() const { return clBtnHighlight; }
TColor TkxCustomLookAndFeelPainter::PaletteTextA() const { return clBtnText; }
TColor TkxCustomLookAndFeelPainter::PaletteFaceA() const { return clBtnFace; }
TColor TkxCustomLookAndFeelPainter::PaletteTextB(Integer, Integer) const { return clBtnText; }
TColor TkxCustomLookAndFeelPainter::PaletteShadowB() const { return clBtnShadow; }
TColor TkxCustomLookAndFeelPainter::PaletteShadowC() const { return clBtnShadow; }
TColor TkxCustomLookAndFeelPainter::PaletteFaceB() const { return clBtnFace; }
TColor TkxCustomLookAndFeelPainter::PaletteFaceC() const { return clBtnFace; }
TColor TkxCustomLookAndFeelPainter::PaletteTextC() const { return clBtnText; }
TColor TkxCustomLookAndFeelPainter::PaletteShadowD(Integer, Integer) const { return clBtnShadow; }
TColor TkxCustomLookAndFeelPainter::PaletteFaceD() const { return clBtnFace; }
TColor TkxCustomLookAndFeelPainter::PaletteFaceE(Integer, Integer) const { return clBtnFace; }
TColor TkxCustomLookAndFeelPainter::PaletteTextD() const { return clBtnText; }
TColor TkxCustomLookAndFeelPainter::PaletteBlueA() const { return 0xFF0000; }
TColor TkxCustomLookAndFeelPainter::PaletteFaceF() const { return clBtnFace; }
TColor TkxCustomLookAndFeelPainter::PaletteTextE() const { return clBtnText; }
TColor TkxCustomLookAndFeelPainter::PaletteBlueB() const { return 0xFF0000; }
TColor TkxCustomLookAndFeelPainter::PaletteShadowH(Integer, Integer) const { return PaletteShadowB(); }
TColor TkxCustomLookAndFeelPainter::GetSizeGripAreaColor() const { return clBtnFace; }
TColor TkxCustomLookAndFeelPainter::PaletteFaceM(Integer A, Integer B) const { return PaletteFaceE(A, B); }
TColor TkxCustomLookAndFeelPainter::PaletteDefaultA() const { return clDefault; }
TColor TkxCustomLookAndFeelPainter::PaletteBlackA() const { return 0; }
TColor TkxCustomLookAndFeelPainter::PaletteBlackB(Integer, Integer) const { return PaletteBlackA(); }
TColor TkxCustomLookAndFeelPainter::GetFaceColor() const { return clBtnFace; }
TColor TkxCustomLookAndFeelPainter::GetSelectionColor() const { return clHighlight; }
TColor TkxCustomLookAndFeelPainter::GetSelectionTextColor() const { return clHighlightText; }
TColor TkxCustomLookAndFeelPainter::PaletteWindowD() const { return clWindow; }
TColor TkxCustomLookAndFeelPainter::PaletteWindowTextB() const { return clWindowText; }
TColor TkxCustomLookAndFeelPainter::GetSplitterBorderColor() const { return 0x9D9DA1; }
TColor TkxCustomLookAndFeelPainter::PaletteFaceG() const { return clBtnFace; }
TColor TkxCustomLookAndFeelPainter::PaletteFaceH() const { return clBtnFace; }
TColor TkxCustomLookAndFeelPainter::PalettePaleYellowA() const { return 0xD5FFFF; }
TColor TkxCustomLookAndFeelPainter::PaletteWindowTextC() const { return clWindowText; }
TColor TkxCustomLookAndFeelPainter::PaletteSelectionA() const { return clHighlight; }
TColor TkxCustomLookAndFeelPainter::PaletteSelectionTextA() const { return clHighlightText; }
TColor TkxCustomLookAndFeelPainter::PaletteFaceI() const { return clBtnFace; }
TColor TkxCustomLookAndFeelPainter::PaletteFaceJ() const { return clBtnFace; }
TColor TkxCustomLookAndFeelPainter::PaletteTextF() const { return clBtnText; }
TColor TkxCustomLookAndFeelPainter::PaletteFaceK(Integer, Integer) const { return clBtnFace; }
TColor TkxCustomLookAndFeelPainter::PaletteWhiteA() const { return 0xFFFFFF; }
TColor TkxCustomLookAndFeelPainter::PaletteBlackC() const { return 0; }
TColor TkxCustomLookAndFeelPainter::PaletteFaceL() const { return clBtnFace; }
TColor TkxCustomLookAndFeelPainter::PaletteTextG() const { return clBtnText; }
TColor TkxCustomLookAndFeelPainter::PaletteWhiteB(Integer, Integer) const { return 0xFFFFFF; }
TColor TkxCustomLookAndFeelPainter::PaletteBlackD() const { return 0; }
TColor TkxCustomLookAndFeelPainter::PaletteBlackE() const { return 0; }
TColor TkxCustomLookAndFeelPainter::PaletteBlackF() const { return 0; }
TColor TkxCustomLookAndFeelPainter::PaletteSilverA() const { return 0xCFCFCF; }
TColor TkxCustomLookAndFeelPainter::PaletteWhiteC() const { return 0xFFFFFF; }
TColor TkxCustomLookAndFeelPainter::PaletteShadowE() const { return clBtnShadow; }
TColor TkxCustomLookAndFeelPainter::PaletteSkyA() const { return 0xF0CAA6; }
TColor TkxCustomLookAndFeelPainter::PaletteNavyA() const { return 0x800000; }
TColor TkxCustomLookAndFeelPainter::PaletteShadowF() const { return clBtnShadow; }
TColor TkxCustomLookAndFeelPainter::PaletteShadowG() const { return clBtnShadow; }

// Arrows.

TkxCustomLookAndFeelPainter::TArrowPoints TkxCustomLookAndFeelPainter::GetArrowPolygon(
    const TRect& Rect, TkxGlyphDirection Direction, bool Proportional, Integer Size) {
  TRect R = Rect;
  if (Proportional) {
    const Integer d = R.Width() - R.Height();
    if (d > 0) {
      R.Left += d / 2;
      R.Right -= d / 2;
    } else {
      R.Top += -d / 2;
      R.Bottom -= -d / 2;
    }
  }
  const bool vertical = Direction == gdUp || Direction == gdDown;
  const Integer s = Size != 0 ? Size : ((vertical ? R.Right - R.Left : R.Bottom - R.Top) - 1) / 4 + 1;
  const Integer w = vertical ? 2 * s - 1 : s, h = vertical ? s : 2 * s - 1;
  const Integer x0 = (R.Left + R.Right - w) / 2, y0 = MulDiv(R.Top + R.Bottom - h, 1, 2);
  const Integer xc = (R.Left + R.Right - 1) / 2, yc = (R.Top + R.Bottom) / 2;
  const Integer x1 = x0 + w - 1, y1 = y0 + h - 1;
  switch (Direction) {
    case gdUp: return {{{xc, y0}, {x0, y1}, {x1, y1}}};
    case gdDown: return {{{x1, y0}, {xc, y1}, {x0, y0}}};
    case gdLeft: return {{{x1, y1}, {x0, yc}, {x1, y0}}};
    default: return {{{x0, y0}, {x1, yc}, {x0, y1}}};
  }
}

void TkxCustomLookAndFeelPainter::FillArrow(TkxCanvas& Canvas, const TRect& R, TkxGlyphDirection Direction,
                                            TColor Color) const {
  FillTriangle(Canvas, GetArrowPolygon(R, Direction, true, 0), Color);
}

void TkxCustomLookAndFeelPainter::PaintArrowButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State,
                                                   TkxGlyphDirection Direction, bool WithFrame) const {
  const TArrowPoints points = GetArrowPolygon(R, Direction, false, 0);
  Canvas.GetBrush()->SetStyle(bsSolid);
  if (WithFrame) {
    PaintArrowButtonFrame(Canvas, R, State);
  } else {
    Canvas.SetBrushColor(GetButtonFaceColor(State));
    Canvas.FillRect(R);
  }
  FillTriangle(Canvas, points, GetButtonGlyphColor(State, clDefault));
}

void TkxCustomLookAndFeelPainter::PaintArrowButtonFrame(TkxCanvas& Canvas, const TRect& R,
                                                        TkxButtonState State) const {
  Canvas.GetBrush()->SetStyle(bsSolid);
  Canvas.SetBrushColor(GetButtonFaceColor(State));
  Canvas.FillRect(R);
  PaintButtonFrame(Canvas, R, State);
}

void TkxCustomLookAndFeelPainter::PaintScrollArrow(TkxCanvas& Canvas, const TRect& Rect, TkxButtonState State,
                                                   TkxGlyphDirection Direction) const {
  TRect R = Rect;
  if (State == kxbsPressed) R = OffsetRectBy(R, GetPressedTextShift(), GetPressedTextShift());
  TArrowPoints points = GetArrowPolygon(R, Direction, true, 0);
  if (State != kxbsDisabled) {
    FillTriangle(Canvas, points, GetButtonGlyphColor(State, clDefault));
    return;
  }
  for (TPoint& p : points.P) p = {p.X + 1, p.Y + 1};
  FillTriangle(Canvas, points, clBtnHighlight);
  for (TPoint& p : points.P) p = {p.X - 1, p.Y - 1};
  FillTriangle(Canvas, points, clBtnShadow);
}

// Control border.

Integer TkxCustomLookAndFeelPainter::GetControlBorderWidth() const { return 0; }
void TkxCustomLookAndFeelPainter::PaintControlBorder(TkxCanvas&, const TRect&) const {}

// Buttons.

TRect TkxCustomLookAndFeelPainter::GetGroupButtonPaintRect(const TRect& R, Integer, Integer) const { return R; }
Integer TkxCustomLookAndFeelPainter::GetButtonBorderWidth(TkxButtonState) const { return 0; }
TColor TkxCustomLookAndFeelPainter::GetButtonFaceColor(TkxButtonState) const { return clBtnFace; }

TRect TkxCustomLookAndFeelPainter::CalcFocusFrameRect(TkxCanvas&, const TRect& R) const {
  const TRect inner = ShrinkRect(R, 4);
  return IsEmptyRect(inner) ? R : inner;
}

TRect TkxCustomLookAndFeelPainter::GetGroupButtonBorders(Integer, Integer) const {
  const Integer w = GetButtonBorderWidth(kxbsNormal);
  return {w, w, w, w};
}

Integer TkxCustomLookAndFeelPainter::GetButtonTextInset() const { return 0; }
Integer TkxCustomLookAndFeelPainter::GetPressedTextShift() const { return 0; }

TColor TkxCustomLookAndFeelPainter::GetButtonGlyphColor(TkxButtonState State, TColor DefaultColor) const {
  if (State == kxbsDisabled) return clBtnShadow;
  return DefaultColor == clDefault ? clBtnText : DefaultColor;
}

TkxButtonState TkxCustomLookAndFeelPainter::GetButtonGlyphState(TkxButtonState State) const { return State; }

void TkxCustomLookAndFeelPainter::PaintButton(TkxCanvas& Canvas, const TRect& Rect, const std::string& Text,
                                              TkxButtonState State, bool WithFrame, TColor FaceColor,
                                              TColor TextColor, bool WordWrap) const {
  TRect R = Rect;
  if (WithFrame) {
    PaintButtonFrame(Canvas, R, State);
    R = ShrinkRect(R, GetButtonBorderWidth(State));
  }
  Canvas.SetBrushColor(FaceColor == clDefault ? GetButtonFaceColor(State) : FaceColor);
  Canvas.FillRect(R);
  Canvas.GetFont()->SetColor(TextColor == clDefault ? GetButtonGlyphColor(State, clDefault) : TextColor);
  Canvas.GetBrush()->SetStyle(bsClear);
  R.Bottom -= (R.Bottom - R.Top) & 1;
  if (R.Bottom - R.Top < 18) --R.Top;
  if (State == kxbsPressed) R = OffsetRectBy(R, GetPressedTextShift(), GetPressedTextShift());
  if (!Text.empty())
    Canvas.DrawText(Text, R,
                    tfAlignHCenter | tfAlignVCenter | tfShowPrefix | (WordWrap ? tfWordBreak : tfSingleLine),
                    State != kxbsDisabled);
  Canvas.GetBrush()->SetStyle(bsSolid);
}

void TkxCustomLookAndFeelPainter::PaintGroupButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State,
                                                   Integer, Integer, TColor) const {
  PaintButton(Canvas, R, "", State, true, clDefault, clDefault, false);
}

void TkxCustomLookAndFeelPainter::PaintButtonFrame(TkxCanvas&, const TRect&, TkxButtonState) const {}
void TkxCustomLookAndFeelPainter::PaintButtonGroupFrame(TkxCanvas&, const TRect&, bool, bool) const {}

// Expand boxes and group expander.

void TkxCustomLookAndFeelPainter::PaintExpandBox(TkxCanvas&, const TRect&, bool, TColor) const {}
bool TkxCustomLookAndFeelPainter::IsExpandBoxPaintedFirst() const { return true; }

void TkxCustomLookAndFeelPainter::PaintGroupExpander(TkxCanvas& Canvas, const TRect& R, bool Expanded,
                                                     TkxButtonState State) const {
  PaintButton(Canvas, R, "", State, true, clDefault, clDefault, false);
  PaintDoubleChevron(Canvas, R, Expanded, State);
}

void TkxCustomLookAndFeelPainter::PaintSmallExpandBox(TkxCanvas& Canvas, const TRect& R, bool Expanded,
                                                      TColor FrameColor, TColor BkColor) const {
  Canvas.SetBrushColor(FrameColor);
  Canvas.FrameRect(R, clDefault);
  if (BkColor != clDefault) Canvas.FillSolidRect(ShrinkRect(R, 1), BkColor);
  PaintPlusMinusSign(Canvas, R, Expanded, clBtnText);
}

Integer TkxCustomLookAndFeelPainter::GetExpandBoxSize() const { return 0; }
Integer TkxCustomLookAndFeelPainter::GetGroupExpanderSize() const { return 15; }
bool TkxCustomLookAndFeelPainter::HotTracksButtons() const { return false; }
bool TkxCustomLookAndFeelPainter::HitTestGroupExpander(const TRect& R, TPoint P) const {
  return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}
Integer TkxCustomLookAndFeelPainter::GetSmallExpandBoxSize() const { return 9; }

// Check box.

Integer TkxCustomLookAndFeelPainter::GetCheckBoxBorderWidth() const { return 2; }
TColor TkxCustomLookAndFeelPainter::GetCheckBoxFaceColor(TkxButtonState State) const {
  return State == kxbsPressed || State == kxbsDisabled ? clBtnFace : clWindow;
}
TSize TkxCustomLookAndFeelPainter::GetCheckBoxGlyphSize() const { return GetSystemCheckBoxGlyphSize(); }

void TkxCustomLookAndFeelPainter::PaintCheckMark(TkxCanvas& Canvas, const TRect& R, TkxButtonState State,
                                                 bool Checked, TColor Color) const {
  if (Canvas.GetBrush()->Style() == bsSolid) {
    Canvas.SetBrushColor(GetCheckBoxFaceColor(State));
    Canvas.FillRect(R);
  }
  if (!Checked) return;
  const Integer w = R.Right - R.Left - 2, h = R.Bottom - R.Top - 4, cx = (R.Left + R.Right) / 2 - 1;
  Canvas.GetPen()->SetColor(Color);
  for (Integer k = 0; k < 3; ++k) {
    const Integer cy = (R.Top + R.Bottom + h) / 2 - 2 + k;
    Canvas.MoveTo(cx - (w / 2 - 1), cy - h / 2);
    Canvas.LineTo(cx, cy);
    Canvas.LineTo(cx + w / 2 + 2, cy - h);
  }
}

void TkxCustomLookAndFeelPainter::PaintCheckBoxFrame(TkxCanvas&, const TRect&, TkxButtonState) const {}

void TkxCustomLookAndFeelPainter::PaintCheckBox(TkxCanvas& Canvas, const TRect& R, TkxButtonState State,
                                                bool Checked, bool) const {
  PaintCheckBoxFrame(Canvas, R, State);
  PaintCheckMark(Canvas, ShrinkRect(R, GetCheckBoxBorderWidth()), State, Checked,
                 State == kxbsDisabled ? clGrayText : clBtnText);
}

// Radio button.

void TkxCustomLookAndFeelPainter::PaintRadioButton(TkxCanvas& Canvas, Integer X, Integer Y, TkxButtonState State,
                                                   bool Checked, bool Focused, TColor BkColor,
                                                   bool Designing) const {
  GetSharedRadioButtonImageList()->PaintGlyph(Canvas, X, Y, BkColor, StyleCodeToKind(GetStyleCode()), State,
                                              Checked, Focused, Designing);
}

TSize TkxCustomLookAndFeelPainter::GetRadioButtonGlyphSize() const {
  return GetSharedRadioButtonImageList()->GetGlyphSize();
}

// Headers and header sections.

void TkxCustomLookAndFeelPainter::PaintHeader(TkxCanvas& Canvas, const TRect& Bounds, const TRect& TextBounds,
                                              TkxBorders Neighbours, TkxBorders Borders, TkxButtonState State,
                                              const TkxCellText& Cell, bool, bool) const {
  PaintHeaderBorder(Canvas, Bounds, Neighbours, Borders);
  PaintCellContent(Canvas, GetHeaderContentRect(Bounds, Borders), TextBounds, State, Cell, false);
}

void TkxCustomLookAndFeelPainter::PaintHeaderPlain(TkxCanvas& Canvas, const TRect& Bounds,
                                                   const TRect& TextBounds, TkxBorders Neighbours,
                                                   TkxBorders Borders, TkxButtonState State,
                                                   const TkxCellText& Cell) const {
  PaintHeader(Canvas, Bounds, TextBounds, Neighbours, Borders, State, Cell, false, false);
}

void TkxCustomLookAndFeelPainter::PaintHeaderBorder(TkxCanvas&, const TRect&, TkxBorders, TkxBorders) const {}
void TkxCustomLookAndFeelPainter::InvertHeaderRect(TkxCanvas& Canvas, const TRect& R) const {
  Canvas.InvertRect(R);
}

void TkxCustomLookAndFeelPainter::PaintHeaderSection(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders,
                                                     TkxButtonState State, const TkxCellText& Cell) const {
  PaintHeaderSectionFrame(Canvas, R, Borders, State);
  PaintHeaderSectionContent(Canvas, GetHeaderSectionContentRect(R, State), State, Cell);
}

void TkxCustomLookAndFeelPainter::PaintHeaderSectionFrame(TkxCanvas&, const TRect&, TkxBorders,
                                                          TkxButtonState) const {}

void TkxCustomLookAndFeelPainter::PaintHeaderSectionContent(TkxCanvas& Canvas, const TRect& R,
                                                            TkxButtonState State, const TkxCellText& Cell) const {
  Canvas.SetBrushColor(Cell.BkColor);
  Canvas.FillRect(R);
  PaintHeaderSectionText(Canvas, GetHeaderSectionTextRect(R, State), State, Cell);
}

void TkxCustomLookAndFeelPainter::PaintHeaderSectionText(TkxCanvas& Canvas, const TRect& R, TkxButtonState State,
                                                         const TkxCellText& Cell) const {
  if (Cell.Text == nullptr) return;
  if (State == kxbsDisabled) {
    DrawCellText(Canvas, OffsetRectBy(R, 1, 1), Cell, clBtnHighlight);
    DrawCellText(Canvas, R, Cell, clBtnShadow);
  } else {
    DrawCellText(Canvas, R, Cell, Cell.TextColor);
  }
}

void TkxCustomLookAndFeelPainter::PaintFramedBand(TkxCanvas& Canvas, const TRect& R,
                                                  const TkxBackground& Background, TColor Color,
                                                  Integer EndWidth) const {
  Canvas.FrameAndFill({R.Left, R.Top, R.Left + EndWidth, R.Bottom}, Background, {}, clDefault);
  Canvas.FrameAndFill({R.Right - EndWidth, R.Top, R.Right, R.Bottom}, Background, {}, clDefault);
  Canvas.FillSolidRect({R.Left + EndWidth, R.Top, R.Right - EndWidth, R.Bottom}, Color);
}

void TkxCustomLookAndFeelPainter::PaintSortMark(TkxCanvas&, const TRect&, bool) const {}
TkxBorders TkxCustomLookAndFeelPainter::GetHeaderBorders(TkxBorders) const { return kxBordersAll; }
Integer TkxCustomLookAndFeelPainter::GetHeaderBorderWidth() const { return 0; }

TRect TkxCustomLookAndFeelPainter::GetHeaderPaintRect(const TRect& Rect, TkxBorders Neighbours,
                                                      TkxBorders Borders) const {
  const TkxBorders grow = Borders - GetHeaderBorders(Neighbours);
  const Integer w = GetHeaderBorderWidth();
  TRect R = Rect;
  if (grow.Contains(bLeft)) R.Left -= w;
  if (grow.Contains(bTop)) R.Top -= w;
  if (grow.Contains(bRight)) R.Right += w;
  if (grow.Contains(bBottom)) R.Bottom += w;
  return R;
}

TRect TkxCustomLookAndFeelPainter::GetHeaderContentRect(const TRect& Rect, TkxBorders Borders) const {
  const Integer w = GetHeaderBorderWidth();
  TRect R = Rect;
  if (Borders.Contains(bLeft)) R.Left += w;
  if (Borders.Contains(bTop)) R.Top += w;
  if (Borders.Contains(bRight)) R.Right -= w;
  if (Borders.Contains(bBottom)) R.Bottom -= w;
  return R;
}

bool TkxCustomLookAndFeelPainter::HeaderReservedFlag() const { return true; }
Integer TkxCustomLookAndFeelPainter::CalcHeaderHeight(Integer TextHeight) const {
  return TextHeight + 2 * GetHeaderBorderWidth() + 4;
}
Integer TkxCustomLookAndFeelPainter::GetHeaderSectionBorderWidth(TkxButtonState) const { return 1; }
TRect TkxCustomLookAndFeelPainter::GetHeaderSectionTextRect(const TRect& R, TkxButtonState State) const {
  return State == kxbsPressed ? OffsetRectBy(R, 1, 1) : R;
}
TRect TkxCustomLookAndFeelPainter::GetHeaderSectionContentRect(const TRect& R, TkxButtonState State) const {
  return ShrinkRect(R, GetHeaderSectionBorderWidth(State));
}

// The right side adds the border width as the left one does: the width measures a whole cell.
Integer TkxCustomLookAndFeelPainter::CalcHeaderWidth(TkxCanvas& Canvas, TkxBorders Sides, TFont* Font,
                                                     const std::string& Text) const {
  if (Font != nullptr) Canvas.SetFont(Font);
  Integer width = Canvas.GetTextWidth(Text) + 4;
  if (Sides.Contains(bLeft)) width += GetHeaderBorderWidth();
  if (Sides.Contains(bRight)) width += GetHeaderBorderWidth();
  return width;
}

bool TkxCustomLookAndFeelPainter::HeaderShowsHotState() const { return false; }
TPoint TkxCustomLookAndFeelPainter::GetSortMarkAreaSize() const { return {16, GetSortMarkSize().Y}; }
TPoint TkxCustomLookAndFeelPainter::GetSortMarkSize() const { return {0, 0}; }

// Band.

void TkxCustomLookAndFeelPainter::FillBandBackground(TkxCanvas& Canvas, const TRect& R, bool Transparent,
                                                     TColor Color, TBitmap* Bitmap) const {
  FillBackground(Canvas, R, Transparent, Color, Bitmap);
}
Integer TkxCustomLookAndFeelPainter::GetBandExtraSpace() const { return 15; }
Integer TkxCustomLookAndFeelPainter::GetBandBorderWidth() const { return 0; }
Integer TkxCustomLookAndFeelPainter::GetBandCellBorderWidth() const { return 0; }
Integer TkxCustomLookAndFeelPainter::GetBandCellSpacing() const { return 0; }
bool TkxCustomLookAndFeelPainter::PaintsBandCellsFirst() const { return true; }
TColor TkxCustomLookAndFeelPainter::GetBandLineColor() const { return clBtnShadow; }
Integer TkxCustomLookAndFeelPainter::GetBandLineWidth() const { return 1; }

void TkxCustomLookAndFeelPainter::PaintBandCell(TkxCanvas& Canvas, const TRect& R, const TkxCellText& Cell) const {
  PaintBandCellFrame(Canvas, R);
  PaintCellContent(Canvas, GetBandCellContentRect(R), GetBandCellTextRect(R), kxbsNormal, Cell, false);
}

void TkxCustomLookAndFeelPainter::PaintBandCellEdge(TkxCanvas&, const TRect&) const {}
void TkxCustomLookAndFeelPainter::PaintBandCellFrame(TkxCanvas&, const TRect&) const {}
void TkxCustomLookAndFeelPainter::PaintBandBackground(TkxCanvas& Canvas, const TRect& R,
                                                      const TkxBackground& Background) const {
  if (!IsEmptyRect(R)) Canvas.FrameAndFill(R, Background, {}, clDefault);
}
void TkxCustomLookAndFeelPainter::PaintBandLine(TkxCanvas& Canvas, const TRect& R) const {
  Canvas.FillSolidRect(R, GetBandLineColor());
}
void TkxCustomLookAndFeelPainter::PaintBandCheckBox(TkxCanvas& Canvas, const TRect& R, TkxButtonState State,
                                                    bool Checked) const {
  PaintCheckBox(Canvas, R, State, Checked, false);
}

// Small buttons.

void TkxCustomLookAndFeelPainter::PaintSmallCloseButton(TkxCanvas& Canvas, const TRect& Rect,
                                                        TkxButtonState State) const {
  PaintButtonFrame(Canvas, Rect, State);
  const TRect R = ShrinkRect(Rect, GetButtonBorderWidth(kxbsNormal));
  Canvas.FillSolidRect(R, GetButtonFaceColor(State));
  PaintCrossGlyph(Canvas, R, GetButtonGlyphState(State), GetButtonGlyphColor(State, clDefault));
}

void TkxCustomLookAndFeelPainter::PaintDropDownButton(TkxCanvas&, const TRect&, TkxButtonState, bool) const {}
void TkxCustomLookAndFeelPainter::FillButtonAreaBackground(TkxCanvas& Canvas, const TRect& R, bool Transparent,
                                                           TColor Color, TBitmap* Bitmap) const {
  FillBackground(Canvas, R, Transparent, Color, Bitmap);
}
TPoint TkxCustomLookAndFeelPainter::GetToggleButtonSize() const { return {13, 13}; }
TPoint TkxCustomLookAndFeelPainter::GetSmallCloseButtonSize() const { return {16, 14}; }
TPoint TkxCustomLookAndFeelPainter::GetDropDownButtonSize() const { return {15, 0}; }

// Window background, popup border.

void TkxCustomLookAndFeelPainter::PaintWindowBackground(TkxCanvas& Canvas, const TRect& R) const {
  Canvas.FillSolidRect(R, clBtnFace);
}
Integer TkxCustomLookAndFeelPainter::GetPopupBorderKind() const { return 1; }

// Tabs.

void TkxCustomLookAndFeelPainter::PaintTab(TkxCanvas&, const TRect&, TkxBorders, const std::string&,
                                           TkxButtonState, bool, TFont*, TColor, TColor, bool) const {}
void TkxCustomLookAndFeelPainter::PaintTabEdge(TkxCanvas&, const TRect&, TkxBorder, TkxBorders, bool) const {}
void TkxCustomLookAndFeelPainter::PaintTabArea(TkxCanvas&, const TRect&, TkxBorders, bool) const {}
bool TkxCustomLookAndFeelPainter::SupportsTabPainting(bool) const { return false; }
bool TkxCustomLookAndFeelPainter::HotTracksTabs(bool) const { return false; }
Integer TkxCustomLookAndFeelPainter::GetTabBorderWidth(bool) const { return 0; }

// Indicator.

void TkxCustomLookAndFeelPainter::PaintLinesGlyph(TkxCanvas& Canvas, const TRect& R, TColor Color) const {
  Canvas.GetPen()->SetColor(Color);
  for (Integer i = 0; i < 5; ++i) {
    const Integer y = (R.Top + R.Bottom - 9) / 2 + 2 * i;
    Canvas.MoveTo(R.Left + 2, y);
    Canvas.LineTo(R.Left + (R.Right - R.Left - 6), y);
    if (i % 2 == 0) Canvas.SetPixel(R.Left, y, Color);
  }
}

void TkxCustomLookAndFeelPainter::PaintIndicator(TkxCanvas& Canvas, const TRect& R, Integer Kind) const {
  TCustomImageList* images = GetIndicatorImages();
  if (Kind < 1 || Kind > 6 || images == nullptr) return;
  Canvas.DrawImageFromList(images, (R.Left + R.Right - images->Width()) / 2,
                           (R.Top + R.Bottom - images->Height()) / 2, Kind - 1, true);
}

void TkxCustomLookAndFeelPainter::PaintIndicatorCell(TkxCanvas& Canvas, const TRect& R, Integer Kind,
                                                     TColor BkColor,
                                                     const TkxDrawBackgroundEvent& OnDrawBackground) const {
  TkxCellText cell;
  cell.TextColor = clNone;
  cell.BkColor = BkColor;
  cell.OnDrawBackground = OnDrawBackground;
  PaintHeader(Canvas, R, R, {}, GetHeaderBorders({bTop, bBottom}), kxbsNormal, cell, false, false);
  PaintIndicator(Canvas, R, Kind);
}

void TkxCustomLookAndFeelPainter::PaintIndicatorCellPlain(TkxCanvas& Canvas, const TRect& R, Integer Kind,
                                                          TColor BkColor,
                                                          const TkxDrawBackgroundEvent& OnDrawBackground) const {
  TkxCellText cell;
  cell.TextColor = clNone;
  cell.BkColor = BkColor;
  cell.OnDrawBackground = OnDrawBackground;
  PaintHeaderPlain(Canvas, R, R, {}, kxBordersAll, kxbsNormal, cell);
  PaintIndicator(Canvas, R, Kind);
}

bool TkxCustomLookAndFeelPainter::IndicatorReservedFlag() const { return true; }

// Scroll bar and size grip.

Integer TkxCustomLookAndFeelPainter::GetMinThumbLength(bool) const { return 8; }
void TkxCustomLookAndFeelPainter::PaintScrollBarElement(TkxCanvas&, bool, const TRect&, TkxScrollBarElement,
                                                        TkxButtonState) const {}
TSize TkxCustomLookAndFeelPainter::GetScrollBarMetrics() const {
  return {GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)};
}
void TkxCustomLookAndFeelPainter::PaintSizeGrip(TkxCanvas& Canvas, const TRect& R, TColor BkColor) const {
  Canvas.FillSolidRect(R, BkColor);
  TRect grip = R;
  DrawFrameControl(Canvas.GetHandle(), &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

// Header markers, frames, caption, tool button, splitter.

void TkxCustomLookAndFeelPainter::PaintReservedC(TkxCanvas&, const TRect&, Integer, Integer) const {}

void TkxCustomLookAndFeelPainter::PaintHeaderWithMarkers(TkxCanvas& Canvas, const TRect& R, TkxBorders Neighbours,
                                                         const TkxCellText& Cell, Integer MarkerPositions,
                                                         Integer MarkerOffset) const {
  TkxCellText centred = Cell;
  centred.HorzAlign = taCenter;
  centred.VertAlign = kxvaCenter;
  centred.MultiLine = false;
  PaintHeader(Canvas, R, R, Neighbours, GetHeaderBorders(Neighbours), kxbsNormal, centred, false, false);
  PaintEdgeMarkers(Canvas, R, clWindowText, MarkerOffset, MarkerPositions);
}

void TkxCustomLookAndFeelPainter::PaintContentFrame(TkxCanvas& Canvas, const TRect& R) const {
  PaintControlBorder(Canvas, R);
}

void TkxCustomLookAndFeelPainter::PaintRotatedCaption(TkxCanvas& Canvas, const TRect& R, const TRect& CaptionR,
                                                      const TRect& TextBounds, const std::string& Text,
                                                      const TkxBackground& Background,
                                                      const TkxBackground& CaptionBackground,
                                                      Integer RotationIndex) const {
  if (IsEmptyRect(TextBounds)) {
    Canvas.FrameAndFill(R, Background, {}, clDefault);
    Canvas.FrameAndFill(CaptionR, CaptionBackground, {}, clDefault);
    return;
  }
  const auto bitmap = TkxCustomBitmap::CreateSize(R.Width(), R.Height());
  TkxCanvas& target = *bitmap->KxCanvas();
  target.GetBrush()->SetStyle(bsSolid);
  target.FrameAndFill({0, 0, R.Width(), R.Height()}, Background, {}, clDefault);
  target.FrameAndFill(OffsetRectBy(CaptionR, -R.Left, -R.Top), CaptionBackground, {}, clDefault);
  const Integer first = RotationIndex == 0 ? 1 : 2, second = RotationIndex == 0 ? 2 : 1;
  bitmap->RotateFlip(first, false);
  target.SetFont(Canvas.GetFont());
  target.GetBrush()->SetStyle(bsClear);
  target.DrawText(Text, {0, 0, bitmap->Width(), bitmap->Height()}, tfAlignHCenter | tfAlignVCenter | tfSingleLine);
  bitmap->RotateFlip(second, false);
  Canvas.Draw(R.Left, R.Top, bitmap.get());
}

void TkxCustomLookAndFeelPainter::PaintToolButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const {
  PaintButton(Canvas, R, "", State, true, clDefault, clDefault, false);
}

void TkxCustomLookAndFeelPainter::PaintSplitter(TkxCanvas&, const TRect&, const TkxBackground&, bool) const {}
Integer TkxCustomLookAndFeelPainter::GetSplitterLineWidth() const { return 1; }

// Clock.

namespace {

struct TClockGeometry {
  double cx, cy, rx, ry;
  TPoint At(double Angle, double Fraction, double Side = 0) const {
    // Side moves at right angles to the hand, in pixels.
    const double x = cx + rx * Fraction * std::cos(Angle) - Side * std::sin(Angle);
    const double y = cy + ry * Fraction * std::sin(Angle) + Side * std::cos(Angle);
    return {Integer(std::lround(x)), Integer(std::lround(y))};
  }
};

void PaintHand(TkxCanvas& Canvas, const TClockGeometry& Clock, double Angle, double Tip, double Tail, double Side) {
  const TPoint points[] = {Clock.At(Angle, Tip), Clock.At(Angle, 0, Side), Clock.At(Angle, -Tail),
                           Clock.At(Angle, 0, -Side)};
  Canvas.GetBrush()->SetStyle(bsSolid);
  Canvas.SetBrushColor(0x808000);
  Canvas.GetPen()->SetColor(0x808000);
  Canvas.Polygon(points);
}

}  // namespace

void TkxCustomLookAndFeelPainter::PaintClockFace(TkxCanvas& Canvas, const TRect& R, TColor BkColor,
                                                 TDateTime Time) const {
  const TClockGeometry clock{double(GetMidpoint(R.Left, R.Right)), double(GetMidpoint(R.Top, R.Bottom)),
                             (R.Right - R.Left) / 2.0 - 2, (R.Bottom - R.Top) / 2.0 - 2};
  constexpr double kTwoPi = 2 * std::numbers::pi;
  for (Integer i = 0; i < 60; i += 5) {
    const TPoint p = clock.At(i * kTwoPi / 60, 1);
    Canvas.SetPixel(p.X, p.Y, 0x808000);
    Canvas.SetPixel(p.X - 1, p.Y, 0xFFFF00);
    Canvas.SetPixel(p.X, p.Y - 1, 0xFFFF00);
    Canvas.SetPixel(p.X + 1, p.Y, clBtnText);
    Canvas.SetPixel(p.X, p.Y + 1, clBtnText);
    Canvas.ExcludeClipRect({p.X - 1, p.Y - 1, p.X + 2, p.Y + 2});
  }
  Canvas.FillSolidRect(R, BkColor);
  Word hour, minute, second, msec;
  DecodeTime(Time, hour, minute, second, msec);
  PaintHand(Canvas, clock, ((hour % 12) * 3600 + minute * 60 + second - 10800) * kTwoPi / 43200, 0.75, 0.15, 4.5);
  PaintHand(Canvas, clock, (minute * 60 + second - 900) * kTwoPi / 3600, 0.85, 0.2, 3.5);
  Canvas.GetPen()->SetColor(0x0000FF);
  Canvas.MoveTo(Integer(std::lround(clock.cx)), Integer(std::lround(clock.cy)));
  const TPoint tip = clock.At((second - 15) * kTwoPi / 60, 0.9);
  Canvas.LineTo(tip.X, tip.Y);
}

// Skin operations.

void TkxCustomLookAndFeelPainter::PaintSkinEditButton(TkxCanvas&, const TRect&, TkxButtonState) const {}
Integer TkxCustomLookAndFeelPainter::GetSkinEditButtonTextInset() const { return 0; }
TSize TkxCustomLookAndFeelPainter::GetSkinEditButtonSize() const { return {0, 0}; }
TColor TkxCustomLookAndFeelPainter::GetSkinEditButtonTextColor(TkxButtonState) const { return clDefault; }
TColor TkxCustomLookAndFeelPainter::GetSkinContainerBorderColor() const { return clDefault; }
void TkxCustomLookAndFeelPainter::PaintSkinImage(TkxCanvas& Canvas, TCustomImageList* Images, Integer Index,
                                                 TPoint Position) const {
  if (Images != nullptr) Canvas.DrawImageFromList(Images, Position.X, Position.Y, Index, true);
}
TSize TkxCustomLookAndFeelPainter::GetSkinImageSize() const { return {0, 0}; }
void TkxCustomLookAndFeelPainter::PaintSkinReservedA(TkxCanvas&, const TRect&) const {}
void TkxCustomLookAndFeelPainter::PaintSkinReservedB(TkxCanvas&, const TRect&) const {}
TRect TkxCustomLookAndFeelPainter::GetSkinContentMargins() const { return {}; }
TColor TkxCustomLookAndFeelPainter::GetSkinTextColor() const { return clDefault; }
void TkxCustomLookAndFeelPainter::PaintSkinReservedC(TkxCanvas&, const TRect&) const {}
void TkxCustomLookAndFeelPainter::PaintSkinGroupBoxCaption(TkxCanvas&, const TRect&) const {}
void TkxCustomLookAndFeelPainter::PaintSkinGroupBoxFrame(TkxCanvas&, const TRect&) const {}
TRect TkxCustomLookAndFeelPainter::GetSkinGroupBoxBorders() const { return {}; }
TColor TkxCustomLookAndFeelPainter::GetSkinGroupBoxTextColor() const { return clDefault; }
bool TkxCustomLookAndFeelPainter::IsSkinGroupBoxTransparent() const { return false; }
void TkxCustomLookAndFeelPainter::PaintSkinReservedD(TkxCanvas&, const TRect&) const {}
void TkxCustomLookAndFeelPainter::PaintSkinReservedE(TkxCanvas&, const TRect&) const {}
TSize TkxCustomLookAndFeelPainter::GetSkinReservedSizeA() const { return {0, 0}; }
TColor TkxCustomLookAndFeelPainter::GetSkinReservedColor() const { return clDefault; }
Integer TkxCustomLookAndFeelPainter::GetSkinReservedValue() const { return 0; }
void TkxCustomLookAndFeelPainter::PaintSkinReservedF(TkxCanvas&, const TRect&) const {}
TSize TkxCustomLookAndFeelPainter::GetSkinReservedSizeB() const { return {0, 0}; }

// Shared drawing routines.

void TkxCustomLookAndFeelPainter::PaintPlusMinusSign(TkxCanvas& Canvas, const TRect& R, bool Expanded,
                                                     TColor Color) {
  const Integer cx = GetMidpoint(R.Left, R.Right), cy = GetMidpoint(R.Top, R.Bottom);
  const Integer a = (R.Right - R.Left - 4) / 2;
  Canvas.SetBrushColor(Color);
  Canvas.FillRect({cx - a, cy, cx + a + 1, cy + 1});
  if (!Expanded) Canvas.FillRect({cx, cy - a, cx + 1, cy + a + 1});
}

void TkxCustomLookAndFeelPainter::PaintCrossGlyph(TkxCanvas& Canvas, const TRect& R, TkxButtonState GlyphState,
                                                  TColor Color) const {
  Integer s = GetSmallCloseButtonSize().X / 2;
  if (s % 2 == 0) --s;
  const Integer shift = GlyphState == kxbsPressed ? 1 : 0;
  Canvas.GetPen()->SetColor(Color);
  for (Integer k = 0; k < 2; ++k) {
    const Integer x = (R.Left + R.Right - s) / 2 + k + shift, y = (R.Top + R.Bottom - s) / 2 + shift;
    Canvas.MoveTo(x, y);
    Canvas.LineTo(x + s, y + s);
    Canvas.MoveTo(x, y + s - 1);
    Canvas.LineTo(x + s, y - 1);
  }
}

void TkxCustomLookAndFeelPainter::PaintSortTriangle(TkxCanvas& Canvas, const TRect& R, bool Up, TColor LightColor,
                                                    TColor DarkColor) const {
  const TPoint size = GetSortMarkSize();
  const Integer w = size.X, h = size.Y, d = Up ? 1 : -1;
  const Integer cx = (R.Left + R.Right) / 2 - (w % 2 == 0 ? 1 : 0);
  const Integer y = Up ? (R.Top + R.Bottom - h) / 2 : (R.Top + R.Bottom + h) / 2 - 1;
  const Integer a = w / 2, b = w % 2 == 0 ? a - 1 : a;
  TPen* pen = Canvas.GetPen();
  pen->SetColor(LightColor);
  Canvas.MoveTo(cx + a, y + (h - 2) * d);
  Canvas.LineTo(cx + a - b, y);
  Canvas.LineTo(cx + a, y + (h - 1) * d);
  if (!Up) pen->SetColor(DarkColor);
  Canvas.LineTo(cx - b, y + (h - 1) * d);
  if (Up) pen->SetColor(DarkColor);
  Canvas.LineTo(cx, y);
  Canvas.LineTo(cx - b, y + (h - (w & 1)) * d);
}

void TkxCustomLookAndFeelPainter::PaintDoubleChevron(TkxCanvas& Canvas, const TRect& R, bool Expanded,
                                                     TkxButtonState State) const {
  Canvas.GetPen()->SetColor(GetButtonGlyphColor(State, clDefault));
  const Integer x0 = (R.Left + R.Right - 7) / 2, y0 = (R.Top + R.Bottom - 8) / 2, d = Expanded ? 1 : -1;
  for (const Integer row : {0, 1, 4, 5}) {
    const Integer y = y0 + row + (Expanded ? 3 : 0);
    Integer p = row & 1;
    if (!Expanded) p = 1 - p;
    const TPoint points[] = {{x0 + p, y - d * p}, {x0 + 3, y - 3 * d}, {x0 + 6 + (1 - p), y + d * (1 - p)}};
    Canvas.Polyline(points);
  }
}

void TkxCustomLookAndFeelPainter::PaintEdgeMarkers(TkxCanvas& Canvas, TRect R, TColor Color, Integer Offset,
                                                   Integer Positions) const {
  R.Top += GetControlBorderWidth();
  R.Top += 1;
  R.Bottom -= 1;
  Integer m = (R.Bottom - R.Top) / 2;
  if (m % 2 == 0) ++m;
  const Integer top = R.Top + (R.Bottom - R.Top - m) / 2, half = m / 2;
  Canvas.GetBrush()->SetStyle(bsSolid);
  Canvas.SetBrushColor(Color);
  Canvas.GetPen()->SetColor(Color);
  if (Positions & 1) {
    const Integer base = R.Left + Offset - 1;
    const TPoint points[] = {{base, top}, {base, top + m - 1}, {base - half - 1, top + half}};
    Canvas.Polygon(points);
  }
  if (Positions & 2) {
    const Integer base = R.Right - Offset;
    const TPoint points[] = {{base, top}, {base, top + m - 1}, {base + half + 1, top + half}};
    Canvas.Polygon(points);
  }
}
