// TProStringGrid cell painting: the style of a cell (fonts, brush, bands, selection, alignment)
// and everything drawn inside a cell after the base grid has filled its background: the fixed-cell
// looks, the modified-row bar, the text (plain, link, password, markup), the cell borders, the
// graphic, the owner-draw events and the focus rectangle.
#include <algorithm>

#include "grid/bands.h"
#include "grid/cell_drawing.h"
#include "grid/cell_line_breaks.h"
#include "grid/cell_node.h"
#include "grid/cell_properties.h"
#include "grid/cell_text_kinds.h"
#include "grid/control_look.h"
#include "grid/draw_markup.h"
#include "grid/grid_values.h"
#include "grid/mouse_actions.h"
#include "grid/print_settings.h"
#include "grid/pro_string_grid.h"
#include "grid/show_modified.h"
#include "grid/sort_settings.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

namespace {

constexpr UINT kHorizontalFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
constexpr UINT kVerticalFlags[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
constexpr Integer kModifiedBarWidth = 4;
constexpr Integer kSortGlyphRoom = 14;

// The link without its protocol: everything up to and including "://", or "mailto:".
std::string StripProtocol(const std::string& Text) {
  if (const size_t at = Text.find("://"); at != std::string::npos) return Text.substr(at + 3);
  if (const size_t at = Text.find("mailto:"); at != std::string::npos) return Text.substr(at + 7);
  return Text;
}

}  // namespace

// What one DrawCellContent pass knows about its cell.
struct TProStringGrid::TCellPaint {
  TCanvas* Canvas;
  Integer Col;       // displayed
  Integer RealCol;
  Integer Row;
  TRect Rect;        // the content rectangle, narrowed by the row indicator and the drop-down button
  TGridDrawState State;
  TAlignment Alignment;
  TVAlignment VAlignment;
  bool WordWrap;
  TCellGraphic* Graphic;
  Integer GraphicWidth;
  Integer GraphicHeight;
  TCellHAlign GraphicHAlign;
  TCellVAlign GraphicVAlign;
  bool DrawText;
  TColor LinkColor;
  Integer TextWidth = 0;   // measured width of the drawn text, for the graphic's placement
  TRect Cell{};            // the content rectangle as the base grid gave it
};

void TProStringGrid::GetCellStyle(Integer ACol, Integer ARow, TGridDrawState& State, bool Printing,
                                  bool ApplySelection, bool MapColumn, TBrush* ABrush, TColor& ColorTo, TFont* AFont,
                                  TAlignment& Alignment, TVAlignment& VAlignment, bool& WordWrap,
                                  TCellGradientDirection& GradientDirection) {
  const bool fixedArea = ACol < FixedCols() || ARow < FixedRows();
  if (Printing && !printSettings_->UseDisplayFont())
    AFont->Assign(fixedArea ? printSettings_->FixedFont() : printSettings_->Font());
  else
    AFont->Assign(fixedArea ? fixedFont_.get() : Font());

  const Integer realCol = MapColumn ? RealColIndex(ACol) : ACol;
  const bool persistentRows = mouseActions_->DisjunctRowSelect() && mouseActions_->RowSelectPersistent();
  const Integer selectRow = persistentRows ? DisplayToRealRow(ARow) : ARow;

  TColor brush = clNone;
  ColorTo = clNone;
  if (HasCellProperties(realCol, ARow)) {
    TCellProperties* props = GetCellProperties(realCol, ARow);
    brush = props->BrushColor();
    if (props->FontColor() != clNone) AFont->SetColor(props->FontColor());
    if (!props->FontStyle().Empty()) AFont->SetStyle(props->FontStyle());
    if (props->FontSize() != 0) AFont->SetSize(props->FontSize());
    if (!props->FontName().empty()) AFont->SetName(props->FontName());
    WordWrap = props->WordWrap();
    ColorTo = props->BrushColorTo();
    GradientDirection = props->GradientDirection();
  }
  if (State.Contains(gdSelected)) GradientDirection = GradientVertical;

  if (brush == clNone) {
    brush = Color();
    const Integer lastNormalCol = AllColCount() - fixedRightCols_;
    const Integer lastNormalRow = RowCount() - fixedFooters_;
    const bool normal = ACol >= FixedCols() && ACol < lastNormalCol && ARow >= FixedRows() && ARow < lastNormalRow;
    const Integer bandSum = bands_->PrimaryLength() + bands_->SecondaryLength();
    if (bands_->Active() && (!Printing || bands_->Print()) && normal && bandSum > 0)
      brush = (ARow - FixedRows()) % bandSum < bands_->PrimaryLength() ? bands_->PrimaryColor()
                                                                       : bands_->SecondaryColor();
    if (fixedArea || ACol >= ColCount() - fixedRightCols_ || ARow >= RowCount() - fixedFooters_) brush = FixedColor();
  }
  ABrush->SetColor(brush);

  const bool fixedCell = IsFixed(ACol, ARow) || fixedArea;
  if (fixedCell && !Printing) {
    ABrush->SetColor(FixedColor());
    AFont->Assign(fixedFont_.get());
    State.Include(gdFixed);
  }

  // A fixed cell's own brush and font do not come back: only the event may change its look.
  if (Printing) {
    DoGetCellPrintColor(realCol, ARow, State, ABrush, AFont);
  } else if (fixedCell) {
    ApplyActiveCellColors(realCol, ARow, ABrush, AFont);
    OnGetCellColor(this, ARow, realCol, State, ABrush, AFont);
  } else {
    DoGetCellColor(realCol, ARow, State, ABrush, AFont);
  }

  auto applySelectionColors = [&] {
    ABrush->SetColor(selectionColor_);
    ColorTo = selectionColorTo_;
    AFont->SetColor(selectionTextColor_);
  };
  const bool normalCell = ACol >= FixedCols() && ARow >= FixedRows() && !fixedCell;
  if (normalCell && showSelection_) {
    const bool rowMode = mouseActions_->DisjunctRowSelect();
    const bool colMode = mouseActions_->DisjunctColSelect();
    if (rowMode && ApplySelection && !Printing) {
      const bool listed = GetRowSelect(selectRow) && !(ARow == Row() && mouseSelecting_);
      if (listed || (mouseSelecting_ && State.Contains(gdSelected))) {
        applySelectionColors();
        State = TGridDrawState{gdSelected};
      }
    } else if (colMode && ApplySelection && !Printing) {
      const bool listed = GetColSelect(realCol) && !(ACol == Col() && mouseSelecting_);
      if (listed || (mouseSelecting_ && State.Contains(gdSelected))) {
        applySelectionColors();
        State = TGridDrawState{gdSelected};
      }
    } else if (ApplySelection && !Printing && !rowMode && !colMode) {
      const TGridRect selection = Selection();
      if (ACol >= selection.Left && ACol <= selection.Right && ARow >= selection.Top && ARow <= selection.Bottom) {
        applySelectionColors();
        State.Include(gdSelected);
      }
    } else if (State.Contains(gdSelected) && mouseSelecting_) {
      applySelectionColors();
    }
    // The disjunct cell list decides alone: a listed cell is selected, the current cell outside it
    // takes the grid's own colours.
    if (mouseActions_->DisjunctCellSelect()) {
      if (IsDisjunctCellSelected(ACol, ARow)) {
        applySelectionColors();
        State.Include(gdSelected);
      } else if (ACol == Col() && ARow == Row()) {
        State.Exclude(gdSelected);
        ABrush->SetColor(Color());
        AFont->SetColor(Font()->Color());
      }
    }
  }

  DoGetWordWrap(realCol, ARow, WordWrap);
  const auto [horizontal, vertical] = GetCellAlignment(realCol, ARow);
  Alignment = horizontal;
  VAlignment = vertical;
}

void TProStringGrid::DrawCellContent(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect,
                                     TGridDrawState State) {
  SetCtl3D(!flat_);
  TCellPaint paint{ACanvas, ACol, RealColIndex(ACol), ARow, Rect, State, taLeftJustify, vtaTop, wordWrap_,
                   nullptr, 0, 0, haLeft, vaTop, true, urlColor_};
  paint.Cell = Rect;
  TColor colorTo = clNone;
  TCellGradientDirection direction = GradientVertical;
  GetCellStyle(ACol, ARow, paint.State, false, false, true, ACanvas->Brush(), colorTo, ACanvas->Font(),
               paint.Alignment, paint.VAlignment, paint.WordWrap, direction);
  paint.Graphic = GetCellGraphicInfo(paint.RealCol, ARow, paint.GraphicWidth, paint.GraphicHeight, paint.DrawText,
                                     paint.GraphicHAlign, paint.GraphicVAlign);
  if (paint.RealCol == 0 && GetCellType(0, ARow) == ctNode) {
    const Integer level = HasCellProperties(0, ARow) ? GetCellProperties(0, ARow)->NodeLevel() : 0;
    paint.GraphicWidth = 12 * level + 4;
  }
  const bool selected = paint.State.Contains(gdSelected);
  if (selected && !paint.State.Contains(gdFocused) && selectionColor_ == clNone)
    ACanvas->Brush()->SetColor(clHighlight);
  ACanvas->Font()->SetSize(ACanvas->Font()->Size() + fontSizeDelta_);
  const TColor savedBrush = ACanvas->Brush()->Color();
  const TColor savedFont = ACanvas->Font()->Color();
  const bool fixed = paint.State.Contains(gdFixed);

  if (fixed && !flat_ && (look_ == glDAV || look_ == glXP)) DrawFixedGradient(ACanvas, ACol, ARow, Rect);
  if (paint.RealCol == 0 && ARow == Row() && FixedCols() > 0 && !rowIndicator_->Empty()) {
    const Integer top = paint.VAlignment == vtaTop      ? Rect.Top
                        : paint.VAlignment == vtaBottom ? Rect.Bottom - rowIndicator_->Height()
                                                        : (Rect.Top + Rect.Bottom - rowIndicator_->Height()) / 2;
    DrawBitmapTransparent(ACanvas, rowIndicator_.get(), ACanvas->Brush()->Color(),
                          TRect{Rect.Left + 2, top, Rect.Right, Rect.Bottom});
    paint.Rect.Left += rowIndicator_->Width() + 2;
  }
  if (ACol == 0 && showModified_->Enabled() && GetRowModified(ARow))
    FillRectColor(ACanvas, TRect{Rect.Right - kModifiedBarWidth, Rect.Top, Rect.Right, Rect.Bottom},
                  showModified_->Color());
  if (!fixed && DoHasComboBox(paint.RealCol, ARow) && controlLook_->DropDownAlwaysVisible()) {
    DrawComboButton(ACanvas, HandleAllocated() ? WindowHandle() : nullptr, Rect, isWinXP_ && isComCtl6_);
    paint.Rect.Right -= 16;
  }

  DrawCellText(paint);

  ACanvas->Brush()->SetColor(savedBrush);
  ACanvas->Font()->SetColor(savedFont);
  const TRect grown{Rect.Left - 1, Rect.Top - 1, Rect.Right + 1, Rect.Bottom + 1};
  DrawCellBorders(ACanvas, paint.RealCol, ARow, grown);
  if (fixed && !flat_) DrawFixedFrame(ACanvas, grown);
  if (paint.RealCol == 0 && HasNodes() && cellNode_->ShowTree() && ARow >= FixedRows()) {
    if (IsNode(ARow))
      DrawNodeTreeLine(ACanvas, ARow, grown);
    else
      DrawTreeLines(ACanvas, ARow, grown);
  }
  if (paint.Graphic != nullptr)
    DrawCellGraphic(ACanvas, paint.RealCol, ARow, grown, paint.Graphic, paint.VAlignment, paint.Alignment,
                    paint.TextWidth);

  OnDrawCell(this, paint.RealCol, ARow,
             TRect{grown.Left + 1, grown.Top + 1, grown.Right - GridLineWidth(), grown.Bottom - GridLineWidth()},
             paint.State);
  OnCustomCellDraw(this, ACanvas, paint.RealCol, ARow, paint.State, grown, false);

  const TPoint base = GetBaseCell(ACol, ARow);
  if (!HideFocusRect() && base.X == Col() && base.Y == Row() && Focused() && !Options().Contains(goRowSelect)) {
    const Integer grow = GridLineWidth() - 1;
    ACanvas->DrawFocusRect(
        TRect{grown.Left - grow, grown.Top - grow, grown.Right + grow - 1, grown.Bottom + grow - 1});
  }
}

void TProStringGrid::DrawCellText(TCellPaint& Paint) {
  TCanvas* canvas = Paint.Canvas;
  const bool fixed = Paint.State.Contains(gdFixed);
  const bool rowSelected = Options().Contains(goRowSelect) && Paint.Row >= Selection().Top &&
                           Paint.Row <= Selection().Bottom && Paint.Col >= FixedCols() &&
                           Paint.Col < ColCount() - fixedRightCols_;
  const bool selected = Paint.State.Contains(gdSelected) || rowSelected;
  const bool shownSelected =
      selected && (!Paint.State.Contains(gdFocused) || Options().Contains(goDrawFocusSelected)) && !fixed;
  if (shownSelected && showSelection_) {
    if (selectionColor_ != clNone) canvas->Brush()->SetColor(selectionColor_);
    if (selectionTextColor_ != clNone) {
      canvas->Font()->SetColor(selectionTextColor_);
      Paint.LinkColor = selectionTextColor_;
    }
  }

  std::string text = GetCellText(Paint.RealCol, Paint.Row);
  GetFloatFormat(Paint.RealCol, Paint.Row, text);
  Integer kind = CellTextKind(text, EnableHTML());
  if (kind == 3) {
    GetCalculatedCellText(Paint.RealCol, Paint.Row, text);
    kind = CellTextKind(text, EnableHTML());
  }
  bool password = false;
  DoIsPasswordCell(Paint.RealCol, Paint.Row, password);
  if (password) text.assign(text.size(), '*');

  const bool normal = Paint.Col >= FixedCols() && Paint.Row >= FixedRows() && !fixed;
  if (normal && !mouseSelecting_ &&
      ((mouseActions_->DisjunctRowSelect() && !GetRowSelect(Paint.Row)) ||
       (mouseActions_->DisjunctColSelect() && !GetColSelect(Paint.Col)))) {
    Paint.LinkColor = urlColor_;
    canvas->Brush()->SetColor(Color());
    canvas->Font()->SetColor(Font()->Color());
    DoGetCellColor(Paint.RealCol, Paint.Row, Paint.State, canvas->Brush(), canvas->Font());
  }
  DrawCellBackground(canvas, Paint.RealCol, Paint.Row, Paint.Rect, fixed, shownSelected && showSelection_);
  DrawSelectionOutline(canvas, Paint.Col, Paint.Row, Paint.Cell);
  if (!Paint.DrawText) return;

  TRect textRect{Paint.Rect.Left + xMargin_, Paint.Rect.Top + yMargin_, Paint.Rect.Right - xMargin_,
                 Paint.Rect.Bottom};
  if (Paint.Graphic != nullptr) {
    if (Paint.GraphicHAlign == haBeforeText) textRect.Left += Paint.GraphicWidth;
    if (Paint.GraphicHAlign == haAfterText) textRect.Right -= Paint.GraphicWidth;
    if (Paint.GraphicVAlign == vaAboveText) textRect.Top += Paint.GraphicHeight;
    if (Paint.GraphicVAlign == vaUnderText) textRect.Bottom -= Paint.GraphicHeight;
  }
  if (Paint.RealCol == 0 && HasNodes() && GetCellType(0, Paint.Row) != ctNode)
    textRect.Left += GetRowIndent(Paint.Row);

  const bool sortGlyph = SortGlyphShown(Paint.Col, Paint.Row);
  if (kind == 1) {
    textRect.Left -= 1;
    if (sortGlyph) textRect.Right -= 10;
    TDrawMarkupInput in;
    in.Canvas = canvas;
    in.Text = text;
    in.DrawRect = textRect;
    in.Images = gridImages_;
    in.MouseX = textRect.Left;
    in.MouseY = textRect.Top;
    in.WordWrap = !EnhTextSize();
    in.BlinkVisible = blinkVisible_;
    in.URLColor = Paint.LinkColor;
    in.ResFactor = 0;
    in.WindowHandle = HandleAllocated() ? WindowHandle() : nullptr;
    TDrawMarkupOutput out;
    DrawMarkup(in, out);
    Paint.TextWidth = out.MarkupWidth + 2;
    if (sortGlyph) DrawSortGlyph(canvas, Paint.RealCol, textRect.Right + 2, (textRect.Top + textRect.Bottom) / 2);
    return;
  }
  if (kind == 2) {
    canvas->Brush()->SetStyle(bsClear);
    DrawRTFCell(Paint.Col, Paint.Row, canvas, Paint.Rect);
    return;
  }
  Paint.Rect = textRect;
  DrawPlainText(Paint, text);
}

void TProStringGrid::DrawPlainText(TCellPaint& Paint, const std::string& Text) {
  TCanvas* canvas = Paint.Canvas;
  TRect rect = Paint.Rect;
  const bool sortGlyph = SortGlyphShown(Paint.Col, Paint.Row);
  if (sortGlyph) {
    if (Paint.Alignment == taCenter) rect.Left += 10;
    if (Paint.Alignment == taLeftJustify)
      rect.Right -= kSortGlyphRoom;
    else
      rect.Left += kSortGlyphRoom;
  }
  std::string text = Text;
  const bool link = URLShow() && IsLinkText(text);
  if (link) {
    if (!URLFull()) text = StripProtocol(text);
    canvas->Font()->SetStyle(canvas->Font()->Style() + TFontStyles{fsUnderline});
    canvas->Font()->SetColor(Paint.LinkColor);
  }
  const bool multiLine = CountTextLines(text, Multilinecells()) > 1;
  const UINT wrapFlag = Paint.WordWrap ? (DT_WORDBREAK | DT_EDITCONTROL) : (Multilinecells() ? 0 : DT_SINGLELINE);
  UINT flags = DT_NOPREFIX | DT_EXPANDTABS | wrapFlag | kHorizontalFlags[Paint.Alignment] |
               kVerticalFlags[Paint.VAlignment];
  if (!multiLine && !Paint.WordWrap) {
    std::string line;
    TakeFirstLine(text, false, line);
    text = line;
    flags |= DT_SINGLELINE;
    if (EnhTextSize()) flags |= DT_END_ELLIPSIS;
  } else {
    flags |= DT_EDITCONTROL;
    if (Paint.WordWrap && EnhTextSize() && !Multilinecells()) flags |= DT_END_ELLIPSIS;
  }
  SetBkMode(canvas->Handle(), TRANSPARENT);
  if (Paint.Graphic != nullptr) {
    TRect measured = rect;
    DrawTextA(canvas->Handle(), text.c_str(), static_cast<int>(text.size()), &measured, flags | DT_CALCRECT);
    Paint.TextWidth = measured.Right - measured.Left + 2;
  }
  DrawTextA(canvas->Handle(), text.c_str(), static_cast<int>(text.size()), &rect, flags);
  if (Paint.Graphic != nullptr && Paint.Graphic->CellType() == ctEmpty && Paint.Graphic->CellErrLen() > 0)
    DrawErrorUnderline(this, canvas, text, rect, 0, Paint.Graphic->CellErrFrom(), Paint.Graphic->CellErrLen());
  if (sortGlyph) {
    const Integer w = std::max<Integer>(0, std::min(canvas->TextWidth(text), rect.Right - rect.Left - 16));
    const bool graphicLeft =
        Paint.Graphic != nullptr && (Paint.GraphicHAlign == haLeft || Paint.GraphicHAlign == haBeforeText);
    const Integer x = Paint.Alignment == taLeftJustify ? rect.Left + w + (graphicLeft ? Paint.GraphicWidth : 0) + 10
                      : Paint.Alignment == taRightJustify ? rect.Right - w - 10
                                                          : rect.Left + 8;
    const Integer y = Paint.VAlignment == vtaTop      ? rect.Top + 8
                      : Paint.VAlignment == vtaBottom ? rect.Bottom - 8
                                                      : (rect.Top + rect.Bottom) / 2;
    DrawSortGlyph(canvas, Paint.RealCol, x, y);
  }
  if (link) canvas->Font()->SetStyle(canvas->Font()->Style() - TFontStyles{fsUnderline});
}

void TProStringGrid::DrawSelectionOutline(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect) {
  if (!selectionRectangle_ && !selectionResizer_) return;
  const TGridRect s = Selection();
  if (ACol < s.Left || ACol > s.Right || ARow < s.Top || ARow > s.Bottom) return;
  const Integer line = GridLineWidth();
  const TRect cell{Rect.Left, Rect.Top, Rect.Right + line, Rect.Bottom + line};
  const TColor saved = ACanvas->Brush()->Color();
  auto fill = [&](const TRect& R) { FillRectColor(ACanvas, R, selectionRectangleColor_); };
  if (selectionRectangle_) {
    if (ACol == s.Left) fill(TRect{cell.Left, cell.Top, cell.Left + 2, cell.Bottom});
    if (ACol == s.Right) fill(TRect{cell.Right - 2, cell.Top, cell.Right, cell.Bottom});
    if (ARow == s.Top) fill(TRect{cell.Left, cell.Top, cell.Right, cell.Top + 2});
    if (ARow == s.Bottom) fill(TRect{cell.Left, cell.Bottom - 2, cell.Right, cell.Bottom});
  }
  if (selectionResizer_ && ACol == s.Right && ARow == s.Bottom)
    fill(TRect{cell.Right - 4, cell.Bottom - 4, cell.Right, cell.Bottom});
  ACanvas->Brush()->SetColor(saved);
}

void TProStringGrid::DrawCellBorders(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect) {
  TCellBorders borders;
  TPen pen;
  pen.Assign(ACanvas->Pen());
  DoGetCellBorder(ACol, ARow, &pen, borders);
  if (borders.Empty()) return;
  TPen left, top, right, bottom;
  for (TPen* side : {&left, &top, &right, &bottom}) side->Assign(&pen);
  OnGetCellBorderProp(this, ARow, ACol, &left, &top, &right, &bottom);
  TPen saved;
  saved.Assign(ACanvas->Pen());
  TRect r = Rect;
  const Integer half = (pen.Width() + 1) / 2;
  if (Options().Contains(goVertLine)) {
    r.Left += half;
    r.Right -= half;
  }
  if (Options().Contains(goHorzLine)) {
    r.Top += half;
    r.Bottom -= half;
  }
  auto line = [&](TPen* side, Integer x1, Integer y1, Integer x2, Integer y2) {
    ACanvas->Pen()->Assign(side);
    ACanvas->MoveTo(x1, y1);
    ACanvas->LineTo(x2, y2);
  };
  if (borders.Contains(cbLeft)) line(&left, r.Left, r.Top, r.Left, r.Bottom);
  if (borders.Contains(cbRight)) line(&right, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
  if (borders.Contains(cbTop)) {
    const Integer y = GridLineWidth() == 0 ? r.Top + 1 : r.Top - GridLineWidth();
    line(&top, r.Left, y, r.Right, y);
  }
  if (borders.Contains(cbBottom)) line(&bottom, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
  ACanvas->Pen()->Assign(&saved);
}
