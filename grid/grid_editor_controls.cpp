// The string grid's editor controls; see grid_editor_controls.h.
#include "grid/grid_editor_controls.h"

#include "grid/cell_text_kinds.h"
#include "grid/control_chars.h"
#include "grid/edit_char_rules.h"
#include "grid/mouse_actions.h"
#include "grid/navigation.h"
#include "grid/pro_string_grid.h"
#include "platform/classes/publisher.h"
#include "platform/core/date_text.h"
#include "platform/core/exceptions.h"
#include "platform/core/float_text.h"
#include "platform/core/int_text.h"
#include "platform/os/clock.h"
#include "platform/ui/brush.h"
#include "platform/ui/canvas.h"
#include "platform/ui/control_messages.h"
#include "platform/user/clipboard.h"
#include "platform/user/clipboard_text.h"
#include "platform/user/key_state.h"
#include "platform/user/post_message.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/window_classes/combo_box_window.h"

PR_IMPLEMENT_CLASS(TGridEditBtn)
PR_IMPLEMENT_CLASS(TGridUnitEditBtn)
PR_IMPLEMENT_CLASS(TGridCheckBox)
PR_IMPLEMENT_CLASS(TGridButton)

namespace {

using namespace grid_chars;

bool NoModifier(TShiftState Shift) { return !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt); }

bool IsEditBtnGridKey(Word Key) {
  switch (Key) {
    case VK_TAB: case VK_RETURN: case VK_ESCAPE: case VK_PRIOR: case VK_NEXT: case VK_UP: case VK_DOWN: return true;
    default: return false;
  }
}

bool IsArrowKey(Word Key) { return Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN; }

}   // namespace

void LeaveWithKey(TProStringGrid* Grid, Word Key, TShiftState Shift) {
  if (Key == VK_TAB && Grid->Options().Contains(goTabs))
    TabToNextStop(Grid, Shift);
  else
    Grid->LeaveEditControl(Key, Shift);
}

bool IsValidatedKey(Word Key) { return Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN; }

void ClaimEditorKeys(TProStringGrid* Grid, TMessage& Message) {
  const Word key = Word(Message.WParam);
  if (key == VK_RETURN || (key == VK_TAB && Grid->Options().Contains(goTabs))) Message.Result = 1;
}

bool StoreControlText(TProStringGrid* Grid, TControl& Control) {
  const bool accepted = Grid->ValidateEditorText(Control.Text(), true);
  Control.SetText(Grid->GetCurrentCellText());
  if (!accepted) Control.Invalidate();
  return accepted;
}

void TabToNextStop(TProStringGrid* Grid, TShiftState Shift) {
  Grid->HideCellEdit();
  Grid->SetFocus();
  Grid->HandleTabKey(Shift.Contains(ssShift));
}

TProStringGrid* EditorGrid(TComponent* AOwner) {
  auto* grid = dynamic_cast<TProStringGrid*>(AOwner);
  if (grid == nullptr) throw EInvalidCast("Invalid class typecast");
  return grid;
}

// ---- TGridEditBtn ----

TGridEditBtn::TGridEditBtn(TComponent* AOwner) : TZavEditBtn(AOwner), grid_(EditorGrid(AOwner)) {
  OnClickBtn = [this](TObject* Sender) { EllipsClick(Sender); };
}

void TGridEditBtn::EllipsClick(TObject*) {
  SetText(grid_->DoEllipsClick(Text()));
  SelectAll();
  Invalidate();
}

void TGridEditBtn::KeyDown(Word& Key, TShiftState Shift) {
  keyDownCaret_ = SelStart();
  if (Shift.Contains(ssCtrl) || !IsEditBtnGridKey(Key)) {
    inherited::KeyDown(Key, Shift);
    return;
  }
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
  if (Key != 0) GridKey(Key, Shift);
}

void TGridEditBtn::GridKey(Word& Key, TShiftState Shift) {
  if (IsValidatedKey(Key) && !StoreControlText(grid_, *this)) {
    SetSelStart(Integer(Text().size()));
    Key = 0;
    return;
  }
  if (Key == VK_ESCAPE) SetText(grid_->KeptCellText());
  LeaveWithKey(grid_, Key, Shift);
  Key = 0;
}

void TGridEditBtn::KeyPress(char& Key) {
  // Return, and Tab after a grid key, never reach the text.
  if (Key == kReturn || Key == kTab) {
    Key = 0;
    return;
  }
  switch (grid_->ActiveEditorType()) {
    case edEditBtn: break;
    case edNumericEditBtn:
      if (!AcceptNumericChar(*this, Key, true)) Key = 0;
      break;
    case edFloatEditBtn:
      if (!AcceptFloatChar(*this, Key)) Key = 0;
      break;
    default: Key = 0; break;
  }
  if (Key != 0) inherited::KeyPress(Key);
}

void TGridEditBtn::KeyUp(Word& Key, TShiftState Shift) {
  const bool walking = grid_->Navigation()->CursorWalkEditor() && SelLength() == 0 && NoModifier(Shift);
  if (walking && Key == VK_RIGHT && SelStart() == Integer(Text().size()))
    WalkRight(Key);
  else if (walking && Key == VK_LEFT && SelStart() == 0 && keyDownCaret_ == 0)
    WalkLeft(Key);
  if (Key != VK_RETURN) inherited::KeyUp(Key, Shift);
}

void TGridEditBtn::WalkRight(Word& Key) {
  Key = 0;
  WalkTo(grid_->ClickableWalkTarget(true), true);
}

void TGridEditBtn::WalkLeft(Word& Key) {
  Key = 0;
  WalkTo(grid_->ClickableWalkTarget(false), false);
}

void TGridEditBtn::WalkTo(Integer NextCol, bool Forward) {
  TProStringGrid* grid = grid_;
  if (NextCol >= 0) {
    if (!grid->ValidateEditorText(Text(), true)) return;
    grid->HideCellEdit();
    grid->SetCol(NextCol);
    return;
  }
  grid->SetFocus();
  {
    LeftRightAdvance leftRight(grid->Navigation());
    grid->AdvanceToNextCell(grid->Col(), grid->Row(), true, false, Forward, true, true);
  }
  TGridEditorControls::GridShowEditor(grid);
}

void TGridEditBtn::Change() {
  inherited::Change();
  grid_->OnEditChange(grid_, grid_->Col(), grid_->Row(), Text());
}

void TGridEditBtn::Paste() {
  if (!IsClipboardFormatAvailable(CF_TEXT)) return;
  std::string value = ClipboardText(Handle());
  bool allow = true;
  grid_->OnClipboardPaste(this, allow);
  if (allow) grid_->OnClipboardBeforePasteCell(this, grid_->Col(), grid_->Row(), value, allow);
  if (!allow) return;
  TMessage paste{WM_PASTE, 0, 0, 0};
  inherited::WndProc(paste);
}

void TGridEditBtn::DoExit() {
  grid_->HideCellEdit();
  inherited::DoExit();
}

void TGridEditBtn::WndProc(TMessage& Message) {
  if (Message.Msg == CM_WANTSPECIALKEY) {
    inherited::WndProc(Message);
    ClaimEditorKeys(grid_, Message);
    return;
  }
  if (Message.Msg == WM_PASTE && EditorEnabled() && !ReadOnly()) {
    Paste();
    return;
  }
  inherited::WndProc(Message);
}

// ---- TGridUnitEditBtn ----

TGridUnitEditBtn::TGridUnitEditBtn(TComponent* AOwner) : TZavUnitEditBtn(AOwner), grid_(EditorGrid(AOwner)) {}

void TGridUnitEditBtn::KeyDown(Word& Key, TShiftState Shift) {
  if (!IsEditBtnGridKey(Key)) {
    inherited::KeyDown(Key, Shift);
    return;
  }
  if (IsValidatedKey(Key)) {
    if (!grid_->ValidateEditorText(Text(), true)) {
      SetText(grid_->GetCurrentCellText());
      Key = 0;
      return;
    }
    SetText(grid_->GetCurrentCellText());
  }
  if (Key == VK_ESCAPE) {
    SetText(grid_->GetCurrentCellText());
    SetUnitID("");
  }
  LeaveWithKey(grid_, Key, Shift);
  Key = 0;
}

void TGridUnitEditBtn::KeyPress(char& Key) {
  if (Key == kReturn || Key == kTab) {
    Key = 0;
    return;
  }
  inherited::KeyPress(Key);
}

void TGridUnitEditBtn::DoExit() {
  grid_->HideCellEdit();
  inherited::DoExit();
}

void TGridUnitEditBtn::WndProc(TMessage& Message) {
  inherited::WndProc(Message);
  if (Message.Msg == CM_WANTSPECIALKEY) ClaimEditorKeys(grid_, Message);
}

// ---- TGridCheckBox ----

TGridCheckBox::TGridCheckBox(TComponent* AOwner) : TCheckBox(AOwner), grid_(EditorGrid(AOwner)) {}

void TGridCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  if (Button == mbLeft) Toggle();
  inherited::MouseDown(Button, Shift, X, Y);
}

void TGridCheckBox::KeyDown(Word& Key, TShiftState Shift) {
  if (Key == VK_SPACE) Toggle();
  const bool gridKey = Key == VK_RETURN || Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || IsArrowKey(Key);
  if (!gridKey) {
    inherited::KeyDown(Key, Shift);
    return;
  }
  TProStringGrid* grid = grid_;
  grid->HideCellEdit();
  grid->SetFocus();
  if (Key == VK_RETURN) grid->AdvanceToNextCell(grid->Col(), grid->Row(), true, false, true, true, false);
  if (Key == VK_UP || Key == VK_DOWN) TGridEditorControls::GridKeyDown(grid, Key, Shift);
  Key = 0;
}

void TGridCheckBox::DoExit() {
  grid_->HideCellEdit();
  inherited::DoExit();
}

// ---- TGridButton ----

TGridButton::TGridButton(TComponent* AOwner) : TButton(AOwner), grid_(EditorGrid(AOwner)) {}

void TGridButton::StoreClick() {
  SetCaption(grid_->DoEllipsClick(Caption()));
  grid_->SetCurrentCellText(Caption());
}

void TGridButton::HideSelf() {
  SetVisible(false);
  SetEnabled(false);
  grid_->SetEditorActive(false);
  grid_->SetFocus();
}

void TGridButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  if (Button == mbLeft) StoreClick();
  inherited::MouseUp(Button, Shift, X, Y);
}

void TGridButton::KeyUp(Word& Key, TShiftState Shift) {
  if (Key == VK_SPACE) {
    StoreClick();
    SetFocus();
    Invalidate();
  }
  inherited::KeyUp(Key, Shift);
}

void TGridButton::KeyDown(Word& Key, TShiftState Shift) {
  TProStringGrid* grid = grid_;
  if (IsArrowKey(Key)) {
    const Word key = Key;
    SendMessageA(grid->Handle(), WM_KEYDOWN, WPARAM(key), 0);
    HideSelf();
    SendMessageA(grid->Handle(), WM_KEYUP, WPARAM(key), 0);
    Key = 0;
    return;
  }
  if (Key == VK_ESCAPE) {
    // The kept text goes back before the focus moves: the grid's focus gain ends the edit and keeps
    // the cell's text as it then stands.
    grid->RefreshCurrentCell();
    HideSelf();
    SendMessageA(grid->Handle(), WM_KEYDOWN, WPARAM(VK_ESCAPE), 0);
    Key = 0;
    return;
  }
  inherited::KeyDown(Key, Shift);
}

void TGridButton::DoExit() {
  grid_->HideCellEdit();
  inherited::DoExit();
}

void TGridButton::WndProc(TMessage& Message) {
  if (Message.Msg == CM_WANTSPECIALKEY) {
    const Word key = Word(Message.WParam);
    if (key == VK_ESCAPE || IsArrowKey(key)) {
      Message.Result = 1;
      return;
    }
  }
  inherited::WndProc(Message);
}

// ---- TGridEditorControls ----

TGridEditorControls::~TGridEditorControls() {
  delete editBtn_;
  delete unitEditBtn_;
  delete checkBox_;
  delete button_;
  delete combo_;
  delete spin_;
}

template <class T>
T* TGridEditorControls::Made(T*& Slot) {
  if (Slot == nullptr) {
    Slot = new T(grid_);
    Slot->SetVisible(false);
    Slot->SetEnabled(false);
    Slot->SetParent(grid_);
  }
  return Slot;
}

TGridEditBtn* TGridEditorControls::EditBtn() {
  TGridEditBtn* edit = Made(editBtn_);
  edit->SetBorderStyle(bsNone);
  return edit;
}
TGridUnitEditBtn* TGridEditorControls::UnitEditBtn() {
  TGridUnitEditBtn* edit = Made(unitEditBtn_);
  edit->SetBorderStyle(bsNone);
  return edit;
}
TGridCheckBox* TGridEditorControls::CheckBox() { return Made(checkBox_); }
TGridButton* TGridEditorControls::Button() { return Made(button_); }
TGridCombo* TGridEditorControls::Combo() { return Made(combo_); }
TGridSpin* TGridEditorControls::Spin() { return Made(spin_); }

void TGridEditorControls::OpenSpin(const TRect& Cell, TColor Color, const std::string& Value) {
  TGridSpin* spin = Spin();
  spin->RecreateWindow();
  spin->SetExcelStyleDecimalSeparator(grid_->ExcelStyleDecimalSeparator());
  switch (grid_->ActiveEditorType()) {
    case edSpinEdit:
      spin->SetSpinType(sptNormal);
      spin->SetValue(StrToIntDef(Value, 0));
      break;
    case edFloatSpinEdit: {
      spin->SetSpinType(sptFloat);
      double number = 0;
      TryStrToFloat(NormalizeNumberText(Value), number);
      spin->SetFloatValue(number);
      break;
    }
    case edTimeSpinEdit:
      spin->SetSpinType(sptTime);
      spin->SetText(Value);
      break;
    default: {
      TDateTime date = 0;
      spin->SetDateValue(!Value.empty() && TryStrToDate(Value, date) ? date : Now());
      spin->SetSpinType(sptDate);
      break;
    }
  }
  Show(spin, Cell, Color);
}

void TGridEditorControls::CloseSpin(Integer RealCol, Integer ARow) {
  TGridSpin* spin = spin_;
  switch (grid_->ActiveEditorType()) {
    case edSpinEdit: grid_->StoreEditValue(RealCol, ARow, IntToStr(spin->Value())); break;
    case edFloatSpinEdit: grid_->SetFloats(RealCol, ARow, spin->FloatValue()); break;
    case edTimeSpinEdit: grid_->StoreEditValue(RealCol, ARow, spin->Text()); break;
    default: grid_->SetDates(RealCol, ARow, spin->DateValue()); break;
  }
}

void TGridEditorControls::OpenCombo(const TRect& Cell, TColor Color, const std::string& Value, bool List) {
  TProStringGrid* grid = grid_;
  TGridCombo* combo = Combo();
  combo->SetBounds(Cell.Left, Cell.Top, 0, 0);
  combo->SetEnabled(true);
  combo->SetDroppedDown(false);
  combo->SetStyle(List ? csDropDownList : csDropDown);
  const Integer cellHeight = Cell.Bottom - Cell.Top;
  if (!List) SendMessageA(combo->Handle(), CB_SETITEMHEIGHT, WPARAM(-1), LPARAM(cellHeight - 6));
  const Integer itemHeight = combo->ItemHeight();
  combo->SetBounds(Cell.Left, Cell.Top, Cell.Right - Cell.Left, itemHeight * (combo->DropDownCount() + 1) + cellHeight);
  const Integer index = combo->Items()->IndexOf(Value);
  if (List)
    combo->SetItemIndex(index >= 0 ? index : 0);
  else
    combo->SetText(Value);
  combo->SetColor(Color);
  combo->SetVisible(true);
  const TGridLook look = grid->Look();
  const bool flat = look == glSoft || look == glDAV || look == glXP || look == glListView;
  combo->SetFlat(flat);
  combo->SetEtched(flat);
  if (grid->Navigation()->AutoComboDropSize())
    combo->SizeDropDown();
  else if (combo->DropWidth() > 0)
    combo->SetDropWidth(combo->DropWidth());
  combo->SetFocus();
  if (grid->MouseActions()->DirectComboDrop()) combo->SetDroppedDown(true);
  if (List && index < 0 && combo->Items()->Count() > 0) {
    const std::string first = combo->Items()->Strings(0);
    grid->OnComboChange(grid, grid->Col(), grid->Row(), 0, first);
    grid->OnComboObjectChange(grid, grid->Col(), grid->Row(), 0, first, combo->Items()->Objects(0));
  }
}

void TGridEditorControls::GridKeyDown(TProStringGrid* Grid, Word& Key, TShiftState Shift) { Grid->KeyDown(Key, Shift); }
void TGridEditorControls::GridShowEditor(TProStringGrid* Grid) { Grid->ShowEditor(); }

void TGridEditorControls::Show(TWinControl* Control, const TRect& Bounds, TColor Color) {
  Control->SetBounds(Bounds.Left, Bounds.Top, Bounds.Right - Bounds.Left, Bounds.Bottom - Bounds.Top);
  Control->SetVisible(true);
  Control->SetEnabled(true);
  if (Color != clNone) Control->SetColor(Color);
  Control->SetFocus();
}

void TGridEditorControls::Hide(TWinControl* Control) {
  Control->SetEnabled(false);
  Control->SetVisible(false);
}

// The number text (digits, ",", "-" and ".") and the unit (every other character) of a cell value.
static void SplitUnitValue(const std::string& Value, std::string& Number, std::string& Unit) {
  for (char ch : Value) {
    const bool numeric = (ch >= '0' && ch <= '9') || ch == ',' || ch == '-' || ch == '.';
    (numeric ? Number : Unit) += ch;
  }
}

bool TGridEditorControls::Open(Integer ACol, Integer ARow) {
  TProStringGrid* grid = grid_;
  TRect cell = grid->CellSpanRect(ACol, ARow);
  if (grid->UseRightToLeftAlignment()) ++cell.Left;
  const TRect rect{cell.Left, cell.Top, cell.Right - 1, cell.Bottom - 1};
  const TColor color = grid->EditorCellColor(ACol, ARow);
  const std::string value = grid->GetEditText(ACol, ARow);
  TWinControl* control = nullptr;
  switch (grid->ActiveEditorType()) {
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn: {
      TGridEditBtn* edit = EditBtn();
      edit->RecreateWindow();
      edit->SetText(value);
      edit->SetMaxLength(grid->GetEditLimit());
      Show(edit, rect, color);
      control = edit;
      break;
    }
    case edUnitEditBtn: {
      TGridUnitEditBtn* edit = UnitEditBtn();
      edit->RecreateWindow();
      edit->SetMaxLength(grid->GetEditLimit());
      std::string number, unit;
      SplitUnitValue(value, number, unit);
      edit->SetText(number);
      edit->SetUnitID(unit);
      Show(edit, rect, color);
      control = edit;
      break;
    }
    case edComboEdit:
    case edComboList:
      OpenCombo(rect, color, value, grid->ActiveEditorType() == edComboList);
      control = combo_;
      break;
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit:
      OpenSpin(rect, color, value);
      control = spin_;
      break;
    case edCheckBox: {
      TGridCheckBox* box = CheckBox();
      box->RecreateWindow();
      box->SetCaption(value);
      box->SetChecked(false);
      Show(box, rect, color);
      return true;
    }
    case edCustom:
      return OpenLink(ACol, ARow, rect, color, value);
    case edButton: {
      TGridButton* button = Button();
      button->RecreateWindow();
      button->SetCaption(value);
      Show(button, TRect{cell.Left - 1, cell.Top - 1, cell.Right + 1, cell.Bottom + 1}, clNone);
      grid->activeEditControl_ = button;
      return true;
    }
    default: return false;
  }
  grid->activeEditControl_ = control;
  if (grid->EditStartKey() != 0)
    PostMessage(control->Handle(), WM_CHAR, WPARAM(static_cast<unsigned char>(grid->EditStartKey())), 0);
  return true;
}

bool TGridEditorControls::Close(Integer ACol, Integer ARow) {
  TProStringGrid* grid = grid_;
  const Integer realCol = grid->DisplToRealCol(ACol);
  switch (grid->ActiveEditorType()) {
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
      if (editBtn_ == nullptr) return false;
      if (grid->EditorActive()) grid->StoreEditValue(realCol, ARow, editBtn_->Text());
      grid->SetEditorActive(false);   // hiding the focused control must not end the edit twice
      Hide(editBtn_);
      return true;
    case edUnitEditBtn:
      if (unitEditBtn_ == nullptr) return false;
      grid->StoreEditValue(realCol, ARow, unitEditBtn_->Text() + unitEditBtn_->UnitID());
      grid->SetEditorActive(false);
      Hide(unitEditBtn_);
      return true;
    case edComboEdit:
    case edComboList:
      if (combo_ == nullptr) return false;
      if (grid->EditorActive()) grid->StoreEditValue(realCol, ARow, combo_->Text());
      grid->SetEditorActive(false);
      Hide(combo_);
      return true;
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit:
      if (spin_ == nullptr) return false;
      if (grid->EditorActive()) CloseSpin(realCol, ARow);
      grid->SetEditorActive(false);
      Hide(spin_);
      return true;
    case edCheckBox:
      if (checkBox_ == nullptr) return false;
      grid->SetEditorActive(false);
      Hide(checkBox_);
      return true;
    case edButton:
      if (button_ == nullptr) return false;
      grid->SetEditorActive(false);
      Hide(button_);
      return true;
    case edCustom:
      return CloseLink(realCol, ARow);
    default: return false;
  }
}
