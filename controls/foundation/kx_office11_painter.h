// TkxOffice11LookAndFeelPainter: the lfOffice11 look: the ultra-flat painter's one-pixel frames in
// the Office 2003 colour scheme's colours (kd_office11.h), gradients on header cells and the
// bitmap expand boxes.
#pragma once

#include "controls/foundation/kx_classic_painters.h"

class TkxOffice11LookAndFeelPainter : public TkxUltraFlatLookAndFeelPainter {
 public:
  static const TkxOffice11LookAndFeelPainter* Class();

  TkxPainterStyle GetStyleCode() const override;
  void PaintCellContent(TkxCanvas& Canvas, const TRect& Bounds, const TRect& TextBounds, TkxButtonState State,
                        const TkxCellText& Cell, bool Plain) const override;
  TColor PaletteShadowA() const override;
  TColor PaletteLightA() const override;
  TColor PaletteFaceA() const override;
  TColor PaletteTextB(Integer A, Integer B) const override;
  TColor PaletteShadowC() const override;
  TColor PaletteFaceB() const override;
  TColor PaletteFaceC() const override;
  TColor PaletteShadowD(Integer A, Integer B) const override;
  TColor PaletteFaceE(Integer A, Integer B) const override;
  TColor GetFaceColor() const override;
  TColor GetSelectionColor() const override;
  TColor GetSelectionTextColor() const override;
  TColor GetSplitterBorderColor() const override;
  TColor PaletteFaceG() const override;
  TColor PaletteFaceJ() const override;
  TColor PaletteFaceK(Integer A, Integer B) const override;
  TColor PaletteFaceL() const override;
  TColor PaletteWhiteB(Integer A, Integer B) const override;
  void PaintControlBorder(TkxCanvas& Canvas, const TRect& R) const override;
  TColor GetButtonFaceColor(TkxButtonState State) const override;
  TColor GetButtonGlyphColor(TkxButtonState State, TColor DefaultColor) const override;
  void PaintButtonFrame(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const override;
  void PaintExpandBox(TkxCanvas& Canvas, const TRect& R, bool Expanded, TColor Color) const override;
  bool IsExpandBoxPaintedFirst() const override;
  void PaintSmallExpandBox(TkxCanvas& Canvas, const TRect& R, bool Expanded, TColor FrameColor,
                           TColor BkColor) const override;
  Integer GetExpandBoxSize() const override;
  Integer GetSmallExpandBoxSize() const override;
  TColor GetCheckBoxFaceColor(TkxButtonState State) const override;
  void PaintHeader(TkxCanvas& Canvas, const TRect& Bounds, const TRect& TextBounds, TkxBorders Neighbours,
                   TkxBorders Borders, TkxButtonState State, const TkxCellText& Cell, bool LastItem,
                   bool SecondFlag) const override;
  void PaintHeaderBorder(TkxCanvas& Canvas, const TRect& R, TkxBorders Neighbours,
                         TkxBorders Borders) const override;
  void PaintHeaderSection(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders, TkxButtonState State,
                          const TkxCellText& Cell) const override;
  void PaintSortMark(TkxCanvas& Canvas, const TRect& R, bool Ascending) const override;
  TkxBorders GetHeaderBorders(TkxBorders Neighbours) const override;
  Integer GetHeaderBorderWidth() const override;
  bool HeaderShowsHotState() const override;
  TColor GetBandLineColor() const override;
  void PaintScrollBarElement(TkxCanvas& Canvas, bool Horizontal, const TRect& R, TkxScrollBarElement Element,
                             TkxButtonState State) const override;
  void PaintSizeGrip(TkxCanvas& Canvas, const TRect& R, TColor BkColor) const override;
  void PaintHeaderWithMarkers(TkxCanvas& Canvas, const TRect& R, TkxBorders Neighbours, const TkxCellText& Cell,
                              Integer MarkerPositions, Integer MarkerOffset) const override;
  void PaintContentFrame(TkxCanvas& Canvas, const TRect& R) const override;
  void PaintToolButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const override;

  TColor GetFrameColorForState(TkxButtonState State) const override;
  TColor GetTabEdgeColor() const override;
  TColor GetHighlightFrameColor() const override;

  // Appended operations.
  virtual TColor GetHeaderShadeColor() const;
  virtual TColor GetHeaderDarkColor() const;
  virtual TColor GetHeaderLightColor() const;
  virtual TColor GetHeaderTopColor() const;

 protected:
  TkxOffice11LookAndFeelPainter() = default;
};
