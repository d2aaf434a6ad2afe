// The painter interface (unit kxLookAndFeelPainters): TkxCustomLookAndFeelPainter draws every
// standard part of a control (buttons, arrows, borders, check and radio glyphs, headers,
// scroll-bar parts, size grips, tabs, splitters) in one look, and its descendants are the looks.
//
// A painter holds no state and is never made by a caller: each painter class has exactly one
// immutable instance, and a pointer to it (TkxLookAndFeelPainterClass) is the class reference that
// look-and-feels hand out.  Every operation is a const virtual, so an override of a small
// operation (a colour, a width) in a descendant reaches every composite operation of the base that
// calls it.  The operations below keep their slot order; a descendant appends its own after them.
// Operations that compute a rectangle, size or point return it.  Colours are TColor values:
// clDefault asks for the painter's own colour, clNone given to a fill paints nothing.  Interface
// thread only; no operation raises.
#pragma once

#include <functional>
#include <string>

#include "controls/foundation/kx_canvas.h"
#include "platform/classes/type_info.h"
#include "platform/core/date_time.h"
#include "platform/ui/control_types.h"

class TBitmap;
class TCustomImageList;
class TFont;

PR_ENUM(TkxLookAndFeelKind, lfFlat, lfStandard, lfUltraFlat, lfOffice11)

enum TkxButtonState : Byte { kxbsDefault = 0, kxbsNormal = 1, kxbsHot = 2, kxbsPressed = 3, kxbsDisabled = 4 };
enum TkxGlyphDirection : Byte { gdUp = 0, gdDown = 1, gdLeft = 2, gdRight = 3 };
// The scroll bar numbers its parts the same way.
enum TkxScrollBarElement : Byte {
  sbeNone = 0,
  sbeStartArrow = 1,   // up or left
  sbeEndArrow = 2,     // down or right
  sbeThumb = 3,
  sbePageBefore = 4,   // between the start arrow and the thumb
  sbePageAfter = 5     // between the thumb and the end arrow
};
enum TkxPainterStyle : Byte { pstFlat = 0, pstStandard = 1, pstUltraFlat = 2, pstNative = 3, pstOffice11 = 4 };

// pstFlat, pstUltraFlat and pstOffice11 give their kinds; every other value lfStandard.
TkxLookAndFeelKind StyleCodeToKind(TkxPainterStyle Style);

// Paints a cell's background itself and answers True, or answers False to have it filled.
using TkxDrawBackgroundEvent = std::function<bool(TkxCanvas& Canvas, const TRect& R)>;

// The text arguments of the cell, header and band operations.  A null Text draws no text.
struct TkxCellText {
  TAlignment HorzAlign = taLeftJustify;
  TkxVerticalAlignment VertAlign = kxvaCenter;
  bool MultiLine = false;
  bool EndEllipsis = false;
  const std::string* Text = nullptr;
  TFont* Font = nullptr;
  TColor TextColor = clDefault;
  TColor BkColor = clDefault;
  TkxDrawBackgroundEvent OnDrawBackground;
};

class TkxCustomLookAndFeelPainter;
using TkxLookAndFeelPainterClass = const TkxCustomLookAndFeelPainter*;

class TkxCustomLookAndFeelPainter {
 public:
  static TkxLookAndFeelPainterClass Class();
  virtual ~TkxCustomLookAndFeelPainter() = default;
  TkxCustomLookAndFeelPainter(const TkxCustomLookAndFeelPainter&) = delete;
  TkxCustomLookAndFeelPainter& operator=(const TkxCustomLookAndFeelPainter&) = delete;

  // Backgrounds, cell content, reserved.
  virtual void FillBackground(TkxCanvas& Canvas, const TRect& R, bool Transparent, TColor Color,
                              TBitmap* Bitmap) const;
  virtual void PaintDropDownGlyph(TkxCanvas& Canvas, const TRect& R, TColor Color) const;
  virtual void PaintCellContent(TkxCanvas& Canvas, const TRect& Bounds, const TRect& TextBounds,
                                TkxButtonState State, const TkxCellText& Cell, bool Plain) const;
  virtual void PaintReservedA(TkxCanvas& Canvas, const TRect& R) const;
  virtual void PaintReservedB(TkxCanvas& Canvas, const TRect& R) const;
  virtual TRect GetBandCellContentRect(const TRect& R) const;
  virtual TRect GetBandCellTextRect(const TRect& R) const;
  virtual TkxPainterStyle GetStyleCode() const;

  // Palette colours.
  virtual TColor PaletteWindowA() const;
  virtual TColor PaletteWindowB(Integer A, Integer B) const;
  virtual TColor PaletteWindowC(Integer A, Integer B) const;
  virtual TColor PaletteWindowTextA() const;
  virtual TColor PaletteShadowA() const;
  virtual TColor PaletteLightA() const;
  virtual TColor PaletteTextA() const;
  virtual TColor PaletteFaceA() const;
  virtual TColor PaletteTextB(Integer A, Integer B) const;
  virtual TColor PaletteShadowB() const;
  virtual TColor PaletteShadowC() const;
  virtual TColor PaletteFaceB() const;
  virtual TColor PaletteFaceC() const;
  virtual TColor PaletteTextC() const;
  virtual TColor PaletteShadowD(Integer A, Integer B) const;
  virtual TColor PaletteFaceD() const;
  virtual TColor PaletteFaceE(Integer A, Integer B) const;
  virtual TColor PaletteTextD() const;
  virtual TColor PaletteBlueA() const;
  virtual TColor PaletteFaceF() const;
  virtual TColor PaletteTextE() const;
  virtual TColor PaletteBlueB() const;
  virtual TColor PaletteShadowH(Integer A, Integer B) const;
  // The size grip and the corner square between two scroll bars.
  virtual TColor GetSizeGripAreaColor() const;
  virtual TColor PaletteFaceM(Integer A, Integer B) const;
  virtual TColor PaletteDefaultA() const;
  virtual TColor PaletteBlackA() const;
  virtual TColor PaletteBlackB(Integer A, Integer B) const;
  virtual TColor GetFaceColor() const;
  virtual TColor GetSelectionColor() const;
  virtual TColor GetSelectionTextColor() const;
  virtual TColor PaletteWindowD() const;
  virtual TColor PaletteWindowTextB() const;
  virtual TColor GetSplitterBorderColor() const;
  virtual TColor PaletteFaceG() const;
  virtual TColor PaletteFaceH() const;
  virtual TColor PalettePaleYellowA() const;
  virtual TColor PaletteWindowTextC() const;
  virtual TColor PaletteSelectionA() const;
  virtual TColor PaletteSelectionTextA() const;
  virtual TColor PaletteFaceI() const;
  virtual TColor PaletteFaceJ() const;
  virtual TColor PaletteTextF() const;
  virtual TColor PaletteFaceK(Integer A, Integer B) const;
  virtual TColor PaletteWhiteA() const;
  virtual TColor PaletteBlackC() const;
  virtual TColor PaletteFaceL() const;
  virtual TColor PaletteTextG() const;
  virtual TColor PaletteWhiteB(Integer A, Integer B) const;
  virtual TColor PaletteBlackD() const;
  virtual TColor PaletteBlackE() const;
  virtual TColor PaletteBlackF() const;
  virtual TColor PaletteSilverA() const;
  virtual TColor PaletteWhiteC() const;
  virtual TColor PaletteShadowE() const;
  virtual TColor PaletteSkyA() const;
  virtual TColor PaletteNavyA() const;
  virtual TColor PaletteShadowF() const;
  virtual TColor PaletteShadowG() const;

  // Arrows.
  virtual void FillArrow(TkxCanvas& Canvas, const TRect& R, TkxGlyphDirection Direction, TColor Color) const;
  virtual void PaintArrowButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State,
                                TkxGlyphDirection Direction, bool WithFrame) const;
  virtual void PaintArrowButtonFrame(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const;
  virtual void PaintScrollArrow(TkxCanvas& Canvas, const TRect& R, TkxButtonState State,
                                TkxGlyphDirection Direction) const;

  // Control border.
  virtual Integer GetControlBorderWidth() const;
  virtual void PaintControlBorder(TkxCanvas& Canvas, const TRect& R) const;

  // Buttons.
  virtual TRect GetGroupButtonPaintRect(const TRect& R, Integer Count, Integer Index) const;
  virtual Integer GetButtonBorderWidth(TkxButtonState State) const;
  virtual TColor GetButtonFaceColor(TkxButtonState State) const;
  virtual TRect CalcFocusFrameRect(TkxCanvas& Canvas, const TRect& R) const;
  // Left, top, right and bottom widths.
  virtual TRect GetGroupButtonBorders(Integer Count, Integer Index) const;
  virtual Integer GetButtonTextInset() const;
  virtual Integer GetPressedTextShift() const;
  virtual TColor GetButtonGlyphColor(TkxButtonState State, TColor DefaultColor) const;
  virtual TkxButtonState GetButtonGlyphState(TkxButtonState State) const;
  virtual void PaintButton(TkxCanvas& Canvas, const TRect& R, const std::string& Text, TkxButtonState State,
                           bool WithFrame, TColor FaceColor, TColor TextColor, bool WordWrap) const;
  virtual void PaintGroupButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State, Integer Count,
                                Integer Index, TColor FrameColor) const;
  virtual void PaintButtonFrame(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const;
  virtual void PaintButtonGroupFrame(TkxCanvas& Canvas, const TRect& R, bool Emphasised, bool Highlighted) const;

  // Expand boxes and group expander.
  virtual void PaintExpandBox(TkxCanvas& Canvas, const TRect& R, bool Expanded, TColor Color) const;
  virtual bool IsExpandBoxPaintedFirst() const;
  virtual void PaintGroupExpander(TkxCanvas& Canvas, const TRect& R, bool Expanded, TkxButtonState State) const;
  virtual void PaintSmallExpandBox(TkxCanvas& Canvas, const TRect& R, bool Expanded, TColor FrameColor,
                                   TColor BkColor) const;
  virtual Integer GetExpandBoxSize() const;
  virtual Integer GetGroupExpanderSize() const;
  // Whether buttons repaint on hover.
  virtual bool HotTracksButtons() const;
  virtual bool HitTestGroupExpander(const TRect& R, TPoint P) const;
  virtual Integer GetSmallExpandBoxSize() const;

  // Check box.
  virtual Integer GetCheckBoxBorderWidth() const;
  virtual TColor GetCheckBoxFaceColor(TkxButtonState State) const;
  virtual TSize GetCheckBoxGlyphSize() const;
  virtual void PaintCheckMark(TkxCanvas& Canvas, const TRect& R, TkxButtonState State, bool Checked,
                              TColor Color) const;
  virtual void PaintCheckBoxFrame(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const;
  virtual void PaintCheckBox(TkxCanvas& Canvas, const TRect& R, TkxButtonState State, bool Checked,
                             bool Grayed) const;

  // Radio button.
  virtual void PaintRadioButton(TkxCanvas& Canvas, Integer X, Integer Y, TkxButtonState State, bool Checked,
                                bool Focused, TColor BkColor, bool Designing) const;
  virtual TSize GetRadioButtonGlyphSize() const;

  // Headers and header sections.
  virtual void PaintHeader(TkxCanvas& Canvas, const TRect& Bounds, const TRect& TextBounds,
                           TkxBorders Neighbours, TkxBorders Borders, TkxButtonState State,
                           const TkxCellText& Cell, bool LastItem, bool SecondFlag) const;
  virtual void PaintHeaderPlain(TkxCanvas& Canvas, const TRect& Bounds, const TRect& TextBounds,
                                TkxBorders Neighbours, TkxBorders Borders, TkxButtonState State,
                                const TkxCellText& Cell) const;
  virtual void PaintHeaderBorder(TkxCanvas& Canvas, const TRect& R, TkxBorders Neighbours,
                                 TkxBorders Borders) const;
  virtual void InvertHeaderRect(TkxCanvas& Canvas, const TRect& R) const;
  virtual void PaintHeaderSection(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders, TkxButtonState State,
                                  const TkxCellText& Cell) const;
  virtual void PaintHeaderSectionFrame(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders,
                                       TkxButtonState State) const;
  // Fills with Cell.BkColor.
  virtual void PaintHeaderSectionContent(TkxCanvas& Canvas, const TRect& R, TkxButtonState State,
                                         const TkxCellText& Cell) const;
  virtual void PaintHeaderSectionText(TkxCanvas& Canvas, const TRect& R, TkxButtonState State,
                                      const TkxCellText& Cell) const;
  virtual void PaintFramedBand(TkxCanvas& Canvas, const TRect& R, const TkxBackground& Background, TColor Color,
                               Integer EndWidth) const;
  virtual void PaintSortMark(TkxCanvas& Canvas, const TRect& R, bool Ascending) const;
  virtual TkxBorders GetHeaderBorders(TkxBorders Neighbours) const;
  virtual Integer GetHeaderBorderWidth() const;
  virtual TRect GetHeaderPaintRect(const TRect& R, TkxBorders Neighbours, TkxBorders Borders) const;
  virtual TRect GetHeaderContentRect(const TRect& R, TkxBorders Borders) const;
  virtual bool HeaderReservedFlag() const;
  virtual Integer CalcHeaderHeight(Integer TextHeight) const;
  virtual Integer GetHeaderSectionBorderWidth(TkxButtonState State) const;
  virtual TRect GetHeaderSectionTextRect(const TRect& R, TkxButtonState State) const;
  virtual TRect GetHeaderSectionContentRect(const TRect& R, TkxButtonState State) const;
  virtual Integer CalcHeaderWidth(TkxCanvas& Canvas, TkxBorders Sides, TFont* Font, const std::string& Text) const;
  virtual bool HeaderShowsHotState() const;
  virtual TPoint GetSortMarkAreaSize() const;
  virtual TPoint GetSortMarkSize() const;

  // Band.
  virtual void FillBandBackground(TkxCanvas& Canvas, const TRect& R, bool Transparent, TColor Color,
                                  TBitmap* Bitmap) const;
  virtual Integer GetBandExtraSpace() const;
  virtual Integer GetBandBorderWidth() const;
  virtual Integer GetBandCellBorderWidth() const;
  virtual Integer GetBandCellSpacing() const;
  virtual bool PaintsBandCellsFirst() const;
  virtual TColor GetBandLineColor() const;
  virtual Integer GetBandLineWidth() const;
  virtual void PaintBandCell(TkxCanvas& Canvas, const TRect& R, const TkxCellText& Cell) const;
  virtual void PaintBandCellEdge(TkxCanvas& Canvas, const TRect& R) const;
  virtual void PaintBandCellFrame(TkxCanvas& Canvas, const TRect& R) const;
  virtual void PaintBandBackground(TkxCanvas& Canvas, const TRect& R, const TkxBackground& Background) const;
  virtual void PaintBandLine(TkxCanvas& Canvas, const TRect& R) const;
  virtual void PaintBandCheckBox(TkxCanvas& Canvas, const TRect& R, TkxButtonState State, bool Checked) const;

  // Small buttons.
  virtual void PaintSmallCloseButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const;
  virtual void PaintDropDownButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State, bool Active) const;
  virtual void FillButtonAreaBackground(TkxCanvas& Canvas, const TRect& R, bool Transparent, TColor Color,
                                        TBitmap* Bitmap) const;
  virtual TPoint GetToggleButtonSize() const;
  virtual TPoint GetSmallCloseButtonSize() const;
  virtual TPoint GetDropDownButtonSize() const;

  // Window background, popup border.
  virtual void PaintWindowBackground(TkxCanvas& Canvas, const TRect& R) const;
  virtual Integer GetPopupBorderKind() const;

  // Tabs.
  virtual void PaintTab(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders, const std::string& Text,
                        TkxButtonState State, bool Vertical, TFont* Font, TColor TextColor, TColor BkColor,
                        bool ShowPrefix) const;
  virtual void PaintTabEdge(TkxCanvas& Canvas, const TRect& R, TkxBorder Edge, TkxBorders Borders,
                            bool Vertical) const;
  virtual void PaintTabArea(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders, bool Vertical) const;
  virtual bool SupportsTabPainting(bool Vertical) const;
  virtual bool HotTracksTabs(bool Vertical) const;
  virtual Integer GetTabBorderWidth(bool Vertical) const;

  // Indicator.
  virtual void PaintLinesGlyph(TkxCanvas& Canvas, const TRect& R, TColor Color) const;
  // Kind 0 nothing; 1 to 6 the indicator images.
  virtual void PaintIndicator(TkxCanvas& Canvas, const TRect& R, Integer Kind) const;
  virtual void PaintIndicatorCell(TkxCanvas& Canvas, const TRect& R, Integer Kind, TColor BkColor,
                                  const TkxDrawBackgroundEvent& OnDrawBackground) const;
  virtual void PaintIndicatorCellPlain(TkxCanvas& Canvas, const TRect& R, Integer Kind, TColor BkColor,
                                       const TkxDrawBackgroundEvent& OnDrawBackground) const;
  virtual bool IndicatorReservedFlag() const;

  // Scroll bar and size grip.
  virtual Integer GetMinThumbLength(bool Vertical) const;
  virtual void PaintScrollBarElement(TkxCanvas& Canvas, bool Horizontal, const TRect& R,
                                     TkxScrollBarElement Element, TkxButtonState State) const;
  virtual TSize GetScrollBarMetrics() const;
  virtual void PaintSizeGrip(TkxCanvas& Canvas, const TRect& R, TColor BkColor) const;

  // Header markers, frames, caption, tool button, splitter.
  virtual void PaintReservedC(TkxCanvas& Canvas, const TRect& R, Integer A, Integer B) const;
  // Markers: 1 the left edge, 2 the right edge, 3 both.
  virtual void PaintHeaderWithMarkers(TkxCanvas& Canvas, const TRect& R, TkxBorders Neighbours,
                                      const TkxCellText& Cell, Integer MarkerPositions,
                                      Integer MarkerOffset) const;
  virtual void PaintContentFrame(TkxCanvas& Canvas, const TRect& R) const;
  // Rotation index 0 turns by 1 then 2, index 1 by 2 then 1 (the turns of TkxCustomBitmap::RotateFlip).
  virtual void PaintRotatedCaption(TkxCanvas& Canvas, const TRect& R, const TRect& CaptionR,
                                   const TRect& TextBounds, const std::string& Text,
                                   const TkxBackground& Background, const TkxBackground& CaptionBackground,
                                   Integer RotationIndex) const;
  virtual void PaintToolButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const;
  virtual void PaintSplitter(TkxCanvas& Canvas, const TRect& R, const TkxBackground& Background,
                             bool Horizontal) const;
  virtual Integer GetSplitterLineWidth() const;

  // Clock.
  virtual void PaintClockFace(TkxCanvas& Canvas, const TRect& R, TColor BkColor, TDateTime Time) const;

  // Skin operations: neutral in every painter of this system.
  virtual void PaintSkinEditButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const;
  virtual Integer GetSkinEditButtonTextInset() const;
  virtual TSize GetSkinEditButtonSize() const;
  virtual TColor GetSkinEditButtonTextColor(TkxButtonState State) const;
  virtual TColor GetSkinContainerBorderColor() const;
  virtual void PaintSkinImage(TkxCanvas& Canvas, TCustomImageList* Images, Integer Index, TPoint Position) const;
  virtual TSize GetSkinImageSize() const;
  virtual void PaintSkinReservedA(TkxCanvas& Canvas, const TRect& R) const;
  virtual void PaintSkinReservedB(TkxCanvas& Canvas, const TRect& R) const;
  virtual TRect GetSkinContentMargins() const;
  virtual TColor GetSkinTextColor() const;
  virtual void PaintSkinReservedC(TkxCanvas& Canvas, const TRect& R) const;
  virtual void PaintSkinGroupBoxCaption(TkxCanvas& Canvas, const TRect& R) const;
  virtual void PaintSkinGroupBoxFrame(TkxCanvas& Canvas, const TRect& R) const;
  virtual TRect GetSkinGroupBoxBorders() const;
  virtual TColor GetSkinGroupBoxTextColor() const;
  virtual bool IsSkinGroupBoxTransparent() const;
  virtual void PaintSkinReservedD(TkxCanvas& Canvas, const TRect& R) const;
  virtual void PaintSkinReservedE(TkxCanvas& Canvas, const TRect& R) const;
  virtual TSize GetSkinReservedSizeA() const;
  virtual TColor GetSkinReservedColor() const;
  virtual Integer GetSkinReservedValue() const;
  virtual void PaintSkinReservedF(TkxCanvas& Canvas, const TRect& R) const;
  virtual TSize GetSkinReservedSizeB() const;

  // Shared drawing routines (not overridable).
  struct TArrowPoints {
    TPoint P[3];
  };
  static TArrowPoints GetArrowPolygon(const TRect& R, TkxGlyphDirection Direction, bool Proportional,
                                      Integer Size);
  static void PaintPlusMinusSign(TkxCanvas& Canvas, const TRect& R, bool Expanded, TColor Color);
  void PaintCrossGlyph(TkxCanvas& Canvas, const TRect& R, TkxButtonState GlyphState, TColor Color) const;
  void PaintSortTriangle(TkxCanvas& Canvas, const TRect& R, bool Up, TColor LightColor, TColor DarkColor) const;
  void PaintDoubleChevron(TkxCanvas& Canvas, const TRect& R, bool Expanded, TkxButtonState State) const;
  void PaintEdgeMarkers(TkxCanvas& Canvas, TRect R, TColor Color, Integer Offset, Integer Positions) const;

 protected:
  TkxCustomLookAndFeelPainter() = default;
  // Brush and pen in Color, brush solid, then the triangle.
  static void FillTriangle(TkxCanvas& Canvas, const TArrowPoints& Points, TColor Color);
  // The cell's text flags: its alignments, word break or single line, end ellipsis.
  static TkxTextFlags CellTextFlags(const TkxCellText& Cell);
  // Clear brush, the cell's font in Color, the text in R with the cell's flags, brush solid again.
  static void DrawCellText(TkxCanvas& Canvas, const TRect& R, const TkxCellText& Cell, TColor Color);
};

// Shrinks R by N on every side.
TRect ShrinkRect(const TRect& R, Integer N);
bool IsEmptyRect(const TRect& R);
