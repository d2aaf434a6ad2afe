// TProStringGrid: what a left press does on the parts of a cell (node glyphs, radio items, cell
// buttons, check boxes) and on disjunctly selected rows, and what their release does.  A check-box
// press fires OnCheckBoxClick with the new state before OnMouseDown and ends the press there; a
// cell button fires OnButtonClick on the release.
#include <algorithm>

#include "grid/cell_graphic.h"
#include "grid/control_look.h"
#include "grid/mouse_actions.h"
#include "grid/navigation.h"
#include "grid/pro_string_grid.h"
#include "grid/show_modified.h"
#include "platform/classes/tstrings.h"
#include "platform/ui/canvas.h"
#include "platform/user/capture.h"

namespace {

bool Inside(const TRect& Rect, Integer X, Integer Y) {
  return X >= Rect.Left && X < Rect.Right && Y >= Rect.Top && Y < Rect.Bottom;
}

}   // namespace

bool TProStringGrid::PressCellParts(TGridCoord Cell, TShiftState Shift, Integer X, Integer Y) {
  const TPoint base = GetBaseCell(Cell.X, Cell.Y);
  const Integer realCol = DisplToRealCol(base.X);
  const Integer row = base.Y;
  pressedRowToDeselect_ = -1;
  if (realCol == 0 && IsNode(row) && IsNodeGlyphHit(row, X)) return PressNodeGlyph(row);
  if (IsRadioCell(realCol, row) && (IsCellEditable(base.X, row) || controlLook_->RadioAlwaysActive())) {
    HideCellEdit();
    const TRect rect = CellRect(base.X, row);
    ClickRadioItem(realCol, row, X - rect.Left, Y - rect.Top);
  }
  TRect button{};
  if (IsButtonCell(realCol, row) && GetButtonRect(base.X, row, button) && Inside(button, X, Y)) {
    HideCellEdit();
    MoveColRow(base.X, row, true, true);
    pressedButton_ = TPoint{realCol, row};
    RepaintCell(base.X, row);
    SetCapture(Handle());
    OnClickCell(this, row, realCol);
    return true;
  }
  const bool dataRow = row >= FixedRows() && row < RowCount() - FixedFooters();
  if (mouseActions_->DisjunctRowSelect() && dataRow && !(realCol == 0 && mouseActions_->HotmailRowSelect())) {
    if (!Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt)) ClearDisjunctRowSelection();
    if (Shift.Contains(ssCtrl) && GetRowSelect(row)) pressedRowToDeselect_ = row;
  }
  return IsCheckBoxCell(realCol, row) && IsCheckBoxHit(realCol, row, X, Y) && PressCheckBox(base, Shift, X, Y);
}

// Expands a contracted node, contracts an expanded one, each unless its Before event refuses.
bool TProStringGrid::PressNodeGlyph(Integer ARow) {
  if (ARow < FixedRows()) return false;
  const Integer real = RealRowIndex(ARow);
  bool allow = true;
  if (GetNodeState(ARow)) {
    OnBeforeExpandNode(this, ARow, real, allow);
    if (!allow) return true;
    ExpandNode(real);
    OnExpandNode(this, ARow, real);
  } else {
    OnBeforeContractNode(this, ARow, real, allow);
    if (!allow) return true;
    ContractNode(real);
    OnContractNode(this, ARow, real);
  }
  if (mouseActions_->MoveRowOnNodeClick()) MoveColRow(Col(), ARow, true, true);
  return true;
}

bool TProStringGrid::PressCheckBox(TPoint Base, TShiftState Shift, Integer X, Integer Y) {
  const Integer realCol = DisplToRealCol(Base.X);
  bool mayAct = Options().Contains(goEditing) || mouseActions_->RangeSelectAndEdit();
  CanEditCell(realCol, Base.Y, mayAct);
  if (!mayAct && !controlLook_->CheckAlwaysActive()) return false;
  HideCellEdit();
  if (CanFocus()) SetFocus();
  ToggleCellGraphic(realCol, Base.Y, false);
  if (showModified_->Enabled()) SetRowModified(Base.Y, true);
  if (!navigation_->AlwaysEdit() && !IsFixed(Base.X, Base.Y)) MoveColRow(Base.X, Base.Y, true, true);
  bool state = false;
  GetCheckBoxState(realCol, Base.Y, state);
  OnCheckBoxClick(this, realCol, Base.Y, state);
  if (HideFocusRect()) RepaintCell(Base.X, Base.Y);
  OnMouseDown(this, mbLeft, Shift, X, Y);
  Click();
  return true;
}

// The item whose slot holds the offset: horizontal groups (CellBoolean) give each caption its text
// width + the radio size from the left, vertical ones max(radio size, line height) from the top.
void TProStringGrid::ClickRadioItem(Integer ACol, Integer ARow, Integer XOffset, Integer YOffset) {
  TStrings* choices = RadioChoicesOf(ACol, ARow);
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (choices == nullptr || graphic == nullptr) return;
  Canvas()->Font()->Assign(Font());
  if (!IsFixed(RealToDisplCol(ACol), ARow)) MoveColRow(RealToDisplCol(ACol), ARow, true, true);
  const Integer radioSize = controlLook_->ControlStyle() > ProGrid::csFlat ? 16 : controlLook_->RadioSize();
  const bool horizontal = graphic->CellBoolean();
  const Integer lineHeight = std::max(radioSize, Canvas()->TextHeight("gh"));
  Integer start = 0;
  for (Integer i = 0; i < choices->Count(); ++i) {
    const Integer slot = horizontal ? Canvas()->TextWidth(choices->Strings(i)) + radioSize : lineHeight;
    const Integer offset = horizontal ? XOffset : YOffset;
    if (offset > start && offset <= start + slot) {
      if (graphic->CellIndex() == -1) SetCellText(ACol, ARow, choices->Strings(i));
      else graphic->SetCellIndex(i);
      RepaintCell(RealToDisplCol(ACol), ARow);
      OnRadioClick(this, ACol, ARow, i);
      return;
    }
    start += slot;
  }
}

// A pressed cell button fires OnButtonClick where it may act (always with NoDisabledButtonLook);
// true when the release lies inside it (nothing more happens then).
bool TProStringGrid::ReleaseCellButton(Integer X, Integer Y) {
  if (pressedButton_.X < 0) return false;
  const TPoint cell = pressedButton_;
  pressedButton_ = TPoint{-1, -1};
  ReleaseCapture();
  bool mayAct = Options().Contains(goEditing);
  if (!controlLook_->NoDisabledButtonLook()) CanEditCell(cell.X, cell.Y, mayAct);
  const Integer displCol = RealToDisplCol(cell.X);
  RepaintCell(displCol, cell.Y);
  if (mayAct || controlLook_->NoDisabledButtonLook()) OnButtonClick(this, cell.X, cell.Y);
  TRect button{};
  return GetButtonRect(displCol, cell.Y, button) && Inside(button, X, Y);
}

// The disjunct rows follow the selection; a Ctrl+press on a selected row unselects it.
void TProStringGrid::ReleaseDisjunctRows(TShiftState Shift) {
  if (!mouseActions_->DisjunctRowSelect()) return;
  if (pressedRowToDeselect_ >= 0) SetDisjunctRowSelected(pressedRowToDeselect_, false);
  else if (Shift.Contains(ssCtrl)) SetDisjunctRowSelected(Row(), true);
  else SelectionToDisjunctRows(false);
  pressedRowToDeselect_ = -1;
}

void TProStringGrid::ReleaseOnCellGraphic(TGridCoord Cell) {
  const TPoint base = GetBaseCell(Cell.X, Cell.Y);
  const Integer realCol = DisplToRealCol(base.X);
  bool state = false;
  Integer index = -1;
  if (GetCheckBoxState(realCol, base.Y, state)) OnCheckBoxMouseUp(this, realCol, base.Y, state);
  else if (IsRadioCell(realCol, base.Y) && GetRadioIndex(realCol, base.Y, index)) OnRadioMouseUp(this, realCol, base.Y, index);
}
