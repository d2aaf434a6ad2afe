// TProStringGrid: which cells may be edited, which may become current (SelectCell with the change
// events and the switching of goEditing), the Enter-key advance to the next editable cell with
// automatic row or column insertion, Tab navigation over tab stops, and the grid's own Escape,
// Enter and incremental-lookup key presses.
//
// Stops: the advance and the Tab walk skip cells that may not be edited.  Each walks at most one
// full pass over the normal cells; when no cell in its order may be edited it stays on its start
// cell, selected again through SelectCell (as after a refused move).  One advance appends at most
// one row (or, with adTopBottom, one column); reaching the last normal cell again after that wraps
// to the first normal cell as without AdvanceInsert.
#include <algorithm>

#include "grid/cell_checker.h"
#include "grid/cell_graphic.h"
#include "grid/cell_properties.h"
#include "grid/floating_footer.h"
#include "grid/mouse_actions.h"
#include "grid/navigation.h"
#include "grid/pro_string_grid.h"
#include "platform/core/ansi_strings.h"
#include "platform/ui/inplace_edit.h"
#include "platform/user/post_message.h"
#include "platform/user/virtual_keys.h"

// ---- Editable, fixed and tab-stop cells ----

bool TProStringGrid::IsCellEditable(Integer ACol, Integer ARow) {
  if (!Options().Contains(goEditing) && !mouseActions_->RangeSelectAndEdit() && !editingSuspended_) return false;
  const TPoint base = GetBaseCell(ACol, ARow);
  const bool canEdit = CanEditWhileSuspended(base.X, base.Y, true);
  bool isFixed = false;
  OnIsFixedCell(this, base.Y, DisplToRealCol(base.X), isFixed);
  return canEdit && !isFixed;
}

bool TProStringGrid::IsFixed(Integer ACol, Integer ARow) {
  const TPoint base = GetBaseCell(ACol, ARow);
  if (base.Y >= RowCount() - fixedFooters_ || base.X >= ColCount() - fixedRightCols_) return true;
  bool isFixed = false;
  DoIsFixedCell(DisplToRealCol(base.X), base.Y, isFixed);
  return isFixed;
}

bool TProStringGrid::IsTabStopCell(Integer ACol, Integer ARow) {
  return Options().Contains(goEditing) ? IsCellEditable(ACol, ARow) : !IsFixed(ACol, ARow);
}

Integer TProStringGrid::FirstNormalColumn() { return FixedCols() == 0 && HasNodes() ? 1 : FixedCols(); }

Integer TProStringGrid::VisibleRightFixedCols() {
  Integer hidden = 0;
  for (Integer col = ColCount() - fixedRightCols_; col < ColCount(); ++col)
    if (IsHiddenColumn(col)) ++hidden;
  return fixedRightCols_ - hidden;
}

Integer TProStringGrid::NormalCellCount() {
  const Integer cols = ColCount() - fixedRightCols_ - FirstNormalColumn();
  const Integer rows = RowCount() - fixedFooters_ - FixedRows();
  return std::max(cols, 1) * std::max(rows, 1);
}

// CanEditCell as if goEditing were on while the grid holds editing suspended (it took goEditing out
// itself for a cell that may not be edited).
bool TProStringGrid::CanEditWhileSuspended(Integer ACol, Integer ARow, bool CanEdit) {
  const bool savedForced = forcedEdit_;
  forcedEdit_ = savedForced || editingSuspended_;
  CanEditCell(ACol, ARow, CanEdit);
  forcedEdit_ = savedForced;
  return CanEdit;
}

void TProStringGrid::SetCellChecker(TProStringGridCheck* Value) {
  if (cellChecker_ != nullptr) cellChecker_->RemoveFreeNotification(this);
  cellChecker_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

// ---- Selecting a cell ----

bool TProStringGrid::SelectCellEvents(Integer ACol, Integer ARow) {
  bool allow = true;
  if (ARow != Row()) OnRowChanging(this, Row(), ARow, allow);
  if (ACol != Col()) OnColChanging(this, Col(), ACol, allow);
  if ((ACol != Col() || ARow != Row()) && !cellChangingFired_) OnCellChanging(this, Row(), Col(), ARow, ACol, allow);
  return allow;
}

// Puts goEditing into Options or takes it out as the new cell allows editing; an edit in progress is
// ended.  Answers whether the cell may be edited.
bool TProStringGrid::SwitchEditingOption(Integer ACol, Integer ARow) {
  const bool editing = Options().Contains(goEditing);
  if (HasClickableGraphic(ACol, ARow)) {
    bool canEdit = true;
    CanEditCell(ACol, ARow, canEdit);
    editingSuspended_ = false;
    if (!editing && !Options().Contains(goRowSelect) && canEdit) {
      SetOptions(Options() + TGridOptions{goEditing});
      editingOptionChanged_ = true;
    }
    return canEdit;
  }
  const bool canEdit = CanEditWhileSuspended(ACol, ARow, editing || editingSuspended_);
  if (canEdit) {
    editingSuspended_ = false;
    if (!Options().Contains(goEditing)) {
      SetOptions(Options() + TGridOptions{goEditing});
      editingOptionChanged_ = true;
    }
    if (!editorOpen_) RememberCellValue(ACol, ARow);
    return true;
  }
  if (Options().Contains(goEditing)) {
    SetOptions(Options() - TGridOptions{goEditing});
    editingSuspended_ = true;
    editingOptionChanged_ = true;
  }
  return false;
}

bool TProStringGrid::SelectCell(Integer ACol, Integer ARow) {
  if (selectCellSuppressed_) return true;
  if (ACol < 0 || ARow < 0) return false;
  // The selection put aside past the last cell while no normal row exists.
  if (ACol >= ColCount() || ARow >= RowCount()) return inherited::SelectCell(ACol, ARow);
  if (floatingFooter_->Visible() && floatingFooter_->FooterStyle() == fsFixedLastRow && ARow == RowCount() - 1)
    return false;
  if (IsCoveredCell(ACol, ARow) && !Options().Contains(goRangeSelect)) {
    const TPoint base = GetBaseCell(ACol, ARow);
    MoveColRow(base.X, base.Y, true, true);
    RepaintCell(base.X, base.Y);
    if (mouseActions_->DirectEdit()) ShowEditor();
    return false;
  }
  const bool allow = SelectCellEvents(ACol, ARow);
  if (!allow || (HasNodes() && ACol == 0 && !Options().Contains(goRowSelect))) return false;
  const bool editorFocused = InplaceEditor() != nullptr && InplaceEditor()->Focused();
  const bool editStarted = editorOpen_;
  SwitchEditingOption(ACol, ARow);
  bool answer;
  if (!editStarted || editorFocused) {
    answer = !IsFixed(ACol, ARow) && inherited::SelectCell(ACol, ARow);
  } else {
    const bool valid = IsWideCell(Col(), Row()) ? ValidateCellWide(keptWideText_) : ValidateCell(GetCellText(Col(), Row()));
    answer = valid && inherited::SelectCell(ACol, ARow);
  }
  // Leaving the cell ends the edit of its editor (the in-place editor is hidden by the move).
  if (answer && editorActive_ && (ACol != Col() || ARow != Row())) CloseEditControl(Col(), Row());
  if (!ComponentState().Contains(csLoading) && ARow != lastUpdatedRow_ && OnRowUpdate) {
    OnRowUpdate(this, lastUpdatedRow_, ARow);
    lastUpdatedRow_ = ARow;
  }
  keptCellText_ = GetRawCellText(ACol, ARow);
  return answer;
}

// ---- Advancing after Enter ----

bool TProStringGrid::AdvanceForwardLeftRight(Integer& ACol, Integer& ARow, bool& Inserted) {
  const Integer spanX = GetCellSpan(ACol, ARow).X;
  if (ACol + spanX < ColCount() - VisibleRightFixedCols() - 1) {
    ACol += spanX + 1;
    return true;
  }
  if (ARow + 1 != RowCount() - fixedFooters_) {
    ++ARow;
    ACol = FirstNormalColumn();
    return true;
  }
  ACol = FirstNormalColumn();
  if (!navigation_->AdvanceInsert() || Inserted) {
    ARow = FixedRows();
    return true;
  }
  Inserted = true;
  bool canAdd = true;
  DoCanAddRow(canAdd);
  if (!canAdd) return true;
  AppendRow();
  ++ARow;
  OnAutoAddRow(this, RowCount() - fixedFooters_ - 1);
  for (Integer col = FixedCols(); col < ColCount(); ++col)
    if (IsCellEditable(col, ARow)) return true;
  return false;
}

bool TProStringGrid::AdvanceForwardTopBottom(Integer& ACol, Integer& ARow, bool& Inserted) {
  if (ARow + 1 != RowCount() - fixedFooters_) {
    ++ARow;
    return true;
  }
  const Integer spanX = GetCellSpan(ACol, ARow).X;
  ARow = FixedRows();
  if (ACol + 1 != ColCount() - fixedRightCols_) {
    ++ACol;
    if (ACol >= ColCount()) ACol = FirstNormalColumn();
  } else if (navigation_->AdvanceInsert() && !Inserted) {
    Inserted = true;
    ACol += spanX + 1;
    SetColCount(ColCount() + 1);
    OnAutoInsertCol(this, ColCount() - fixedRightCols_ - 1);
  } else {
    ACol = FirstNormalColumn();
  }
  Invalidate();
  return true;
}

void TProStringGrid::AdvanceBackward(Integer& ACol, Integer& ARow) {
  const Integer lastCol = ColCount() - fixedRightCols_ - 1;
  const Integer lastRow = RowCount() - fixedFooters_ - 1;
  if (navigation_->AdvanceDirection() == adLeftRight) {
    if (ACol > FirstNormalColumn()) {
      --ACol;
    } else {
      ACol = lastCol;
      ARow = ARow > FixedRows() ? ARow - 1 : lastRow;
    }
  } else if (ARow > FixedRows()) {
    --ARow;
  } else {
    ARow = lastRow;
    ACol = ACol > FirstNormalColumn() ? ACol - 1 : lastCol;
  }
}

bool TProStringGrid::NextAdvanceCell(Integer& ACol, Integer& ARow, bool Forward, bool& Inserted) {
  if (!Forward) {
    AdvanceBackward(ACol, ARow);
    return true;
  }
  return navigation_->AdvanceDirection() == adLeftRight ? AdvanceForwardLeftRight(ACol, ARow, Inserted)
                                                         : AdvanceForwardTopBottom(ACol, ARow, Inserted);
}

bool TProStringGrid::MoveToAdvanceTarget(Integer ACol, Integer ARow, Integer StartCol, Integer StartRow) {
  Integer col = ACol;
  Integer row = ARow;
  bool allow = true;
  OnAutoAdvance(this, advanceStartRow_, advanceStartCol_, row, col, allow);
  cellChangingFired_ = true;
  if (allow) OnCellChanging(this, advanceStartRow_, advanceStartCol_, row, col, allow);
  if (allow) {
    MoveColRow(col, row, true, true);
  } else {
    SelectCell(StartCol, StartRow);
  }
  cellChangingFired_ = false;
  return allow;
}

void TProStringGrid::RestartEditAfterAdvance(Integer StartCol, Integer StartRow) {
  if (IsCellEditable(Col(), Row())) {
    ShowEditor();
    if (HasClickableGraphic(Col(), Row())) ClickAdvanceTarget(StartCol, StartRow);
    if (navigation_->AdvanceDirection() != adLeftRight) HideEditor();
    bool ignored = true;
    OnCellChanging(this, StartRow, StartCol, Row(), Col(), ignored);
    if (IsEditControlKind(EditorKindOf(StartCol, StartRow))) HideEditor();
  }
}

void TProStringGrid::ClickAdvanceTarget(Integer StartCol, Integer StartRow) {
  cellChangingFired_ = true;
  SelectCell(StartCol, StartRow);
  SelectCell(Col(), Row());
  if (!HasClickableGraphic(StartCol, StartRow)) {
    const TRect cell = CellRect(Col(), Row());
    MouseDown(mbLeft, TShiftState{ssLeft}, cell.Left + 2, cell.Top + 2);
    MouseUp(mbLeft, TShiftState{}, cell.Left + 2, cell.Top + 2);
  }
  cellChangingFired_ = false;
}

void TProStringGrid::AdvanceToNextCell(Integer ACol, Integer ARow, bool RestartEdit, bool Continued, bool Forward,
                                       bool ForceEdit, bool Force) {
  if (!navigation_->AdvanceOnEnter() && !Force) return;
  if (mouseActions_->RangeSelectAndEdit() && !Options().Contains(goEditing))
    SetOptions(Options() + TGridOptions{goEditing});
  if (!Continued) {
    advanceStartCol_ = ACol;
    advanceStartRow_ = ARow;
  }
  Integer col = ACol;
  Integer row = ARow;
  bool inserted = false;
  for (Integer step = 0;; ++step) {
    if (!NextAdvanceCell(col, row, Forward, inserted)) return;
    bool canEdit = true;
    CanEditCell(DisplToRealCol(col), row, canEdit);
    if (canEdit) break;
    if (step >= NormalCellCount()) {
      SelectCell(advanceStartCol_, advanceStartRow_);
      return;
    }
  }
  if (!MoveToAdvanceTarget(col, row, ACol, ARow) || !RestartEdit) return;
  const bool clickable = HasClickableGraphic(Col(), Row());
  if (ForceEdit || clickable) {
    if (!IsCellEditable(Col(), Row())) return;
    RestartEditAfterAdvance(ACol, ARow);
  }
  if (mouseActions_->DisjunctRowSelect()) {
    ClearDisjunctRowSelection();
    SetDisjunctRowSelected(Row(), true);
  }
}

// ---- Tab navigation ----

Integer TProStringGrid::FirstTabStopInRow(Integer ARow, Integer FromCol, Integer ToCol) {
  for (Integer col = FromCol; col <= ToCol; ++col)
    if (!IsCoveredCell(col, ARow) && IsTabStopCell(col, ARow)) return col;
  return -1;
}

Integer TProStringGrid::LastTabStopInRow(Integer ARow, Integer FromCol, Integer ToCol) {
  for (Integer col = ToCol; col >= FromCol; --col)
    if (!IsCoveredCell(col, ARow) && IsTabStopCell(col, ARow)) return col;
  return -1;
}

bool TProStringGrid::TabStep(Integer& ACol, Integer& ARow, bool Backwards) {
  const Integer firstCol = FirstNormalColumn();
  const Integer lastCol = ColCount() - VisibleRightFixedCols() - 1;
  const Integer lastRow = RowCount() - fixedFooters_ - 1;
  const TPoint span = GetCellSpan(ACol, ARow);
  const bool topBottom = navigation_->TabAdvanceDirection() == adTopBottom;
  if (!Backwards && topBottom) {
    if (ARow + span.Y + 1 <= lastRow) {
      ARow += span.Y + 1;
      return false;
    }
    ARow = FixedRows();
    const bool atEnd = ACol >= lastCol;
    ACol = atEnd ? firstCol : ACol + 1;
    return atEnd;
  }
  if (!Backwards) {
    const Integer next = ACol + span.X + 1;
    const Integer inRow = next <= lastCol ? FirstTabStopInRow(ARow, next, lastCol) : -1;
    if (inRow >= 0) {
      ACol = inRow;
      return false;
    }
    const bool atEnd = ARow >= lastRow;
    ARow = atEnd ? FixedRows() : ARow + 1;
    const Integer first = FirstTabStopInRow(ARow, firstCol, lastCol);
    ACol = first >= 0 ? first : FixedCols();
    return atEnd;
  }
  if (topBottom) {
    if (ARow > FixedRows()) {
      --ARow;
    } else {
      ARow = lastRow;
      ACol = ACol > firstCol ? ACol - 1 : lastCol;
    }
    return false;
  }
  const Integer inRow = ACol > firstCol ? LastTabStopInRow(ARow, firstCol, ACol - 1) : -1;
  if (inRow >= 0) {
    ACol = inRow;
    return false;
  }
  ARow = ARow > FixedRows() ? ARow - 1 : lastRow;
  const Integer last = LastTabStopInRow(ARow, firstCol, lastCol);
  ACol = last >= 0 ? last : lastCol;
  const TPoint base = GetBaseCell(ACol, ARow);
  ACol = base.X;
  ARow = base.Y;
  return false;
}

void TProStringGrid::HandleTabKey(bool Backwards) {
  Word key = VK_TAB;
  OnKeyDown(this, key, Backwards ? TShiftState{ssShift} : TShiftState{});
  if (key != VK_TAB) return;
  Integer col = Col();
  Integer row = Row();
  bool atEnd = false;
  bool found = false;
  for (Integer step = 0; step <= NormalCellCount() && !found; ++step) {
    atEnd = TabStep(col, row, Backwards) || atEnd;
    found = !Options().Contains(goEditing) || IsCellEditable(col, row);
  }
  if (found) {
    MoveColRow(col, row, true, true);
    if (atEnd && navigation_->TabToNextAtEnd() && Parent() != nullptr && Parent()->HandleAllocated())
      PostMessage(Parent()->Handle(), WM_KEYDOWN, VK_TAB, 0);
  } else {
    SelectCell(Col(), Row());
  }
  if (navigation_->AlwaysEdit() && CanFocus()) SetFocus();
}

// ---- Key presses: Escape, Enter and the incremental lookup ----

void TProStringGrid::KeyPress(char& Key) {
  if (Key == VK_ESCAPE) {
    if (Options().Contains(goEditing) && editorOpen_) {
      SetCellText(Col(), Row(), keptCellText_);
    }
    OnKeyPress(this, Key);
    return;
  }
  if (Key == VK_RETURN) {
    if (!navigation_->AdvanceOnEnter() && !IsCellEditable(Col(), Row())) {
      OnKeyPress(this, Key);
      return;
    }
    const Integer oldCol = Col();
    if (!Focused() || HasClickableGraphic(Col(), Row()))
      AdvanceToNextCell(Col(), Row(), editorActive_, false, true, false, false);
    if (HasClickableGraphic(oldCol, Row())) {
      OnKeyPress(this, Key);
      return;
    }
  }
  if (!Options().Contains(goEditing) && navigation_->AutoGotoWhenSorted()) IncrementalLookup(Key);
  inherited::KeyPress(Key);
}

void TProStringGrid::IncrementalLookup(char Key) {
  if (!navigation_->AutoGotoIncremental())
    lookupText_ = std::string(1, Key);
  else if (Key == VK_BACK)
    lookupText_ = lookupText_.empty() ? lookupText_ : lookupText_.substr(0, lookupText_.size() - 1);
  else
    lookupText_ += Key;
  lookupPause_ = 0;
  const Integer found = lookupText_.empty() ? -1 : FindRowByPrefix(AnsiUpperCase(lookupText_));
  if (found < 0)
    lookupText_.clear();
  else
    SetRow(found);
}

Integer TProStringGrid::ClickableWalkTarget(bool Forward) {
  const Integer col = Col();
  if (Forward) {
    const Integer next = col + GetCellSpan(col, Row()).X + 1;
    return col < ColCount() - FixedRightCols() - 1 && HasClickableGraphic(next, Row()) ? next : -1;
  }
  return col > FixedCols() && HasClickableGraphic(col - 1, Row()) ? col - 1 : -1;
}
