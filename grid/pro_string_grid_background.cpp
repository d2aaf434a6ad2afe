// TProStringGrid around and behind the cells: the frame of the editor's cell after the base grid's
// paint, the background picture or gradient behind cells and in the client area right of the last
// column and below the last row, and the control's outer border in the looks that draw one.
#include <algorithm>

#include "grid/background.h"
#include "grid/cell_drawing.h"
#include "grid/cell_graphic.h"
#include "grid/cell_properties.h"
#include "grid/floating_footer.h"
#include "grid/pro_string_grid.h"
#include "grid/search_footer.h"
#include "platform/gdi/clip.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/region.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/brush.h"
#include "platform/ui/canvas.h"
#include "platform/ui/pen.h"
#include "platform/user/painting.h"
#include "platform/user/window_dc.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_pos.h"

namespace {

constexpr Integer kBackgroundGradientSteps = 128;
// The control border's inner ring while visual styles are active.
constexpr TColor kThemedBorderColor = RGB(127, 157, 185);

bool IsGradient(TBackGroundDisplay Display) { return Display == bdGradientHorz || Display == bdGradientVert; }

// Keeps the canvas's clipping as it was when constructed, whatever is clipped in between.
class SavedClip {
 public:
  explicit SavedClip(TCanvas* Canvas) : dc_(Canvas->Handle()), level_(SaveDC(dc_)) {}
  ~SavedClip() { RestoreDC(dc_, level_); }
  SavedClip(const SavedClip&) = delete;
  SavedClip& operator=(const SavedClip&) = delete;

 private:
  HDC dc_;
  int level_;
};

// Bitmap repeated over Area on a lattice through Origin (tiles start at Origin + k x size).
void TileBitmap(TCanvas* Canvas, TBitmap* Bitmap, TPoint Origin, const TRect& Area) {
  const Integer w = Bitmap->Width(), h = Bitmap->Height();
  if (w <= 0 || h <= 0 || Area.Right <= Area.Left || Area.Bottom <= Area.Top) return;
  auto firstTile = [](Integer origin, Integer from, Integer size) {
    const Integer offset = (from - origin) % size;
    return from - (offset < 0 ? offset + size : offset);
  };
  for (Integer y = firstTile(Origin.Y, Area.Top, h); y < Area.Bottom; y += h)
    for (Integer x = firstTile(Origin.X, Area.Left, w); x < Area.Right; x += w) Canvas->Draw(x, y, Bitmap);
}

}  // namespace

void TProStringGrid::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Pen()->SetStyle(psSolid);
  TBaseGrid::Paint();
  if (editorOpen_) {
    const bool lines = GridLineWidth() >= 1 && (Options().Contains(goVertLine) || Options().Contains(goHorzLine));
    canvas->Brush()->SetColor(lines ? GridLineColor() : Color());
    canvas->FrameRect(CellRect(Col(), Row()));
  }
  canvas->Pen()->SetColor(clBlack);
  if (!backGround_->Bitmap()->Empty() || backGround_->ColorTo() != clNone) PaintEmptyArea();
}

TPoint TProStringGrid::BackgroundTileOrigin(bool NormalCellsOnly) {
  if (!NormalCellsOnly) return {-1, -1};
  const TRect first = CellRect(LeftCol(), TopRow());
  return {first.Left - 1, first.Top - 1};
}

void TProStringGrid::PaintEmptyArea() {
  const TRect lastCol = CellRect(ColCount() - 1, TopRow());
  const TRect lastRow = CellRect(LeftCol(), RowCount() - 1);
  const bool colVisible = lastCol.Right > lastCol.Left, rowVisible = lastRow.Bottom > lastRow.Top;
  if (!colVisible && !rowVisible) return;
  TBitmap* bitmap = backGround_->Bitmap();
  const TBackGroundDisplay display = backGround_->Display();
  if (IsGradient(display) && backGround_->ColorTo() == clNone) return;
  if (bitmap->Empty() && !IsGradient(display)) return;
  if (!bitmap->Empty() && display == bdTile && backGround_->Cells() == bcFixed) return;

  TRect client{0, 0, ClientWidth(), ClientHeight()};
  if (searchFooter_->Visible()) client.Bottom -= TSearchPanel::kVisibleHeight;
  if (floatingFooter_->Visible()) client.Bottom -= floatingFooter_->Height() - 1;
  HRGN area = CreateRectRgn(0, 0, 0, 0);
  if (colVisible) {
    HRGN right = CreateRectRgn(lastCol.Right + 1, client.Top, client.Right, client.Bottom);
    CombineRgn(area, area, right, RGN_OR);
    DeleteObject(right);
  }
  if (rowVisible) {
    HRGN below = CreateRectRgn(client.Left, lastRow.Bottom + 1, client.Right, client.Bottom);
    CombineRgn(area, area, below, RGN_OR);
    DeleteObject(below);
  }
  TCanvas* canvas = Canvas();
  {
    SavedClip saved(canvas);
    SelectClipRgn(canvas->Handle(), area);
    if (bitmap->Empty())
      DrawGradient(canvas, backGround_->Color(), backGround_->ColorTo(), kBackgroundGradientSteps, client,
                   display == bdGradientHorz);
    else if (display == bdTile)
      TileBitmap(canvas, bitmap, BackgroundTileOrigin(backGround_->Cells() == bcNormal), client);
    else
      canvas->Draw(backGround_->Left(), backGround_->Top(), bitmap);
  }
  DeleteObject(area);
}

bool TProStringGrid::DrawCellBackground(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect, bool Fixed,
                                        bool ShownSelected) {
  const TBackGroundCells cells = backGround_->Cells();
  const bool matches = cells == bcAll || (cells == bcFixed) == Fixed;
  if (!matches || ShownSelected) return false;
  const bool ownBrush = HasCellProperties(ACol, ARow) && GetCellProperties(ACol, ARow)->BrushColor() != clNone;
  TBitmap* bitmap = backGround_->Bitmap();
  const TBackGroundDisplay display = backGround_->Display();
  bool drawn = false;
  if (!bitmap->Empty() && !ownBrush) {
    SavedClip saved(ACanvas);
    IntersectClipRect(ACanvas->Handle(), Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
    if (display == bdTile)
      TileBitmap(ACanvas, bitmap, BackgroundTileOrigin(cells == bcNormal), Rect);
    else
      ACanvas->Draw(backGround_->Left(), backGround_->Top(), bitmap);
    drawn = true;
  }
  const TCellType kind = GetCellType(ACol, ARow);
  const bool controlCell = kind == ctCheckBox || kind == ctDataCheckBox || kind == ctRadio || kind == ctButton;
  if (IsGradient(display) && backGround_->ColorTo() != clNone && (!ownBrush || controlCell)) {
    const bool horizontal = display == bdGradientHorz;
    const Integer extent = horizontal ? Width() : Height();
    const Integer from = horizontal ? Rect.Left : Rect.Top, to = horizontal ? Rect.Right : Rect.Bottom;
    const TColor start = GradientStepColor(backGround_->Color(), backGround_->ColorTo(), 0, extent, from);
    const TColor end = GradientStepColor(backGround_->Color(), backGround_->ColorTo(), 0, extent, to);
    DrawGradient(ACanvas, start, end, kBackgroundGradientSteps, Rect, horizontal);
    drawn = true;
  }
  return drawn;
}

bool TProStringGrid::DrawsControlBorder() const {
  const bool look = look_ == glSoft || look_ == glDAV || look_ == glXP || look_ == glListView;
  return look && BorderStyle() != bsNone && !flat_ && updateCount_ == 0;
}

// The looks and Flat decide the outer border: a change of either paints the frame again.
void TProStringGrid::RedrawFrame() {
  if (HandleAllocated()) RedrawWindow(WindowHandle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TProStringGrid::WMNCPaint(TMessage& Message) {
  inherited::Dispatch(Message);
  if (!DrawsControlBorder() || !HandleAllocated()) return;
  HWND window = WindowHandle();
  TRect bounds{};
  GetWindowRect(window, &bounds);
  const TRect outer{0, 0, bounds.Right - bounds.Left, bounds.Bottom - bounds.Top};
  const TRect inner{1, 1, outer.Right - 1, outer.Bottom - 1};
  const TColor parentColor = Parent() != nullptr ? Parent()->Brush()->Color() : Color();
  HDC dc = GetWindowDC(window);
  TCanvas canvas;
  canvas.SetHandle(dc);
  canvas.Brush()->SetColor(parentColor);
  canvas.FrameRect(outer);
  canvas.Brush()->SetColor(isWinXP_ ? kThemedBorderColor : clGray);
  canvas.FrameRect(inner);
  canvas.SetHandle(nullptr);
  ReleaseDC(window, dc);
}
