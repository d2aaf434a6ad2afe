// TCustomGrid sizing and moving with the mouse.  Sizing: a press in the zone of a line between fixed
// cells (two pixels either side of the line) drags an inverted one-pixel line across the grid; the
// release gives the cell the width (height) from its start to the line.  Moving: a press on a fixed
// header cell of a normal column (row) drags an inverted two-pixel indicator at the target's start;
// the release moves the line there.  The split cursors show over the sizing zones.
#include <algorithm>

#include "platform/ui/canvas.h"
#include "platform/ui/custom_grid.h"
#include "platform/ui/cursors.h"
#include "platform/ui/screen.h"
#include "platform/gdi/draw.h"
#include "platform/user/cursor.h"

namespace {

constexpr Integer kSizingZone = 2;   // pixels either side of a line that start sizing

// The cell of `axis` whose line is within the sizing zone of pos, or -1.
Integer LineAt(const TGridAxis& axis, Integer pos, Integer first, Integer lw, Integer limit) {
  auto near = [&](Integer i) {
    const Integer end = axis.Start(i, first, lw, limit) + axis.Extent(i);
    return pos >= end - kSizingZone && pos < end + lw + kSizingZone;
  };
  for (Integer i = 0; i < axis.Fixed(); ++i)
    if (near(i)) return i;
  const Integer last = axis.LastVisible(first, lw, limit, false);
  for (Integer i = first; i <= last; ++i)
    if (near(i)) return i;
  return -1;
}

}  // namespace

void TCustomGrid::CalcSizingState(Integer X, Integer Y, TGridState& State, Integer& Index, Integer& SizingPos,
                                  Integer& SizingOfs) {
  State = gsNormal;
  Index = -1;
  if (UseRightToLeftAlignment()) X = ClientWidth() - 1 - X;
  const Integer lw = gridLineWidth_;
  if (options_.Contains(goColSizing) && Y < rows_.FixedBoundary(lw)) {
    Index = LineAt(cols_, X, LeftCol(), lw, ClientWidth());
    if (Index >= 0) {
      State = gsColSizing;
      SizingPos = cols_.Start(Index, LeftCol(), lw, ClientWidth()) + cols_.Extent(Index);
      SizingOfs = SizingPos - X;
      return;
    }
  }
  if (options_.Contains(goRowSizing) && X < cols_.FixedBoundary(lw)) {
    Index = LineAt(rows_, Y, TopRow(), lw, ClientHeight());
    if (Index >= 0) {
      State = gsRowSizing;
      SizingPos = rows_.Start(Index, TopRow(), lw, ClientHeight()) + rows_.Extent(Index);
      SizingOfs = SizingPos - Y;
    }
  }
}

bool TCustomGrid::StartSizingOrMoving(Integer X, Integer Y) {
  TGridState state = gsNormal;
  CalcSizingState(X, Y, state, sizingIndex_, sizingPos_, sizingOfs_);
  if (state != gsNormal) {
    gridState_ = state;
    DrawSizingLine();
    return true;
  }
  const TGridCoord cell = MouseCoord(X, Y);
  if (cell.Y >= 0 && cell.Y < FixedRows() && cell.X >= FixedCols() && options_.Contains(goColMoving)) {
    gridState_ = gsColMoving;
    sizingIndex_ = sizingPos_ = cell.X;
  } else if (cell.X >= 0 && cell.X < FixedCols() && cell.Y >= FixedRows() && options_.Contains(goRowMoving)) {
    gridState_ = gsRowMoving;
    sizingIndex_ = sizingPos_ = cell.Y;
  } else {
    return false;
  }
  DrawMoveIndicator();
  return true;
}

void TCustomGrid::TrackSizingOrMoving(Integer X, Integer Y) {
  const bool sizing = gridState_ == gsColSizing || gridState_ == gsRowSizing;
  if (sizing) DrawSizingLine();
  else DrawMoveIndicator();
  if (gridState_ == gsColSizing) {
    const Integer logicalX = UseRightToLeftAlignment() ? ClientWidth() - 1 - X : X;
    sizingPos_ = std::max(logicalX + sizingOfs_, cols_.Start(sizingIndex_, LeftCol(), gridLineWidth_, ClientWidth()));
  } else if (gridState_ == gsRowSizing) {
    sizingPos_ = std::max(Y + sizingOfs_, rows_.Start(sizingIndex_, TopRow(), gridLineWidth_, ClientHeight()));
  } else {
    const TGridCoord cell = MouseCoord(X, Y);
    if (gridState_ == gsColMoving && cell.X >= FixedCols()) sizingPos_ = cell.X;
    if (gridState_ == gsRowMoving && cell.Y >= FixedRows()) sizingPos_ = cell.Y;
  }
  if (sizing) DrawSizingLine();
  else DrawMoveIndicator();
}

void TCustomGrid::EndSizingOrMoving() {
  const TGridState state = gridState_;
  if (state == gsColSizing || state == gsRowSizing) DrawSizingLine();
  else DrawMoveIndicator();
  gridState_ = gsNormal;
  switch (state) {
    case gsColSizing:
      SetColWidths(sizingIndex_, sizingPos_ - cols_.Start(sizingIndex_, LeftCol(), gridLineWidth_, ClientWidth()));
      break;
    case gsRowSizing:
      SetRowHeights(sizingIndex_, sizingPos_ - rows_.Start(sizingIndex_, TopRow(), gridLineWidth_, ClientHeight()));
      break;
    case gsColMoving: MoveColumn(sizingIndex_, sizingPos_); break;
    case gsRowMoving: MoveRow(sizingIndex_, sizingPos_); break;
    default: break;
  }
}

void TCustomGrid::CancelSizingOrMoving() {
  if (gridState_ == gsColSizing || gridState_ == gsRowSizing) DrawSizingLine();
  else if (gridState_ == gsColMoving || gridState_ == gsRowMoving) DrawMoveIndicator();
  else return;
  gridState_ = gsNormal;
  SetMouseCapture(false);
}

void TCustomGrid::DrawSizingLine() {
  if (!HandleAllocated()) return;
  // Inverting twice restores the pixels, so the same call draws and erases the line.
  const TRect line = gridState_ == gsColSizing ? TRect{sizingPos_, 0, sizingPos_ + 1, ClientHeight()}
                                               : TRect{0, sizingPos_, ClientWidth(), sizingPos_ + 1};
  const TRect rect = Mirror(line);
  ::InvertRect(Canvas()->Handle(), &rect);
}

void TCustomGrid::DrawMoveIndicator() {
  if (!HandleAllocated()) return;
  const TRect cell = gridState_ == gsColMoving ? LogicalCellRect(sizingPos_, 0) : LogicalCellRect(0, sizingPos_);
  if (cell == TRect{}) return;
  const TRect bar = gridState_ == gsColMoving ? TRect{cell.Left, 0, cell.Left + 2, ClientHeight()}
                                              : TRect{0, cell.Top, ClientWidth(), cell.Top + 2};
  const TRect rect = Mirror(bar);
  ::InvertRect(Canvas()->Handle(), &rect);
}

void TCustomGrid::WMSetCursor(TMessage& Message) {
  if (SmallInt(LOWORD(Message.LParam)) == HTCLIENT && Screen != nullptr && Screen->Cursor() == crDefault) {
    TPoint p{};
    GetCursorPos(&p);
    p = ScreenToClient(p);
    TGridState state = gsNormal;
    Integer index = 0, pos = 0, ofs = 0;
    CalcSizingState(p.X, p.Y, state, index, pos, ofs);
    if (state != gsNormal) {
      ::SetCursor(Screen->Cursors(state == gsColSizing ? crHSplit : crVSplit));
      Message.Result = 1;
      return;
    }
  }
  inherited::Dispatch(Message);
}
