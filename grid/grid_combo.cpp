// The grid library's combo box and the grid's combo editor; see grid_combo.h.
#include "grid/grid_combo.h"

#include <algorithm>

#include "grid/control_chars.h"
#include "grid/grid_editor_controls.h"
#include "grid/pro_string_grid.h"
#include "platform/classes/publisher.h"
#include "platform/core/ansi_strings.h"
#include "platform/ui/canvas.h"
#include "platform/ui/control_messages.h"
#include "platform/user/send_message.h"
#include "platform/user/system_metrics.h"
#include "platform/user/virtual_keys.h"
#include "platform/window_classes/combo_box_window.h"

PR_PUBLISH(TPSGCustomCombo) {}
PR_PUBLISH(TPSGComboBox) {
  p.Property("AutoFocus", &TPSGComboBox::AutoFocus, &TPSGComboBox::SetAutoFocus).Default(false);
  p.Property("ButtonWidth", &TPSGComboBox::ButtonWidth, &TPSGComboBox::SetButtonWidth);
  p.Property("DropWidth", &TPSGComboBox::DropWidth, &TPSGComboBox::SetDropWidth).Default(0);
  p.Property("Etched", &TPSGComboBox::Etched, &TPSGComboBox::SetEtched).Default(false);
  p.Property("Flat", &TPSGComboBox::Flat, &TPSGComboBox::SetFlat).Default(true);
  p.Property("FocusBorder", &TPSGComboBox::FocusBorder, &TPSGComboBox::SetFocusBorder).Default(false);
  p.Property("Version", &TPSGComboBox::Version, &TPSGComboBox::SetVersion);
}
PR_IMPLEMENT_CLASS(TGridCombo)

namespace {

using namespace grid_chars;
constexpr size_t kMaxCompletedLength = 255;

}   // namespace

// ---- TPSGCustomCombo ----

TPSGCustomCombo::TPSGCustomCombo(TComponent* AOwner)
    : TCustomComboBox(AOwner), buttonWidth_(GetSystemMetrics(SM_CXVSCROLL) + 4) {
  SetCtl3D(false);
}

void TPSGCustomCombo::SetButtonWidth(Integer Value) {
  if (Value < 14 || Value > 32) return;
  buttonWidth_ = Value;
  Invalidate();
}

void TPSGCustomCombo::SetFlat(bool Value) {
  if (Value == flat_) return;
  flat_ = Value;
  SetCtl3D(!Value);
  Invalidate();
}

void TPSGCustomCombo::SetEtched(bool Value) {
  if (Value == etched_) return;
  etched_ = Value;
  Invalidate();
}

void TPSGCustomCombo::SetDropWidth(Integer Value) {
  dropWidth_ = Value;
  if (Value > 0 && HandleAllocated()) SendMessageA(Handle(), CB_SETDROPPEDWIDTH, WPARAM(Value), 0);
}

std::string TPSGCustomCombo::Version() const { return "1.2.0.1"; }

// ---- TGridCombo ----

TGridCombo::TGridCombo(TComponent* AOwner) : TPSGComboBox(AOwner), grid_(EditorGrid(AOwner)) { SetButtonWidth(16); }

void TGridCombo::SizeDropDown() {
  Integer width = Width();
  const bool scrolls = Items()->Count() > DropDownCount();
  TCanvas* canvas = grid_->Canvas();
  for (Integer i = 0; i < Items()->Count(); ++i) {
    const Integer w = canvas->TextWidth(Items()->Strings(i));
    if (scrolls && w > width - 25) width = w + 25;
    if (!scrolls && w > width - 5) width = w + 8;
  }
  SendMessageA(Handle(), CB_SETDROPPEDWIDTH, WPARAM(width), 0);
}

void TGridCombo::FireComboChange(TObject* Sender, const std::string& Selection) {
  const Integer index = ItemIndex();
  const Integer col = grid_->RealColIndex(grid_->Col());
  grid_->OnComboChange(Sender, col, grid_->Row(), index, Selection);
  TObject* object = index >= 0 && index < Items()->Count() ? Items()->Objects(index) : nullptr;
  grid_->OnComboObjectChange(Sender, col, grid_->Row(), index, Selection, object);
}

bool TGridCombo::IsGridKey(Word Key, TShiftState Shift) {
  if (Key == VK_DOWN && Shift.Contains(ssAlt)) return false;
  if (Style() == csDropDownList || DroppedDown())
    return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_LEFT || Key == VK_RIGHT;
  switch (Key) {
    case VK_TAB: case VK_RETURN: case VK_ESCAPE: case VK_PRIOR: case VK_NEXT: case VK_END: case VK_UP: case VK_DOWN:
      return true;
    default: return false;
  }
}

void TGridCombo::KeyDown(Word& Key, TShiftState Shift) {
  lookupArmed_ = Key != VK_BACK && Key != VK_DELETE;
  if (!IsGridKey(Key, Shift)) {
    inherited::KeyDown(Key, Shift);
    return;
  }
  GridKey(Key, Shift);
}

void TGridCombo::GridKey(Word& Key, TShiftState Shift) {
  TProStringGrid* grid = grid_;
  if (Key == VK_ESCAPE) {
    const std::string text = grid->GetCurrentCellText();
    SetText(text);
    const Integer index = Items()->IndexOf(text);
    if (index >= 0) SetItemIndex(index);
  }
  if (IsValidatedKey(Key) && !StoreControlText(grid, *this)) {
    SetSelStart(Integer(Text().size()));
    Key = 0;
    return;
  }
  if (Key == VK_TAB && grid->Options().Contains(goTabs)) {
    TabToNextStop(grid, Shift);
    Key = 0;
    return;
  }
  const bool listMode = Style() == csDropDownList || DroppedDown();
  if (listMode) {
    grid->HideCellEdit();
    if (Key == VK_LEFT || Key == VK_RIGHT) {
      TGridEditorControls::GridKeyDown(grid, Key, Shift);
      Key = 0;
    }
  }
  grid->LeaveEditControl(Key, Shift);
  Key = 0;
  inherited::KeyDown(Key, Shift);
}

void TGridCombo::KeyPress(char& Key) {
  const Integer index = ItemIndex();
  if (Key == kReturn && OnReturnKey) OnReturnKey(this);
  if (Key == kTab || Key == kReturn) Key = 0;
  if (Key != 0) inherited::KeyPress(Key);
  if (ItemIndex() != index) FireComboChange(this, Text());
}

void TGridCombo::KeyUp(Word& Key, TShiftState Shift) {
  if (Key != VK_RETURN) inherited::KeyUp(Key, Shift);
  if (lookupArmed_ && grid_->Lookup()) Complete();
}

// The text left of the caret completed from the first item (then the grid's LookupItems) that
// begins with it; the completed part is selected.
void TGridCombo::Complete() {
  const std::string text = Text();
  const Integer caret = std::min<Integer>(SelStart(), Integer(text.size()));
  if (caret <= 0) return;
  const bool caseSensitive = grid_->LookupCaseSensitive();
  const auto key = [caseSensitive](const std::string& s) { return caseSensitive ? s : AnsiUpperCase(s); };
  const std::string prefix = key(text.substr(0, size_t(caret)));
  const auto completeFrom = [&](TStrings* Items, bool SelectItem) {
    for (Integer i = 0; i < Items->Count(); ++i) {
      const std::string item = Items->Strings(i);
      if (key(item).compare(0, prefix.size(), prefix) != 0) continue;
      const std::string completed = (text.substr(0, prefix.size()) + item.substr(prefix.size())).substr(0, kMaxCompletedLength);
      if (SelectItem) SetItemIndex(i);
      SetText(completed);
      SendMessageA(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(WORD(prefix.size()), WORD(0xFFFF)));
      return true;
    }
    return false;
  };
  if (!completeFrom(Items(), true)) completeFrom(grid_->LookupItems(), false);
}

void TGridCombo::Change() {
  inherited::Change();
  grid_->OnEditChange(grid_, grid_->Col(), grid_->Row(), Text());
}

void TGridCombo::DoExit() {
  const std::string text = Text();
  if (grid_->LookupHistory() && !text.empty() && Items()->IndexOf(text) < 0) Items()->Add(text);
  grid_->HideCellEdit();
  inherited::DoExit();
}

void TGridCombo::WndProc(TMessage& Message) {
  if (Message.Msg == grid_->WheelMessage() && Message.Msg != 0) {
    const auto delta = static_cast<short>(HIWORD(Message.WParam));
    const Integer index = ItemIndex();
    Integer next = index;
    if (delta < 0 && index + 1 < Items()->Count()) next = index + 1;
    if (delta >= 0 && index > 0) next = index - 1;
    if (next >= 0) {   // the wheel stays among the items; without one nothing fires
      SetItemIndex(next);
      FireComboChange(grid_, Items()->Strings(next));
    }
    Message.Result = 1;
    return;
  }
  inherited::WndProc(Message);
  if (Message.Msg == CM_WANTSPECIALKEY) ClaimEditorKeys(grid_, Message);
}
