// TBaseGrid painting: the class library's paint loop calls DrawCell for every visible cell; a
// covered cell draws its base cell instead (at most once per paint pass), and a base cell fills
// its whole range, draws its grid lines inside the range's rectangle and then its content.
#include "grid/base_grid.h"

#include <optional>

#include "grid/cell_drawing.h"
#include "grid/cell_properties.h"
#include "platform/gdi/clip.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/region.h"
#include "platform/ui/canvas.h"

namespace {

constexpr TColor kFixedLineColor = 0x808080;
constexpr Integer kGradientSteps = 64;

// While alive, limits drawing on the canvas to a rectangle; afterwards the canvas has no clip
// region.
class ScopedClip {
 public:
  ScopedClip(TCanvas* Canvas, const TRect& Rect)
      : canvas_(Canvas), region_(CreateRectRgn(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom)) {
    SelectClipRgn(canvas_->Handle(), region_);
  }
  ~ScopedClip() {
    SelectClipRgn(canvas_->Handle(), nullptr);
    DeleteObject(region_);
  }
  ScopedClip(const ScopedClip&) = delete;
  ScopedClip& operator=(const ScopedClip&) = delete;

 private:
  TCanvas* canvas_;
  HRGN region_;
};

}  // namespace

void TBaseGrid::Paint() {
  inherited::Paint();
  ++paintCount_;
}

void TBaseGrid::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) {
  TCanvas* canvas = Canvas();
  if (lastRowIsFooter_ && ARow == RowCount() - 1) {
    // The floating footer paints the last row itself.
    canvas->Brush()->SetColor(Color());
    canvas->Pen()->SetColor(Color());
    canvas->FillRect(ARect);
    return;
  }
  if (TCellProperties* props = PropertiesAt(ACol, ARow); props != nullptr && !props->IsBaseCell()) {
    const TPoint base = props->ResolveBaseCell(ACol, ARow);
    TCellProperties* baseProps = PropertiesAt(base.X, base.Y);
    if (baseProps != nullptr && baseProps->PaintStamp() == paintCount_) return;
    if (baseProps != nullptr) baseProps->SetPaintStamp(paintCount_);
    DrawCell(base.X, base.Y, ARect, AState);
    return;
  }
  PaintCell(ACol, ARow, AState);
}

void TBaseGrid::PaintCell(Integer ACol, Integer ARow, TGridDrawState State) {
  if (IsFixed(ACol, ARow)) {
    State.Include(gdFixed);
    State.Exclude(gdSelected);
  }
  const bool fixed = State.Contains(gdFixed);
  const TRect rect = CellSpanRect(ACol, ARow);
  TCanvas* canvas = Canvas();

  // A range scrolled under the fixed cells must not paint over them.
  const Integer fixedWidth = ACol >= FixedCols() ? FixedColsWidth() : 0;
  const Integer fixedHeight = ARow >= FixedRows() ? FixedRowsHeight() : 0;
  const bool underFixed = (ACol >= FixedCols() && FixedCols() > 0 && rect.Left < fixedWidth) ||
                          (ARow >= FixedRows() && FixedRows() > 0 && rect.Top < fixedHeight);
  std::optional<ScopedClip> clip;
  if (underFixed) clip.emplace(canvas, TRect{fixedWidth, fixedHeight, Width(), Height()});

  // The look: GetInitialCellStyle's presets, then the descendant's GetCellStyle.
  canvas->Pen()->SetWidth(1);
  canvas->Brush()->SetStyle(bsSolid);
  TColor colorTo = clNone;
  TAlignment alignment = taLeftJustify;
  TVAlignment vAlignment = vtaTop;
  bool wordWrap = defaultWordWrap_;
  TCellGradientDirection direction = GradientVertical;
  GetInitialCellStyle(ACol, ARow, canvas->Font(), canvas->Brush(), colorTo, alignment, vAlignment, wordWrap, direction);
  GetCellStyle(ACol, ARow, State, false, true, true, canvas->Brush(), colorTo, canvas->Font(), alignment, vAlignment,
               wordWrap, direction);
  if (activeRowShow_ && ARow == Row() && ACol != Col()) canvas->Brush()->SetColor(activeRowColor_);
  canvas->Pen()->SetColor(canvas->Brush()->Color());

  if (colorTo == clNone) {
    canvas->Rectangle(rect);
  } else {
    DrawGradient(canvas, canvas->Brush()->Color(), colorTo, kGradientSteps, rect, direction == GradientHorizontal);
  }
  DrawCellLines(canvas, ACol, ARow, rect, fixed);
  const Integer inset = fixed ? 1 : gridLineWidth_;
  const TRect content{rect.Left + inset, rect.Top + inset, rect.Right - inset, rect.Bottom - inset};
  DrawCellContent(canvas, ACol, ARow, content, State);
}

// The bottom and right lines inside the cell's rectangle: a fixed cell's are grey and 1 pixel
// wide, a normal cell's GridLineWidth wide in GridLineColor, drawn H = (width + 1) div 2 pixels in
// from the edges so that the whole width lies inside.  Width 0 keeps the fill colour: no line.
void TBaseGrid::DrawCellLines(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect, bool Fixed) {
  TPen* pen = ACanvas->Pen();
  Integer h = 0;
  if (Fixed) {
    pen->SetColor(kFixedLineColor);
    pen->SetWidth(1);
    h = 1;
  } else if (gridLineWidth_ > 0) {
    pen->SetColor(gridLineColor_);
    pen->SetWidth(gridLineWidth_);
    h = (gridLineWidth_ + 1) / 2;
  }
  const TGridOptions options = Options();
  const bool noBottomLine = HasNodes() && GetBaseCell(ACol, ARow).X == 0;
  if (!noBottomLine && options.Contains(Fixed ? goFixedHorzLine : goHorzLine)) {
    ACanvas->MoveTo(Rect.Left - h + 1, Rect.Bottom - h);
    ACanvas->LineTo(Rect.Right - h + 1, Rect.Bottom - h);
  }
  if (options.Contains(Fixed ? goFixedVertLine : goVertLine)) {
    const Integer x = UseRightToLeftAlignment() ? Rect.Right - h + 1 : Rect.Right - h;
    ACanvas->MoveTo(x, Rect.Bottom - h);
    ACanvas->LineTo(x, Rect.Top - h);
  }
}

void TBaseGrid::DrawCellContent(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect, TGridDrawState) {
  const std::string text = GetCellText(ACol, ARow);
  if (!text.empty()) DrawCentredText(ACanvas, Rect, text);
}
