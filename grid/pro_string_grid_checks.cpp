// TProStringGrid: the state of check-box, radio, button and comment cells and the operations that
// toggle it; see pro_string_grid.h ("Check, radio and button cells").  Drawing these graphics and
// turning clicks and keys into these calls belong to the painting and input handling.
#include "grid/cell_graphic.h"
#include "grid/control_look.h"
#include "grid/mouse_actions.h"
#include "grid/pro_grid_undo_redo.h"
#include "grid/pro_string_grid.h"
#include "platform/classes/tstrings.h"

namespace {

bool IsCheckBoxType(TCellType Kind) {
  return Kind == ctCheckBox || Kind == ctDataCheckBox || Kind == ctVirtCheckBox || Kind == ctRowCheckBox;
}

}   // namespace

// ---- Check boxes ----

bool TProStringGrid::GetCheckBoxState(Integer ACol, Integer ARow, bool& State) {
  if (!IsCheckBoxType(GetCellType(ACol, ARow))) return false;
  State = CellCheckState(ACol, ARow);
  return true;
}

bool TProStringGrid::SetCheckBoxState(Integer ACol, Integer ARow, bool State) {
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (graphic == nullptr) return false;
  switch (graphic->CellType()) {
    case ctCheckBox:
      graphic->SetCellBoolean(State);
      RepaintCell(RealToDisplCol(ACol), ARow);
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
      SetCellText(ACol, ARow, CheckText(ACol, ARow, State));
      return true;
    case ctRowCheckBox:
      if (ACol != 0) return false;
      SetDisjunctRowSelected(ARow, State);
      return true;
    default:
      return false;
  }
}

void TProStringGrid::SetCheckState(Integer ADisplCol, Integer ARow, bool State) {
  if (TCellGraphic* graphic = GetCellGraphic(DisplToRealCol(ADisplCol), ARow)) {
    graphic->SetCellBoolean(State);
    RepaintCell(ADisplCol, ARow);
  }
}

void TProStringGrid::CheckAll(Integer ACol) {
  for (Integer row = FixedRows(); row < RowCount(); ++row) SetCheckBoxState(ACol, row, true);
}

void TProStringGrid::UnCheckAll(Integer ACol) {
  for (Integer row = FixedRows(); row < RowCount(); ++row) SetCheckBoxState(ACol, row, false);
}

std::string TProStringGrid::CheckText(Integer ACol, Integer ARow, bool State) {
  std::string text;
  if (State)
    DoGetCheckTrue(ACol, ARow, text);
  else
    DoGetCheckFalse(ACol, ARow, text);
  return text;
}

bool TProStringGrid::UserMayChange(Integer ACol, Integer ARow, bool ByUser, bool AlwaysActive) {
  if (!ByUser || AlwaysActive) return true;
  bool canEdit = true;
  CanEditCell(ACol, ARow, canEdit);
  return canEdit;
}

// The undo record follows the check state after the toggle (for data check boxes that state is
// the text, not CellBoolean).
bool TProStringGrid::ToggleCellGraphic(Integer ACol, Integer ARow, bool ByUser) {
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (graphic == nullptr || !IsCheckBoxType(graphic->CellType())) return false;
  if (!UserMayChange(ACol, ARow, ByUser, controlLook_->CheckAlwaysActive())) return false;
  if (graphic->CellType() == ctCheckBox) {
    graphic->SetCellBoolean(!graphic->CellBoolean());
  } else {
    const std::string checked = CheckText(ACol, ARow, true);
    SetCellText(ACol, ARow, GetCellText(ACol, ARow) != checked ? checked : CheckText(ACol, ARow, false));
  }
  RepaintCell(RealToDisplCol(ACol), ARow);
  if (UndoRedo() != nullptr) {
    const bool nowChecked = CellCheckState(ACol, ARow);
    UndoRedo()->RegisterChange(ACol, ARow, CheckText(ACol, ARow, !nowChecked), CheckText(ACol, ARow, nowChecked));
  }
  return true;
}

// ---- Radio cells ----

TStrings* TProStringGrid::RadioChoicesOf(Integer ACol, Integer ARow) {
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (graphic == nullptr || graphic->CellType() != ctRadio) return nullptr;
  return dynamic_cast<TStrings*>(graphic->CellBitmap());
}

bool TProStringGrid::ToggleRadio(Integer ACol, Integer ARow, bool ByUser) {
  TStrings* choices = RadioChoicesOf(ACol, ARow);
  if (choices == nullptr) return false;
  if (!UserMayChange(ACol, ARow, ByUser, controlLook_->RadioAlwaysActive())) return false;
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  Integer next = graphic->CellIndex() >= 0 ? graphic->CellIndex() + 1 : choices->IndexOf(GetCellText(ACol, ARow)) + 1;
  if (next >= choices->Count()) next = 0;
  if (graphic->CellIndex() >= 0) graphic->SetCellIndex(next);
  graphic->SetCellVar(Variant(next));
  if (next < choices->Count()) SetCellText(ACol, ARow, choices->Strings(next));
  return true;
}

bool TProStringGrid::GetRadioIndex(Integer ACol, Integer ARow, Integer& Index) {
  TStrings* choices = RadioChoicesOf(ACol, ARow);
  if (choices == nullptr) return false;
  const Integer stored = GetCellGraphic(ACol, ARow)->CellIndex();
  Index = stored >= 0 ? stored : choices->IndexOf(GetCellText(ACol, ARow));
  return true;
}

TStrings* TProStringGrid::GetRadioChoices(Integer ACol, Integer ARow) {
  const TPoint base = GetBaseCell(ACol, ARow);
  return RadioChoicesOf(base.X, base.Y);
}

// ---- Kinds of the merged base cell ----

TCellType TProStringGrid::BaseCellType(Integer ACol, Integer ARow) {
  const TPoint base = GetBaseCell(ACol, ARow);
  return GetCellType(base.X, base.Y);
}

bool TProStringGrid::IsCheckBoxCell(Integer ACol, Integer ARow) { return IsCheckBoxType(BaseCellType(ACol, ARow)); }

bool TProStringGrid::IsRadioCell(Integer ACol, Integer ARow) { return BaseCellType(ACol, ARow) == ctRadio; }

bool TProStringGrid::IsButtonCell(Integer ACol, Integer ARow) {
  const TCellType kind = BaseCellType(ACol, ARow);
  return kind == ctButton || kind == ctBitButton;
}

bool TProStringGrid::HasClickableGraphic(Integer ACol, Integer ARow) {
  const TCellType kind = BaseCellType(ACol, ARow);
  return IsCheckBoxType(kind) || kind == ctRadio || kind == ctButton;
}

// ---- Places inside a cell ----

bool TProStringGrid::IsCheckBoxHit(Integer ACol, Integer ARow, Integer X, Integer Y) {
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (graphic == nullptr || !IsCheckBoxType(graphic->CellType())) return false;
  if (!mouseActions_->PreciseCheckBoxCheck()) return true;
  const TRect cell = CellRect(RealToDisplCol(ACol), ARow);
  const Integer size = controlLook_->CheckSize();
  Integer top = cell.Top + 2;
  if (graphic->CellVAlign() == vaBottom) top = cell.Bottom - size - 2;
  if (graphic->CellVAlign() == vaCenter) top = cell.Top + (cell.Bottom - cell.Top - size) / 2;
  Integer left = cell.Left + 2;
  const TAlignment alignment = GetCellAlignment(ACol, ARow).first;
  if (alignment == taRightJustify) left = cell.Right - size - 2;
  if (alignment == taCenter) left = cell.Left + (cell.Right - cell.Left - size) / 2;
  return X >= left && X < left + size && Y >= top && Y < top + size;
}

bool TProStringGrid::GetButtonRect(Integer ADisplCol, Integer ARow, TRect& Rect) {
  const TCellGraphic* graphic = GetCellGraphic(DisplToRealCol(ADisplCol), ARow);
  if (graphic == nullptr) return false;
  const TRect cell = CellRect(ADisplCol, ARow);
  const auto offsets = static_cast<Integer>(graphic->CellValue() + (graphic->CellValue() < 0 ? -0.5 : 0.5));
  const auto size = static_cast<Cardinal>(graphic->CellIndex());
  Rect.Left = cell.Left + (offsets & 0xFFFF);
  Rect.Top = cell.Top + ((offsets >> 16) & 0xFFFF);
  Rect.Right = Rect.Left + static_cast<Integer>(size & 0xFFFF);
  Rect.Bottom = Rect.Top + static_cast<Integer>(size >> 16);
  if (graphic->CellVAlign() == vaFull) {
    Rect.Top = cell.Top;
    Rect.Bottom = cell.Bottom;
  }
  if (graphic->CellHAlign() == haFull) {
    Rect.Left = cell.Left;
    Rect.Right = cell.Right;
  }
  return true;
}

bool TProStringGrid::GetComment(Integer ACol, Integer ARow, std::string& Comment) {
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (graphic == nullptr || graphic->CellType() != ctComment) return false;
  Comment = graphic->CellText();
  return true;
}

void TProStringGrid::GetCellErrorRange(Integer ACol, Integer ARow, Integer& Start, Integer& Length) {
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  Start = graphic != nullptr ? graphic->CellErrFrom() : 0;
  Length = graphic != nullptr ? graphic->CellErrLen() : 0;
}
