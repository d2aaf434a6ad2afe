// TkxWinXPLookAndFeelPainter: control parts drawn with the platform's visual styles, through the
// theme manager's cached handle per themed class (kd_theme_manager.h).  Every override asks for
// its class's theme first and falls back to the standard (or base) drawing when that theme is not
// open, so the painter also draws when one class is missing.  Part and state numbers are those of
// the visual-style schema ("Button" part 1 the push button, 2 the radio button, 3 the check box).
#pragma once

#include "controls/foundation/kx_classic_painters.h"
#include "platform/shims/theme_types.h"

class TkxWinXPLookAndFeelPainter : public TkxStandardLookAndFeelPainter {
 public:
  static const TkxWinXPLookAndFeelPainter* Class();

  TkxPainterStyle GetStyleCode() const override;
  TColor GetSplitterBorderColor() const override;
  TColor PalettePaleYellowA() const override;
  void PaintArrowButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State, TkxGlyphDirection Direction,
                        bool WithFrame) const override;
  void PaintArrowButtonFrame(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const override;
  Integer GetControlBorderWidth() const override;
  void PaintControlBorder(TkxCanvas& Canvas, const TRect& R) const override;
  TRect GetGroupButtonPaintRect(const TRect& R, Integer Count, Integer Index) const override;
  Integer GetButtonBorderWidth(TkxButtonState State) const override;
  TColor GetButtonFaceColor(TkxButtonState State) const override;
  TRect CalcFocusFrameRect(TkxCanvas& Canvas, const TRect& R) const override;
  TRect GetGroupButtonBorders(Integer Count, Integer Index) const override;
  Integer GetButtonTextInset() const override;
  Integer GetPressedTextShift() const override;
  TColor GetButtonGlyphColor(TkxButtonState State, TColor DefaultColor) const override;
  void PaintButton(TkxCanvas& Canvas, const TRect& R, const std::string& Text, TkxButtonState State,
                   bool WithFrame, TColor FaceColor, TColor TextColor, bool WordWrap) const override;
  void PaintExpandBox(TkxCanvas& Canvas, const TRect& R, bool Expanded, TColor Color) const override;
  bool IsExpandBoxPaintedFirst() const override;
  void PaintGroupExpander(TkxCanvas& Canvas, const TRect& R, bool Expanded, TkxButtonState State) const override;
  void PaintSmallExpandBox(TkxCanvas& Canvas, const TRect& R, bool Expanded, TColor FrameColor,
                           TColor BkColor) const override;
  Integer GetExpandBoxSize() const override;
  Integer GetGroupExpanderSize() const override;
  bool HotTracksButtons() const override;
  bool HitTestGroupExpander(const TRect& R, TPoint P) const override;
  Integer GetSmallExpandBoxSize() const override;
  Integer GetCheckBoxBorderWidth() const override;
  TSize GetCheckBoxGlyphSize() const override;
  void PaintCheckMark(TkxCanvas& Canvas, const TRect& R, TkxButtonState State, bool Checked,
                      TColor Color) const override;
  void PaintCheckBoxFrame(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const override;
  void PaintRadioButton(TkxCanvas& Canvas, Integer X, Integer Y, TkxButtonState State, bool Checked, bool Focused,
                        TColor BkColor, bool Designing) const override;
  TSize GetRadioButtonGlyphSize() const override;
  void PaintHeader(TkxCanvas& Canvas, const TRect& Bounds, const TRect& TextBounds, TkxBorders Neighbours,
                   TkxBorders Borders, TkxButtonState State, const TkxCellText& Cell, bool LastItem,
                   bool SecondFlag) const override;
  void InvertHeaderRect(TkxCanvas& Canvas, const TRect& R) const override;
  void PaintHeaderSection(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders, TkxButtonState State,
                          const TkxCellText& Cell) const override;
  void PaintSortMark(TkxCanvas& Canvas, const TRect& R, bool Ascending) const override;
  Integer GetHeaderBorderWidth() const override;
  Integer GetHeaderSectionBorderWidth(TkxButtonState State) const override;
  TRect GetHeaderSectionContentRect(const TRect& R, TkxButtonState State) const override;
  bool HeaderShowsHotState() const override;
  TPoint GetSortMarkSize() const override;
  Integer GetBandCellBorderWidth() const override;
  bool PaintsBandCellsFirst() const override;
  void PaintBandCell(TkxCanvas& Canvas, const TRect& R, const TkxCellText& Cell) const override;
  void PaintBandCellEdge(TkxCanvas& Canvas, const TRect& R) const override;
  void PaintSmallCloseButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const override;
  void PaintDropDownButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State, bool Active) const override;
  TPoint GetToggleButtonSize() const override;
  TPoint GetSmallCloseButtonSize() const override;
  void PaintTab(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders, const std::string& Text,
                TkxButtonState State, bool Vertical, TFont* Font, TColor TextColor, TColor BkColor,
                bool ShowPrefix) const override;
  void PaintTabEdge(TkxCanvas& Canvas, const TRect& R, TkxBorder Edge, TkxBorders Borders,
                    bool Vertical) const override;
  void PaintTabArea(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders, bool Vertical) const override;
  bool SupportsTabPainting(bool Vertical) const override;
  bool HotTracksTabs(bool Vertical) const override;
  void PaintIndicatorCell(TkxCanvas& Canvas, const TRect& R, Integer Kind, TColor BkColor,
                          const TkxDrawBackgroundEvent& OnDrawBackground) const override;
  Integer GetMinThumbLength(bool Vertical) const override;
  void PaintScrollBarElement(TkxCanvas& Canvas, bool Horizontal, const TRect& R, TkxScrollBarElement Element,
                             TkxButtonState State) const override;
  void PaintSizeGrip(TkxCanvas& Canvas, const TRect& R, TColor BkColor) const override;
  void PaintHeaderWithMarkers(TkxCanvas& Canvas, const TRect& R, TkxBorders Neighbours, const TkxCellText& Cell,
                              Integer MarkerPositions, Integer MarkerOffset) const override;
  void PaintToolButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const override;
  void PaintSplitter(TkxCanvas& Canvas, const TRect& R, const TkxBackground& Background,
                     bool Horizontal) const override;

  // Appended: the text through DrawThemeText in the part's state; nothing for a null text.  The
  // clip rectangle and the background colour are not used.
  virtual void PaintThemeText(TkxCanvas& Canvas, HTHEME Theme, Integer Part, Integer State, const TRect& ClipR,
                              const TRect& TextR, const TkxCellText& Cell, bool ShowPrefix) const;

 protected:
  TkxWinXPLookAndFeelPainter() = default;
};
