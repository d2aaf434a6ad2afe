// TProStringGrid: the grid's side of its editor controls (grid_editor_controls.h): opening and
// closing them, leaving one with a key, validating and storing its value.
#include "grid/grid_editor_controls.h"
#include "grid/navigation.h"
#include "grid/pro_string_grid.h"
#include "platform/ui/brush.h"
#include "platform/ui/canvas.h"
#include "platform/user/virtual_keys.h"

TGridEditorControls* TProStringGrid::EditorControls() {
  if (editorControls_ == nullptr) editorControls_ = std::make_unique<TGridEditorControls>(this);
  return editorControls_.get();
}

void TProStringGrid::OpenEditControl(Integer ACol, Integer ARow) {
  editorOpen_ = true;
  editControlOpened_ = true;
  lastEditValid_ = true;
  activeEditControl_ = nullptr;
  EditorControls()->Open(ACol, ARow);
  editStartKey_ = 0;
}

void TProStringGrid::CloseEditControl(Integer ACol, Integer ARow) {
  editStartKey_ = 0;
  if (editorControls_ != nullptr) editorControls_->Close(ACol, ARow);
  editorActive_ = false;
  activeEditControl_ = nullptr;
  if (activeEditorType_ != edNormal && editControlOpened_) NotifyEditingDone(ACol, ARow);
  editControlOpened_ = false;
}

void TProStringGrid::LeaveEditControl(Word Key, TShiftState Shift) {
  leavingEditor_ = true;
  HideCellEdit();
  if (Key == VK_TAB || Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN) {
    Word key = Key;
    KeyDown(key, Shift);
  }
  const bool alwaysEdit = navigation_->AlwaysEdit();
  navigation_->SetAlwaysEdit(false);
  SetFocus();
  if (Key == VK_RETURN) AdvanceToNextCell(Col(), Row(), false, false, true, true, false);
  navigation_->SetAlwaysEdit(alwaysEdit);
  leavingEditor_ = false;
}

void TProStringGrid::StoreEditValue(Integer ACol, Integer ARow, const std::string& Value) {
  SetEditText(RealToDisplCol(ACol), ARow, Value);
  SetCellText(ACol, ARow, Value);
}

void TProStringGrid::RefreshCurrentCell() {
  const Integer col = RealCol();
  SetCellText(col, Row(), keptCellText_);
  SetCellText(col, Row(), GetCellText(col, Row()));
}

bool TProStringGrid::ValidateEditorText(const std::string& Text, bool StoreFirst) {
  const std::string formerAccepted = keptCellText_;
  if (StoreFirst) {
    validating_ = true;
    SetCurrentCellText(Text);
    validating_ = false;
  }
  if (ValidateCell(Text)) return true;
  editorOpen_ = true;   // the edit goes on: the next attempt to leave validates again
  keptCellText_ = formerAccepted;
  return false;
}

TColor TProStringGrid::EditorCellColor(Integer ACol, Integer ARow) {
  TCanvas* canvas = Canvas();
  TGridDrawState state;
  TColor colorTo = clNone;
  TAlignment alignment = taLeftJustify;
  TVAlignment vAlignment = vtaTop;
  bool wordWrap = WordWrap();
  TCellGradientDirection direction = GradientVertical;
  GetCellStyle(ACol, ARow, state, false, false, true, canvas->Brush(), colorTo, canvas->Font(), alignment, vAlignment,
               wordWrap, direction);
  return canvas->Brush()->Color();
}
