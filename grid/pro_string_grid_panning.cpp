// TProStringGrid middle-button panning: the anchor picture, the direction cursors and the timer
// that walks the current cell towards the pointer.
#include <algorithm>

#include "grid/cell_drawing.h"
#include "grid/pro_string_grid.h"
#include "platform/ui/canvas.h"
#include "platform/user/capture.h"
#include "platform/user/cursor.h"
#include "platform/user/module_instance.h"
#include "platform/user/painting.h"
#include "platform/user/timers.h"

#include "INTLI1.res.inc"
#include "INTLI2.res.inc"
#include "INTLI3.res.inc"
#include "_8000.res.inc"
#include "_8001.res.inc"
#include "_8002.res.inc"
#include "_8003.res.inc"
#include "_8004.res.inc"
#include "_8005.res.inc"
#include "_8006.res.inc"
#include "_8007.res.inc"
#include "_8008.res.inc"

namespace {

constexpr UINT_PTR kPanTimer = 999;
constexpr UINT kPanInterval = 10;    // milliseconds
constexpr Integer kDeadZone = 5;     // pixels around the anchor that move nothing
constexpr Integer kAnchorSize = 32;

// The cursor resource for a direction (-1, 0, 1 each): 8000 neutral, 8001 down, 8002 left,
// 8003 right, 8004 up, 8005 up-right, 8006 up-left, 8007 down-right, 8008 down-left.
HCURSOR PanCursor(Integer Dx, Integer Dy) {
  static constexpr Integer kNumbers[3][3] = {
      // dx -1, 0, 1
      {8006, 8004, 8005},   // up
      {8002, 8000, 8003},   // level
      {8008, 8001, 8007},   // down
  };
  const Integer number = kNumbers[Dy + 1][Dx + 1];
  return LoadCursorA(HInstance, reinterpret_cast<const char*>(static_cast<std::uintptr_t>(number)));
}

Integer Direction(Integer Offset) {
  if (Offset > kDeadZone) return 1;
  if (Offset < -kDeadZone) return -1;
  return 0;
}

}  // namespace

void TProStringGrid::DrawPanAnchor() {
  const char* name = IntelliPan() == ipBoth ? "INTLI1" : IntelliPan() == ipHorizontal ? "INTLI2" : "INTLI3";
  DrawResourceBitmap(Canvas(), clWhite,
                     TRect{panAnchor_.X, panAnchor_.Y, panAnchor_.X + kAnchorSize, panAnchor_.Y + kAnchorSize}, name);
}

void TProStringGrid::ErasePanAnchor() {
  if (!HandleAllocated()) return;
  const TRect square{panAnchor_.X, panAnchor_.Y, panAnchor_.X + kAnchorSize, panAnchor_.Y + kAnchorSize};
  InvalidateRect(WindowHandle(), &square, TRUE);
}

void TProStringGrid::StartPanning(TPoint Anchor) {
  panning_ = true;
  cursorBeforePanning_ = ::SetCursor(PanCursor(0, 0));
  SetTimer(WindowHandle(), kPanTimer, kPanInterval, nullptr);
  panAnchor_ = Anchor;
  SetCapture(WindowHandle());
  hintsBeforePanning_ = ShowHint();
  SetShowHint(false);
  DrawPanAnchor();
}

void TProStringGrid::StopPanning() {
  panning_ = false;
  ReleaseCapture();
  KillTimer(WindowHandle(), kPanTimer);
  ::SetCursor(cursorBeforePanning_);
  SetShowHint(hintsBeforePanning_);
  ErasePanAnchor();
}

void TProStringGrid::PanStep() {
  TPoint pointer{};
  GetCursorPos(&pointer);
  pointer = ScreenToClient(pointer);
  const Integer dx = IntelliPan() == ipVertical ? 0 : Direction(pointer.X - panAnchor_.X);
  const Integer dy = IntelliPan() == ipHorizontal ? 0 : Direction(pointer.Y - panAnchor_.Y);

  const TGridRect before = Selection();
  const Integer firstRow = FixedRows();
  const Integer lastRow = std::max(firstRow, RowCount() - fixedFooters_ - 1);
  const Integer firstCol = FixedCols();
  const Integer lastCol = std::max(firstCol, ColCount() - fixedRightCols_ - 1);
  if (Row() < firstRow || Row() > lastRow) SetRow(std::clamp(Row(), firstRow, lastRow));
  if (Col() < firstCol || Col() > lastCol) SetCol(std::clamp(Col(), firstCol, lastCol));
  const TPoint topLeft{LeftCol(), TopRow()};
  if (dx != 0 && Col() + dx >= firstCol && Col() + dx <= lastCol) SetCol(Col() + dx);
  if (dy != 0 && Row() + dy >= firstRow && Row() + dy <= lastRow) SetRow(Row() + dy);
  if (topLeft.X != LeftCol() || topLeft.Y != TopRow()) ErasePanAnchor();

  ::SetCursor(PanCursor(dx, dy));
  DrawPanAnchor();
  const TGridRect after = Selection();
  if (before != after) DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
}
