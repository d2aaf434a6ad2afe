// TCustomGrid keyboard and mouse navigation: the keys move the current cell (extending the selection
// with Shift under goRangeSelect); a left press selects the cell under the mouse and a drag extends
// the selection (sizing and moving: custom_grid_sizing.cpp); the wheel moves the current row.  Every
// move asks SelectCell first and fires Click after it.  With goEditing a press on the current cell
// opens the editor instead (custom_grid_editor.cpp).
#include <algorithm>

#include "platform/ui/custom_grid.h"
#include "platform/ui/inplace_edit.h"
#include "platform/user/message_loop.h"
#include "platform/user/timers.h"
#include "platform/user/virtual_keys.h"

namespace {

constexpr UINT_PTR kAutoScrollTimer = 1;
constexpr UINT kAutoScrollInterval = 60;   // milliseconds between steps while dragging outside

}  // namespace

TGridCoord TCustomGrid::KeyTarget(Word Key, TShiftState Shift, bool& MoveAnchor) {
  const bool ctrl = Shift.Contains(ssCtrl);
  const bool rowSelect = options_.Contains(goRowSelect);
  MoveAnchor = !(Shift.Contains(ssShift) && options_.Contains(goRangeSelect)) || Key == VK_TAB;
  TGridCoord target = current_;
  const Integer page = VisibleRowCount();
  const Integer pageWidth = VisibleColCount();
  // Ctrl+Up/Down scroll by a row and leave the current cell; Ctrl+Left/Right move the cell and
  // LeftCol by a visible page; Ctrl+PgUp/PgDn go to the first/last whole row in view.
  switch (Key) {
    case VK_UP:
      if (ctrl) SetTopRow(TopRow() - 1);
      else --target.Y;
      break;
    case VK_DOWN:
      if (ctrl) SetTopRow(TopRow() + 1);
      else ++target.Y;
      break;
    case VK_LEFT:
      if (rowSelect) break;
      target.X -= ctrl ? pageWidth : 1;
      if (ctrl) SetLeftCol(LeftCol() - pageWidth);
      break;
    case VK_RIGHT:
      if (rowSelect) break;
      target.X += ctrl ? pageWidth : 1;
      if (ctrl) SetLeftCol(LeftCol() + pageWidth);
      break;
    case VK_PRIOR:
      if (ctrl) {
        target.Y = TopRow();
        break;
      }
      target.Y -= page;
      SetTopRow(TopRow() - page);
      break;
    case VK_NEXT:
      if (ctrl) {
        target.Y = TopRow() + page - 1;
        break;
      }
      target.Y += page;
      SetTopRow(TopRow() + page);
      break;
    case VK_HOME:
      if (ctrl || rowSelect) target.Y = FixedRows();
      if (!rowSelect) target.X = FixedCols();
      break;
    case VK_END:
      if (ctrl || rowSelect) target.Y = RowCount() - 1;
      if (!rowSelect) target.X = ColCount() - 1;
      break;
    case VK_TAB:
      if (!options_.Contains(goTabs) || ctrl) return current_;
      if (Shift.Contains(ssShift)) {
        if (target.X > FixedCols() && !rowSelect) --target.X;
        else if (target.Y > FixedRows()) target = TGridCoord{rowSelect ? target.X : ColCount() - 1, target.Y - 1};
      } else if (target.X < ColCount() - 1 && !rowSelect) {
        ++target.X;
      } else if (target.Y < RowCount() - 1) {
        target = TGridCoord{rowSelect ? target.X : FixedCols(), target.Y + 1};
      }
      break;
    default: return current_;
  }
  target.X = std::clamp(target.X, FixedCols(), ColCount() - 1);
  target.Y = std::clamp(target.Y, FixedRows(), RowCount() - 1);
  return target;
}

void TCustomGrid::KeyDown(Word& Key, TShiftState Shift) {
  inherited::KeyDown(Key, Shift);
  EditorKey(Key);
  bool moveAnchor = true;
  const TGridCoord target = KeyTarget(Key, Shift, moveAnchor);
  if (target != current_) MoveColRow(target.X, target.Y, moveAnchor, true);
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  if (Button == mbLeft && CanFocus()) SetFocus();
  if (Button == mbLeft && !StartSizingOrMoving(X, Y)) {
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X >= FixedCols() && cell.Y >= FixedRows() && options_.Contains(goEditing)) {
      // With editing a press on the current cell opens the editor; ranges are not dragged.
      if (cell == current_) {
        ShowEditor();
        Click();
      } else {
        MoveColRow(cell.X, cell.Y, true, true);
      }
    } else if (cell.X >= FixedCols() && cell.Y >= FixedRows()) {
      const bool extend = Shift.Contains(ssShift) && options_.Contains(goRangeSelect);
      MoveColRow(cell.X, cell.Y, !extend, true);
      if (options_.Contains(goRangeSelect)) gridState_ = gsSelecting;
    }
  }
  inherited::MouseDown(Button, Shift, X, Y);
  if (inplaceEdit_ != nullptr) inplaceEdit_->clickTime_ = GetMessageTime();
}

void TCustomGrid::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  if (gridState_ != gsNormal && gridState_ != gsSelecting) {
    TrackSizingOrMoving(X, Y);
  } else if (gridState_ == gsSelecting) {
    SelectDrag(X, Y);
  }
  inherited::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  if (gridState_ == gsSelecting) {
    StopAutoScroll();
    gridState_ = gsNormal;
  } else if (gridState_ != gsNormal) EndSizingOrMoving();
  inherited::MouseUp(Button, Shift, X, Y);
}

// The wheel moves the current row by one per notch, down for a negative delta.
bool TCustomGrid::DoMouseWheelDown(TShiftState, TPoint) {
  WheelStep(1);
  return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState, TPoint) {
  WheelStep(-1);
  return true;
}

void TCustomGrid::WheelStep(Integer Rows) {
  const Integer row = std::clamp(Row() + Rows, FixedRows(), RowCount() - 1);
  if (row != Row()) MoveColRow(Col(), row, true, true);
}

void TCustomGrid::SelectDrag(Integer X, Integer Y) {
  // Inside the normal cells the selection follows the mouse; outside them a timer steps the current
  // cell towards the mouse, scrolling, until the mouse comes back or the button is released.
  lastMouse_ = TPoint{X, Y};
  const TGridCoord cell = MouseCoord(X, Y);
  const bool inside = cell.X >= FixedCols() && cell.Y >= FixedRows() && X < ClientWidth() && Y < ClientHeight();
  if (inside) {
    StopAutoScroll();
    if (cell != current_) MoveColRow(cell.X, cell.Y, false, true);
  } else if (!autoScrolling_ && HandleAllocated()) {
    autoScrolling_ = SetTimer(WindowHandle(), kAutoScrollTimer, kAutoScrollInterval, nullptr) != 0;
  }
}

bool TCustomGrid::AutoScrollTick(UINT_PTR TimerId) {
  if (TimerId != kAutoScrollTimer) return false;
  if (gridState_ != gsSelecting) {
    StopAutoScroll();
    return true;
  }
  const Integer x = UseRightToLeftAlignment() ? ClientWidth() - 1 - lastMouse_.X : lastMouse_.X;
  auto step = [](Integer pos, Integer low, Integer high) { return pos < low ? -1 : (pos >= high ? 1 : 0); };
  TGridCoord target = current_;
  target.X += step(x, cols_.FixedBoundary(gridLineWidth_), ClientWidth());
  target.Y += step(lastMouse_.Y, rows_.FixedBoundary(gridLineWidth_), ClientHeight());
  target.X = std::clamp(target.X, FixedCols(), ColCount() - 1);
  target.Y = std::clamp(target.Y, FixedRows(), RowCount() - 1);
  if (target != current_) MoveColRow(target.X, target.Y, false, true);
  return true;
}

void TCustomGrid::StopAutoScroll() {
  if (!autoScrolling_) return;
  autoScrolling_ = false;
  if (HandleAllocated()) KillTimer(WindowHandle(), kAutoScrollTimer);
}
