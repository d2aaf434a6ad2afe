// The form-control edit; see grid_control_edit.h.
#include "grid/grid_control_edit.h"

#include "grid/control_chars.h"
#include "grid/pro_string_grid.h"
#include "platform/classes/publisher.h"
#include "platform/ui/control_messages.h"
#include "platform/user/virtual_keys.h"

PR_PUBLISH(TControlEdit) {}

TControlEdit::TControlEdit(TComponent* AOwner) : TMaskEdit(AOwner) {
  SetVisible(false);
  SetBorderStyle(bsNone);
  SetAutoSize(false);
}

TProStringGrid* TControlEdit::Grid() const { return dynamic_cast<TProStringGrid*>(Parent()); }

void TControlEdit::WndProc(TMessage& Message) {
  if (Message.Msg == CM_WANTSPECIALKEY && (Message.WParam == VK_TAB || Message.WParam == VK_RETURN)) {
    Message.Result = Message.WParam == VK_TAB ? 1 : 0;
    return;
  }
  inherited::WndProc(Message);
}

void TControlEdit::DoExit() {
  inherited::DoExit();
  if (TProStringGrid* grid = Grid()) grid->ControlEditDone();
}

void TControlEdit::KeyPress(char& Key) {
  TProStringGrid* grid = Grid();
  if (grid != nullptr && (Key == grid_chars::kReturn || Key == grid_chars::kTab)) {
    const bool tab = Key == grid_chars::kTab;
    Key = 0;
    grid->EndControlEditByKey(tab);
    return;
  }
  inherited::KeyPress(Key);
}
