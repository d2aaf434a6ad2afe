// The custom editor link; see edit_link.h.
#include "grid/edit_link.h"

#include "grid/pro_inplace_edit.h"
#include "grid/pro_string_grid.h"
#include "platform/classes/publisher.h"
#include "platform/ui/form.h"
#include "platform/user/message_ids.h"
#include "platform/user/virtual_keys.h"

PR_PUBLISH(TEditLink) {
  p.Property("WantKeyLeftRight", &TEditLink::WantKeyLeftRight, &TEditLink::SetWantKeyLeftRight);
  p.Property("WantKeyUpDown", &TEditLink::WantKeyUpDown, &TEditLink::SetWantKeyUpDown);
  p.Property("WantKeyHomeEnd", &TEditLink::WantKeyHomeEnd, &TEditLink::SetWantKeyHomeEnd);
  p.Property("WantKeyPriorNext", &TEditLink::WantKeyPriorNext, &TEditLink::SetWantKeyPriorNext);
  p.Property("WantKeyReturn", &TEditLink::WantKeyReturn, &TEditLink::SetWantKeyReturn);
  p.Property("WantKeyEscape", &TEditLink::WantKeyEscape, &TEditLink::SetWantKeyEscape);
  p.Property("EditStyle", &TEditLink::EditStyle, &TEditLink::SetEditStyle);
  p.Property("PopupWidth", &TEditLink::PopupWidth, &TEditLink::SetPopupWidth);
  p.Property("PopupHeight", &TEditLink::PopupHeight, &TEditLink::SetPopupHeight);
  p.Property("AutoPopupWidth", &TEditLink::AutoPopupWidth, &TEditLink::SetAutoPopupWidth);
  p.Property("PopupLeft", &TEditLink::PopupLeft, &TEditLink::SetPopupLeft).Default(-1);
  p.Property("PopupTop", &TEditLink::PopupTop, &TEditLink::SetPopupTop).Default(-1);
}

namespace {

constexpr LRESULT kWantArrowsAndTab = DLGC_WANTARROWS | DLGC_WANTTAB;

}  // namespace

TEditLink::TEditLink(TComponent* AOwner) : TComponent(AOwner) {}

TEditLink::~TEditLink() {
  if (hookedControl_ != nullptr) {
    hookedControl_->WindowProc = keptWndProc_;
    hookedControl_->RemoveFreeNotification(this);
  }
  if (popupForm_ != nullptr) {
    popupForm_->OnDeactivate = {};
    delete popupForm_;
  }
}

void TEditLink::SetGrid(TProStringGrid* Value) {
  if (Value == grid_) return;
  if (grid_ != nullptr) grid_->RemoveFreeNotification(this);
  grid_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

void TEditLink::SetPopupForm(TForm* Value) {
  if (popupForm_ != nullptr) popupForm_->RemoveFreeNotification(this);
  popupForm_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

void TEditLink::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == popupForm_) popupForm_ = nullptr;
  if (AComponent == grid_) grid_ = nullptr;
  if (AComponent == hookedControl_) {
    hookedControl_ = nullptr;
    keptWndProc_ = {};
  }
}

bool TEditLink::IsGridKey(Word Key) const {
  switch (Key) {
    case VK_TAB: return true;
    case VK_RETURN: return !wantKeyReturn_;
    case VK_ESCAPE: return !wantKeyEscape_;
    case VK_PRIOR: case VK_NEXT: return !wantKeyPriorNext_;
    case VK_END: return !wantKeyHomeEnd_;
    case VK_LEFT: case VK_RIGHT: return !wantKeyLeftRight_;
    case VK_UP: case VK_DOWN: return !wantKeyUpDown_;
    default: return false;
  }
}

void TEditLink::FocusGridForced() {
  forcedExit_ = true;
  grid_->SetFocus();
  forcedExit_ = false;
}

void TEditLink::HandleEditorKey(TObject*, Word& Key, TShiftState Shift) {
  TProStringGrid* grid = grid_;
  if (grid == nullptr || !IsGridKey(Key)) return;
  if (Key == VK_ESCAPE) WriteEditorValue(grid->KeptCellText());
  FocusGridForced();
  grid->CloseEditControl(grid->Col(), grid->Row());
  grid->SetEditorActive(false);
  grid->SelectCell(grid->Col(), grid->Row());
  if (Key == VK_RETURN && grid->LastEditValid()) {
    grid->AdvanceToNextCell(grid->Col(), grid->Row(), true, false, !Shift.Contains(ssShift), true, false);
    Key = 0;
    return;
  }
  if (!grid->LastEditValid()) {
    grid->SetLastEditValid(true);
    grid->OpenEditControl(grid->Col(), grid->Row());
    return;
  }
  if (Key == VK_ESCAPE) {
    Key = 0;
    return;
  }
  if (Key == VK_TAB || Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN) {
    Word gridKey = Key;
    grid->KeyDown(gridKey, Shift);
  }
  if (TWinControl* control = EditorControl()) control->SetEnabled(false);
  FocusGridForced();
}

void TEditLink::FocusEditor(bool On) {
  TWinControl* control = EditorControl();
  if (control == nullptr) return;
  if (On) {
    if (!control->Visible()) control->SetVisible(true);
    if (!control->Enabled()) control->SetEnabled(true);
  }
  if (hookedControl_ != control) {
    if (hookedControl_ != nullptr) ReleaseEditControl();
    hookedControl_ = control;
    keptWndProc_ = control->WindowProc;
    control->FreeNotification(this);
    control->WindowProc = [this](TMessage& Message) { EditControlWndProc(Message); };
  }
  if (On)
    control->SetFocus();
  else if (grid_ != nullptr)
    grid_->SetFocus();
}

void TEditLink::EditControlWndProc(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE && grid_ != nullptr && grid_->Options().Contains(goTabs)) {
    Message.Result = kWantArrowsAndTab;
    return;
  }
  keptWndProc_(Message);
}

void TEditLink::PlaceEditor(const TRect& R) {
  TWinControl* control = EditorControl();
  if (control == nullptr) return;
  const Integer line = grid_ != nullptr ? grid_->GridLineWidth() : 0;
  control->SetBounds(R.Left, R.Top, R.Right - R.Left - line, R.Bottom - R.Top - line);
}

void TEditLink::SetEditorVisible(bool Visible) {
  if (TWinControl* control = EditorControl()) control->SetVisible(Visible);
}

void TEditLink::StoreValue(const std::string& Value) {
  grid_->StoreEditValue(grid_->RealColIndex(grid_->Col()), grid_->Row(), Value);
}

void TEditLink::FinishEdit() {
  StoreValue(ReadEditorValue());
  grid_->HideCellEdit();
  ReleaseEditControl();
}

void TEditLink::FinishPopupEdit() {
  FinishEdit();
  if (editStyle_ != esPopup || popupForm_ == nullptr) return;
  PopupEditEnded();
  popupForm_->Hide();
}

void TEditLink::ReleaseEditControl() {
  TWinControl* control = EditorControl();
  if (control == nullptr) return;
  if (hookedControl_ == control) {
    control->WindowProc = keptWndProc_;
    control->RemoveFreeNotification(this);
    hookedControl_ = nullptr;
    keptWndProc_ = {};
  }
  if (control->HandleAllocated()) control->SetVisible(false);
}

void TEditLink::HidePopup() {
  if (popupForm_ == nullptr || !popupForm_->Visible()) return;
  PopupEditEnded();
  forcedExit_ = true;
  popupForm_->Hide();
  forcedExit_ = false;
}

void TEditLink::PopupDeactivate(TObject*) {
  TProStringGrid* grid = grid_;
  if (grid == nullptr) return;
  if (TProInplaceEdit* editor = grid->GetInplaceEditor()) editor->SetText(ReadEditorValue());
  if (forcedExit_) {
    if (grid->EditorActive()) StoreValue(ReadEditorValue());
    return;
  }
  FinishPopupEdit();
  grid->SetPopupClosed(true);
}
