// TGridSpin; see grid_spin.h.
#include "grid/grid_spin.h"

#include "grid/control_chars.h"
#include "grid/grid_editor_controls.h"
#include "grid/pro_string_grid.h"
#include "platform/classes/publisher.h"
#include "platform/core/float_text.h"
#include "platform/core/int_text.h"
#include "platform/ui/control_messages.h"
#include "platform/user/virtual_keys.h"

PR_IMPLEMENT_CLASS(TGridSpin)

namespace {

using namespace grid_chars;

}   // namespace

TGridSpin::TGridSpin(TComponent* AOwner) : TZavSpinEdit(AOwner), grid_(EditorGrid(AOwner)) {
  SetMaxValue(100);
  SetMinValue(0);
  SetIncrement(1);
}

void TGridSpin::StepUp() {
  inherited::StepUp();
  FireSpinEvent(true);
}

void TGridSpin::StepDown() {
  inherited::StepDown();
  FireSpinEvent(false);
}

void TGridSpin::FireSpinEvent(bool Up) {
  TProStringGrid* grid = grid_;
  switch (SpinType()) {
    case sptNormal: grid->OnSpinClick(grid, grid->Col(), grid->Row(), Value(), Up); break;
    case sptFloat: grid->OnFloatSpinClick(grid, grid->Col(), grid->Row(), FloatValue(), Up); break;
    case sptDate: grid->OnDateSpinClick(grid, grid->Col(), grid->Row(), DateValue(), Up); break;
    case sptTime: grid->OnTimeSpinClick(grid, grid->Col(), grid->Row(), TimeValue(), Up); break;
  }
}

void TGridSpin::Change() {
  inherited::Change();
  grid_->OnEditChange(grid_, grid_->Col(), grid_->Row(), Text());
}

void TGridSpin::DoExit() {
  grid_->HideCellEdit();
  inherited::DoExit();
}

void TGridSpin::KeyPress(char& Key) {
  if (Key == kTab || Key == kReturn) {
    Key = 0;
    return;
  }
  inherited::KeyPress(Key);
}

void TGridSpin::KeyDown(Word& Key, TShiftState Shift) {
  if (Key == VK_HOME || Key == VK_END) {
    const bool home = Key == VK_HOME;
    if (SpinType() == sptNormal) SetValue(home ? MaxValue() : MinValue());
    if (SpinType() == sptFloat) SetFloatValue(home ? MaxFloatValue() : MinFloatValue());
    if (grid_->OnSpinClick) grid_->OnSpinClick(grid_, grid_->Col(), grid_->Row(), Value(), false);
  } else if (Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE) {
    GridKey(Key, Shift);
  }
  inherited::KeyDown(Key, Shift);
}

void TGridSpin::GridKey(Word& Key, TShiftState Shift) {
  if (Key != VK_ESCAPE && !StoreControlText(grid_, *this)) {
    Key = 0;
    return;
  }
  if (Key == VK_ESCAPE) {
    SetText(grid_->KeptCellText());
    double number = 0;
    if (SpinType() == sptNormal) SetValue(StrToIntDef(Text(), MinValue()));
    if (SpinType() == sptFloat && TryStrToFloat(Text(), number)) SetFloatValue(number);
  }
  LeaveWithKey(grid_, Key, Shift);
  Key = 0;
}

void TGridSpin::WndProc(TMessage& Message) {
  if (Message.Msg == CM_WANTSPECIALKEY) {
    ClaimEditorKeys(grid_, Message);
    if (Message.Result != 0) return;
  }
  inherited::WndProc(Message);
}
