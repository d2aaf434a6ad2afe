#include "controls/foundation/kx_classic_painters.h"

#include "controls/foundation/kx_graphics_routines.h"
#include "controls/foundation/kx_painter_resources.h"
#include "platform/gdi/frame_control.h"

namespace {

constexpr TColor kBlack = 0;

TRect Shrunk(const TRect& R, TkxBorders Sides, Integer N = 1) {
  TRect r = R;
  if (Sides.Contains(bLeft)) r.Left += N;
  if (Sides.Contains(bTop)) r.Top += N;
  if (Sides.Contains(bRight)) r.Right -= N;
  if (Sides.Contains(bBottom)) r.Bottom -= N;
  return r;
}

// The shared start of the classic scroll-bar elements: true when the element is done (an empty
// rectangle, a disabled thumb, or a page area filled with its track pattern).
bool PaintClassicScrollBarBasics(TkxCanvas& Canvas, const TRect& R, TkxScrollBarElement Element,
                                 TkxButtonState State) {
  if (IsEmptyRect(R) || (Element == sbeThumb && State == kxbsDisabled)) return true;
  if (Element != sbePageBefore && Element != sbePageAfter) return false;
  TBrush* brush = Canvas.GetBrush();
  brush->SetBitmap(GetScrollBarTrackPattern(State == kxbsPressed));
  Canvas.FillRect(R);
  brush->SetBitmap(nullptr);
  brush->SetStyle(bsSolid);
  return true;
}

// The flat and ultra-flat scroll-bar elements: a plain button, then the arrow in ArrowRect's box.
void PaintButtonScrollBarElement(const TkxCustomLookAndFeelPainter& Painter, TkxCanvas& Canvas, bool Horizontal,
                                 const TRect& R, TkxScrollBarElement Element, TkxButtonState State,
                                 bool ArrowInsideBorder) {
  Painter.PaintButton(Canvas, R, "", State, true, clDefault, clDefault, false);
  if (Element != sbeStartArrow && Element != sbeEndArrow) return;
  const TRect box = ArrowInsideBorder ? ShrinkRect(R, Painter.GetButtonBorderWidth(kxbsNormal)) : R;
  Painter.PaintScrollArrow(Canvas, box, State, ScrollArrowDirection(Horizontal, Element));
}

}  // namespace

void PaintSplitterLines(TkxCanvas& Canvas, TRect& R, bool Horizontal, TColor First, TColor Second) {
  if (Horizontal) {
    Canvas.FillSolidRect({R.Left, R.Top, R.Right, R.Top + 1}, First);
    Canvas.FillSolidRect({R.Left, R.Bottom - 1, R.Right, R.Bottom}, Second);
    R = {R.Left - 1, R.Top + 1, R.Right + 1, R.Bottom - 1};
  } else {
    Canvas.FillSolidRect({R.Left, R.Top, R.Left + 1, R.Bottom}, First);
    Canvas.FillSolidRect({R.Right - 1, R.Top, R.Right, R.Bottom}, Second);
    R = {R.Left + 1, R.Top - 1, R.Right - 1, R.Bottom + 1};
  }
}

namespace {

void FillSplitterBackground(TkxCanvas& Canvas, const TRect& R, const TkxBackground& Background) {
  Canvas.FrameAndFill(R, Background, {}, clDefault);
}

// The standard and flat tab edges.
void PaintClassicTabEdge(TkxCanvas& Canvas, const TRect& Rect, TkxBorder Edge, TkxBorders Borders, bool Vertical) {
  TRect R = Rect;
  TColor color = clBtnHighlight;
  if (!Vertical) {
    if (Edge == bLeft || Edge == bRight) {
      if (Borders.Contains(bTop)) R.Top += 2;
      if (Borders.Contains(bBottom)) R.Bottom -= 1;
    } else if (Edge == bTop) {
      R.Left += 1;
      R.Right -= 1;
      Canvas.SetPixel(R.Left - 1, R.Top + 1, clBtnHighlight);
      Canvas.SetPixel(R.Right, R.Top + 1, clBtnHighlight);
    }
    if (Edge == bRight) color = clBtnShadow;
  } else {
    if (Edge == bLeft) {
      R.Top += Borders.Contains(bTop) ? 2 : 1;
      R.Bottom -= Borders.Contains(bBottom) ? 2 : 1;
      Canvas.SetPixel(R.Left + 1, R.Top - 1, clBtnHighlight);
      Canvas.SetPixel(R.Left + 1, R.Bottom, clBtnHighlight);
    } else if ((Edge == bTop || Edge == bBottom) && Borders.Contains(bLeft)) {
      R.Left += 1;
    }
    if (Edge == bBottom) color = clBtnShadow;
  }
  Canvas.FillSolidRect(R, color);
}

void PaintClassicHeaderBorder(TkxCanvas& Canvas, const TRect& R, TkxBorders Neighbours) {
  Canvas.Draw3DEdge(R, false, false);
  if (Neighbours.Contains(bLeft)) {
    Canvas.SetPixel(R.Left, R.Top + 1, clBtnFace);
    Canvas.SetPixel(R.Left, R.Bottom - 2, clBtnFace);
  }
  if (Neighbours.Contains(bRight)) {
    Canvas.SetPixel(R.Right - 1, R.Top, clBtnHighlight);
    Canvas.SetPixel(R.Right - 1, R.Top + 1, clBtnFace);
    Canvas.SetPixel(R.Right - 1, R.Bottom - 2, clBtnFace);
  }
}

void PaintClassicDropDownButton(const TkxCustomLookAndFeelPainter& Painter, TkxCanvas& Canvas, const TRect& R,
                                TkxButtonState State, bool Active) {
  Canvas.Draw3DEdge(R, State == kxbsPressed, State == kxbsPressed);
  const TRect inner = ShrinkRect(R, 1);
  Canvas.FillSolidRect(inner, clBtnFace);
  Painter.PaintDropDownGlyph(Canvas, inner, Active ? TColor(0xFF0000) : clBtnText);
}

TkxButtonState HotAsNormal(TkxButtonState State) { return State == kxbsHot ? kxbsNormal : State; }

}  // namespace

TkxGlyphDirection ScrollArrowDirection(bool Horizontal, TkxScrollBarElement Element) {
  if (Element == sbeStartArrow) return Horizontal ? gdLeft : gdUp;
  return Horizontal ? gdRight : gdDown;
}

// Standard.

const TkxStandardLookAndFeelPainter* TkxStandardLookAndFeelPainter::Class() {
  static const TkxStandardLookAndFeelPainter painter;
  return &painter;
}

TkxPainterStyle TkxStandardLookAndFeelPainter::GetStyleCode() const { return pstStandard; }
TColor TkxStandardLookAndFeelPainter::PalettePaleYellowA() const { return clWindow; }
Integer TkxStandardLookAndFeelPainter::GetControlBorderWidth() const { return 2; }

void TkxStandardLookAndFeelPainter::PaintControlBorder(TkxCanvas& Canvas, const TRect& R) const {
  Canvas.DrawTwoColorFrame(R, clBtnShadow, clBtnHighlight);
  Canvas.DrawTwoColorFrame(ShrinkRect(R, 1), cl3DDkShadow, cl3DLight);
}

Integer TkxStandardLookAndFeelPainter::GetButtonBorderWidth(TkxButtonState State) const {
  return State == kxbsDefault ? 3 : 2;
}
Integer TkxStandardLookAndFeelPainter::GetButtonTextInset() const { return 1; }
Integer TkxStandardLookAndFeelPainter::GetPressedTextShift() const { return 1; }

void TkxStandardLookAndFeelPainter::PaintButtonFrame(TkxCanvas& Canvas, const TRect& Rect,
                                                     TkxButtonState State) const {
  TRect R = Rect;
  if (State == kxbsPressed) {
    Canvas.FrameRect(R, kBlack);
    Canvas.DrawTwoColorFrame(ShrinkRect(R, 1), clBtnShadow, clBtnShadow);
    return;
  }
  if (State == kxbsDefault) {
    Canvas.FrameRect(R, kBlack);
    R = ShrinkRect(R, 1);
  }
  Canvas.DrawTwoColorFrame(R, clBtnHighlight, cl3DDkShadow);
  Canvas.DrawTwoColorFrame(ShrinkRect(R, 1), cl3DLight, clBtnShadow);
}

void TkxStandardLookAndFeelPainter::PaintExpandBox(TkxCanvas& Canvas, const TRect& Rect, bool Expanded,
                                                   TColor Color) const {
  TRect R = Rect;
  Canvas.Draw3DEdge(R, false, false, {bLeft, bTop});
  Canvas.Draw3DEdge(R, false, true, {bRight, bBottom});
  R = ShrinkRect(R, 1);
  Canvas.Draw3DEdge(R, false, false, {bRight, bBottom});
  --R.Right;
  --R.Bottom;
  Canvas.FillSolidRect(R, Color == clDefault ? clBtnFace : Color);
  PaintPlusMinusSign(Canvas, R, Expanded, clBtnText);
  Canvas.ExcludeClipRect(Rect);
}

void TkxStandardLookAndFeelPainter::PaintGroupExpander(TkxCanvas& Canvas, const TRect& R, bool Expanded,
                                                       TkxButtonState State) const {
  TkxFlatLookAndFeelPainter::Class()->TkxCustomLookAndFeelPainter::PaintGroupExpander(Canvas, R, Expanded, State);
}

Integer TkxStandardLookAndFeelPainter::GetExpandBoxSize() const { return 12; }
bool TkxStandardLookAndFeelPainter::HotTracksButtons() const { return false; }

void TkxStandardLookAndFeelPainter::PaintCheckBoxFrame(TkxCanvas& Canvas, const TRect& R, TkxButtonState) const {
  Canvas.Draw3DEdge(R, true, false);
  Canvas.Draw3DEdge(ShrinkRect(R, 1), true, true);
}

void TkxStandardLookAndFeelPainter::PaintHeaderBorder(TkxCanvas& Canvas, const TRect& R, TkxBorders Neighbours,
                                                      TkxBorders) const {
  PaintClassicHeaderBorder(Canvas, R, Neighbours);
}

void TkxStandardLookAndFeelPainter::PaintHeaderSectionFrame(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders,
                                                            TkxButtonState State) const {
  if (State == kxbsPressed) {
    Canvas.DrawTwoColorFrame(R, clBtnShadow, clBtnShadow, Borders);
    return;
  }
  Canvas.DrawTwoColorFrame(R, clBtnHighlight, cl3DDkShadow, Borders);
  Canvas.DrawTwoColorFrame(Shrunk(R, Borders), cl3DLight, clBtnShadow, Borders);
}

void TkxStandardLookAndFeelPainter::PaintSortMark(TkxCanvas& Canvas, const TRect& R, bool Ascending) const {
  PaintSortTriangle(Canvas, R, Ascending, clBtnHighlight, clBtnShadow);
}

Integer TkxStandardLookAndFeelPainter::GetHeaderBorderWidth() const { return 1; }
Integer TkxStandardLookAndFeelPainter::GetHeaderSectionBorderWidth(TkxButtonState State) const {
  return State == kxbsPressed ? 1 : 2;
}
TPoint TkxStandardLookAndFeelPainter::GetSortMarkSize() const { return {8, 7}; }
Integer TkxStandardLookAndFeelPainter::GetBandBorderWidth() const { return 1; }
Integer TkxStandardLookAndFeelPainter::GetBandCellBorderWidth() const { return 1; }
Integer TkxStandardLookAndFeelPainter::GetBandCellSpacing() const { return 1; }
void TkxStandardLookAndFeelPainter::PaintBandCellEdge(TkxCanvas& Canvas, const TRect& R) const {
  Canvas.Draw3DEdge(R, false, false);
}
void TkxStandardLookAndFeelPainter::PaintBandCellFrame(TkxCanvas& Canvas, const TRect& R) const {
  Canvas.Draw3DEdge(R, true, true);
}

void TkxStandardLookAndFeelPainter::PaintDropDownButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State,
                                                        bool Active) const {
  PaintClassicDropDownButton(*this, Canvas, R, State, Active);
}

void TkxStandardLookAndFeelPainter::PaintTabEdge(TkxCanvas& Canvas, const TRect& R, TkxBorder Edge,
                                                 TkxBorders Borders, bool Vertical) const {
  PaintClassicTabEdge(Canvas, R, Edge, Borders, Vertical);
}
void TkxStandardLookAndFeelPainter::PaintTabArea(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders,
                                                 bool) const {
  Canvas.Draw3DEdge(R, false, false, Borders);
}
Integer TkxStandardLookAndFeelPainter::GetTabBorderWidth(bool) const { return 1; }

void TkxStandardLookAndFeelPainter::PaintScrollBarElement(TkxCanvas& Canvas, bool Horizontal, const TRect& R,
                                                          TkxScrollBarElement Element,
                                                          TkxButtonState State) const {
  if (PaintClassicScrollBarBasics(Canvas, R, Element, State)) return;
  State = HotAsNormal(State);
  const bool pressedArrow = Element != sbeThumb && State == kxbsPressed;
  if (Element == sbeStartArrow || Element == sbeEndArrow) {
    TRect arrow = R;
    if (pressedArrow) arrow = {R.Left + 1, R.Top + 1, R.Right + 1, R.Bottom + 1};
    UINT code = ScrollArrowDirection(Horizontal, Element);   // DFCS_SCROLLUP .. DFCS_SCROLLRIGHT
    if (State == kxbsDisabled) code |= DFCS_INACTIVE;
    if (pressedArrow) code |= DFCS_FLAT;
    DrawFrameControl(Canvas.GetHandle(), &arrow, DFC_SCROLL, code);
  }
  Canvas.DrawTwoColorFrame(R, pressedArrow ? clBtnShadow : clBtnFace, pressedArrow ? clBtnShadow : cl3DDkShadow);
  Canvas.DrawTwoColorFrame(ShrinkRect(R, 1), pressedArrow ? clBtnFace : clBtnHighlight,
                           pressedArrow ? clBtnFace : clBtnShadow);
  if (Element == sbeThumb) Canvas.FillSolidRect(ShrinkRect(R, GetButtonBorderWidth(kxbsNormal)), clBtnFace);
}

void TkxStandardLookAndFeelPainter::PaintHeaderWithMarkers(TkxCanvas& Canvas, const TRect& R,
                                                           TkxBorders Neighbours, const TkxCellText& Cell,
                                                           Integer MarkerPositions, Integer MarkerOffset) const {
  TkxBorders framed = kxBordersAll;
  if (Neighbours.Contains(bRight)) framed.Exclude(bRight);
  if (Neighbours.Contains(bLeft)) framed.Exclude(bLeft);
  Canvas.FrameRect(R, kBlack, 1, framed);
  TkxCellText centred = Cell;
  centred.HorzAlign = taCenter;
  centred.VertAlign = kxvaCenter;
  centred.MultiLine = false;
  const TRect inner = Shrunk(R, framed);
  PaintHeader(Canvas, inner, inner, Neighbours, kxBordersAll, kxbsNormal, centred, false, false);
  PaintEdgeMarkers(Canvas, R, clWindowText, MarkerOffset, MarkerPositions);
}

void TkxStandardLookAndFeelPainter::PaintSplitter(TkxCanvas& Canvas, const TRect& Rect,
                                                  const TkxBackground& Background, bool Horizontal) const {
  TRect R = Rect;
  PaintSplitterLines(Canvas, R, Horizontal, clBtnFace, cl3DDkShadow);
  PaintSplitterLines(Canvas, R, Horizontal, clBtnHighlight, clBtnShadow);
  FillSplitterBackground(Canvas, R, Background);
}

// Flat.

const TkxFlatLookAndFeelPainter* TkxFlatLookAndFeelPainter::Class() {
  static const TkxFlatLookAndFeelPainter painter;
  return &painter;
}

TkxPainterStyle TkxFlatLookAndFeelPainter::GetStyleCode() const { return pstFlat; }
Integer TkxFlatLookAndFeelPainter::GetControlBorderWidth() const { return 1; }
void TkxFlatLookAndFeelPainter::PaintControlBorder(TkxCanvas& Canvas, const TRect& R) const {
  Canvas.Draw3DEdge(R, true, true);
}
Integer TkxFlatLookAndFeelPainter::GetButtonBorderWidth(TkxButtonState State) const {
  return State == kxbsDefault ? 2 : 1;
}
Integer TkxFlatLookAndFeelPainter::GetButtonTextInset() const { return 1; }
Integer TkxFlatLookAndFeelPainter::GetPressedTextShift() const { return 1; }

void TkxFlatLookAndFeelPainter::PaintButtonFrame(TkxCanvas& Canvas, const TRect& Rect, TkxButtonState State) const {
  if (State == kxbsPressed) {
    Canvas.DrawTwoColorFrame(Rect, clBtnShadow, clBtnHighlight);
    return;
  }
  TRect R = Rect;
  if (State == kxbsDefault) {
    Canvas.FrameRect(R, kBlack);
    R = ShrinkRect(R, 1);
  }
  Canvas.DrawTwoColorFrame(R, clBtnHighlight, clBtnShadow);
}

void TkxFlatLookAndFeelPainter::PaintExpandBox(TkxCanvas& Canvas, const TRect& R, bool Expanded,
                                               TColor Color) const {
  PaintButton(Canvas, R, "", kxbsNormal, true, Color, clDefault, false);
  PaintPlusMinusSign(Canvas, ShrinkRect(R, 1), Expanded, clBtnText);
  Canvas.ExcludeClipRect(R);
}

Integer TkxFlatLookAndFeelPainter::GetExpandBoxSize() const { return 11; }
bool TkxFlatLookAndFeelPainter::HotTracksButtons() const { return false; }

void TkxFlatLookAndFeelPainter::PaintCheckBoxFrame(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const {
  Canvas.Draw3DEdge(R, true, true);
  Canvas.FrameRect(ShrinkRect(R, 1), GetCheckBoxFaceColor(State));
}

void TkxFlatLookAndFeelPainter::PaintHeaderBorder(TkxCanvas& Canvas, const TRect& R, TkxBorders Neighbours,
                                                  TkxBorders) const {
  PaintClassicHeaderBorder(Canvas, R, Neighbours);
}

void TkxFlatLookAndFeelPainter::PaintHeaderSectionFrame(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders,
                                                        TkxButtonState State) const {
  if (State == kxbsPressed)
    Canvas.DrawTwoColorFrame(R, clBtnShadow, clBtnHighlight, Borders);
  else
    Canvas.DrawTwoColorFrame(R, clBtnHighlight, clBtnShadow, Borders);
}

void TkxFlatLookAndFeelPainter::PaintSortMark(TkxCanvas& Canvas, const TRect& R, bool Ascending) const {
  PaintSortTriangle(Canvas, R, Ascending, clBtnHighlight, clBtnShadow);
}

Integer TkxFlatLookAndFeelPainter::GetHeaderBorderWidth() const { return 1; }
TPoint TkxFlatLookAndFeelPainter::GetSortMarkSize() const { return {8, 7}; }
Integer TkxFlatLookAndFeelPainter::GetBandBorderWidth() const { return 1; }
Integer TkxFlatLookAndFeelPainter::GetBandCellBorderWidth() const { return 1; }
Integer TkxFlatLookAndFeelPainter::GetBandCellSpacing() const { return 1; }
void TkxFlatLookAndFeelPainter::PaintBandCellEdge(TkxCanvas& Canvas, const TRect& R) const {
  Canvas.Draw3DEdge(R, false, false);
}
void TkxFlatLookAndFeelPainter::PaintBandCellFrame(TkxCanvas& Canvas, const TRect& R) const {
  Canvas.Draw3DEdge(R, true, true);
}

void TkxFlatLookAndFeelPainter::PaintDropDownButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State,
                                                    bool Active) const {
  PaintClassicDropDownButton(*this, Canvas, R, State, Active);
}

void TkxFlatLookAndFeelPainter::PaintTabEdge(TkxCanvas& Canvas, const TRect& R, TkxBorder Edge, TkxBorders Borders,
                                             bool Vertical) const {
  PaintClassicTabEdge(Canvas, R, Edge, Borders, Vertical);
}
void TkxFlatLookAndFeelPainter::PaintTabArea(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders, bool) const {
  Canvas.Draw3DEdge(R, false, false, Borders);
}
Integer TkxFlatLookAndFeelPainter::GetTabBorderWidth(bool) const { return 1; }

void TkxFlatLookAndFeelPainter::PaintScrollBarElement(TkxCanvas& Canvas, bool Horizontal, const TRect& R,
                                                      TkxScrollBarElement Element, TkxButtonState State) const {
  if (PaintClassicScrollBarBasics(Canvas, R, Element, State)) return;
  PaintButtonScrollBarElement(*this, Canvas, Horizontal, R, Element, HotAsNormal(State), true);
}

void TkxFlatLookAndFeelPainter::PaintSplitter(TkxCanvas& Canvas, const TRect& Rect, const TkxBackground& Background,
                                              bool Horizontal) const {
  TRect R = Rect;
  PaintSplitterLines(Canvas, R, Horizontal, clBtnHighlight, clBtnShadow);
  FillSplitterBackground(Canvas, R, Background);
}

// Ultra-flat.

const TkxUltraFlatLookAndFeelPainter* TkxUltraFlatLookAndFeelPainter::Class() {
  static const TkxUltraFlatLookAndFeelPainter painter;
  return &painter;
}

TkxPainterStyle TkxUltraFlatLookAndFeelPainter::GetStyleCode() const { return pstUltraFlat; }
TColor TkxUltraFlatLookAndFeelPainter::GetSplitterBorderColor() const { return clBtnShadow; }
Integer TkxUltraFlatLookAndFeelPainter::GetControlBorderWidth() const { return 1; }
void TkxUltraFlatLookAndFeelPainter::PaintControlBorder(TkxCanvas& Canvas, const TRect& R) const {
  Canvas.FrameRect(R, clBtnShadow);
}
Integer TkxUltraFlatLookAndFeelPainter::GetButtonBorderWidth(TkxButtonState State) const {
  return State == kxbsDefault ? 2 : 1;
}

TColor TkxUltraFlatLookAndFeelPainter::GetButtonFaceColor(TkxButtonState State) const {
  if (State == kxbsHot) return GetHotHighlightColor();
  if (State == kxbsPressed) return GetPressedHighlightColor();
  return clBtnFace;
}

TRect TkxUltraFlatLookAndFeelPainter::CalcFocusFrameRect(TkxCanvas&, const TRect& R) const {
  const TRect inner = ShrinkRect(R, 3);
  return IsEmptyRect(inner) ? R : inner;
}

TRect TkxUltraFlatLookAndFeelPainter::GetGroupButtonBorders(Integer Count, Integer Index) const {
  TRect borders{1, 2, 1, 2};
  if (Index == 0)
    borders.Left = 2;
  else if (Index == Count - 1)
    borders.Right = 2;
  return borders;
}

Integer TkxUltraFlatLookAndFeelPainter::GetButtonTextInset() const { return 2; }
Integer TkxUltraFlatLookAndFeelPainter::GetPressedTextShift() const { return 0; }

TColor TkxUltraFlatLookAndFeelPainter::GetButtonGlyphColor(TkxButtonState State, TColor DefaultColor) const {
  if (State == kxbsPressed) return clHighlightText;
  return TkxCustomLookAndFeelPainter::GetButtonGlyphColor(State, DefaultColor);
}

TkxButtonState TkxUltraFlatLookAndFeelPainter::GetButtonGlyphState(TkxButtonState) const { return kxbsNormal; }

void TkxUltraFlatLookAndFeelPainter::PaintGroupButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State,
                                                      Integer Count, Integer Index, TColor FrameColor) const {
  const bool first = Index == 0, last = Index == Count - 1;
  TRect r{R.Left + (first ? 1 : 0), R.Top + 1, R.Right - (last ? 1 : 0), R.Bottom - 1};
  if (State == kxbsNormal || State == kxbsDisabled) {
    Canvas.FrameRect(r, FrameColor);
    r = ShrinkRect(r, 1);
  } else {
    Canvas.SetBrushColor(GetHighlightFrameColor());
    if (!first) Canvas.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom});
    if (!first) ++r.Left;
    if (!last) Canvas.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom});
    if (!last) --r.Right;
  }
  Canvas.FillSolidRect(r, GetButtonFaceColor(State));
}

void TkxUltraFlatLookAndFeelPainter::PaintButtonFrame(TkxCanvas& Canvas, const TRect& R,
                                                      TkxButtonState State) const {
  switch (State) {
    case kxbsDefault:
      Canvas.FrameRect(R, clWindowFrame);
      Canvas.FrameRect(ShrinkRect(R, 1), clWindowFrame);
      break;
    case kxbsNormal: Canvas.FrameRect(R, clBtnText); break;
    case kxbsDisabled: Canvas.FrameRect(R, clBtnShadow); break;
    default: Canvas.FrameRect(R, clHighlight); break;
  }
}

void TkxUltraFlatLookAndFeelPainter::PaintButtonGroupFrame(TkxCanvas& Canvas, const TRect& R, bool Emphasised,
                                                           bool Highlighted) const {
  Canvas.FrameRect(R, Emphasised ? clBtnText : Highlighted ? GetHighlightFrameColor() : clBtnShadow);
}

void TkxUltraFlatLookAndFeelPainter::PaintExpandBox(TkxCanvas& Canvas, const TRect& R, bool Expanded,
                                                    TColor Color) const {
  Canvas.FrameRect(R, clBtnShadow);
  const TRect inner = ShrinkRect(R, 1);
  Canvas.FillSolidRect(inner, Color == clDefault ? clBtnFace : Color);
  PaintPlusMinusSign(Canvas, inner, Expanded, clBtnText);
  Canvas.ExcludeClipRect(R);
}

Integer TkxUltraFlatLookAndFeelPainter::GetExpandBoxSize() const { return 11; }
bool TkxUltraFlatLookAndFeelPainter::HotTracksButtons() const { return true; }

void TkxUltraFlatLookAndFeelPainter::PaintCheckBoxFrame(TkxCanvas& Canvas, const TRect& R,
                                                        TkxButtonState State) const {
  Canvas.FrameRect(R, clBtnText);
  Canvas.FrameRect(ShrinkRect(R, 1), GetCheckBoxFaceColor(State));
}

void TkxUltraFlatLookAndFeelPainter::PaintHeaderPlain(TkxCanvas& Canvas, const TRect& Bounds,
                                                      const TRect& TextBounds, TkxBorders Neighbours,
                                                      TkxBorders Borders, TkxButtonState State,
                                                      const TkxCellText& Cell) const {
  PaintCellContent(Canvas, Bounds, ShrinkRect(TextBounds, 1), State, Cell, false);
  PaintHeaderBorder(Canvas, ShrinkRect(Bounds, 1), Neighbours, Borders);
}

void TkxUltraFlatLookAndFeelPainter::PaintHeaderBorder(TkxCanvas& Canvas, const TRect& R, TkxBorders,
                                                       TkxBorders Borders) const {
  TkxBorders sides{bRight, bBottom};
  if (Borders.Contains(bLeft)) sides.Include(bLeft);
  if (Borders.Contains(bTop)) sides.Include(bTop);
  Canvas.FrameRect(R, clBtnText, 1, sides);
}

void TkxUltraFlatLookAndFeelPainter::PaintHeaderSectionFrame(TkxCanvas& Canvas, const TRect& R,
                                                             TkxBorders Borders, TkxButtonState State) const {
  const TColor color = State == kxbsDisabled ? clBtnShadow : kBlack;
  Canvas.DrawTwoColorFrame(R, color, color, Borders);
}

void TkxUltraFlatLookAndFeelPainter::PaintHeaderSectionContent(TkxCanvas& Canvas, const TRect& R,
                                                               TkxButtonState State,
                                                               const TkxCellText& Cell) const {
  TkxCellText cell = Cell;
  if (State == kxbsHot || State == kxbsPressed || State == kxbsDisabled) cell.BkColor = GetButtonFaceColor(State);
  TkxCustomLookAndFeelPainter::PaintHeaderSectionContent(Canvas, R, State, cell);
}

void TkxUltraFlatLookAndFeelPainter::PaintSortMark(TkxCanvas& Canvas, const TRect& R, bool Ascending) const {
  PaintSortTriangle(Canvas, R, Ascending, clBtnShadow, clBtnShadow);
}

TkxBorders TkxUltraFlatLookAndFeelPainter::GetHeaderBorders(TkxBorders Neighbours) const {
  TkxBorders borders = kxBordersAll;
  if (Neighbours.Contains(bLeft)) borders.Exclude(bLeft);
  if (Neighbours.Contains(bTop)) borders.Exclude(bTop);
  return borders;
}

Integer TkxUltraFlatLookAndFeelPainter::GetHeaderBorderWidth() const { return 1; }
TPoint TkxUltraFlatLookAndFeelPainter::GetSortMarkSize() const { return {7, 8}; }
Integer TkxUltraFlatLookAndFeelPainter::GetBandExtraSpace() const { return 12; }
Integer TkxUltraFlatLookAndFeelPainter::GetBandBorderWidth() const { return 1; }
Integer TkxUltraFlatLookAndFeelPainter::GetBandCellBorderWidth() const { return 1; }
Integer TkxUltraFlatLookAndFeelPainter::GetBandCellSpacing() const { return 2; }

void TkxUltraFlatLookAndFeelPainter::PaintBandCellEdge(TkxCanvas& Canvas, const TRect& R) const {
  Canvas.FrameRect(R, GetBandLineColor(), 1, {bRight, bBottom});
}
void TkxUltraFlatLookAndFeelPainter::PaintBandCellFrame(TkxCanvas& Canvas, const TRect& R) const {
  Canvas.FrameRect(R, GetBandLineColor());
}

void TkxUltraFlatLookAndFeelPainter::PaintDropDownButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State,
                                                         bool Active) const {
  Canvas.FrameRect(R, GetFrameColorForState(State));
  const TRect inner = ShrinkRect(R, 1);
  Canvas.FillSolidRect(inner, GetButtonFaceColor(State));
  PaintDropDownGlyph(Canvas, inner, Active ? TColor(0xFF0000) : GetButtonGlyphColor(State, clDefault));
}

TPoint TkxUltraFlatLookAndFeelPainter::GetSmallCloseButtonSize() const { return {16, 15}; }

void TkxUltraFlatLookAndFeelPainter::PaintTabEdge(TkxCanvas& Canvas, const TRect& Rect, TkxBorder Edge, TkxBorders,
                                                  bool Vertical) const {
  TRect R = Rect;
  const bool active = Vertical ? Edge == bBottom : Edge == bRight;
  if (active && !Vertical) R.Bottom -= GetTabBorderWidth(Vertical);
  Canvas.FillSolidRect(R, active ? GetActiveTabEdgeColor() : GetTabEdgeColor());
}

void TkxUltraFlatLookAndFeelPainter::PaintTabArea(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders,
                                                  bool Vertical) const {
  Canvas.DrawTwoColorFrame(R, GetTabEdgeColor(), GetTabEdgeColor(), Borders, GetTabBorderWidth(Vertical));
}

Integer TkxUltraFlatLookAndFeelPainter::GetTabBorderWidth(bool) const { return 1; }

void TkxUltraFlatLookAndFeelPainter::PaintScrollBarElement(TkxCanvas& Canvas, bool Horizontal, const TRect& R,
                                                           TkxScrollBarElement Element,
                                                           TkxButtonState State) const {
  if (PaintClassicScrollBarBasics(Canvas, R, Element, State)) return;
  PaintButtonScrollBarElement(*this, Canvas, Horizontal, R, Element, State, false);
}

void TkxUltraFlatLookAndFeelPainter::PaintToolButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const {
  PaintButton(Canvas, R, "", State, State == kxbsHot || State == kxbsPressed, clDefault, clDefault, false);
}

void TkxUltraFlatLookAndFeelPainter::PaintSplitter(TkxCanvas& Canvas, const TRect& Rect,
                                                   const TkxBackground& Background, bool Horizontal) const {
  TRect R = Rect;
  PaintSplitterLines(Canvas, R, Horizontal, GetSplitterBorderColor(), GetSplitterBorderColor());
  FillSplitterBackground(Canvas, R, Background);
}

TColor TkxUltraFlatLookAndFeelPainter::GetFrameColorForState(TkxButtonState State) const {
  return State == kxbsNormal ? clBtnShadow : clHighlight;
}
TColor TkxUltraFlatLookAndFeelPainter::GetTabEdgeColor() const { return clBtnShadow; }
TColor TkxUltraFlatLookAndFeelPainter::GetActiveTabEdgeColor() const { return clBtnText; }
TColor TkxUltraFlatLookAndFeelPainter::GetHighlightFrameColor() const { return clHighlight; }
