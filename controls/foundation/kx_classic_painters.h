// The three classic looks: TkxStandardLookAndFeelPainter (three-dimensional edges in the classic
// system colours), TkxFlatLookAndFeelPainter (one-pixel shaded edges) and
// TkxUltraFlatLookAndFeelPainter (one-pixel plain frames, highlight colours on hover).  Each
// overrides part of the painter interface and keeps the rest.
#pragma once

#include "controls/foundation/kx_painter.h"

class TkxStandardLookAndFeelPainter : public TkxCustomLookAndFeelPainter {
 public:
  static const TkxStandardLookAndFeelPainter* Class();

  TkxPainterStyle GetStyleCode() const override;
  TColor PalettePaleYellowA() const override;
  Integer GetControlBorderWidth() const override;
  void PaintControlBorder(TkxCanvas& Canvas, const TRect& R) const override;
  Integer GetButtonBorderWidth(TkxButtonState State) const override;
  Integer GetButtonTextInset() const override;
  Integer GetPressedTextShift() const override;
  void PaintButtonFrame(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const override;
  void PaintExpandBox(TkxCanvas& Canvas, const TRect& R, bool Expanded, TColor Color) const override;
  void PaintGroupExpander(TkxCanvas& Canvas, const TRect& R, bool Expanded, TkxButtonState State) const override;
  Integer GetExpandBoxSize() const override;
  bool HotTracksButtons() const override;
  void PaintCheckBoxFrame(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const override;
  void PaintHeaderBorder(TkxCanvas& Canvas, const TRect& R, TkxBorders Neighbours,
                         TkxBorders Borders) const override;
  void PaintHeaderSectionFrame(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders,
                               TkxButtonState State) const override;
  void PaintSortMark(TkxCanvas& Canvas, const TRect& R, bool Ascending) const override;
  Integer GetHeaderBorderWidth() const override;
  Integer GetHeaderSectionBorderWidth(TkxButtonState State) const override;
  TPoint GetSortMarkSize() const override;
  Integer GetBandBorderWidth() const override;
  Integer GetBandCellBorderWidth() const override;
  Integer GetBandCellSpacing() const override;
  void PaintBandCellEdge(TkxCanvas& Canvas, const TRect& R) const override;
  void PaintBandCellFrame(TkxCanvas& Canvas, const TRect& R) const override;
  void PaintDropDownButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State, bool Active) const override;
  void PaintTabEdge(TkxCanvas& Canvas, const TRect& R, TkxBorder Edge, TkxBorders Borders,
                    bool Vertical) const override;
  void PaintTabArea(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders, bool Vertical) const override;
  Integer GetTabBorderWidth(bool Vertical) const override;
  void PaintScrollBarElement(TkxCanvas& Canvas, bool Horizontal, const TRect& R, TkxScrollBarElement Element,
                             TkxButtonState State) const override;
  void PaintHeaderWithMarkers(TkxCanvas& Canvas, const TRect& R, TkxBorders Neighbours, const TkxCellText& Cell,
                              Integer MarkerPositions, Integer MarkerOffset) const override;
  void PaintSplitter(TkxCanvas& Canvas, const TRect& R, const TkxBackground& Background,
                     bool Horizontal) const override;

 protected:
  TkxStandardLookAndFeelPainter() = default;
};

class TkxFlatLookAndFeelPainter : public TkxCustomLookAndFeelPainter {
 public:
  static const TkxFlatLookAndFeelPainter* Class();

  TkxPainterStyle GetStyleCode() const override;
  Integer GetControlBorderWidth() const override;
  void PaintControlBorder(TkxCanvas& Canvas, const TRect& R) const override;
  Integer GetButtonBorderWidth(TkxButtonState State) const override;
  Integer GetButtonTextInset() const override;
  Integer GetPressedTextShift() const override;
  void PaintButtonFrame(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const override;
  void PaintExpandBox(TkxCanvas& Canvas, const TRect& R, bool Expanded, TColor Color) const override;
  Integer GetExpandBoxSize() const override;
  bool HotTracksButtons() const override;
  void PaintCheckBoxFrame(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const override;
  void PaintHeaderBorder(TkxCanvas& Canvas, const TRect& R, TkxBorders Neighbours,
                         TkxBorders Borders) const override;
  void PaintHeaderSectionFrame(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders,
                               TkxButtonState State) const override;
  void PaintSortMark(TkxCanvas& Canvas, const TRect& R, bool Ascending) const override;
  Integer GetHeaderBorderWidth() const override;
  TPoint GetSortMarkSize() const override;
  Integer GetBandBorderWidth() const override;
  Integer GetBandCellBorderWidth() const override;
  Integer GetBandCellSpacing() const override;
  void PaintBandCellEdge(TkxCanvas& Canvas, const TRect& R) const override;
  void PaintBandCellFrame(TkxCanvas& Canvas, const TRect& R) const override;
  void PaintDropDownButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State, bool Active) const override;
  void PaintTabEdge(TkxCanvas& Canvas, const TRect& R, TkxBorder Edge, TkxBorders Borders,
                    bool Vertical) const override;
  void PaintTabArea(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders, bool Vertical) const override;
  Integer GetTabBorderWidth(bool Vertical) const override;
  void PaintScrollBarElement(TkxCanvas& Canvas, bool Horizontal, const TRect& R, TkxScrollBarElement Element,
                             TkxButtonState State) const override;
  void PaintSplitter(TkxCanvas& Canvas, const TRect& R, const TkxBackground& Background,
                     bool Horizontal) const override;

 protected:
  TkxFlatLookAndFeelPainter() = default;
};

class TkxUltraFlatLookAndFeelPainter : public TkxCustomLookAndFeelPainter {
 public:
  static const TkxUltraFlatLookAndFeelPainter* Class();

  TkxPainterStyle GetStyleCode() const override;
  TColor GetSplitterBorderColor() const override;
  Integer GetControlBorderWidth() const override;
  void PaintControlBorder(TkxCanvas& Canvas, const TRect& R) const override;
  Integer GetButtonBorderWidth(TkxButtonState State) const override;
  TColor GetButtonFaceColor(TkxButtonState State) const override;
  TRect CalcFocusFrameRect(TkxCanvas& Canvas, const TRect& R) const override;
  TRect GetGroupButtonBorders(Integer Count, Integer Index) const override;
  Integer GetButtonTextInset() const override;
  Integer GetPressedTextShift() const override;
  TColor GetButtonGlyphColor(TkxButtonState State, TColor DefaultColor) const override;
  TkxButtonState GetButtonGlyphState(TkxButtonState State) const override;
  void PaintGroupButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State, Integer Count, Integer Index,
                        TColor FrameColor) const override;
  void PaintButtonFrame(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const override;
  void PaintButtonGroupFrame(TkxCanvas& Canvas, const TRect& R, bool Emphasised, bool Highlighted) const override;
  void PaintExpandBox(TkxCanvas& Canvas, const TRect& R, bool Expanded, TColor Color) const override;
  Integer GetExpandBoxSize() const override;
  bool HotTracksButtons() const override;
  void PaintCheckBoxFrame(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const override;
  void PaintHeaderPlain(TkxCanvas& Canvas, const TRect& Bounds, const TRect& TextBounds, TkxBorders Neighbours,
                        TkxBorders Borders, TkxButtonState State, const TkxCellText& Cell) const override;
  void PaintHeaderBorder(TkxCanvas& Canvas, const TRect& R, TkxBorders Neighbours,
                         TkxBorders Borders) const override;
  void PaintHeaderSectionFrame(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders,
                               TkxButtonState State) const override;
  void PaintHeaderSectionContent(TkxCanvas& Canvas, const TRect& R, TkxButtonState State,
                                 const TkxCellText& Cell) const override;
  void PaintSortMark(TkxCanvas& Canvas, const TRect& R, bool Ascending) const override;
  TkxBorders GetHeaderBorders(TkxBorders Neighbours) const override;
  Integer GetHeaderBorderWidth() const override;
  TPoint GetSortMarkSize() const override;
  Integer GetBandExtraSpace() const override;
  Integer GetBandBorderWidth() const override;
  Integer GetBandCellBorderWidth() const override;
  Integer GetBandCellSpacing() const override;
  void PaintBandCellEdge(TkxCanvas& Canvas, const TRect& R) const override;
  void PaintBandCellFrame(TkxCanvas& Canvas, const TRect& R) const override;
  void PaintDropDownButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State, bool Active) const override;
  TPoint GetSmallCloseButtonSize() const override;
  void PaintTabEdge(TkxCanvas& Canvas, const TRect& R, TkxBorder Edge, TkxBorders Borders,
                    bool Vertical) const override;
  void PaintTabArea(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders, bool Vertical) const override;
  Integer GetTabBorderWidth(bool Vertical) const override;
  void PaintScrollBarElement(TkxCanvas& Canvas, bool Horizontal, const TRect& R, TkxScrollBarElement Element,
                             TkxButtonState State) const override;
  void PaintToolButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const override;
  void PaintSplitter(TkxCanvas& Canvas, const TRect& R, const TkxBackground& Background,
                     bool Horizontal) const override;

  // Appended operations.
  virtual TColor GetFrameColorForState(TkxButtonState State) const;
  virtual TColor GetTabEdgeColor() const;
  virtual TColor GetActiveTabEdgeColor() const;
  virtual TColor GetHighlightFrameColor() const;

 protected:
  TkxUltraFlatLookAndFeelPainter() = default;
};

// One-pixel lines on the long sides of a splitter (top and bottom for a horizontal one, left and
// right for a vertical one), then R grows by 1 along the splitter and shrinks by 1 across it.
void PaintSplitterLines(TkxCanvas& Canvas, TRect& R, bool Horizontal, TColor First, TColor Second);

// The direction of a scroll-bar arrow element.
TkxGlyphDirection ScrollArrowDirection(bool Horizontal, TkxScrollBarElement Element);
