// The fixed-cell editor; see grid_trans_edit.h.
#include "grid/grid_trans_edit.h"

#include "grid/pro_string_grid.h"
#include "platform/classes/publisher.h"

PR_PUBLISH(TGridTransEdit) {
  p.Property("Row", &TGridTransEdit::Row, &TGridTransEdit::SetRow);
  p.Property("Col", &TGridTransEdit::Col, &TGridTransEdit::SetCol);
}

TGridTransEdit::TGridTransEdit(TComponent* AOwner)
    : TCustomEdit(AOwner), grid_(dynamic_cast<TProStringGrid*>(AOwner)) {
  SetVisible(false);
  SetBorderStyle(bsNone);
  SetAutoSize(false);
}

bool TGridTransEdit::CommitEdit() {
  if (grid_ == nullptr) {
    Hide();
    return true;
  }
  std::string value = Text();
  bool valid = true;
  grid_->OnCellValidate(grid_, col_, row_, value, valid);
  if (valid) {
    grid_->OnEditingDone(grid_);
    grid_->SetCellText(col_, row_, value);
    Hide();
    return true;
  }
  // A fixed cell cannot be current; a normal one the edit stands over becomes so.
  if (!grid_->IsFixed(col_, row_)) {
    grid_->SetCol(col_);
    grid_->SetRow(row_);
  }
  if (CanFocus()) SetFocus();
  return false;
}

void TGridTransEdit::DoExit() {
  inherited::DoExit();
  // A commit hides the edit, which takes the focus away again: that exit has nothing to store.
  if (Visible()) CommitEdit();
}

void TGridTransEdit::KeyPress(char& Key) {
  if (Key == '\r') {
    Key = 0;
    return;
  }
  inherited::KeyPress(Key);
}
