// TProStringGrid: keys.  What the grid does with a key before and after the class library's and the
// base grid's navigation (WM_KEYDOWN), typed characters (WM_CHAR), dialog characters, and the row
// insertion and deletion behind the Insert and Delete keys.
//
// A key the grid *swallows* fires OnKeyDown with the key and the keyboard's shift state and then
// reaches nothing else (message result 1).
#include "grid/cell_text_kinds.h"
#include "grid/control_look.h"
#include "grid/floating_footer.h"
#include "grid/mouse_actions.h"
#include "grid/navigation.h"
#include "grid/pro_string_grid.h"
#include "grid/show_modified.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/format_settings.h"
#include "platform/user/message_ids.h"
#include "platform/user/virtual_keys.h"

namespace {

bool IsVerticalMoveKey(Word Key) { return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN; }

bool IsNavigationKey(Word Key) {
  return IsVerticalMoveKey(Key) || Key == VK_HOME || Key == VK_END || Key == VK_LEFT || Key == VK_RIGHT;
}

bool HoldsControlTag(const std::string& Text) { return AnsiUpperCase(Text).find("<CONTROL") != std::string::npos; }

}   // namespace

// ---- WM_KEYDOWN ----

void TProStringGrid::WMKeyDown(TMessage& Message) {
  Word key = Word(Message.WParam);
  const TShiftState shift = CurrentShiftState();
  const TGridRect before = Selection();
  const Integer rowBefore = Row();
  const Integer leftBefore = LeftCol();
  const bool keepLeft =
      Options().Contains(goRowSelect) && navigation_->KeepHorizScroll() && IsVerticalMoveKey(key);
  if (keepLeft) BeginUpdate();
  const bool ended = KeyBeforeNavigation(key, shift, rowBefore, Message);
  if (!ended && key != 0) {
    Message.WParam = key;
    inherited::Dispatch(Message);
  }
  if (keepLeft) {
    SetLeftCol(leftBefore);
    EndUpdate();
  }
  if (ended) return;
  KeyAfterNavigation(key, shift);
  if (Selection() != before) {
    const TGridRect now = Selection();
    DoSelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
  }
}

void TProStringGrid::SwallowKey(Word& Key, TShiftState Shift, TMessage& Message) {
  OnKeyDown(this, Key, Shift);
  Key = 0;
  Message.WParam = 0;
  Message.Result = 1;
}

// Steps before the class library's navigation; true when the message ends here.
bool TProStringGrid::KeyBeforeNavigation(Word& Key, TShiftState Shift, Integer RowBefore, TMessage& Message) {
  const bool editable = IsCellEditable(Col(), Row());
  if (Key == VK_F2 && mouseActions_->RangeSelectAndEdit() && !Options().Contains(goEditing)) {
    if (!editable) {
      SwallowKey(Key, Shift, Message);
      return true;
    }
    SetOptions(Options() + TGridOptions{goEditing});
    ShowCellEditor();
  }
  if (Key == VK_F2 && Options().Contains(goEditing) && !editable) {
    SwallowKey(Key, Shift, Message);
    return true;
  }
  if (Key == VK_F2 && CellTextKind(GetCellText(Col(), Row()), EnableHTML()) == ctkMarkup &&
      HoldsControlTag(GetCellText(Col(), Row()))) {
    // Not the in-place editor: the cell's first form control takes the focus.
    RememberCellValue(Col(), Row());
    FocusNextCellControl(Col(), Row(), "");
    Message.Result = 1;
    return true;
  }
  if (Key == VK_RETURN && !editable) {
    SwallowKey(Key, Shift, Message);
    return true;
  }
  if ((Key == VK_SPACE || Key == VK_RETURN) && HasClickableGraphic(Col(), Row())) OperateCellGraphic(Key);
  if (KeyHomeEnd(Key, Shift, RowBefore, Message)) return true;
  if ((Key == VK_RIGHT || Key == VK_LEFT) && IsNode(Row()) && IsMergedCell(Col(), Row())) {
    const bool contracted = GetNodeState(Row());
    if (Key == VK_RIGHT && contracted) ExpandNode(RealRowIndex(Row()));
    if (Key == VK_LEFT && !contracted) ContractNode(RealRowIndex(Row()));
  }
  if (Key == VK_TAB && Options().Contains(goTabs)) {
    HandleTabKey(Shift.Contains(ssShift));
    Message.Result = 0;
    Key = 0;
    return false;
  }
  if (navigation_->SkipFixedCells() && SkipFixedRun(Key, Shift)) return false;
  if (Key == VK_DOWN && navigation_->AppendOnArrowDown()) AppendOnArrowDown();
  return false;
}

// Space and Enter on a check box, radio or button cell (its base cell).
void TProStringGrid::OperateCellGraphic(Word Key) {
  const TPoint base = GetBaseCell(Col(), Row());
  const Integer col = RealColIndex(base.X);
  bool mayAct = Options().Contains(goEditing) || mouseActions_->RangeSelectAndEdit();
  CanEditCell(col, base.Y, mayAct);
  if (Key == VK_SPACE && IsCheckBoxCell(col, base.Y) && (mayAct || controlLook_->CheckAlwaysActive())) {
    ToggleCellGraphic(col, base.Y, false);
    if (showModified_->Enabled()) SetRowModified(base.Y, true);
    bool state = false;
    GetCheckBoxState(col, base.Y, state);
    OnCheckBoxClick(this, col, base.Y, state);
  } else if (Key == VK_SPACE && IsRadioCell(col, base.Y) && (mayAct || controlLook_->RadioAlwaysActive())) {
    ToggleRadio(col, base.Y, false);
    Integer index = -1;
    GetRadioIndex(col, base.Y, index);
    OnRadioClick(this, col, base.Y, index);
  } else if (IsButtonCell(col, base.Y) && mayAct) {
    OnButtonClick(this, col, base.Y);
  }
  RepaintCell(Col(), Row());
}

// Home and End by Navigation.HomeEndKey; true when they replaced the class library's move.
bool TProStringGrid::KeyHomeEnd(Word& Key, TShiftState Shift, Integer RowBefore, TMessage& Message) {
  if ((Key != VK_HOME && Key != VK_END) || (fixedRowAlways_ && RowCount() == 1)) return false;
  if (navigation_->HomeEndKey() == heFirstLastRow) {
    MoveToFirstOrLastRow(Key == VK_HOME, Shift, RowBefore);
  } else if (Options().Contains(goRowSelect)) {
    const Integer target = Key == VK_HOME ? FirstNormalColumn() : ColCount() - 1;
    SetCol(target);
    SetLeftCol(Key == VK_HOME ? target : std::max(FixedCols(), ColCount() - VisibleColCount()));
  } else {
    return false;
  }
  OnKeyDown(this, Key, Shift);
  Message.Result = 0;
  return true;
}

void TProStringGrid::MoveToFirstOrLastRow(bool First, TShiftState Shift, Integer RowBefore) {
  const bool floating = floatingFooter_->Visible();
  Integer target = GetBaseCell(Col(), FixedRows()).Y;
  if (!First) {
    target = floating && RowCount() > 2 ? RowCount() - 2 : RowCount() - FixedFooters() - 1;
    if (floating || FixedFooters() > 0) SetTopRow(std::max(FixedRows(), RowCount() - VisibleRowCount()));
  }
  if (target < 0 || target >= RowCount()) return;
  SetRow(target);
  const bool disjunct = mouseActions_->DisjunctRowSelect();
  if (Shift.Contains(ssShift)) {
    SetSelection(TGridRect{0, std::min(RowBefore, target), ColCount() - 1, std::max(RowBefore, target)});
    if (disjunct) SelectionToDisjunctRows(false);
  } else if (disjunct) {
    ClearDisjunctRowSelection();
    SelectionToDisjunctRows(false);
  }
}

// An arrow key whose neighbouring cell is fixed jumps over the whole fixed run; false when no normal
// cell lies beyond it.
bool TProStringGrid::SkipFixedRun(Word& Key, TShiftState Shift) {
  Integer dx = 0;
  Integer dy = 0;
  switch (Key) {
    case VK_LEFT: dx = UseRightToLeftAlignment() ? 1 : -1; break;
    case VK_RIGHT: dx = UseRightToLeftAlignment() ? -1 : 1; break;
    case VK_UP: dy = -1; break;
    case VK_DOWN: dy = 1; break;
    default: return false;
  }
  const Integer lastCol = ColCount() - FixedRightCols() - 1;
  const Integer lastRow = RowCount() - FixedFooters() - 1;
  Integer col = Col() + dx;
  Integer row = Row() + dy;
  auto inside = [&] { return col >= FixedCols() && col <= lastCol && row >= FixedRows() && row <= lastRow; };
  if (!inside() || !IsFixed(col, row)) return false;
  while (inside() && IsFixed(col, row)) {
    col += dx;
    row += dy;
  }
  if (!inside()) return false;
  MoveColRow(col, row, true, true);
  OnKeyDown(this, Key, Shift);
  Key = 0;
  return true;
}

// Down on the last data row (the row above a floating footer) adds a row unless OnCanAddRow refuses.
void TProStringGrid::AppendOnArrowDown() {
  const bool floating = floatingFooter_->Visible();
  const Integer lastDataRow = floating ? RowCount() - 2 : RowCount() - FixedFooters() - 1;
  if (Row() != lastDataRow) return;
  bool allow = true;
  DoCanAddRow(allow);
  if (!allow) return;
  if (floating) {
    std::vector<std::string> footerTexts;
    for (Integer col = 0; col < AllColCount(); ++col) footerTexts.push_back(GetCellText(col, RowCount() - 1));
    AddRow();
    ClearRange(0, RowCount() - 2, AllColCount() - 1, RowCount() - 2);
    for (Integer col = 0; col < AllColCount(); ++col) SetCellText(col, RowCount() - 1, footerTexts[size_t(col)]);
  } else {
    AddRow();
  }
  if (floating || FixedFooters() > 0) SetRow(Row() + 1);
  CalculateFooter(-1);
  OnAutoAddRow(this, lastDataRow + 1);
}

// Steps after the class library's navigation: clipboard keys (the clipboard key's own action only), row insertion and deletion, select
// all, the disjunct selections and F2 on form controls.
void TProStringGrid::KeyAfterNavigation(Word Key, TShiftState Shift) {
  const bool ctrl = Shift.Contains(ssCtrl);
  const bool plain = !ctrl && !Shift.Contains(ssShift) && !Shift.Contains(ssAlt);
  if (navigation_->AllowClipboardShortCuts() && ClipboardKey(Key, Shift)) return;
  if (Key == VK_INSERT && plain && navigation_->AllowInsertRow()) return InsertRowByKey();
  if (Key == 'A' && ctrl && (Options().Contains(goRowSelect) || Options().Contains(goRangeSelect))) return SelectAllByKey();
  if (IsNavigationKey(Key)) return FollowDisjunctSelection(Shift);
  if (Key == VK_SPACE && mouseActions_->DisjunctRowSelect()) SetDisjunctRowSelected(Row(), !GetRowSelect(Row()));
  if (Key == VK_SPACE && mouseActions_->DisjunctColSelect()) SetDisjunctColSelected(Col(), !GetColSelect(Col()));
  if (Key == VK_DELETE && !Shift.Contains(ssAlt) && navigation_->AllowDeleteRow()) return DeleteRowByKey();
  if (Key == VK_F2) RememberCellValue(Col(), Row());
}

// Ctrl+C and Ctrl+Insert copy, Ctrl+X and Shift+Delete cut, Ctrl+V and Shift+Insert paste, each
// after its event left Allow true; false for any other key.
bool TProStringGrid::ClipboardKey(Word Key, TShiftState Shift) {
  const bool ctrl = Shift.Contains(ssCtrl);
  const bool shiftOnly = Shift.Contains(ssShift) && !ctrl;
  TClipboardEvent* event = nullptr;
  void (TProStringGrid::*action)() = nullptr;
  if ((ctrl && Key == 'C') || (ctrl && Key == VK_INSERT)) {
    event = &OnClipboardCopy;
    action = &TProStringGrid::CopyToClipboard;
  } else if ((ctrl && Key == 'X') || (shiftOnly && Key == VK_DELETE)) {
    event = &OnClipboardCut;
    action = &TProStringGrid::CutToClipboard;
  } else if ((ctrl && Key == 'V') || (shiftOnly && Key == VK_INSERT)) {
    event = &OnClipboardPaste;
    action = &TProStringGrid::PasteFromClipboard;
  } else {
    return false;
  }
  bool allow = true;
  (*event)(this, allow);
  if (allow) (this->*action)();
  return true;
}

void TProStringGrid::InsertRowByKey() {
  bool allow = true;
  DoCanInsertRow(Row(), allow);
  if (!allow) return;
  const bool noDataRow = RowCount() - FixedFooters() <= FixedRows();
  if (navigation_->InsertPosition() == pInsertBefore) {
    AutoInsertRow(Row());
  } else if (fixedRowAlways_ && noDataRow) {
    AutoInsertRow(Row());
    SetRow(1);
  } else {
    AutoInsertRow(Row() + 1);
    if (Row() + 1 < RowCount()) SetRow(Row() + 1);
  }
  CalculateFooter(-1);
}

void TProStringGrid::DeleteRowByKey() {
  if (RowCount() - FixedFooters() <= FixedRows()) return;
  bool allow = true;
  OnCanDeleteRow(this, Row(), allow);
  if (!allow) return;
  AutoDeleteRow(Row());
  if (floatingFooter_->Visible() && Row() == RowCount() - 1) SetRow(RowCount() - 2);
  // With FixedRowAlways the last data row can go, leaving only the kept fixed row.
  if (Row() < RowCount()) RememberCellValue(Col(), Row());
  CalculateFooter(-1);
}

void TProStringGrid::SelectAllByKey() {
  const Integer lastDataRow = RowCount() - FixedFooters() - 1;
  SetSelection(TGridRect{FirstNormalColumn(), FixedRows(), ColCount() - FixedRightCols() - 1, lastDataRow});
  if (mouseActions_->DisjunctRowSelect())
    for (Integer row = FixedRows(); row <= lastDataRow; ++row) SetDisjunctRowSelected(row, true);
}

void TProStringGrid::FollowDisjunctSelection(TShiftState Shift) {
  const bool plain = !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl);
  if (mouseActions_->DisjunctRowSelect()) {
    if (plain) ClearDisjunctRowSelection();
    else if (Shift.Contains(ssShift)) SelectionToDisjunctRows(false);
    else SetDisjunctRowSelected(mouseActions_->RowSelectPersistent() ? RealRowIndex(Row()) : Row(), true);
  }
  if (mouseActions_->DisjunctColSelect()) {
    if (plain) ClearDisjunctColSelection();
    else if (Shift.Contains(ssShift)) SelectionToDisjunctCols(false);
    else SetDisjunctColSelected(Col(), true);
  }
}

// ---- Row insertion and deletion of the Insert and Delete keys ----

void TProStringGrid::AutoInsertRow(Integer ARow) {
  if (HasNodes()) InsertRowWithNodes(RealRowIndex(ARow));
  else InsertRows(ARow, 1);
  OnAutoInsertRow(this, ARow);
}

// The only data row of a grid without FixedRowAlways is emptied rather than removed.
void TProStringGrid::AutoDeleteRow(Integer ARow) {
  if (HasNodes()) RemoveRowWithNodes(RealRowIndex(ARow));
  else if (RowCount() - FixedRows() - FixedFooters() == 1 && !fixedRowAlways_) ClearRows(ARow, 1);
  else DeleteRows(ARow, 1);
  OnAutoDeleteRow(this, ARow);
}

// ---- WM_CHAR and dialog characters ----

void TProStringGrid::WMChar(TMessage& Message) {
  const auto code = static_cast<unsigned char>(Message.WParam);
  const bool ctrl = CurrentShiftState().Contains(ssCtrl);
  if (navigation_->AllowClipboardShortCuts() && ctrl && (code == 3 || code == 22 || code == 24)) return;
  const bool typedEdit = mouseActions_->RangeSelectAndEdit() && !HasClickableGraphic(Col(), Row()) &&
                         IsCellEditable(Col(), Row()) && code != VK_TAB && code != VK_ESCAPE;
  if (typedEdit) {
    char ch = char(code);
    OnKeyPress(this, ch);
    editStartKey_ = ch;
    SetOptions(Options() + TGridOptions{goEditing});
    ScrollToCell(Col(), Row());
    Message.WParam = static_cast<unsigned char>(ch);
  } else if (code == '.' && ExcelStyleDecimalSeparator() && (Message.LParam & (1 << 22)) != 0) {
    // Bit 22 of the key data marks the numeric keypad's decimal key.
    Message.WParam = static_cast<unsigned char>(FormatSettings.DecimalSeparator);
  }
  if (HasClickableGraphic(Col(), Row()) && !(code == VK_RETURN && navigation_->AdvanceOnEnter())) return;
  inherited::Dispatch(Message);
}

// Only Alt+character reaches the form's accelerators; a plain character stops at the grid.
void TProStringGrid::CMDialogChar(TMessage& Message) {
  if (KeyDataToShiftState(Integer(Message.LParam)).Contains(ssAlt)) return inherited::Dispatch(Message);
  Message.WParam = 0;
  Message.Result = 0;
}
