// TCustomGrid painting: every visible cell (partly visible ones included) through DrawCell, the
// grid lines in the lw-pixel gaps right of and below each cell, the focus rectangle and the room
// past the last cell filled with Color.  Cells (with their lines) outside the canvas's clip
// rectangle are skipped, so repainting one cell calls DrawCell once.
#include <algorithm>

#include "platform/gdi/draw_edge.h"
#include "platform/ui/canvas.h"
#include "platform/ui/colors.h"
#include "platform/ui/custom_grid.h"

namespace {

// The visible indexes of one axis: the fixed cells, then first..last.
template <class F>
void ForVisible(Integer fixed, Integer first, Integer last, F&& f) {
  for (Integer i = 0; i < fixed; ++i) f(i);
  for (Integer i = first; i <= last; ++i) f(i);
}

}  // namespace

void TCustomGrid::Paint() {
  const Integer lastCol = cols_.LastVisible(LeftCol(), gridLineWidth_, ClientWidth(), false);
  const Integer lastRow = rows_.LastVisible(TopRow(), gridLineWidth_, ClientHeight(), false);
  const TRect clip = Canvas()->ClipRect();
  DrawCells(lastCol, lastRow, clip);
  if (gridLineWidth_ > 0) DrawLines(lastCol, lastRow, clip);
  // The room right of and below the cells.
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(Color());
  const Integer width = GridWidth();
  const Integer height = GridHeight();
  if (width < ClientWidth()) canvas->FillRect(Mirror(TRect{width, 0, ClientWidth(), ClientHeight()}));
  if (height < ClientHeight()) canvas->FillRect(Mirror(TRect{0, height, width, ClientHeight()}));
}

bool TCustomGrid::CellInClip(Integer ACol, Integer ARow, const TRect& Clip) {
  TRect cell = LogicalCellRect(ACol, ARow);
  cell.Right += gridLineWidth_;
  cell.Bottom += gridLineWidth_;
  const TRect mirrored = Mirror(cell);
  TRect common{};
  return IntersectRect(&common, &mirrored, &Clip) != 0;
}

void TCustomGrid::DrawCells(Integer lastCol, Integer lastRow, const TRect& Clip) {
  const bool focused = Focused();
  const TGridRect selection = Selection();
  ForVisible(FixedRows(), TopRow(), lastRow, [&](Integer row) {
    ForVisible(FixedCols(), LeftCol(), lastCol, [&](Integer col) {
      if (!CellInClip(col, row, Clip)) return;
      const TRect rect = CellRect(col, row);
      TGridDrawState state;
      if (col < FixedCols() || row < FixedRows()) {
        state.Include(gdFixed);
      } else {
        const bool isCurrent = col == Col() && row == Row();
        if (isCurrent && focused) state.Include(gdFocused);
        if (selection.Contains(col, row) && (!state.Contains(gdFocused) || options_.Contains(goDrawFocusSelected)))
          state.Include(gdSelected);
      }
      if (defaultDrawing_) DefaultDrawCell(rect, state);
      DrawCell(col, row, rect, state);
      if (defaultDrawing_ && state.Contains(gdFixed)) RaiseFixedCell(rect);
      if (defaultDrawing_ && state.Contains(gdFocused)) FocusDraw(rect);
    });
  });
}

void TCustomGrid::DefaultDrawCell(const TRect& Rect, TGridDrawState State) {
  TCanvas* canvas = Canvas();
  TColor color = Color();
  if (State.Contains(gdFixed)) color = fixedColor_;
  else if (State.Contains(gdSelected)) color = clHighlight;
  canvas->Brush()->SetColor(color);
  canvas->FillRect(Rect);
}

void TCustomGrid::RaiseFixedCell(const TRect& Rect) {
  // With Ctl3D a fixed cell is a raised button face inside its grid lines: a white edge on the
  // sides next to a line, dark grey on the far ones.  A side without its line takes the line's
  // gap into the cell, so neighbouring cells meet edge to edge.
  if (!Ctl3D() || gridLineWidth_ == 0) return;
  const bool vert = options_.Contains(goFixedVertLine), horz = options_.Contains(goFixedHorzLine);
  if (!vert && !horz) return;
  TRect edge = Rect;
  if (!vert) edge.Right += gridLineWidth_;
  if (!horz) edge.Bottom += gridLineWidth_;
  const UINT sides = (vert ? BF_LEFT | BF_RIGHT : 0) | (horz ? BF_TOP | BF_BOTTOM : 0);
  DrawEdge(Canvas()->Handle(), &edge, BDR_RAISEDINNER, sides);
}

void TCustomGrid::FocusDraw(const TRect& Rect) {
  // No focus rectangle without lines (cells touch) or for whole-row selection.
  if (gridLineWidth_ == 0 || options_.Contains(goRowSelect)) return;
  Canvas()->DrawFocusRect(Rect);
}

void TCustomGrid::DrawLines(Integer lastCol, Integer lastRow, const TRect& Clip) {
  TCanvas* canvas = Canvas();
  ForVisible(FixedRows(), TopRow(), lastRow, [&](Integer row) {
    ForVisible(FixedCols(), LeftCol(), lastCol, [&](Integer col) {
      if (!CellInClip(col, row, Clip)) return;
      const TRect cell = LogicalCellRect(col, row);
      const bool fixed = col < FixedCols() || row < FixedRows();
      const bool vert = options_.Contains(fixed ? goFixedVertLine : goVertLine);
      const bool horz = options_.Contains(fixed ? goFixedHorzLine : goHorzLine);
      const TColor lineColor = fixed ? clBlack : clSilver;
      const TColor background = fixed ? fixedColor_ : Color();
      const Integer lw = gridLineWidth_;
      canvas->Brush()->SetColor(vert ? lineColor : background);
      canvas->FillRect(Mirror(TRect{cell.Right, cell.Top, cell.Right + lw, cell.Bottom + lw}));
      canvas->Brush()->SetColor(horz ? lineColor : background);
      canvas->FillRect(Mirror(TRect{cell.Left, cell.Bottom, cell.Right + (vert ? 0 : lw), cell.Bottom + lw}));
    });
  });
}
