// TProStringGrid cell graphics: the size each kind of TCellGraphic takes, where it sits in its
// cell, and how check boxes, radio groups, progress bars, range indicators, images, comments and
// buttons are drawn.  Values read for a graphic never raise: a text that is not a number counts
// as 0, and a percentage is limited to the 32-bit range before it is rounded.
#include <algorithm>
#include <cmath>
#include <limits>

#include "grid/cell_drawing.h"
#include "grid/cell_node.h"
#include "grid/cell_properties.h"
#include "grid/control_look.h"
#include "grid/file_picture.h"
#include "grid/grid_glyphs.h"
#include "grid/grid_progress_appearance.h"
#include "grid/int_list.h"
#include "grid/pro_grid_error.h"
#include "grid/pro_string_grid.h"
#include "grid/progress_drawing.h"
#include "grid/rotated_text.h"
#include "grid/theme_api.h"
#include "platform/classes/string_list.h"
#include "platform/core/float_math.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw_edge.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/frame_control.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_types.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/custom_image_list.h"
#include "platform/ui/icon.h"
#include "platform/ui/picture.h"

namespace {

constexpr Integer kPieSize = 20;
constexpr Integer kBitmapRadioSize = 16;

bool IsCheckKind(TCellType Kind) {
  return Kind == ctCheckBox || Kind == ctDataCheckBox || Kind == ctVirtCheckBox || Kind == ctRowCheckBox;
}

// Rounds Value to a 32-bit integer: NaN gives NaNValue, anything beyond the range the nearer end.
Integer LimitedRound(double Value, Integer NaNValue) {
  if (std::isnan(Value)) return NaNValue;
  constexpr double lowest = std::numeric_limits<Integer>::min();
  constexpr double highest = std::numeric_limits<Integer>::max();
  return static_cast<Integer>(Round(std::clamp(Value, lowest, highest)));
}

// Value kept inside the 32-bit range (NaN: NaNValue), unchanged inside it.
double LimitedValue(double Value, Integer NaNValue) {
  if (std::isnan(Value)) return NaNValue;
  return std::clamp(Value, double(std::numeric_limits<Integer>::min()), double(std::numeric_limits<Integer>::max()));
}

TColor InvertChannels(TColor Color) {
  const COLORREF rgb = ColorToRGB(Color);
  return RGB(255 - GetRValue(rgb), 255 - GetGValue(rgb), 255 - GetBValue(rgb));
}

// Part Part in state State of the visual style's Class over Rect; false when no style can be
// opened (the caller then draws the classic look or nothing).
bool DrawThemedPart(TCanvas* Canvas, HWND Window, const char16_t* Class, int Part, int State, const TRect& Rect) {
  if (VerUZED::OpenThemeData() == nullptr || VerUZED::DrawThemeBackground() == nullptr ||
      VerUZED::CloseThemeData() == nullptr)
    return false;
  HTHEME theme = VerUZED::OpenThemeData()(Window, Class);
  if (theme == nullptr) return false;
  VerUZED::DrawThemeBackground()(theme, Canvas->Handle(), Part, State, &Rect, nullptr);
  VerUZED::CloseThemeData()(theme);
  return true;
}

// The visual style's progress bar over Bar: part 1 (the bar) fills it and part 3 (the chunk) the
// left Percent % of it 2 pixels in, the width rounded.  Percent is limited to 0 .. 100 (NaN: 0) so
// that the chunk never leaves the bar.  False when the style has no "Progress" class.
bool DrawThemedProgress(TCanvas* Canvas, HWND Window, const TRect& Bar, double Percent) {
  if (!DrawThemedPart(Canvas, Window, u"Progress", 1, 1, Bar)) return false;
  const TRect inside{Bar.Left + 2, Bar.Top + 2, Bar.Right - 2, Bar.Bottom - 2};
  const double limited = std::isnan(Percent) ? 0 : std::clamp(Percent, 0.0, 100.0);
  const auto width = static_cast<Integer>(Round((inside.Right - inside.Left) * limited / 100));
  const TRect chunk{inside.Left, inside.Top, inside.Left + width, inside.Bottom};
  if (width > 0) DrawThemedPart(Canvas, Window, u"Progress", 3, 1, chunk);
  return true;
}

// The left edge of a graphic G wide in R by its horizontal alignment; W is the text width.
Integer PlacedLeft(const TRect& R, TCellHAlign Align, TAlignment TextAlign, Integer G, Integer W) {
  const Integer width = R.Right - R.Left;
  switch (Align) {
    case haLeft:
    case haFull:
      return Align == haFull ? R.Left : R.Left + 1;
    case haRight:
      return R.Right - G - 1;
    case haCenter:
      return G < width ? R.Left + (width - G) / 2 : R.Left + 1;
    case haBeforeText: {
      const Integer left = TextAlign == taLeftJustify    ? R.Left + 1
                           : TextAlign == taRightJustify ? R.Right - W - G
                                                         : R.Left + (width - W - G) / 2;
      return std::max(left, R.Left + 1);
    }
    case haAfterText:
      return TextAlign == taLeftJustify    ? R.Left + W
             : TextAlign == taRightJustify ? R.Right - G - 1
                                           : R.Left + W + (width - W - G) / 2;
  }
  return R.Left + 1;
}

Integer PlacedTop(const TRect& R, TCellVAlign Align, Integer H) {
  const Integer height = R.Bottom - R.Top;
  switch (Align) {
    case vaTop:
    case vaAboveText:
      return R.Top + 1;
    case vaBottom:
      return R.Bottom - H - 1;
    case vaCenter:
      return H < height ? R.Top + (height - H) / 2 : R.Top + 1;
    case vaUnderText:
      return R.Bottom - H;
    case vaFull:
      return R.Top;
  }
  return R.Top + 1;
}

TCellVAlign ToCellVAlign(TVAlignment Align) {
  return Align == vtaTop ? vaTop : Align == vtaBottom ? vaBottom : vaCenter;
}

}  // namespace

TCellGraphic* TProStringGrid::GetCellGraphicInfo(Integer ACol, Integer ARow, Integer& Width, Integer& Height,
                                                 bool& DrawText, TCellHAlign& HAlign, TCellVAlign& VAlign) {
  Width = 0;
  Height = 0;
  DrawText = true;
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (graphic == nullptr) return nullptr;
  HAlign = graphic->CellHAlign();
  VAlign = graphic->CellVAlign();
  const TCellType kind = graphic->CellType();
  switch (kind) {
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctRotated:
    case ctDataImage:
    case ctRadio:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress:
      DrawText = false;
      break;
    default:
      break;
  }
  if (IsCheckKind(kind)) {
    Width = Height = controlLook_->CheckSize();
  } else if (kind == ctBitmap || kind == ctBitButton) {
    if (auto* bitmap = dynamic_cast<TBitmap*>(graphic->CellBitmap())) {
      Width = bitmap->Width();
      Height = bitmap->Height();
    }
    if (kind == ctBitButton) {
      Width = graphic->CellIndex() & 0xFFFF;
      Height = (graphic->CellIndex() >> 16) & 0xFFFF;
    }
  } else if (kind == ctIcon) {
    if (const TIcon* icon = graphic->CellIcon()) {
      Width = icon->Width();
      Height = icon->Height();
    }
  } else if ((kind == ctImageList || kind == ctDataImage) && gridImages_ != nullptr) {
    Width = gridImages_->Width();
    Height = gridImages_->Height();
  } else if (kind == ctImages && gridImages_ != nullptr) {
    const TIntList* list = GetCellImages(ACol, ARow);
    const Integer count = list != nullptr ? list->Count() : 0;
    Width = graphic->CellBoolean() ? count * gridImages_->Width() : gridImages_->Width();
    Height = graphic->CellBoolean() ? gridImages_->Height() : count * gridImages_->Height();
  } else if (kind == ctButton) {
    Width = graphic->CellIndex() & 0xFFFF;
    Height = (graphic->CellIndex() >> 16) & 0xFFFF;
  } else if (kind == ctProgressPie) {
    Width = Height = kPieSize;
  } else if (kind == ctPicture || kind == ctFilePicture) {
    const TRect cell = CellSpanRect(DisplColIndex(ACol), ARow);
    const TPoint size = graphic->GetPictureSize(cell.Right - cell.Left, cell.Bottom - cell.Top);
    Width = size.X;
    Height = size.Y;
  }
  return graphic;
}

double TProStringGrid::GraphicValue(Integer ACol, Integer ARow) {
  try {
    return GetFloats(ACol, ARow);
  } catch (const EProGridError&) {
    return 0;
  }
}

void TProStringGrid::DrawCellGraphic(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect,
                                     TCellGraphic* Graphic, TVAlignment CellVAlign, TAlignment TextAlign,
                                     Integer TextWidth) {
  const TCellType kind = Graphic->CellType();
  const bool unshrunk = kind == ctNode || kind == ctProgress || kind == ctRangeIndicator || kind == ctXPProgress;
  TRect r = Rect;
  if (!unshrunk) {
    r.Left += xMargin_ - 1;
    r.Right -= xMargin_ - 1;
    r.Top += yMargin_ - 1;
    r.Bottom -= yMargin_ - 1;
  }
  const Integer w = TextWidth > 0 ? TextWidth + 2 : TextWidth;
  Integer g = 0, h = 0;
  bool drawText = true;
  TCellHAlign hAlign = haLeft;
  TCellVAlign vAlign = vaTop;
  GetCellGraphicInfo(ACol, ARow, g, h, drawText, hAlign, vAlign);

  Integer left = PlacedLeft(r, hAlign, TextAlign, g, w);
  TCellVAlign verticalAlign = vAlign;
  if (IsCheckKind(kind)) {
    if (CellVAlign != vAlignment_) verticalAlign = ToCellVAlign(CellVAlign);
    const Integer width = r.Right - r.Left;
    const bool checkBox = kind == ctCheckBox;
    if (TextAlign == taLeftJustify)
      left = r.Left + 1;
    else if (TextAlign == taRightJustify)
      left = checkBox ? r.Right - w - g - 1 : r.Right - g - 1;
    else
      left = checkBox && w > 0 ? r.Left + (width - w) / 2 - g : r.Left + (width - g) / 2;
    left = std::max(left, r.Left + 1);
  }
  const Integer top = PlacedTop(r, verticalAlign, h);
  const TRect placed{left, top, hAlign == haFull ? r.Right : left + g, verticalAlign == vaFull ? r.Bottom : top + h};

  bool enabled = true;
  switch (kind) {
    case ctBitmap:
      if (auto* bitmap = dynamic_cast<TBitmap*>(Graphic->CellBitmap())) {
        if (Graphic->CellTransparent())
          DrawBitmapTransparent(ACanvas, bitmap, ACanvas->Brush()->Color(), placed);
        else
          ACanvas->Draw(placed.Left, placed.Top, bitmap);
      }
      break;
    case ctIcon:
      if (TIcon* icon = Graphic->CellIcon()) ACanvas->Draw(placed.Left, placed.Top, icon);
      break;
    case ctPicture:
      if (auto* picture = dynamic_cast<TPicture*>(Graphic->CellBitmap()); picture != nullptr && picture->Graphic()) {
        if (Graphic->CellAngle() != 0)
          ACanvas->StretchDraw(placed, picture->Graphic());
        else
          ACanvas->Draw(placed.Left, placed.Top, picture->Graphic());
      }
      break;
    case ctFilePicture:
      if (auto* picture = dynamic_cast<TFilePicture*>(Graphic->CellBitmap())) picture->Draw(ACanvas, placed);
      break;
    case ctImageList:
      if (gridImages_ != nullptr) gridImages_->Draw(ACanvas, placed.Left, placed.Top, Graphic->CellIndex());
      break;
    case ctDataImage: {
      if (gridImages_ == nullptr) break;
      const Int64 index = Int64(LimitedRound(GraphicValue(ACol, ARow), 0)) + Graphic->CellIndex();
      if (index >= 0 && index < gridImages_->Count())
        gridImages_->Draw(ACanvas, placed.Left, placed.Top, static_cast<Integer>(index));
      break;
    }
    case ctImages:
      if (gridImages_ != nullptr) {
        const TIntList* list = GetCellImages(ACol, ARow);
        for (Integer i = 0; list != nullptr && i < list->Count(); ++i) {
          const Integer x = Graphic->CellBoolean() ? placed.Left + i * gridImages_->Width() : placed.Left;
          const Integer y = Graphic->CellBoolean() ? placed.Top : placed.Top + i * gridImages_->Height();
          gridImages_->Draw(ACanvas, x, y, list->Items(i));
        }
      }
      break;
    case ctCheckBox:
    case ctRowCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      CanEditCell(ACol, ARow, enabled);
      bool checked = Graphic->CellBoolean();
      if (kind == ctDataCheckBox || kind == ctVirtCheckBox) {
        std::string checkTrue = checkTrue_;
        DoGetCheckTrue(ACol, ARow, checkTrue);
        checked = GetCellText(ACol, ARow) == checkTrue;
      }
      DrawCheckGlyph(ACanvas, placed, checked, enabled);
      break;
    }
    case ctRadio:
      CanEditCell(ACol, ARow, enabled);
      DrawRadioGroup(ACanvas, ACol, ARow, r, Graphic, enabled);
      break;
    case ctProgress: {
      const ProGrid::TControlStyle style = controlLook_->ControlStyle();
      if (isWinXP_ && controlLook_->ProgressXP() && (style == ProGrid::csWinXP || style == ProGrid::csTheme)) {
        const TRect themed{Rect.Left + controlLook_->ProgressMarginX(), Rect.Top + controlLook_->ProgressMarginY(),
                           Rect.Right - controlLook_->ProgressMarginX(), Rect.Bottom - controlLook_->ProgressMarginY()};
        if (DrawThemedProgress(ACanvas, HandleAllocated() ? WindowHandle() : nullptr, themed,
                               GraphicValue(ACol, ARow)))
          break;
      }
      const TRect bar{Rect.Left + 2, Rect.Top + 2, Rect.Right - 2, Rect.Bottom - 2};
      const TColor first = Graphic->CellColor();
      const TColor second = Graphic->CellColorTo();
      const TColor third = Graphic->CellBoolean() ? TColor(Graphic->CellAngle()) : InvertChannels(first);
      const TColor fourth = Graphic->CellBoolean() ? TColor(Graphic->CellIndex()) : InvertChannels(second);
      const double value = LimitedValue(GraphicValue(ACol, ARow), Graphic->CellErrFrom());
      DrawProgressCell(ACanvas, bar, first, second, third, fourth, value, controlLook_->ProgressMarginX(),
                       controlLook_->ProgressMarginY(), Graphic->CellErrFrom(), Graphic->CellErrLen(),
                       Graphic->CellText(), controlLook_->ProgressBorderColor(), false);
      break;
    }
    case ctRangeIndicator: {
      const TRect bar{Rect.Left + controlLook_->ProgressMarginX(), Rect.Top + controlLook_->ProgressMarginY(),
                      Rect.Right - controlLook_->ProgressMarginX(), Rect.Bottom - controlLook_->ProgressMarginY()};
      DrawRangeIndicator(ACanvas, bar, LimitedRound(GraphicValue(ACol, ARow), 0), Graphic->CellIndex(),
                         Graphic->CellBoolean(), Graphic->CellColor(), Graphic->CellColorTo());
      break;
    }
    case ctXPProgress:
      DrawXPProgress(ACanvas, ACol, ARow, Rect, Graphic);
      break;
    case ctProgressPie:
      DrawProgressPie(ACanvas, TRect{placed.Left, placed.Top, placed.Left + kPieSize, placed.Top + kPieSize},
                      Graphic->CellColor(), Graphic->CellAngle(), false);
      break;
    case ctComment: {
      if (controlLook_->CommentColor() == clNone) break;
      const TColor color =
          TColor(Graphic->CellAngle()) != clNone ? TColor(Graphic->CellAngle()) : controlLook_->CommentColor();
      const TPoint corner[] = {{Rect.Right - 7, Rect.Top + 1}, {Rect.Right - 2, Rect.Top + 1},
                               {Rect.Right - 2, Rect.Top + 6}};
      ACanvas->Brush()->SetColor(color);
      ACanvas->Pen()->SetColor(color);
      ACanvas->Polygon(corner, 3);
      ACanvas->Brush()->SetColor(Color());
      break;
    }
    case ctButton:
    case ctBitButton:
      DrawCellButton(ACanvas, ACol, ARow, Rect, placed, Graphic);
      break;
    case ctNode:
      if (ACol == 0) DrawNodeGlyph(ACanvas, ARow, Rect, Graphic->CellBoolean());
      break;
    case ctRotated:
      DrawRotatedCellText(ACanvas, ACol, ARow, Rect, Graphic->CellAngle(), CellVAlign, TextAlign);
      break;
    default:
      break;
  }
}

void TProStringGrid::PlaceRotatedText(TCanvas* ACanvas, TRect& Rect, Integer Angle, TVAlignment VAlign,
                                      TAlignment HAlign, const std::string& Text) {
  const TSize extent = ACanvas->TextExtent(Text);
  const TRect inset{Rect.Left + 2, Rect.Top + 2, Rect.Right - 2, Rect.Bottom - 2};
  Rect = RotatedTextOrigin(inset, Angle, RotatedTextExtent(Angle, extent), static_cast<Integer>(HAlign),
                           static_cast<Integer>(VAlign));
}

void TProStringGrid::DrawRotatedCellText(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect,
                                         Integer Angle, TVAlignment VAlign, TAlignment HAlign) {
  const std::string text = GetCellText(ACol, ARow);
  TRect origin = Rect;
  PlaceRotatedText(ACanvas, origin, Angle, VAlign, HAlign, text);
  TFont* font = ACanvas->Font();
  const Integer orientation = font->Orientation();
  font->SetOrientation(Angle * 10);
  const TBrushStyle brushStyle = ACanvas->Brush()->Style();
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->TextRect(TRect{Rect.Left + 2, Rect.Top + 2, Rect.Right - 2, Rect.Bottom - 2}, origin.Left, origin.Top,
                    text);
  ACanvas->Brush()->SetStyle(brushStyle);
  font->SetOrientation(orientation);
}

void TProStringGrid::DrawXPProgress(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect,
                                    TCellGraphic* Graphic) {
  const TGridProgressAppearance* look = progressAppearance_.get();
  TProgressAppearance appearance;
  appearance.Level0Color = look->Level0Color();
  appearance.Level0ColorTo = look->Level0ColorTo();
  appearance.Level1Color = look->Level1Color();
  appearance.Level1ColorTo = look->Level1ColorTo();
  appearance.Level2Color = look->Level2Color();
  appearance.Level2ColorTo = look->Level2ColorTo();
  appearance.Level3Color = look->Level3Color();
  appearance.Level3ColorTo = look->Level3ColorTo();
  appearance.Level1Perc = look->Level1Perc();
  appearance.Level2Perc = look->Level2Perc();
  appearance.BorderColor = look->BorderColor();
  appearance.ShowBorder = look->ShowBorder();
  appearance.Stacked = look->Stacked();
  appearance.ShowPercentage = look->ShowPercentage();
  TFont font;
  font.Assign(Font());
  font.SetColor(look->CompleteFontColor());
  appearance.Font = &font;
  appearance.CompletionSmooth = look->CompletionSmooth();
  appearance.ShowGradient = look->ShowGradient();
  appearance.Steps = look->Steps();
  appearance.Background = look->UnCompleteColor() != clNone ? look->UnCompleteColor() : ACanvas->Brush()->Color();
  const TRect bar{Rect.Left + controlLook_->ProgressMarginX(), Rect.Top + controlLook_->ProgressMarginY(),
                  Rect.Right - controlLook_->ProgressMarginX() - 1, Rect.Bottom - controlLook_->ProgressMarginY() - 1};
  // A range of 0 (a new graphic) shows 0 %; a quotient beyond the 32-bit range is limited first.
  const double range = double(Graphic->CellErrLen()) - double(Graphic->CellErrFrom());
  const Integer percentage = range == 0 ? 0 : LimitedRound(GraphicValue(ACol, ARow) * 100 / range, 0);
  PaintProgressBar(ACanvas, bar, percentage, appearance);
}

void TProStringGrid::DrawCellButton(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Cell,
                                    const TRect& Placed, TCellGraphic* Graphic) {
  Graphic->SetCellValue(double(((Placed.Top - Cell.Top) & 0xFFFF) << 16 | ((Placed.Left - Cell.Left) & 0xFFFF)));
  bool enabled = true;
  if (!controlLook_->NoDisabledButtonLook()) CanEditCell(ACol, ARow, enabled);
  const bool pressed = Graphic->CellBoolean();
  TRect caption = Placed;
  const HWND window = HandleAllocated() ? WindowHandle() : nullptr;
  const int state = !enabled ? 4 : pressed ? 3 : 1;
  if (!(isWinXP_ && DrawThemedPart(ACanvas, window, u"button", 1, state, Placed))) {
    TRect frame = Placed;
    UINT flags = DFCS_BUTTONPUSH;
    if (controlLook_->FlatButton()) flags |= DFCS_FLAT;
    if (pressed) flags |= DFCS_PUSHED;
    DrawFrameControl(ACanvas->Handle(), &frame, DFC_BUTTON, flags);
  }
  const Integer shrink = pressed ? 3 : 2;
  caption = TRect{caption.Left + shrink, caption.Top + shrink, caption.Right - shrink, caption.Bottom - shrink};
  if (auto* glyph = dynamic_cast<TBitmap*>(Graphic->CellBitmap()); Graphic->CellType() == ctBitButton && glyph) {
    DrawBitmapTransparent(ACanvas, glyph, clBtnFace, caption);
    caption.Left += glyph->Width() + 2;
  }
  SetBkMode(ACanvas->Handle(), TRANSPARENT);
  const std::string& text = Graphic->CellText();
  DrawTextA(ACanvas->Handle(), text.c_str(), static_cast<int>(text.size()), &caption,
            DT_END_ELLIPSIS | DT_VCENTER | DT_CENTER | DT_SINGLELINE);
}

void TProStringGrid::DrawCheckGlyph(TCanvas* ACanvas, const TRect& Rect, bool Checked, bool Enabled) {
  if (controlLook_->NoDisabledCheckRadioLook() || controlLook_->CheckAlwaysActive()) Enabled = true;
  const Integer size = controlLook_->CheckSize();
  const HWND window = HandleAllocated() ? WindowHandle() : nullptr;
  switch (controlLook_->ControlStyle()) {
    case ProGrid::csClassic:
    case ProGrid::csFlat: {
      const Integer left = Rect.Left + (Rect.Right - Rect.Left - size) / 2;
      const Integer top = Rect.Top + (Rect.Bottom - Rect.Top - size) / 2;
      TRect box{left, top, left + size, top + size};
      UINT flags = DFCS_BUTTONCHECK;
      if (Checked) flags |= DFCS_CHECKED;
      if (controlLook_->ControlStyle() == ProGrid::csFlat) flags |= DFCS_FLAT;
      if (!Enabled) flags |= DFCS_INACTIVE;
      DrawFrameControl(ACanvas->Handle(), &box, DFC_BUTTON, flags);
      break;
    }
    case ProGrid::csWinXP:
    case ProGrid::csDAV: {
      const bool xp = controlLook_->ControlStyle() == ProGrid::csWinXP;
      const int number = (xp ? 5 : 1) + (Checked ? 0 : 1) + (Enabled ? 0 : 2);
      DrawResourceGlyph(ACanvas, Rect.Left, Rect.Top, "PSGCHK0" + std::to_string(number));
      break;
    }
    case ProGrid::csVarlund: {
      FillRectColor(ACanvas, Rect, Enabled ? clBtnFace : clBtnShadow);
      ACanvas->Pen()->SetColor(clBtnHighlight);
      ACanvas->MoveTo(Rect.Left, Rect.Bottom - 1);
      ACanvas->LineTo(Rect.Left, Rect.Top);
      ACanvas->LineTo(Rect.Right - 1, Rect.Top);
      ACanvas->Pen()->SetColor(clBtnShadow);
      ACanvas->LineTo(Rect.Right - 1, Rect.Bottom - 1);
      ACanvas->LineTo(Rect.Left, Rect.Bottom - 1);
      if (Checked) {
        ACanvas->Pen()->SetColor(Enabled ? controlLook_->Color() : clGray);
        ACanvas->Pen()->SetWidth(2);
        const Integer middle = (Rect.Top + Rect.Bottom) / 2;
        ACanvas->MoveTo(Rect.Left + 3, middle);
        ACanvas->LineTo(Rect.Left + (Rect.Right - Rect.Left) / 2 - 1, Rect.Bottom - 4);
        ACanvas->LineTo(Rect.Right - 3, Rect.Top + 3);
        ACanvas->Pen()->SetWidth(1);
      }
      break;
    }
    case ProGrid::csGlyph: {
      TBitmap* glyph = Checked ? controlLook_->CheckedGlyph() : controlLook_->UnCheckedGlyph();
      if (glyph != nullptr && !glyph->Empty()) DrawGlyphTransparent(ACanvas, Rect.Left, Rect.Top, glyph);
      break;
    }
    case ProGrid::csTheme: {
      if (!isWinXP_) break;
      const int state = Checked ? (Enabled ? 5 : 8) : (Enabled ? 1 : 4);
      DrawThemedPart(ACanvas, window, u"button", 3, state, TRect{Rect.Left, Rect.Top, Rect.Left + size, Rect.Top + size});
      break;
    }
  }
}

// A diamond in the button face colour at Item (its left-top), lit from the top-left (from the
// bottom-right when checked), with an inner diamond in ControlLook.Color when checked.
void TProStringGrid::DrawDiamondRadio(TCanvas* ACanvas, TPoint Item, bool Checked) {
  const Integer x = Item.X, y = Item.Y;
  const TPoint outer[] = {{x + 2, y + 8}, {x + 8, y + 2}, {x + 14, y + 8}, {x + 8, y + 14}};
  ACanvas->Brush()->SetColor(clBtnFace);
  ACanvas->Pen()->SetColor(clBtnFace);
  ACanvas->Polygon(outer, 4);
  const TColor lit = Checked ? clGray : clWhite, shaded = Checked ? clWhite : clGray;
  ACanvas->Pen()->SetColor(lit);
  ACanvas->MoveTo(outer[0].X, outer[0].Y);
  ACanvas->LineTo(outer[1].X, outer[1].Y);
  ACanvas->LineTo(outer[2].X, outer[2].Y);
  ACanvas->Pen()->SetColor(shaded);
  ACanvas->LineTo(outer[3].X, outer[3].Y);
  ACanvas->LineTo(outer[0].X, outer[0].Y);
  if (Checked) {
    const TPoint inner[] = {{x + 6, y + 8}, {x + 8, y + 6}, {x + 10, y + 8}, {x + 8, y + 10}};
    ACanvas->Brush()->SetColor(controlLook_->Color());
    ACanvas->Pen()->SetColor(controlLook_->Color());
    ACanvas->Polygon(inner, 4);
  }
}

void TProStringGrid::DrawRadioGroup(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect,
                                    TCellGraphic* Graphic, bool Enabled) {
  if (controlLook_->NoDisabledCheckRadioLook() || controlLook_->RadioAlwaysActive()) Enabled = true;
  auto* captions = dynamic_cast<TStrings*>(Graphic->CellBitmap());
  if (captions == nullptr) return;
  const std::string cellText = GetCellText(ACol, ARow);
  const bool horizontal = Graphic->CellBoolean();
  const ProGrid::TControlStyle style = controlLook_->ControlStyle();
  const bool classic = style == ProGrid::csClassic || style == ProGrid::csFlat;
  const Integer slot = classic ? controlLook_->RadioSize() : kBitmapRadioSize;
  const Integer lineHeight = classic ? ACanvas->TextHeight("gh") : std::max(slot, ACanvas->TextHeight("gh"));
  SetBkMode(ACanvas->Handle(), TRANSPARENT);
  Integer captionsBefore = 0;
  for (Integer i = 0; i < captions->Count(); ++i) {
    const std::string caption = captions->Strings(i);
    const bool checked = i == Graphic->CellIndex() || (Graphic->CellIndex() == -1 && caption == cellText);
    TPoint item;
    TPoint text;
    if (horizontal) {
      item.X = classic ? Rect.Left + 2 + i * slot + captionsBefore : Rect.Left + 16 * (i + 1) - 14 + captionsBefore;
      item.Y = Rect.Top + (Rect.Bottom - Rect.Top - slot) / 2;
      text = {item.X + slot, item.Y - 2};
    } else {
      item.X = caption.empty() ? Rect.Left + (Rect.Right - Rect.Left - slot) / 2 : Rect.Left + 2;
      item.Y = Rect.Top + i * lineHeight + 2;
      text = {Rect.Left + (classic ? slot + 6 : 20), Rect.Top + i * lineHeight};
    }
    captionsBefore += ACanvas->TextWidth(caption);
    if (classic) {
      const Integer size = style == ProGrid::csFlat ? slot + 2 : slot;
      TRect box{item.X, item.Y, item.X + size, item.Y + size};
      UINT flags = DFCS_BUTTONRADIO;
      if (checked) flags |= DFCS_CHECKED;
      if (style == ProGrid::csFlat) flags |= DFCS_FLAT;
      if (!Enabled) flags |= DFCS_INACTIVE;
      DrawFrameControl(ACanvas->Handle(), &box, DFC_BUTTON, flags);
    } else if (style == ProGrid::csWinXP || style == ProGrid::csDAV) {
      const int number = (style == ProGrid::csWinXP ? 5 : 1) + (checked ? 0 : 1) + (Enabled ? 0 : 2);
      DrawResourceGlyph(ACanvas, item.X, item.Y, "PSGRAD0" + std::to_string(number));
    } else if (style == ProGrid::csVarlund) {
      DrawDiamondRadio(ACanvas, item, checked);
    } else if (style == ProGrid::csGlyph) {
      TBitmap* glyph = checked ? controlLook_->RadioOnGlyph() : controlLook_->RadioOffGlyph();
      if (glyph != nullptr && !glyph->Empty()) DrawGlyphTransparent(ACanvas, item.X, item.Y, glyph);
    } else if (style == ProGrid::csTheme && isWinXP_) {
      const int state = checked ? (Enabled ? 5 : 8) : (Enabled ? 1 : 4);
      DrawThemedPart(ACanvas, HandleAllocated() ? WindowHandle() : nullptr, u"button", 2, state,
                     TRect{item.X, item.Y, item.X + 16, item.Y + 16});
    }
    if (!caption.empty()) ACanvas->TextOut(text.X, text.Y, caption);
  }
}

void TProStringGrid::DrawNodeGlyph(TCanvas* ACanvas, Integer ARow, const TRect& Rect, bool Contracted) {
  const Integer indent = cellNode_->NodeIndent() * GetCellProperties(0, ARow)->NodeLevel();
  const Integer left = Rect.Left + indent - cellNode_->NodeIndent() / 2 - 4;
  const Integer height = Rect.Bottom - Rect.Top;
  const Integer middle = Rect.Top + height / 2;
  switch (cellNode_->NodeType()) {
    case cnLeaf:
      DrawResourceGlyph(ACanvas, left, Rect.Top + (height - 12) / 2, Contracted ? "PSGLEAFCLOSE" : "PSGLEAFOPEN");
      return;
    case cnXP:
      DrawResourceGlyph(ACanvas, left + 4, Rect.Top + (height - 10) / 2, Contracted ? "XPNODEC" : "XPNODEO");
      return;
    case cnGlyph: {
      TBitmap* glyph = Contracted ? cellNode_->ContractGlyph() : cellNode_->ExpandGlyph();
      if (!cellNode_->ContractGlyph()->Empty() && !cellNode_->ExpandGlyph()->Empty()) {
        DrawGlyphTransparent(ACanvas, left, Rect.Top + (height - glyph->Height()) / 2, glyph);
        return;
      }
      break;
    }
    default:
      break;
  }
  // The 8 x 8 box in CellNode.Color, 4 pixels right of the glyph's left, vertically centred.
  TRect box{left + 4, middle - 4, left + 12, middle + 4};
  FillRectColor(ACanvas, box, cellNode_->Color());
  if (cellNode_->NodeType() != cnFlat) {
    DrawEdge(ACanvas->Handle(), &box, Contracted ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
    return;
  }
  // cnFlat: a 10 x 10 frame in NodeColor around it with a minus, and a plus when contracted.
  ACanvas->Brush()->SetColor(cellNode_->NodeColor());
  ACanvas->FrameRect(TRect{box.Left - 1, box.Top - 1, box.Right + 1, box.Bottom + 1});
  ACanvas->Pen()->SetColor(cellNode_->NodeColor());
  ACanvas->MoveTo(box.Left + 1, middle);
  ACanvas->LineTo(box.Right - 1, middle);
  if (Contracted) {
    ACanvas->MoveTo(box.Left + 4, box.Top + 1);
    ACanvas->LineTo(box.Left + 4, box.Bottom - 1);
  }
}

// Tree lines run at x = Rect.Left + the node's indent - NodeIndent / 2 + 2, through the node glyph's
// middle and down the rows of its span.  A node row at level L and its plain child rows share
// level L; a node nested in it, and that node's rows, have level L + 1.
namespace {

void TreeLine(TCanvas* Canvas, Integer X1, Integer Y1, Integer X2, Integer Y2) {
  Canvas->MoveTo(X1, Y1);
  Canvas->LineTo(X2, Y2);
}

}  // namespace

// Whether the display row after ARow still belongs to the span of a node at Level.
bool TProStringGrid::TreeGoesOnBelow(Integer ARow, Integer Level) {
  const Integer next = ARow + 1;
  if (next >= RowCount()) return false;
  const Integer nextLevel = RowLevel(next);
  return nextLevel > Level || (nextLevel == Level && !IsNode(next));
}

void TProStringGrid::DrawNodeTreeLine(TCanvas* ACanvas, Integer ARow, const TRect& Rect) {
  const Integer level = RowLevel(ARow);
  const Integer x = Rect.Left + level * cellNode_->NodeIndent() - cellNode_->NodeIndent() / 2 + 2;
  const Integer middle = Rect.Top + (Rect.Bottom - Rect.Top) / 2;
  const TColor saved = ACanvas->Pen()->Color();
  ACanvas->Pen()->SetColor(cellNode_->TreeColor());
  if (!GetNodeState(ARow) && TreeGoesOnBelow(ARow, level)) TreeLine(ACanvas, x, middle, x, Rect.Bottom);
  if (ARow - 1 >= FixedRows() && RowLevel(ARow - 1) >= level) TreeLine(ACanvas, x, Rect.Top, x, middle);
  ACanvas->Pen()->SetColor(saved);
}

void TProStringGrid::DrawTreeLines(TCanvas* ACanvas, Integer ARow, const TRect& Rect) {
  const Integer level = RowLevel(ARow);
  if (level <= 0) return;
  const Integer nodeIndent = cellNode_->NodeIndent();
  const Integer indent = level * nodeIndent;
  const Integer x = Rect.Left + indent - nodeIndent / 2 + 2;
  const Integer middle = Rect.Top + (Rect.Bottom - Rect.Top) / 2;
  const TColor saved = ACanvas->Pen()->Color();
  ACanvas->Pen()->SetColor(cellNode_->TreeColor());
  // The branch ends 4 pixels right of the indent, or, full, a whole indent further.
  const Integer branchEnd = Rect.Left + indent + (cellNode_->ShowTreeFull() ? nodeIndent : 4);
  TreeLine(ACanvas, x, middle, branchEnd, middle);
  TreeLine(ACanvas, x, Rect.Top, x, TreeGoesOnBelow(ARow, level) ? Rect.Bottom + 4 : middle);
  // The lines of the outer nodes this row lies in: on down while their spans go on.
  for (Integer i = 1; i < level; ++i) {
    const Integer outerX = x - i * nodeIndent;
    if (outerX < Rect.Left) break;
    TreeLine(ACanvas, outerX, Rect.Top, outerX, TreeGoesOnBelow(ARow, level - i) ? Rect.Bottom + 4 : middle);
  }
  ACanvas->Pen()->SetColor(saved);
}

void TProStringGrid::GetCellGraphicSize(Integer ACol, Integer ARow, TPoint& Size) {
  Size = GraphicSize(ACol, ARow, false, 1, 0, 0);
}

void TProStringGrid::GetCellGraphicSizeScaled(Integer ACol, Integer ARow, TPoint& Size, double Scale, Integer AWidth,
                                              Integer AHeight) {
  Size = GraphicSize(ACol, ARow, true, Scale, AWidth, AHeight);
}

TPoint TProStringGrid::GraphicSize(Integer ACol, Integer ARow, bool Scaled, double Scale, Integer AWidth,
                                   Integer AHeight) {
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (graphic == nullptr) return TPoint{0, 0};
  const TCellType kind = graphic->CellType();
  const TCellHAlign hAlign = graphic->CellHAlign();
  const TCellVAlign vAlign = graphic->CellVAlign();
  const bool noText = GetCellText(ACol, ARow).empty();
  const bool beside = hAlign == haBeforeText || hAlign == haAfterText || noText;
  const bool aboveOrBelow = vAlign == vaUnderText || vAlign == vaAboveText || noText;
  // Printed output counts bitmaps, icons and data images whole, whatever the text.
  const bool whole = Scaled && kind != ctImageList;
  TPoint size{0, 0};
  if (kind == ctBitmap) {
    if (auto* bitmap = dynamic_cast<TBitmap*>(graphic->CellBitmap()))
      size = {whole || beside ? bitmap->Width() : 0, whole || aboveOrBelow ? bitmap->Height() : 0};
  } else if (kind == ctIcon) {
    if (const TIcon* icon = graphic->CellIcon()) size = {whole || beside ? icon->Width() : 0, icon->Height()};
  } else if ((kind == ctImageList || kind == ctDataImage) && gridImages_ != nullptr) {
    size = {whole || beside ? gridImages_->Width() : 0, gridImages_->Height()};
  } else if (IsCheckKind(kind)) {
    size = {controlLook_->CheckSize(), controlLook_->CheckSize()};
  } else if (kind == ctRadio) {
    if (auto* captions = dynamic_cast<TStrings*>(graphic->CellBitmap())) {
      TCanvas* canvas = Canvas();
      const Integer lineHeight = canvas->TextHeight("gh");
      Integer sum = 0, widest = 12;
      for (Integer i = 0; i < captions->Count(); ++i) {
        const Integer item = canvas->TextWidth(captions->Strings(i)) + 12;
        sum += item;
        widest = std::max(widest, item);
      }
      size = graphic->CellBoolean() ? TPoint{sum, lineHeight} : TPoint{widest, lineHeight * captions->Count()};
    }
  } else if (kind == ctImages && gridImages_ != nullptr) {
    const TIntList* list = GetCellImages(ACol, ARow);
    const Integer count = list != nullptr ? list->Count() : 0;
    size = graphic->CellBoolean() ? TPoint{count * gridImages_->Width(), gridImages_->Height()}
                                  : TPoint{gridImages_->Width(), count * gridImages_->Height()};
  } else if (kind == ctPicture || kind == ctFilePicture) {
    if (Scaled) {
      const TPoint picture = graphic->GetPictureSize(AWidth, AHeight);
      const double scale = Scale > 0 ? Scale : 1;
      size = {static_cast<Integer>(Round(picture.X / scale)), static_cast<Integer>(Round(picture.Y / scale))};
    } else {
      const TPoint extent = MergedCellExtent(ACol, ARow);
      size = graphic->GetPictureSize(extent.X, extent.Y);
    }
  } else if (kind == ctButton || kind == ctBitButton) {
    const Integer width = graphic->CellIndex() & 0xFFFF;
    const Integer height = (graphic->CellIndex() >> 16) & 0xFFFF;
    const bool textCentred = !noText && (hAlign == haCenter || hAlign == haFull);
    size = {Scaled || !textCentred ? width : 0, Scaled || aboveOrBelow ? height : 0};
  } else if (kind == ctProgressPie) {
    size = {kPieSize, kPieSize};
  } else if (Scaled && (kind == ctProgress || kind == ctXPProgress)) {
    size = {ColWidths(ACol), RowHeights(ARow)};
  }
  if (!Scaled && (vAlign == vaFull || hAlign == haFull)) {
    const TPoint extent = MergedCellExtent(ACol, ARow);
    if (vAlign == vaFull) size.Y = extent.Y;
    if (hAlign == haFull) size.X = extent.X;
  }
  return size;
}
