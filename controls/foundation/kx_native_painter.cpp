#include "controls/foundation/kx_native_painter.h"

#include <algorithm>

#include "controls/foundation/kd_office11.h"
#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kd_ux_theme.h"
#include "controls/foundation/kx_bitmap.h"
#include "platform/gdi/clip.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw_edge.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/region.h"
#include "platform/gdi/text_constants.h"

namespace {

// Themed object types of the theme manager.
enum : ThemedObjectType {
  kButton = 0,
  kComboBox = 2,
  kEdit = 3,
  kExplorerBar = 4,
  kHeader = 5,
  kListView = 7,
  kScrollBar = 12,
  kTab = 16,
  kToolBar = 19,
  kTrackBar = 21,
  kTreeView = 23,
  kWindow = 24
};

// Theme properties.
constexpr int kBorderColorProp = 3801, kFillColorProp = 3802, kTextColorProp = 3803;

// States by TkxButtonState (kxbsDefault .. kxbsDisabled).
constexpr int kPushButtonStates[] = {5, 1, 2, 3, 4};
constexpr int kCheckStates[2][5] = {{1, 1, 2, 3, 4}, {5, 5, 6, 7, 8}};
constexpr int kHeaderStates[] = {1, 1, 2, 3, 1};
constexpr int kCommonStates[] = {1, 1, 2, 3, 4};   // small close and drop-down buttons, tabs, scroll bars
constexpr int kToolButtonStates[] = {2, 2, 5, 3, 4};

constexpr TRect kHundred{0, 0, 100, 100};

HTHEME Theme(ThemedObjectType Type) { return OpenThemeOfType(Type); }

bool ContentRect(HTHEME Theme, HDC DC, int Part, int State, const TRect& Bounds, TRect& Content) {
  return kdUxTheme::GetThemeBackgroundContentRect(Theme, DC, Part, State, Bounds, Content) == S_OK;
}

TRect ContentRectIn100(HTHEME Theme, int Part, int State) {
  TRect content = kHundred;
  ContentRect(Theme, nullptr, Part, State, kHundred, content);
  return content;
}

bool TrueSize(HTHEME Theme, int Part, int State, TSize& Size) {
  return kdUxTheme::GetThemePartSizeNoRect(Theme, nullptr, Part, State, TS_TRUE, Size) == S_OK;
}

bool ThemeColor(HTHEME Theme, int Part, int State, int Prop, TColor& Color) {
  COLORREF value = 0;
  if (kdUxTheme::GetThemeColor(Theme, Part, State, Prop, value) != S_OK) return false;
  Color = TColor(value);
  return true;
}

void DrawPart(TkxCanvas& Canvas, HTHEME Theme, int Part, int State, const TRect& R, const TRect* Clip = nullptr) {
  kdUxTheme::DrawThemeBackground(Theme, Canvas.GetHandle(), Part, State, R, Clip);
}

}  // namespace

const TkxWinXPLookAndFeelPainter* TkxWinXPLookAndFeelPainter::Class() {
  static const TkxWinXPLookAndFeelPainter painter;
  return &painter;
}

TkxPainterStyle TkxWinXPLookAndFeelPainter::GetStyleCode() const { return pstNative; }

TColor TkxWinXPLookAndFeelPainter::GetSplitterBorderColor() const {
  TColor color = 0;
  if (const HTHEME theme = Theme(kComboBox); theme != nullptr && ThemeColor(theme, 1, 1, kBorderColorProp, color))
    return color;
  return TkxCustomLookAndFeelPainter::GetSplitterBorderColor();
}

TColor TkxWinXPLookAndFeelPainter::PalettePaleYellowA() const { return 0xD5FFFF; }

void TkxWinXPLookAndFeelPainter::PaintArrowButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State,
                                                  TkxGlyphDirection Direction, bool WithFrame) const {
  const HTHEME theme = Theme(kScrollBar);
  if (theme == nullptr) return TkxStandardLookAndFeelPainter::PaintArrowButton(Canvas, R, State, Direction, WithFrame);
  const int offset = State == kxbsHot ? 2 : State == kxbsPressed ? 3 : State == kxbsDisabled ? 4 : 1;
  DrawPart(Canvas, theme, 1, Direction * 4 + offset, R);
}

void TkxWinXPLookAndFeelPainter::PaintArrowButtonFrame(TkxCanvas& Canvas, const TRect& R,
                                                       TkxButtonState State) const {
  const HTHEME theme = Theme(kButton);
  if (theme == nullptr) return TkxStandardLookAndFeelPainter::PaintArrowButtonFrame(Canvas, R, State);
  DrawPart(Canvas, theme, 1, kPushButtonStates[State], R);
}

Integer TkxWinXPLookAndFeelPainter::GetControlBorderWidth() const { return Theme(kListView) != nullptr ? 1 : 2; }

// Only the part's one-pixel ring shows: the inside is left out of the clip region.
void TkxWinXPLookAndFeelPainter::PaintControlBorder(TkxCanvas& Canvas, const TRect& R) const {
  const HTHEME theme = Theme(kListView);
  if (theme == nullptr) return TkxStandardLookAndFeelPainter::PaintControlBorder(Canvas, R);
  const HDC dc = Canvas.GetHandle();
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
  DrawPart(Canvas, theme, 5, 0, R);
  RestoreDC(dc, saved);
}

TRect TkxWinXPLookAndFeelPainter::GetGroupButtonPaintRect(const TRect& R, Integer Count, Integer Index) const {
  const TRect rect = TkxStandardLookAndFeelPainter::GetGroupButtonPaintRect(R, Count, Index);
  const HTHEME theme = Theme(kButton);
  if (theme != nullptr && kdUxTheme::IsThemeBackgroundPartiallyTransparent(theme, 1, 1)) return ShrinkRect(rect, -1);
  return rect;
}

Integer TkxWinXPLookAndFeelPainter::GetButtonBorderWidth(TkxButtonState State) const {
  const HTHEME theme = Theme(kButton);
  if (theme == nullptr) return TkxStandardLookAndFeelPainter::GetButtonBorderWidth(kxbsNormal);
  return ContentRectIn100(theme, 1, kPushButtonStates[State]).Left;
}

// The theme's fill colour of the push button, clBtnFace when it has none.
TColor TkxWinXPLookAndFeelPainter::GetButtonFaceColor(TkxButtonState State) const {
  TColor color = clBtnFace;
  if (const HTHEME theme = Theme(kButton); theme != nullptr)
    ThemeColor(theme, 1, kPushButtonStates[State], kFillColorProp, color);
  return color;
}

TRect TkxWinXPLookAndFeelPainter::CalcFocusFrameRect(TkxCanvas& Canvas, const TRect& R) const {
  TRect content;
  if (const HTHEME theme = Theme(kButton); theme != nullptr && ContentRect(theme, Canvas.GetHandle(), 1, 1, R, content))
    return content;
  return TkxStandardLookAndFeelPainter::CalcFocusFrameRect(Canvas, R);
}

TRect TkxWinXPLookAndFeelPainter::GetGroupButtonBorders(Integer Count, Integer Index) const {
  const HTHEME theme = Theme(kButton);
  if (theme == nullptr) return TkxStandardLookAndFeelPainter::GetGroupButtonBorders(Count, Index);
  const TRect content = ContentRectIn100(theme, 1, 1);
  const Integer d = kdUxTheme::IsThemeBackgroundPartiallyTransparent(theme, 1, 1) ? 1 : 0;
  return {content.Left - d, content.Top - d, 100 - content.Right - d, 100 - content.Bottom - d};
}

Integer TkxWinXPLookAndFeelPainter::GetButtonTextInset() const { return 2; }
Integer TkxWinXPLookAndFeelPainter::GetPressedTextShift() const { return 0; }

TColor TkxWinXPLookAndFeelPainter::GetButtonGlyphColor(TkxButtonState State, TColor DefaultColor) const {
  TColor color = 0;
  if (const HTHEME theme = Theme(kButton);
      theme != nullptr && ThemeColor(theme, 1, kPushButtonStates[State], kTextColorProp, color))
    return color;
  return TkxStandardLookAndFeelPainter::GetButtonGlyphColor(State, DefaultColor);
}

// With the theme: the part and the whole text on one centred line; the frame flag, the colours,
// the word wrap and the pressed shift are the theme's business.
void TkxWinXPLookAndFeelPainter::PaintButton(TkxCanvas& Canvas, const TRect& R, const std::string& Text,
                                             TkxButtonState State, bool WithFrame, TColor FaceColor,
                                             TColor TextColor, bool WordWrap) const {
  const HTHEME theme = Theme(kButton);
  if (theme == nullptr)
    return TkxStandardLookAndFeelPainter::PaintButton(Canvas, R, Text, State, WithFrame, FaceColor, TextColor,
                                                      WordWrap);
  const int state = kPushButtonStates[State];
  DrawPart(Canvas, theme, 1, state, R);
  kdUxTheme::DrawThemeTextAnsi(theme, Canvas.GetHandle(), 1, state, Text, -1, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                               0, R);
}

void TkxWinXPLookAndFeelPainter::PaintExpandBox(TkxCanvas& Canvas, const TRect& R, bool Expanded,
                                                TColor Color) const {
  const HTHEME theme = Theme(kTreeView);
  if (theme == nullptr) return TkxStandardLookAndFeelPainter::PaintExpandBox(Canvas, R, Expanded, Color);
  DrawPart(Canvas, theme, 2, Expanded ? 2 : 1, R);
  Canvas.ExcludeClipRect(R);
}

bool TkxWinXPLookAndFeelPainter::IsExpandBoxPaintedFirst() const { return false; }

// Default and disabled expanders take the normal state (1): the part has no other states.
void TkxWinXPLookAndFeelPainter::PaintGroupExpander(TkxCanvas& Canvas, const TRect& R, bool Expanded,
                                                    TkxButtonState State) const {
  const HTHEME theme = Theme(kExplorerBar);
  if (theme == nullptr) return TkxStandardLookAndFeelPainter::PaintGroupExpander(Canvas, R, Expanded, State);
  DrawPart(Canvas, theme, Expanded ? 6 : 7, State == kxbsHot ? 2 : State == kxbsPressed ? 3 : 1, R);
}

// Without the tree-view theme the base drawing gets the caller's frame and background colours.
void TkxWinXPLookAndFeelPainter::PaintSmallExpandBox(TkxCanvas& Canvas, const TRect& R, bool Expanded,
                                                     TColor FrameColor, TColor BkColor) const {
  if (Theme(kTreeView) != nullptr) return PaintExpandBox(Canvas, R, Expanded, clDefault);
  TkxCustomLookAndFeelPainter::PaintSmallExpandBox(Canvas, R, Expanded, FrameColor, BkColor);
}

Integer TkxWinXPLookAndFeelPainter::GetExpandBoxSize() const {
  TSize size{};
  if (const HTHEME theme = Theme(kTreeView); theme != nullptr && TrueSize(theme, 2, 2, size)) return size.cx;
  return TkxStandardLookAndFeelPainter::GetExpandBoxSize();
}

Integer TkxWinXPLookAndFeelPainter::GetGroupExpanderSize() const {
  TSize size{};
  if (const HTHEME theme = Theme(kExplorerBar); theme != nullptr && TrueSize(theme, 7, 1, size)) return size.cx;
  return TkxStandardLookAndFeelPainter::GetGroupExpanderSize();
}

bool TkxWinXPLookAndFeelPainter::HotTracksButtons() const { return true; }

bool TkxWinXPLookAndFeelPainter::HitTestGroupExpander(const TRect& R, TPoint P) const {
  const HTHEME theme = Theme(kExplorerBar);
  HRGN region = nullptr;
  if (theme == nullptr || kdUxTheme::GetThemeBackgroundRegion(theme, nullptr, 7, 1, R, region) != S_OK ||
      region == nullptr)
    return TkxStandardLookAndFeelPainter::HitTestGroupExpander(R, P);
  const bool inside = PtInRegion(region, P.X, P.Y) != FALSE;
  DeleteObject(region);
  return inside;
}

Integer TkxWinXPLookAndFeelPainter::GetSmallExpandBoxSize() const {
  return Theme(kTreeView) != nullptr ? GetExpandBoxSize() : TkxStandardLookAndFeelPainter::GetSmallExpandBoxSize();
}

Integer TkxWinXPLookAndFeelPainter::GetCheckBoxBorderWidth() const { return Theme(kButton) != nullptr ? 0 : 2; }

TSize TkxWinXPLookAndFeelPainter::GetCheckBoxGlyphSize() const {
  TSize size{};
  if (const HTHEME theme = Theme(kButton); theme != nullptr && TrueSize(theme, 3, 5, size)) return size;
  return TkxStandardLookAndFeelPainter::GetCheckBoxGlyphSize();
}

void TkxWinXPLookAndFeelPainter::PaintCheckMark(TkxCanvas& Canvas, const TRect& R, TkxButtonState State,
                                                bool Checked, TColor Color) const {
  const HTHEME theme = Theme(kButton);
  if (theme == nullptr) return TkxStandardLookAndFeelPainter::PaintCheckMark(Canvas, R, State, Checked, Color);
  DrawPart(Canvas, theme, 3, kCheckStates[Checked ? 1 : 0][State], R);
}

void TkxWinXPLookAndFeelPainter::PaintCheckBoxFrame(TkxCanvas& Canvas, const TRect& R,
                                                    TkxButtonState State) const {
  if (Theme(kButton) == nullptr) TkxStandardLookAndFeelPainter::PaintCheckBoxFrame(Canvas, R, State);
}

void TkxWinXPLookAndFeelPainter::PaintRadioButton(TkxCanvas& Canvas, Integer X, Integer Y, TkxButtonState State,
                                                  bool Checked, bool Focused, TColor BkColor, bool Designing) const {
  const HTHEME theme = Theme(kButton);
  if (theme == nullptr)
    return TkxStandardLookAndFeelPainter::PaintRadioButton(Canvas, X, Y, State, Checked, Focused, BkColor, Designing);
  const TSize size = GetRadioButtonGlyphSize();
  DrawPart(Canvas, theme, 2, kCheckStates[Checked ? 1 : 0][State], {X, Y, X + size.cx, Y + size.cy});
}

TSize TkxWinXPLookAndFeelPainter::GetRadioButtonGlyphSize() const {
  TSize size{};
  if (const HTHEME theme = Theme(kButton); theme != nullptr && TrueSize(theme, 2, 1, size)) return size;
  return TkxStandardLookAndFeelPainter::GetRadioButtonGlyphSize();
}

void TkxWinXPLookAndFeelPainter::PaintHeader(TkxCanvas& Canvas, const TRect& Bounds, const TRect& TextBounds,
                                             TkxBorders Neighbours, TkxBorders Borders, TkxButtonState State,
                                             const TkxCellText& Cell, bool LastItem, bool SecondFlag) const {
  const HTHEME theme = Theme(kHeader);
  if (theme == nullptr)
    return TkxStandardLookAndFeelPainter::PaintHeader(Canvas, Bounds, TextBounds, Neighbours, Borders, State, Cell,
                                                      LastItem, SecondFlag);
  const int state = kHeaderStates[State];
  const Byte scheme = GetOffice11Scheme();
  const int part = LastItem && state == 1 && (scheme == 1 || scheme == 2) ? 3 : 1;
  DrawPart(Canvas, theme, part, state, Bounds);
  TRect text = TextBounds;
  if (State == kxbsPressed) text = {text.Left + 1, text.Top + 1, text.Right + 1, text.Bottom + 1};
  PaintThemeText(Canvas, theme, part, state, Bounds, text, Cell, false);
}

void TkxWinXPLookAndFeelPainter::InvertHeaderRect(TkxCanvas&, const TRect&) const {}

void TkxWinXPLookAndFeelPainter::PaintHeaderSection(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders,
                                                    TkxButtonState State, const TkxCellText& Cell) const {
  Canvas.FillSolidRect(R, clBtnFace);
  PaintHeader(Canvas, R, R, {}, Borders, State, Cell, false, false);
}

void TkxWinXPLookAndFeelPainter::PaintSortMark(TkxCanvas& Canvas, const TRect& R, bool Ascending) const {
  PaintSortTriangle(Canvas, R, Ascending, clBtnShadow, clBtnShadow);
}

Integer TkxWinXPLookAndFeelPainter::GetHeaderBorderWidth() const {
  const HTHEME theme = Theme(kHeader);
  if (theme == nullptr) return 1;
  const TRect content = ContentRectIn100(theme, 1, 1);
  return (content.Left + content.Top) / 2;
}

Integer TkxWinXPLookAndFeelPainter::GetHeaderSectionBorderWidth(TkxButtonState) const {
  return GetHeaderBorderWidth();
}

TRect TkxWinXPLookAndFeelPainter::GetHeaderSectionContentRect(const TRect& R, TkxButtonState State) const {
  if (Theme(kHeader) != nullptr) return ShrinkRect(R, GetHeaderBorderWidth());
  return TkxCustomLookAndFeelPainter::GetHeaderSectionContentRect(R, State);
}

bool TkxWinXPLookAndFeelPainter::HeaderShowsHotState() const { return true; }
TPoint TkxWinXPLookAndFeelPainter::GetSortMarkSize() const { return {7, 8}; }

Integer TkxWinXPLookAndFeelPainter::GetBandCellBorderWidth() const {
  const HTHEME theme = Theme(kTrackBar);
  return theme != nullptr ? ContentRectIn100(theme, 1, 1).Left : 1;
}

bool TkxWinXPLookAndFeelPainter::PaintsBandCellsFirst() const { return false; }

void TkxWinXPLookAndFeelPainter::PaintBandCell(TkxCanvas& Canvas, const TRect& R, const TkxCellText& Cell) const {
  const HTHEME theme = Theme(kTrackBar);
  if (theme == nullptr) return TkxStandardLookAndFeelPainter::PaintBandCell(Canvas, R, Cell);
  DrawPart(Canvas, theme, 1, 1, R);
  PaintThemeText(Canvas, theme, 1, 1, R, GetBandCellTextRect(R), Cell, false);
}

void TkxWinXPLookAndFeelPainter::PaintBandCellEdge(TkxCanvas& Canvas, const TRect& R) const {
  const HTHEME theme = Theme(kEdit);
  if (theme == nullptr) return TkxStandardLookAndFeelPainter::PaintBandCellEdge(Canvas, R);
  kdUxTheme::DrawThemeEdge(theme, Canvas.GetHandle(), 0, 0, R, BDR_RAISEDINNER, BF_RECT, nullptr);
}

void TkxWinXPLookAndFeelPainter::PaintSmallCloseButton(TkxCanvas& Canvas, const TRect& R,
                                                       TkxButtonState State) const {
  const HTHEME theme = Theme(kWindow);
  if (theme == nullptr) return TkxStandardLookAndFeelPainter::PaintSmallCloseButton(Canvas, R, State);
  DrawPart(Canvas, theme, 19, kCommonStates[State], R);
}

void TkxWinXPLookAndFeelPainter::PaintDropDownButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State,
                                                     bool Active) const {
  const HTHEME theme = Theme(kComboBox);
  if (theme == nullptr) return TkxStandardLookAndFeelPainter::PaintDropDownButton(Canvas, R, State, Active);
  DrawPart(Canvas, theme, 1, kCommonStates[State], R);
}

TPoint TkxWinXPLookAndFeelPainter::GetToggleButtonSize() const {
  TSize size{};
  if (const HTHEME theme = Theme(kButton); theme != nullptr && TrueSize(theme, 3, 5, size)) return {size.cx, size.cy};
  return TkxStandardLookAndFeelPainter::GetToggleButtonSize();
}

TPoint TkxWinXPLookAndFeelPainter::GetSmallCloseButtonSize() const {
  TSize size{};
  if (const HTHEME theme = Theme(kWindow); theme != nullptr && TrueSize(theme, 19, 1, size))
    return {size.cx + 4, size.cy + 4};
  return TkxStandardLookAndFeelPainter::GetSmallCloseButtonSize();
}

void TkxWinXPLookAndFeelPainter::PaintTab(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders,
                                          const std::string& Text, TkxButtonState State, bool Vertical, TFont* Font,
                                          TColor TextColor, TColor BkColor, bool ShowPrefix) const {
  const HTHEME theme = Theme(kTab);
  if (theme == nullptr)
    return TkxStandardLookAndFeelPainter::PaintTab(Canvas, R, Borders, Text, State, Vertical, Font, TextColor,
                                                   BkColor, ShowPrefix);
  const int state = kCommonStates[State];
  const bool pressed = State == kxbsPressed;
  // The drawing space: R itself, or for a vertical tab R at the origin with its sides swapped.
  TRect clip = Vertical ? TRect{0, 0, R.Height(), R.Width()} : R;
  const bool nearSide = Borders.Contains(Vertical ? bTop : bLeft);
  const bool farSide = Borders.Contains(Vertical ? bBottom : bRight);
  TRect part{clip.Left - (nearSide ? 0 : 2), clip.Top, clip.Right + (farSide ? 0 : 2), clip.Bottom};
  if (pressed)
    ++part.Bottom;
  else
    --clip.Bottom;
  if (!Vertical) {
    DrawPart(Canvas, theme, 1, state, part, &clip);
  } else {
    const auto bitmap = TkxBitmap::CreateWithKey(R.Height(), R.Width(), 0);
    bitmap->KxCanvas()->CopyRect({0, 0, R.Height(), R.Width()}, Canvas.Canvas(), R);
    DrawPart(*bitmap->KxCanvas(), theme, 1, state, part, &clip);
    bitmap->RotateFlip(1, false);
    Canvas.Draw(R.Left, R.Top, bitmap.get());
    // Back in R's place: the drawing space's x runs down R, its y across it.
    part = {R.Left + part.Top, R.Top + part.Left, R.Left + part.Bottom, R.Top + part.Right};
  }
  TRect text = part;
  if (pressed) (Vertical ? text.Right : text.Bottom) -= 2;
  TkxCellText cell;
  cell.HorzAlign = taCenter;
  cell.VertAlign = kxvaCenter;
  cell.Text = &Text;
  cell.Font = Font;
  cell.TextColor = TextColor;
  PaintThemeText(Canvas, theme, 1, state, R, text, cell, ShowPrefix);
}

void TkxWinXPLookAndFeelPainter::PaintTabEdge(TkxCanvas& Canvas, const TRect& R, TkxBorder Edge, TkxBorders Borders,
                                              bool Vertical) const {
  if (Theme(kTab) == nullptr) TkxStandardLookAndFeelPainter::PaintTabEdge(Canvas, R, Edge, Borders, Vertical);
}

// The pane is drawn over a rectangle larger than R so that only its near edge shows in R.
void TkxWinXPLookAndFeelPainter::PaintTabArea(TkxCanvas& Canvas, const TRect& R, TkxBorders Borders,
                                              bool Vertical) const {
  const HTHEME theme = Theme(kTab);
  if (theme == nullptr) return TkxStandardLookAndFeelPainter::PaintTabArea(Canvas, R, Borders, Vertical);
  TRect content = R;
  ContentRect(theme, Canvas.GetHandle(), 9, 0, R, content);
  const Integer grow = (R.Left - content.Left) + (R.Right - content.Right);
  TRect pane = R;
  if (!Vertical) {
    pane.Right = R.Right + grow;
    pane.Bottom += 10;
  } else {
    pane.Bottom = R.Bottom + grow;
    pane.Right += 10;
  }
  DrawPart(Canvas, theme, 9, 0, pane, &R);
}

bool TkxWinXPLookAndFeelPainter::SupportsTabPainting(bool) const { return Theme(kTab) != nullptr; }
bool TkxWinXPLookAndFeelPainter::HotTracksTabs(bool) const { return Theme(kTab) != nullptr; }

void TkxWinXPLookAndFeelPainter::PaintIndicatorCell(TkxCanvas& Canvas, const TRect& R, Integer Kind,
                                                    TColor BkColor,
                                                    const TkxDrawBackgroundEvent& OnDrawBackground) const {
  TkxFlatLookAndFeelPainter::Class()->TkxCustomLookAndFeelPainter::PaintIndicatorCell(Canvas, R, Kind, BkColor,
                                                                                      OnDrawBackground);
}

// The gripper's minimum size, then its true size plus 4 when larger; never below 8.
Integer TkxWinXPLookAndFeelPainter::GetMinThumbLength(bool Vertical) const {
  const HTHEME theme = Theme(kScrollBar);
  if (theme == nullptr) return 8;
  const int gripper = Vertical ? 8 : 9;
  TSize minimum{};
  if (kdUxTheme::GetThemePartSizeNoRect(theme, nullptr, gripper, 1, TS_MIN, minimum) != S_OK) return 8;
  Integer length = Vertical ? minimum.cy : minimum.cx;
  if (TSize size{}; TrueSize(theme, gripper, 1, size)) length = std::max(length, (Vertical ? size.cy : size.cx) + 4);
  return std::max(length, 8);
}

void TkxWinXPLookAndFeelPainter::PaintScrollBarElement(TkxCanvas& Canvas, bool Horizontal, const TRect& R,
                                                       TkxScrollBarElement Element, TkxButtonState State) const {
  if (IsEmptyRect(R)) return;
  const HTHEME theme = Theme(kScrollBar);
  if (theme == nullptr || Element == sbeNone)
    return TkxStandardLookAndFeelPainter::PaintScrollBarElement(Canvas, Horizontal, R, Element, State);
  const int state = kCommonStates[State];
  switch (Element) {
    case sbeStartArrow:
    case sbeEndArrow: PaintArrowButton(Canvas, R, State, ScrollArrowDirection(Horizontal, Element), true); break;
    case sbeThumb:
      DrawPart(Canvas, theme, Horizontal ? 2 : 3, state, R);
      DrawPart(Canvas, theme, Horizontal ? 8 : 9, 0, R);
      break;
    default: {
      const bool before = Element == sbePageBefore;
      DrawPart(Canvas, theme, Horizontal ? (before ? 4 : 5) : (before ? 6 : 7), state, R);
    }
  }
}

void TkxWinXPLookAndFeelPainter::PaintSizeGrip(TkxCanvas& Canvas, const TRect& R, TColor BkColor) const {
  const HTHEME theme = Theme(kScrollBar);
  if (theme == nullptr) return TkxStandardLookAndFeelPainter::PaintSizeGrip(Canvas, R, clDefault);
  Canvas.FillSolidRect(R, BkColor);
  DrawPart(Canvas, theme, 10, 1, R);
}

void TkxWinXPLookAndFeelPainter::PaintHeaderWithMarkers(TkxCanvas& Canvas, const TRect& R, TkxBorders Neighbours,
                                                        const TkxCellText& Cell, Integer MarkerPositions,
                                                        Integer MarkerOffset) const {
  TkxCustomLookAndFeelPainter::PaintHeaderWithMarkers(Canvas, R, Neighbours, Cell, MarkerPositions, MarkerOffset);
}

void TkxWinXPLookAndFeelPainter::PaintToolButton(TkxCanvas& Canvas, const TRect& R, TkxButtonState State) const {
  const HTHEME theme = Theme(kToolBar);
  if (theme == nullptr) return TkxCustomLookAndFeelPainter::PaintToolButton(Canvas, R, State);
  DrawPart(Canvas, theme, 1, kToolButtonStates[State], R);
}

void TkxWinXPLookAndFeelPainter::PaintSplitter(TkxCanvas& Canvas, const TRect& Rect,
                                               const TkxBackground& Background, bool Horizontal) const {
  const HTHEME comboBox = Theme(kComboBox);
  TColor color = 0;
  if (comboBox == nullptr || Theme(kListView) == nullptr || !ThemeColor(comboBox, 1, 1, kBorderColorProp, color))
    return TkxStandardLookAndFeelPainter::PaintSplitter(Canvas, Rect, Background, Horizontal);
  TRect R = Rect;
  PaintSplitterLines(Canvas, R, Horizontal, color, color);
  Canvas.FrameAndFill(R, Background, {}, clDefault);
}

void TkxWinXPLookAndFeelPainter::PaintThemeText(TkxCanvas& Canvas, HTHEME Theme, Integer Part, Integer State,
                                                const TRect&, const TRect& TextR, const TkxCellText& Cell,
                                                bool ShowPrefix) const {
  if (Cell.Text == nullptr) return;
  if (Cell.Font != nullptr) Canvas.GetFont()->Assign(Cell.Font);
  Canvas.GetFont()->SetColor(Cell.TextColor);
  TRect R = TextR;
  if (Cell.MultiLine) Canvas.AlignMultiLineText(R, *Cell.Text, Cell.VertAlign, true, ShowPrefix, true, false);
  static constexpr DWORD kHorz[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  static constexpr DWORD kVert[] = {DT_TOP, DT_BOTTOM, DT_VCENTER};
  DWORD flags = kHorz[Cell.HorzAlign] | DT_EDITCONTROL | kVert[Cell.VertAlign];
  if (Cell.EndEllipsis) flags |= DT_END_ELLIPSIS;
  if (!ShowPrefix) flags |= DT_NOPREFIX;
  flags |= Cell.MultiLine ? DT_WORDBREAK : DT_SINGLELINE;
  kdUxTheme::DrawThemeTextAnsi(Theme, Canvas.GetHandle(), Part, State, *Cell.Text, -1, flags, 0, R);
}
