// TProStringGrid: the window procedure's own steps ("GridEditDone", a cancelled move, the
// in-place editor's EN_CHANGE written into the cell, panning's start, ticks and stop, the wheel and
// Ctrl+wheel zoom), the zoom, the follow-ups after scrolling and the placing of cell controls.
#include <algorithm>
#include <cmath>

#include "grid/control_list.h"
#include "grid/mouse_actions.h"
#include "grid/navigation.h"
#include "grid/pro_grid_unit.h"
#include "grid/pro_string_grid.h"
#include "grid/search_footer.h"
#include "platform/ui/inplace_edit.h"
#include "platform/user/message_ids.h"
#include "platform/user/timers.h"
#include "platform/user/send_message.h"
#include "platform/window_classes/edit_window.h"

namespace {

constexpr Integer kZoomLimit = 10;            // the zoom total stays within -10 .. 10
constexpr UINT_PTR kAutoScrollTimer = 1;      // the platform grid's timer while dragging outside

}  // namespace

void TProStringGrid::WndProc(TMessage& Message) {
  if (destroying_) return inherited::WndProc(Message);
  if (Message.Msg == GridEditDoneMessage())
    OnEditCellDone(this, static_cast<Integer>(Message.WParam), static_cast<Integer>(Message.LParam));
  switch (Message.Msg) {
    case WM_CANCELMODE:
      if (pointer_.DragCursorSet && EnhRowColMove() && (GridState() == gsColMoving || GridState() == gsRowMoving)) {
        HideMoveMarkers();
        if (HandleAllocated()) KillTimer(WindowHandle(), kAutoScrollTimer);
        CancelSizingOrMoving();
      }
      break;
    case WM_COMMAND:
      if (HIWORD(Message.WParam) == EN_CHANGE) {
        inherited::WndProc(Message);
        WriteEditorTextToCell(reinterpret_cast<HWND>(Message.LParam));
        return;
      }
      break;
    case WM_TIMER:
      if (panning_) PanStep();
      break;
    case WM_MBUTTONDOWN:
      if (!panning_ && wheelMessage_ != 0 && IntelliPan() != ipNone && RowCount() > FixedRows())
        StartPanning(TPoint{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
      else if (panning_)
        StopPanning();
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN:
      if (panning_) StopPanning();
      break;
    default:
      if (Message.Msg == wheelMessage_ && !panning_ && HandleWheelMessage(Message)) return;
      break;
  }
  inherited::WndProc(Message);
}

void TProStringGrid::WriteEditorTextToCell(HWND Sender) {
  TInplaceEdit* editor = InplaceEditor();
  if (editor == nullptr || !editor->HandleAllocated() || editor->WindowHandle() != Sender) return;
  if (!editorShown_ || pointer_.InMouseDown || !editorActive_) return;
  SendMessageA(Sender, WM_SETREDRAW, FALSE, 0);
  SetCurrentEditText(editor->Text());
  SendMessageA(Sender, WM_SETREDRAW, TRUE, 0);
}

bool TProStringGrid::HandleWheelMessage(TMessage& Message) {
  const bool down = GET_WHEEL_DELTA_WPARAM(Message.WParam) < 0;
  if ((GET_KEYSTATE_WPARAM(Message.WParam) & MK_CONTROL) != 0 && IntelliZoom()) {
    Zoom(down ? wheelScrollLines_ : -wheelScrollLines_);
    Message.Result = 1;
    return true;
  }
  if (!EnableWheel()) return false;   // the platform's routing (DoMouseWheelDown / Up) takes it
  if (FixedRowAlways() && RowCount() == 1) return true;
  const Integer increment = mouseActions_->WheelIncrement();
  const Integer step = increment >= 1 ? increment : wheelScrollLines_;
  const TGridRect before = Selection();
  const Integer oldRow = Row();
  Integer target = Row();
  if (mouseActions_->WheelAction() == waScroll) {
    if (down && TopRow() < RowCount() - VisibleRowCount()) SetTopRow(TopRow() + step);
    else if (!down && TopRow() > FixedRows()) SetTopRow(std::max(FixedRows(), TopRow() - step));
  } else {
    target += down ? step : -step;
  }
  target = std::clamp(target, FixedRows(), std::max(FixedRows(), RowCount() - FixedFooters() - 1));
  if (Col() < FixedCols() || Col() >= ColCount()) SetCol(std::clamp(Col(), FixedCols(), ColCount() - 1));
  const Integer left = LeftCol();
  BeginUpdate();
  SetRow(target);
  if (Row() != target) {
    // The grid refused the row: half the way (rounded) instead.
    SetRow(oldRow + static_cast<Integer>(std::lround((target - oldRow) / 2.0)));
    if (!down && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
  }
  ResetUpdate();
  if (Options().Contains(goRowSelect) && navigation_->KeepHorizScroll()) SetLeftCol(left);
  Message.Result = 1;
  if (increment >= 1) DoWheelScrolled(Row() - oldRow);
  const TGridRect after = Selection();
  if (before != after) DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
  return true;
}

void TProStringGrid::Zoom(Integer Step) {
  const Integer total = fontSizeDelta_ + Step;
  if (total < -kZoomLimit || total > kZoomLimit) return;
  fontSizeDelta_ = total;
  zooming_ = true;
  for (Integer col = 0; col < ColCount(); ++col)
    if (ColWidths(col) + Step > 0) SetColWidths(col, ColWidths(col) + Step);
  for (Integer row = 0; row < RowCount(); ++row)
    if (RowHeights(row) + Step > 0) SetRowHeights(row, RowHeights(row) + Step);
  zooming_ = false;
}

void TProStringGrid::TopLeftChanged() {
  KeepCurrentRowAboveSearchPanel();
  inherited::TopLeftChanged();
  if (selectionRectangle_ && Selection().Bottom > Selection().Top) Invalidate();
  if (editorActive_ && editControlOpened_) HideCellEdit();
  PlaceCellControls();
  lastTopLeft_ = TPoint{LeftCol(), TopRow()};
}

// After a scroll down, one more row when the current cell ends behind the visible search panel.
void TProStringGrid::KeepCurrentRowAboveSearchPanel() {
  if (!searchFooter_->Visible() || TopRow() <= lastTopLeft_.Y) return;
  if (CellRect(Col(), Row()).Bottom <= Height() - searchPanel_->Height()) return;
  if (TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
}

void TProStringGrid::PlaceCellControls() {
  if (cellControls_->Count() == 0) return;
  const Integer lastCol = LeftCol() + VisibleColCount();   // the partly shown column included
  const Integer lastRow = TopRow() + VisibleRowCount();
  std::vector<TControl*> shown;
  for (Integer i = 0; i < cellControls_->Count(); ++i) {
    const TCellControl* entry = cellControls_->GetControl(i);
    TControl* control = entry->Control;
    if (control == nullptr) continue;
    if (entry->RowHidden) {
      control->SetVisible(false);
      continue;
    }
    const bool dataCell = entry->Col >= FixedCols() && entry->Row >= FixedRows() && entry->Col < ColCount() &&
                          entry->Row < RowCount();
    if (!dataCell) continue;
    const bool inView = entry->Col >= LeftCol() && entry->Col <= lastCol && entry->Row >= TopRow() &&
                        entry->Row <= lastRow && RowHeights(entry->Row) > 0 && ColWidths(entry->Col) > 0;
    if (!inView) {
      control->SetVisible(false);
      continue;
    }
    const TRect cell = CellRect(entry->Col, entry->Row);
    control->SetBounds(cell.Left, cell.Top, cell.Right - cell.Left, cell.Bottom - cell.Top - 1);
    control->SetVisible(true);
    shown.push_back(control);
  }
  // A nudge of the width makes every shown control paint itself again at its new place.
  for (TControl* control : shown) {
    control->Invalidate();
    control->SetWidth(control->Width() + 1);
    control->SetWidth(control->Width() - 1);
  }
}
