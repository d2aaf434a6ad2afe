#include "controls/editors/kx_custom_edit.h"

#include <algorithm>

#include "controls/editors/kx_edit_data_binding.h"
#include "controls/editors/kx_edit_repository.h"
#include "controls/foundation/kx_classes.h"
#include "controls/foundation/kx_control_routines.h"
#include "controls/foundation/kx_free_notificator.h"
#include "controls/foundation/kx_scoped_value.h"
#include "controls/foundation/kx_screen_canvas.h"
#include "controls/foundation/kx_timer.h"
#include "controls/foundation/kx_variants.h"
#include "platform/classes/filer.h"
#include "platform/classes/publisher.h"
#include "platform/classes/reader.h"
#include "platform/classes/writer.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/region.h"
#include "platform/ui/application.h"
#include "platform/ui/control_messages.h"
#include "platform/ui/form.h"
#include "platform/ui/hotkeys.h"
#include "platform/ui/message.h"
#include "platform/ui/screen.h"
#include "platform/ui/shortcuts.h"
#include "platform/user/cursor.h"
#include "platform/user/focus.h"
#include "platform/user/message_beep.h"
#include "platform/user/message_ids.h"
#include "platform/user/module_instance.h"
#include "platform/user/send_message.h"
#include "platform/user/system_metrics.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

#include "KXEDIT_MOUSEWHEEL.res.inc"

PR_PUBLISH(TkxCustomEdit) {
  using E = TkxCustomEdit;
  p.Property("Height", &E::GetHeight, &E::SetHeight).Stored(false);
  p.Property("Width", &E::Width, &E::SetWidth).Stored(false);
  p.Property("AutoSize", &E::AutoSize, &E::SetAutoSize).Stored(false);
  p.Property("RepositoryItem", &E::RepositoryItem, &E::SetRepositoryItem);
}

const Unit kxEditUnit = {"kxEdit",
                         [] {
                           if (Screen != nullptr)
                             Screen->SetCursors(crKxEditMouseWheel, LoadCursorA(HInstance, "KXEDIT_MOUSEWHEEL"));
                         },
                         [] {}};

bool VarSameTypeAndValue(const Variant& A, const Variant& B) {
  return A.VarType() == B.VarType() && VariantsEqual(A, B);
}

TShiftState MouseButtonToShift(TMouseButton Button) {
  switch (Button) {
    case mbLeft: return {ssLeft};
    case mbRight: return {ssRight};
    default: return {ssMiddle};
  }
}

void EnlargeSize(TSize& A, const TSize& B) {
  A.cx = std::max(A.cx, B.cx);
  A.cy = std::max(A.cy, B.cy);
}

bool IsBlankChar(char Ch) { return Ch == 0 || Ch == 9 || Ch == 10 || Ch == 12 || Ch == 13 || Ch == 32; }

bool IsRegionEmpty(HRGN Region) {
  TRect box{};
  return GetRgnBox(Region, &box) == NULLREGION;
}

void AddRegion(HRGN Target, HRGN Source) { CombineRgn(Target, Target, Source, RGN_OR); }

void SendKeyDownMessage(TkxCustomEdit* Edit, Word Key) { SendMessageA(Edit->Handle(), WM_KEYDOWN, WPARAM(Key), 0); }

void SendCharMessage(TkxCustomEdit* Edit, char Ch) {
  SendMessageA(Edit->Handle(), WM_CHAR, WPARAM(static_cast<unsigned char>(Ch)), 0);
}

// --- Life cycle ---

TkxCustomEdit::TkxCustomEdit(TComponent* AOwner, bool AIsInplace, TkxCustomEditPropertiesClass APropertiesClass,
                             TkxInnerEditClass AInnerEditClass)
    : TkxContainer(AOwner), propertiesClass_(APropertiesClass), innerEditClass_(AInnerEditClass), inplace_(AIsInplace) {
  properties_.reset(propertiesClass_(this));
  RecreateStylesAndViewInfo();
  inplaceMetrics_ = properties_->CreateViewData(GetStyle(), true)->EditorMetrics;
  TControlStyle style = ControlStyle();
  style.Include(csCaptureMouse);
  style.Include(csSetCaption);
  style.Include(csReplicatable);
  SetControlStyle(style);
  SetTabStop(true);
  innerEdit_ = CreateInnerEdit();
  if (innerEdit_ != nullptr) {
    InitializeInnerEdit();
    SetInnerControl(innerEdit_->GetInnerControlOwnControl());
  }
  dataBinding_.reset(GetDataBindingClass()(this));
  autoSize_ = !inplace_;
  editValue_ = Null();
  properties_->OnPropertiesChanged = [this](TObject* Sender) { PropertiesChanged(Sender); };
  if (inplace_) {
    TkxDialogKeys keys = DialogKeys();
    keys.Include(dkAll);
    keys.Include(dkArrows);
    if (GetInnerEditClass() == nullptr) keys.Include(dkTab);
    SetDialogKeys(keys);
  }
  doubleClickTimer_ = std::make_unique<TkxTimer>(nullptr);
  doubleClickTimer_->SetEnabled(false);
  doubleClickTimer_->SetInterval(GetDoubleClickTime());
  TNotifyEvent tick;
  tick = [this](TObject* Sender) { DoubleClickTimerTick(Sender); };
  doubleClickTimer_->SetOnTimer(tick);
  if (!inplace_) properties_->ReleaseDefaultValuesProvider(), properties_->SetChangesLocked(true),
      properties_->SetDefaultValuesProvider(dataBinding_->GetDefaultValuesProvider()),
      properties_->SetChangesLocked(false);
  GetViewInfo()->Edit = this;
  creating_ = false;
}

TkxCustomEdit::~TkxCustomEdit() {
  repositoryItemLink_.reset();   // the item hears of this editor no more
  doubleClickTimer_.reset();
  UnhookInnerEditWndProc();
  innerEdit_ = nullptr;
  properties_->OnPropertiesChanged = nullptr;
  if (!inplace_) properties_->ReleaseDefaultValuesProvider();
  dataBinding_.reset();
}

TkxEditDataBindingClass TkxCustomEdit::GetDataBindingClass() const { return &TkxEditDataBinding::Create; }

TkxCustomEditProperties* TkxCustomEdit::GetActiveProperties() const {
  return repositoryProperties_ != nullptr ? repositoryProperties_ : properties_.get();
}

bool TkxCustomEdit::CanAcceptRepositoryProperties(const TkxCustomEditProperties* ItemProperties) const {
  return ItemProperties == nullptr || ItemProperties->InheritsFrom(properties_->ClassType());
}

void TkxCustomEdit::LinkRepositoryProperties(TkxCustomEditProperties* ItemProperties) {
  if (ItemProperties == repositoryProperties_) return;
  if (!CanAcceptRepositoryProperties(ItemProperties))
    throw EkxEditError(LoadResStringOrReplacement(&sEditRepositoryItemNotAcceptable));
  RepositoryItemChanging();
  repositoryProperties_ = ItemProperties;
  if (repositoryProperties_ != nullptr) {
    properties_->ReleaseDefaultValuesProvider();
    repositoryProperties_->ReleaseDefaultValuesProvider();
    repositoryProperties_->SetChangesLocked(true);
    repositoryProperties_->SetDefaultValuesProvider(dataBinding_->GetDefaultValuesProvider());
    repositoryProperties_->SetChangesLocked(false);
    ItemPropertiesChanged();
    properties_->OnPropertiesChanged = nullptr;
  } else if (!ComponentState().Contains(csLoading) && !IsDestroying()) {
    properties_->OnPropertiesChanged = [this](TObject* Sender) { PropertiesChanged(Sender); };
    properties_->SetDefaultValuesProvider(dataBinding_->GetDefaultValuesProvider());
  }
  RepositoryItemChanged();
}

TkxEditRepositoryItem* TkxCustomEdit::RepositoryItem() const {
  return repositoryItemLink_ != nullptr ? repositoryItemLink_->Item() : nullptr;
}

void TkxCustomEdit::SetRepositoryItem(TkxEditRepositoryItem* Value) {
  if (repositoryItemLink_ == nullptr) repositoryItemLink_ = std::make_unique<TkxEditRepositoryItemLink>(this);
  repositoryItemLink_->SetItem(Value);
}

void TkxCustomEdit::ItemPropertiesChanged() {
  if (repositoryProperties_ == nullptr || ComponentState().Contains(csLoading) || IsDestroying()) return;
  PropertiesChanged(repositoryProperties_);
}

TkxContainerStyleClass TkxCustomEdit::GetContainerStyleClass() const {
  return properties_ != nullptr ? properties_->GetStyleClass() : TkxContainer::GetContainerStyleClass();
}

TkxContainerViewInfoClass TkxCustomEdit::GetViewInfoClass() const {
  return properties_ != nullptr ? properties_->GetViewInfoClass() : TkxContainer::GetViewInfoClass();
}

bool TkxCustomEdit::IsNativeStyle() {
  return properties_->CreateViewData(GetStyle(), inplace_)->UsesNativeStyle(GetStyle()->LookAndFeel());
}

void TkxCustomEdit::SetTransparent(bool Value) {
  if (transparent_ == Value) return;
  transparent_ = Value;
  RefreshStateFromCursor(false);
}

void TkxCustomEdit::PropertiesChanged(TObject*) {
  editValidated_ = false;
  UpdateInnerEditReadOnly();
  if (editModified_ && IsValueReadOnly()) SetEditModified(false);
  if (GetActiveProperties()->Transparent()) SetTransparent(true);
  RefreshStateFromCursor(false);
}

bool TkxCustomEdit::IsValueReadOnly() { return GetActiveProperties()->ReadOnly() || !dataBinding_->DataAvailable(); }

bool TkxCustomEdit::InternalFocused() const { return !GetActiveProperties()->FormatsByFocus() || Focused(); }

// --- The inner edit ---

IkxCustomInnerEdit* TkxCustomEdit::CreateInnerEdit() {
  const TkxInnerEditClass innerEditClass = GetInnerEditClass();
  if (innerEditClass == nullptr) return nullptr;
  TWinControl* control = innerEditClass(this);
  if (auto* provider = dynamic_cast<IkxInnerEditProvider*>(control)) return provider->GetInnerEdit();
  return dynamic_cast<IkxCustomInnerEdit*>(control);
}

void TkxCustomEdit::InitializeInnerEdit() {
  innerEdit_->SetParent(this);
  if (GetActiveProperties()->SplitsChangeNotifications()) {
    TNotifyEvent onChange;
    onChange = [this](TObject*) { HandleTextChanged(); };
    innerEdit_->SetOnChange(onChange);
  }
  innerEdit_->GetInnerControlOwnControl()->SetParentShowHint(false);
}

bool TkxCustomEdit::IsInnerEditUnavailable() const {
  return IsDestroying() || (innerEditClass_ != nullptr && innerEdit_ == nullptr);
}

void TkxCustomEdit::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && innerEdit_ != nullptr && AComponent == innerEdit_->GetInnerControlOwnControl()) {
    innerWndProcHooked_ = false;   // the control goes with its window procedure
    innerEdit_ = nullptr;
  }
  if (Operation == opRemove && AComponent != nullptr && AComponent == RepositoryItem()) SetRepositoryItem(nullptr);
  TkxContainer::Notification(AComponent, Operation);
}

void TkxCustomEdit::SetParent(TWinControl* AParent) {
  if (AParent != nullptr && !hadParent_) {
    hadParent_ = true;
    dataBinding_->RefreshLink();
    PropertiesChanged(properties_.get());
    dataBinding_->UpdateDisplayValue();
  }
  TkxContainer::SetParent(AParent);
}

void TkxCustomEdit::GetTabOrderList(std::vector<TWinControl*>& List) {
  TkxContainer::GetTabOrderList(List);
  if (inplace_ && Visible() && Parent() != nullptr)
    List.erase(std::remove(List.begin(), List.end(), Parent()), List.end());
}

void TkxCustomEdit::DefaultHandler(TMessage& Message) {
  if (inplace_ && Message.Msg == WM_CONTEXTMENU) return;
  TkxContainer::DefaultHandler(Message);
}

void TkxCustomEdit::HandleTextChanged() {
  if (Focused()) SetEditModified(true);
  else if (!GetActiveProperties()->IsInChangeHandler()) dataBinding_->SetModifiedIfFocused();
  NotifyChange();
}

void TkxCustomEdit::AdjustInnerEditPosition() {
  if (innerEdit_ == nullptr) return;
  TWinControl* control = innerEdit_->GetInnerControlOwnControl();
  const TRect r = GetViewInfo()->ClientRect;
  control->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
  control->Realign();
}

void TkxCustomEdit::UpdateInnerEditReadOnly() {
  if (innerEdit_ != nullptr && !IsInnerEditUnavailable()) innerEdit_->SetReadOnly(IsValueReadOnly());
}

void TkxCustomEdit::HookInnerEditWndProc() {
  if (innerEdit_ == nullptr || innerWndProcHooked_) return;
  TWinControl* control = innerEdit_->GetInnerControlOwnControl();
  savedInnerWndProc_ = control->WindowProc;
  control->WindowProc = [this](TMessage& Message) { InnerEditWndProc(Message); };
  innerWndProcHooked_ = true;
}

void TkxCustomEdit::UnhookInnerEditWndProc() {
  if (!innerWndProcHooked_) return;
  innerWndProcHooked_ = false;
  if (innerEdit_ != nullptr) innerEdit_->GetInnerControlOwnControl()->WindowProc = savedInnerWndProc_;
  savedInnerWndProc_ = nullptr;
}

void TkxCustomEdit::InnerEditWndProc(TMessage& Message) { savedInnerWndProc_(Message); }

void TkxCustomEdit::FocusInnerControl() {
  if (innerEdit_ != nullptr) innerEdit_->SafelySetFocus();
}

// --- Modified flags ---

void TkxCustomEdit::SetEditModified(bool Value) {
  editModified_ = Value;
  if (Value) {
    modifiedAfterEnter_ = true;
    editValidated_ = false;
  }
}

void TkxCustomEdit::SetModifiedAfterEnter(bool Value) {
  modifiedAfterEnter_ = Value;
  if (!Value) editModified_ = false;
}

void TkxCustomEdit::SaveModifiedState() { modifiedStates_.emplace_back(modifiedAfterEnter_, editModified_); }

void TkxCustomEdit::RestoreModifiedState() {
  if (modifiedStates_.empty()) return;
  std::tie(modifiedAfterEnter_, editModified_) = modifiedStates_.back();
  modifiedStates_.pop_back();
}

// --- Values ---

void TkxCustomEdit::AssignEditValue(const Variant& Value) {
  if (editValueChangingLock_ > 0) return;
  LockClick(true);
  try {
    if (!userAction_ || RequestEditing()) InternalSetEditValue(Value);
  } catch (...) {
    LockClick(false);
    throw;
  }
  LockClick(false);
}

void TkxCustomEdit::AssignEditValueQuietly(const Variant& Value) {
  if (editValueChangingLock_ > 0) return;
  if (!userAction_ || RequestEditing()) InternalSetEditValue(Value);
}

void TkxCustomEdit::InternalSetEditValue(const Variant& Value) {
  if (userAction_ && !RequestEditing()) return;
  TkxCustomEditProperties* properties = GetActiveProperties();
  const bool changed = properties->ComparesOnValueSet() && !VarSameTypeAndValue(editValue_, Value);
  editValue_ = Value;
  SynchronizeDisplayValue();
  if (userAction_) SetEditModified(true);
  else SetModifiedAfterEnter(false);
  if (!changed) return;
  DoEditValueChanged();
  if (!properties->SplitsChangeNotifications()) NotifyChange();
}

void TkxCustomEdit::InternalSetDisplayValue(const Variant& Value) {
  SaveModifiedState();
  SetDisplayValueCore(Value);
  RestoreModifiedState();
}

void TkxCustomEdit::ClearValue() { AssignEditValue(GetClearValue()); }

void TkxCustomEdit::RevertValue() {
  if (!editModified_ || !GetActiveProperties()->AllowsTyping()) return;
  LockChangeEvents(true);
  try {
    editModified_ = false;
    AssignEditValueQuietly(dataBinding_->GetDefaultValuesProvider()->IsStorageBacked() ? dataBinding_->GetStoredValue()
                                                                                      : valueAtEntry_);
    SetModifiedAfterEnter(true);
    SelectAllText();
    if (GetActiveProperties()->ImmediatePost() && IsEditingActive()) InternalPostEditValue(false);
  } catch (...) {
    LockChangeEvents(false);
    throw;
  }
  LockChangeEvents(false);
}

// --- Editing ---

bool TkxCustomEdit::CanModifyValue() {
  TkxCustomEditProperties* properties = GetActiveProperties();
  if (inplace_) return properties->IsModifiable();
  const TkxCustomEditPropertiesValues* assigned = properties->AssignedValues();
  if (assigned->ReadOnly()) return !properties->ReadOnly();
  IkxEditDefaultValuesProvider* provider = dataBinding_->GetDefaultValuesProvider();
  return provider->AllowsModification() && provider->CanEnterEditMode();
}

bool TkxCustomEdit::RequestEditing() {
  if (!CanStartEditing()) return false;
  if (editModified_) return true;
  bool result = CanModifyValue();
  const TkxScopedValue<bool> request(editingRequest_, true);
  if (result && OnEditing) {
    if (inplace_) LockEditValueChanging(true);
    try {
      OnEditing(this, result);
    } catch (...) {
      if (inplace_) LockEditValueChanging(false);
      throw;
    }
    if (inplace_) LockEditValueChanging(false);
  }
  if (!inplace_ && result) {
    LockEditValueChanging(true);
    result = dataBinding_->SetEditMode();
    LockEditValueChanging(false);
  }
  return result;
}

bool TkxCustomEdit::ValidateInput(bool AShowError) {
  if (!editModified_ || editValidated_) return true;
  const TkxScopedValue<bool> validating(validating_, true);
  Variant displayValue(ReadDisplayText());
  std::string errorText;
  bool error = false;
  TkxCustomEditProperties* properties = GetActiveProperties();
  if (properties->CanValidate()) properties->ValidateDisplayValue(displayValue, errorText, error, this);
  if (error) {
    const auto repair = [&] {
      const std::string shown = VarToStr(displayValue);
      if (ReadDisplayText() != shown) {
        ApplyDisplayValue(displayValue);
        if (Visible()) SelectAllText();
        if (!UsesInnerEditBounds()) UpdateDisplayText();
      }
    };
    try {
      if (AShowError) ShowValidationError(errorText, true);
    } catch (...) {
      repair();
      throw;
    }
    repair();
    return false;
  }
  if (userAction_ && !RequestEditing()) return true;
  InternalSetDisplayValue(displayValue);
  if (!inplace_ && !Focused()) SetEditModified(false);
  editValidated_ = true;
  return true;
}

void TkxCustomEdit::ValidateValue() {
  doubleClickTimer_->SetEnabled(false);
  userAction_ = false;
  if (!ValidateInput(true)) return;
  SynchronizeDisplayValue();
  editValidated_ = true;
}

void TkxCustomEdit::ShowValidationError(const std::string& AText, bool AAbort) {
  if (!CanFocus()) {
    editValidated_ = true;
  } else if (Visible()) {
    if (!Focused()) {
      const TkxScopedValue<bool> focusing(focusingForError_, true);
      SetFocus();
    }
    SelectAllText();
  }
  if (GetActiveProperties()->BeepOnError()) MessageBeep(0);
  if (!AText.empty()) throw EkxEditValidationError(AText);
  if (AAbort) Abort();
}

void TkxCustomEdit::InternalPostEditValue(bool AValidateEdit) {
  if (AValidateEdit) {
    const TkxScopedValue<bool> user(userAction_, false);
    if (!ValidateInput(true)) return;
  }
  try {
    const TkxScopedValue<bool> post(posting_, true);
    if (inplace_) {
      if (OnPostEditValue) OnPostEditValue(this);
      SetModifiedAfterEnter(false);
    } else if (dataBinding_->IsEditing()) {
      dataBinding_->SetStoredValue(GetEditValue());
    }
  } catch (...) {
    if (inplace_) return;
    ShowValidationError(std::string(), false);
    throw;
  }
}

bool TkxCustomEdit::IsEditingActive() { return !IsDesigning() && dataBinding_->IsEditing(); }

// --- Change events ---

bool TkxCustomEdit::HasChangeHandlers() const {
  return static_cast<bool>(properties_->OnChange) ||
         (repositoryProperties_ != nullptr && static_cast<bool>(repositoryProperties_->OnChange));
}

bool TkxCustomEdit::HasEditValueChangedHandlers() const {
  return static_cast<bool>(properties_->OnEditValueChanged) ||
         (repositoryProperties_ != nullptr && static_cast<bool>(repositoryProperties_->OnEditValueChanged));
}

template <class F>
void TkxCustomEdit::FireWithModifiedBracket(F Fire) {
  if (!inplace_) return Fire();
  const TkxScopedValue<bool> after(modifiedAfterEnter_, true);
  const TkxScopedValue<bool> modified(editModified_, true);
  Fire();
}

void TkxCustomEdit::FireChange() {
  if (properties_->OnChange) properties_->OnChange(this);
  if (repositoryProperties_ != nullptr && repositoryProperties_->OnChange) repositoryProperties_->OnChange(this);
}

void TkxCustomEdit::FireEditValueChanged() {
  if (properties_->OnEditValueChanged) properties_->OnEditValueChanged(this);
  if (repositoryProperties_ != nullptr && repositoryProperties_->OnEditValueChanged)
    repositoryProperties_->OnEditValueChanged(this);
}

void TkxCustomEdit::NotifyChange() {
  if (ComponentState().Contains(csLoading) || IsDestroying()) return;
  if (HasChangeHandlers()) {
    if (AreChangeEventsLocked()) catcher_.PendingChange = true;
    else FireWithModifiedBracket([this] { FireChange(); });
  }
  TkxCustomEditProperties* properties = GetActiveProperties();
  if (!properties->SplitsChangeNotifications() && !properties->ComparesOnValueSet()) DoEditValueChanged();
}

void TkxCustomEdit::DoEditValueChanged() {
  if (ComponentState().Contains(csLoading) || IsDestroying() || !HasEditValueChangedHandlers()) return;
  if (AreChangeEventsLocked()) catcher_.PendingEditValueChanged = true;
  else FireWithModifiedBracket([this] { FireEditValueChanged(); });
}

void TkxCustomEdit::LockChangeEvents(bool ALock, bool AInvokeChangedOnUnlock) {
  if (ALock) {
    if (catcher_.LockCount == 0) catcher_.PendingChange = catcher_.PendingEditValueChanged = false;
    ++catcher_.LockCount;
    return;
  }
  if (catcher_.LockCount == 0) return;
  if (--catcher_.LockCount > 0 || !AInvokeChangedOnUnlock) return;
  if (ComponentState().Contains(csLoading) || IsDestroying()) return;
  if (catcher_.PendingChange && HasChangeHandlers()) FireChange();
  if (catcher_.PendingEditValueChanged && HasEditValueChangedHandlers()) FireEditValueChanged();
}

void TkxCustomEdit::LockClick(bool ALock) { clickLock_ = ALock ? clickLock_ + 1 : std::max(clickLock_ - 1, 0); }

void TkxCustomEdit::LockEditValueChanging(bool ALock) {
  editValueChangingLock_ = ALock ? editValueChangingLock_ + 1 : std::max(editValueChangingLock_ - 1, 0);
}

void TkxCustomEdit::MarkUserModified() {
  SetEditModified(true);
  if (clickLock_ == 0) Click();
}

void TkxCustomEdit::Click() {
  if (IsDestroying() || clickLock_ > 0) return;
  if (ComponentState().Contains(csLoading) && !ClicksWhileLoading()) return;
  TkxContainer::Click();
}

// --- Entering and leaving ---

void TkxCustomEdit::DoEnter() {
  if (IsDestroying()) return;
  if (!focusingForError_) HandleEnter();
  RefreshStateFromCursor(false);
}

void TkxCustomEdit::HandleEnter() {
  SaveModifiedState();
  TkxContainer::DoEnter();
  if (ReloadsOnFocusChange()) dataBinding_->UpdateDisplayValue();
  if (GetActiveProperties()->AllowsTyping()) valueAtEntry_ = GetEditValue();
  if (ReloadsOnFocusChange()) SynchronizeDisplayValue();
  RestoreModifiedState();
  editModified_ = false;
}

void TkxCustomEdit::DoExit() {
  if (IsDestroying() || focusingForError_) return;
  const TkxScopedValue<bool> user(userAction_, false);
  ExitEditing(true);
}

void TkxCustomEdit::DoFocusChanged() {
  if (IsDestroying() || focusingForError_) return;
  const bool focused = Focused() && Application != nullptr && Application->Active();
  if (focused == isFocusedAndActive_) return;
  isFocusedAndActive_ = focused;
  TkxContainer::DoFocusChanged();
  RefreshAfterFocusChange();
}

void TkxCustomEdit::RefreshAfterFocusChange() {
  UpdateDisplayText();
  if (ShouldValidateOnFocusChange()) ValidateInput(false);
}

bool TkxCustomEdit::ShouldValidateOnFocusChange() {
  if (TCustomForm* form = GetParentForm(this)) {
    if (!form->Visible() && form->FormState().Contains(fsModal) && form->ModalResult() != mrNone &&
        form->ModalResult() != mrCancel)
      return true;
  }
  if (isFocusedAndActive_ || !HandleAllocated()) return false;
  const auto* parentForm = dynamic_cast<TCustomForm*>(Parent());
  const HWND focus = GetFocus();
  return parentForm != nullptr && parentForm->ControlCount() == 1 && focus != nullptr &&
         GetAncestor(WindowHandle(), GA_ROOT) == GetAncestor(focus, GA_ROOT);
}

void TkxCustomEdit::ExitEditing(bool ACallDoExit) {
  SaveModifiedState();
  LockChangeEvents(true);
  try {
    ValidateInput(true);
  } catch (...) {
    LockChangeEvents(false);
    RestoreModifiedState();
    throw;
  }
  if (!inplace_ && IsEditingActive()) InternalPostEditValue(false);
  LockChangeEvents(false);
  if (ReloadsOnFocusChange()) dataBinding_->UpdateDisplayValue();
  UpdateDisplayText();
  RefreshStateFromCursor(false);
  RestoreModifiedState();
  if (ACallDoExit) TkxContainer::DoExit();
  SetEditModified(false);
}

// --- Keys ---

void TkxCustomEdit::RunAfterKeyDownHandler(Word& Key, TShiftState Shift) {
  if (OnAfterKeyDown) OnAfterKeyDown(this, Key, Shift);
}

bool TkxCustomEdit::IsClickKey(Word Key, TShiftState Shift) {
  return GetDefaultButtonIndex() != -1 && ShortCut(Key, Shift) == GetActiveProperties()->ClickKey();
}

void TkxCustomEdit::KeyDown(Word& Key, TShiftState Shift) {
  escapeHandled_ = false;
  if (!IsClickKey(Key, Shift)) TkxContainer::KeyDown(Key, Shift);
  if (Key == 0) return;
  DoEditKeyDown(Key, Shift);
  if (Key != 0 && WantsAfterKeyDown(Key, Shift)) RunAfterKeyDownHandler(Key, Shift);
}

void TkxCustomEdit::DoEditKeyDown(Word& Key, TShiftState Shift) {
  TkxCustomEditProperties* properties = GetActiveProperties();
  const TShortCut shortCut = ShortCut(Key, Shift);
  if (shortCut != 0 && shortCut == properties->ClearKey()) {
    LockChangeEvents(true);
    {
      const TkxScopedValue<bool> user(userAction_, true);
      AssignEditValueQuietly(GetClearValue());
    }
    LockChangeEvents(false);
    editValidated_ = true;
    Key = 0;
    return;
  }
  if (GetDefaultButtonIndex() != -1 && shortCut == properties->ClickKey()) {
    if (HandleAllocated()) RemovePendingMessages(WindowHandle(), WM_CHAR, WM_CHAR, true);
    ClickDefaultButton();
    Key = 0;
    return;
  }
  if (!CanKeyDownProceed(Key, Shift)) {
    RunAfterKeyDownHandler(Key, Shift);
    Key = 0;
    return;
  }
  switch (Key) {
    case VK_TAB:
      if (Focused() && !Shift.Contains(ssAlt) && !Shift.Contains(ssCtrl) && !properties->KeepsTabKey()) {
        BeforeTabExit(Shift);
        RunAfterKeyDownHandler(Key, Shift);
        if (Key == 0) return;
        Key = 0;
        if (TCustomForm* form = GetParentForm(this)) form->SelectNext(form->ActiveControl(), !Shift.Contains(ssShift), true);
      }
      return;
    case VK_RETURN:
      if (!properties->ValidateOnEnter()) return;
      Key = 0;
      LockChangeEvents(true);
      try {
        if (ValidateInput(true) && IsEditingActive()) InternalPostEditValue(false);
      } catch (...) {
        LockChangeEvents(false);
        throw;
      }
      LockChangeEvents(false);
      return;
    case VK_ESCAPE:
      if (editModified_ &&
          (dataBinding_->GetDefaultValuesProvider()->IsStorageBacked() || properties->AllowsTyping())) {
        LockChangeEvents(true);
        try {
          dataBinding_->Reset();
          SetModifiedAfterEnter(true);
        } catch (...) {
          LockChangeEvents(false);
          throw;
        }
        LockChangeEvents(false);
        escapeHandled_ = true;
        Key = 0;
      }
      return;
    default:
      if (!HandlesNavigationKeys() && Key >= VK_PRIOR && Key <= VK_DOWN) {
        RunAfterKeyDownHandler(Key, Shift);
        Key = 0;
      }
  }
}

bool TkxCustomEdit::CanKeyDownProceed(Word Key, TShiftState Shift) {
  return dataBinding_->IsValueModified() || !IsValueChangingKey(Key, Shift) || RequestEditing();
}

bool TkxCustomEdit::IsValidChar(char Key) {
  IkxEditDefaultValuesProvider* provider = GetActiveProperties()->GetDefaultValuesProvider();
  return provider == nullptr || provider->AcceptsChar(Key) || provider->HasSetTextHandler();
}

bool TkxCustomEdit::CanKeyPressProceed(char& Key) {
  if (static_cast<unsigned char>(Key) >= 32 && !IsValidChar(Key)) {
    Key = 0;
    MessageBeep(0);
    return false;
  }
  if (!editModified_ && IsValueChangingChar(Key) && !RequestEditing()) Key = 0;
  return Key != 0;
}

void TkxCustomEdit::KeyPress(char& Key) {
  if (Key == char(VK_ESCAPE) && escapeHandled_) {
    escapeHandled_ = false;
    Key = 0;
    return;
  }
  TkxContainer::KeyPress(Key);
  if (Key != 0) DoEditKeyPress(Key);
}

void TkxCustomEdit::KeyUp(Word& Key, TShiftState Shift) {
  TkxContainer::KeyUp(Key, Shift);
  DoEditKeyUp(Key, Shift);
}

// --- Buttons and mouse ---

Integer TkxCustomEdit::GetButtonAt(TPoint P) const {
  const TkxCustomEditViewInfo* info = GetViewInfo();
  for (Integer i = 0; i < info->ButtonCount(); ++i)
    if (PtInRect(&info->Button(i).Bounds, P)) return i;
  return -1;
}

Integer TkxCustomEdit::GetDefaultButtonIndex() const {
  const TkxCustomEditViewInfo* info = GetViewInfo();
  for (Integer i = 0; i < info->ButtonCount(); ++i)
    if (info->Button(i).Data.Default) return i;
  return -1;
}

void TkxCustomEdit::ClickDefaultButton() {
  const Integer index = GetDefaultButtonIndex();
  if (index != -1) ButtonClicked(index);
}

void TkxCustomEdit::ButtonClicked(Integer AButtonIndex) {
  const Integer index = GetViewInfo()->Button(AButtonIndex).ButtonIndex;
  if (properties_->OnButtonClick) properties_->OnButtonClick(this, index);
  if (repositoryProperties_ != nullptr && repositoryProperties_->OnButtonClick)
    repositoryProperties_->OnButtonClick(this, index);
}

void TkxCustomEdit::UpdateButtonStates(const TkxCustomEditViewInfo& Previous) {
  const TkxCustomEditViewInfo* info = GetViewInfo();
  if (info->PressedButton == Previous.PressedButton && info->HotButton == Previous.HotButton) return;
  const Integer pressed = Previous.PressedButton;
  if (pressed != -1) {
    ButtonReleased(pressed);
    if (pressed == info->HotButton) ButtonClicked(pressed);
  }
  if (info->PressedButton != -1 && pressed == -1) ButtonPressed(info->PressedButton);
}

bool TkxCustomEdit::DoubleClickTimerRunning() const { return doubleClickTimer_->Enabled(); }

void TkxCustomEdit::DoubleClickTimerTick(TObject*) { doubleClickTimer_->SetEnabled(false); }

void TkxCustomEdit::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  if (Button == mbLeft && doubleClickTimer_->Enabled()) {
    doubleClickTimer_->SetEnabled(false);
    if (GetButtonAt(TPoint{X, Y}) == -1) DblClick();
  }
  TkxContainer::MouseDown(Button, Shift, X, Y);
  if (Button == mbLeft && MouseCapture()) {
    const Integer index = GetButtonAt(TPoint{X, Y});
    if (index != -1 && GetViewInfo()->Button(index).Data.State == ebsPressed) pressedCaptureIndex_ = index;
  }
}

void TkxCustomEdit::DblClick() {
  const TPoint p = ScreenToClient(ReadCursorScreenPos());
  if (GetButtonAt(p) == -1) return TkxContainer::DblClick();
  TShiftState shift = GetCurrentShiftState();
  shift.Include(ssLeft);
  MouseDown(mbLeft, shift, p.X, p.Y);
  Click();
}

void TkxCustomEdit::PrepareForClick(std::unique_ptr<TkxCustomEditData>& EditData) {
  if (EditData == nullptr && GetEditDataClass() != nullptr) EditData.reset(GetEditDataClass()(this));
  AttachEditData(EditData.get());
  SetVisible(true);
  if (HandleAllocated() && CanFocus()) {
    SetFocus();
    if (GetActiveProperties()->AutoSelect()) SelectAllText();
  }
  SynchronizeDisplayValue();
  SetModifiedAfterEnter(false);
  activated_ = true;
}

void TkxCustomEdit::SimulateMouseClick(TShiftState Shift, Integer X, Integer Y,
                                       std::unique_ptr<TkxCustomEditData>& EditData) {
  PrepareForClick(EditData);
  const TPoint p = ParentToClient(TPoint{X, Y});
  if (!HandleAllocated()) return;
  const LPARAM position = MAKELPARAM(WORD(p.X), WORD(p.Y));
  if (Shift.Contains(ssLeft)) {
    WPARAM keys = MK_LBUTTON;
    if (Shift.Contains(ssShift)) keys |= MK_SHIFT;
    if (Shift.Contains(ssCtrl)) keys |= MK_CONTROL;
    SendMessageA(WindowHandle(), WM_LBUTTONDOWN, keys, position);
    if (MouseCapture() && !GetCurrentShiftState().Contains(ssLeft)) SetMouseCapture(false);
  } else {
    SendMessageA(WindowHandle(), WM_LBUTTONUP, 0, position);
  }
  doubleClickTimer_->SetEnabled(true);
}

bool TkxCustomEdit::CanProcessMouseWheel(TShiftState Shift) const {
  return !inplace_ || GetActiveProperties()->UseMouseWheel() || Shift.Contains(ssCtrl);
}

void TkxCustomEdit::CMDialogChar(TMessage& Message) {
  TkxCustomEditProperties* properties = GetActiveProperties();
  const TkxCustomEditViewInfo* info = GetViewInfo();
  for (Integer i = 0; i < info->ButtonCount(); ++i) {
    const TkxEditButtonViewInfo& button = info->Button(i);
    if (button.Data.State == ebsDisabled || button.Data.Kind != bkText) continue;
    if (IsAccel(MessageCharCode(Message), properties->Buttons()->Items(button.ButtonIndex)->Caption())) {
      ButtonClicked(i);
      Message.Result = 1;
      return;
    }
  }
  TkxContainer::Dispatch(Message);
}

void TkxCustomEdit::ClipboardMessage(UINT Msg) {
  const bool readOnly = GetActiveProperties()->ReadOnly() || !dataBinding_->DataAvailable();
  if (Msg == WM_COPY) return CopyToClipboard();
  const TkxScopedValue<bool> user(userAction_, true);
  if (Msg == WM_CUT) {
    if (readOnly) CopyToClipboard();
    else CutToClipboard();
  } else if (!readOnly) {
    PasteFromClipboard();
  }
}

void TkxCustomEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGCHAR: return CMDialogChar(Message);
    case WM_COPY:
    case WM_CUT:
    case WM_PASTE: return ClipboardMessage(Message.Msg);
    default: TkxContainer::Dispatch(Message);
  }
}

void TkxCustomEdit::ActivateByKey(char Key, std::unique_ptr<TkxCustomEditData>& EditData) {
  HookInnerEditWndProc();
  try {
    PrepareForClick(EditData);
    // The character goes where typing goes: the inner control when there is one.
    TWinControl* target = innerEdit_ != nullptr ? innerEdit_->GetInnerControlOwnControl() : this;
    if (ForwardsActivationChar(Key) && target->HandleAllocated())
      SendMessageA(target->WindowHandle(), WM_CHAR, WPARAM(static_cast<unsigned char>(Key)), 0);
  } catch (...) {
    UnhookInnerEditWndProc();
    throw;
  }
  UnhookInnerEditWndProc();
}

void TkxCustomEdit::AttachEditData(TkxCustomEditData* Data) {
  if (Data != nullptr && Data->edit_ != this) {   // data made for another editor now serves this one
    Data->editWatcher_->Unwatch(Data->edit_);
    Data->edit_ = this;
    Data->editWatcher_->Watch(this);
  }
  editData_ = Data;
  ResetEditData(Data);
}

void TkxCustomEdit::ResetEditData(TkxCustomEditData* Data) {
  if (Data == nullptr || Data != editData_ || !Data->needsReset_) return;
  ClearEditData();
  Data->needsReset_ = false;
}

TkxCustomEditData::TkxCustomEditData(TkxCustomEdit* AEdit)
    : edit_(AEdit), editWatcher_(std::make_unique<TkxFreeNotificator>(nullptr)) {
  editWatcher_->OnFreeNotification = [this](TComponent*) { edit_ = nullptr; };
  editWatcher_->Watch(edit_);
  Clear();
}

TkxCustomEditData::~TkxCustomEditData() {
  if (edit_ != nullptr && edit_->editData_ == this) edit_->editData_ = nullptr;
}

void TkxCustomEditData::Clear() {
  needsReset_ = true;
  if (edit_ != nullptr) edit_->ResetEditData(this);
}

PR_IMPLEMENT_CLASS(TkxCustomEditData)

// --- Layout ---

std::unique_ptr<TkxCustomEditViewData> TkxCustomEdit::CreateViewData() {
  std::unique_ptr<TkxCustomEditViewData> viewData = GetActiveProperties()->CreateViewData(GetActiveStyle(), inplace_);
  if (inplace_) viewData->EditorMetrics = inplaceMetrics_;
  viewData->Edit = IsInnerEditUnavailable() ? nullptr : this;
  if (HandleAllocated()) viewData->WindowHandle = WindowHandle();
  FillViewDataState(*viewData);
  return viewData;
}

void TkxCustomEdit::FillViewDataState(TkxCustomEditViewData& ViewData) {
  ViewData.Enabled = Enabled();
  ViewData.Focused = Focused();
  ViewData.InnerEdit = InnerControl();
  ViewData.Designing = IsDesigning();
}

void TkxCustomEdit::CalculateViewInfoAt(TPoint P, Integer Button, TShiftState Shift, bool IsMouseEvent) {
  std::unique_ptr<TkxCustomEditViewData> viewData = CreateViewData();
  TCanvas* canvas = GetSharedScreenCanvas()->Canvas();
  viewData->Calculate(canvas, GetControlLocalRect(this), P, Button, Shift, *GetViewInfo(), IsMouseEvent);
}

void TkxCustomEdit::RecalcViewInfoAtCursor() {
  CalculateViewInfoAt(ScreenToClient(GetCursorPosSafe()), 0, CurrentShiftState(), false);
}

void TkxCustomEdit::CalculateViewInfo(TPoint P, bool) {
  CalculateViewInfoAt(P, refreshButton_, refreshShift_, refreshIsMouseEvent_);
}

bool TkxCustomEdit::RefreshContainer(TPoint P, Integer Button, TShiftState Shift, bool IsMouseEvent) {
  if (!HandleAllocated() || creating_ || ControlState().Contains(csDestroyingHandle) || IsDestroying()) return false;
  std::unique_ptr<TkxCustomEditViewInfo> previous;
  if (IsMouseEvent) {
    previous.reset(static_cast<TkxCustomEditViewInfo*>(GetViewInfoClass()()));
    previous->Assign(GetViewInfo());
  }
  refreshButton_ = Button;
  refreshShift_ = Shift;
  refreshIsMouseEvent_ = IsMouseEvent;
  TkxContainer::RefreshContainer(P, Button, Shift, IsMouseEvent);
  refreshButton_ = 0;
  refreshShift_ = TShiftState{};
  refreshIsMouseEvent_ = false;
  if (!MouseCapture()) pressedCaptureIndex_ = -1;
  ApplyAutoSize();
  if (previous != nullptr) UpdateButtonStates(*previous);
  return true;
}

TRect TkxCustomEdit::GetBorderExtent() {
  const TkxCustomEditViewInfo* info = GetViewInfo();
  const TRect& b = info->Bounds;
  const TRect& r = info->BorderRect;
  return TRect{r.Left - b.Left, r.Top - b.Top, b.Right - r.Right, b.Bottom - r.Bottom};
}

// --- Auto size ---

Integer TkxCustomEdit::GetHeight() const {
  if (!HandleAllocated() && !IsDestroying()) {
    const TWinControl* top = this;
    while (top->Parent() != nullptr) top = top->Parent();
    if (dynamic_cast<const TCustomForm*>(top) != nullptr || top->ParentWindow() != nullptr)
      const_cast<TkxCustomEdit*>(this)->HandleNeeded();
  }
  return Height();
}

void TkxCustomEdit::SetAutoSize(bool Value) {
  if (inplace_ || autoSize_ == Value) return;
  autoSize_ = Value;
  if (!Value) return;
  ApplyAutoSize();
  RefreshStateFromCursor(false);
}

TkxEditSizeProperties TkxCustomEdit::GetEditSizeProperties() {
  TkxEditSizeProperties size;
  size.Height = -1;
  size.MaxLineCount = 1;
  size.Width = Width();
  return size;
}

void TkxCustomEdit::CalculateAutoSize(Integer& W, Integer& H) {
  if (!IsHeightAutomatic()) return;
  std::unique_ptr<TkxCustomEditViewData> viewData = CreateViewData();
  TCanvas* canvas = GetSharedScreenCanvas()->Canvas();
  const TSize size = viewData->MeasureEditor(canvas, GetEditValue(), GetEditSizeProperties());
  const TAlign align = Align();
  if (IsWidthAutomatic() && (align == alNone || align == alLeft || align == alRight)) W = size.cx;
  if (align == alNone || align == alTop || align == alBottom) H = size.cy;
}

void TkxCustomEdit::ApplyAutoSize() {
  if (!IsHeightAutomatic() || ComponentState().Contains(csLoading)) return;
  Integer w = Width(), h = Height();
  CalculateAutoSize(w, h);
  if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
  AdjustInnerEditPosition();
}

bool TkxCustomEdit::CanResize(Integer& NewWidth, Integer& NewHeight) {
  const bool result = TkxContainer::CanResize(NewWidth, NewHeight);
  if (result && !ComponentState().Contains(csLoading)) CalculateAutoSize(NewWidth, NewHeight);
  return result;
}

void TkxCustomEdit::DefineProperties(TFiler* Filer) {
  TkxContainer::DefineProperties(Filer);
  const auto* ancestor = dynamic_cast<const TkxCustomEdit*>(Filer->Ancestor());
  const bool heightStored =
      !IsHeightAutomatic() && (ancestor == nullptr || const_cast<TkxCustomEdit*>(ancestor)->Height() != Height());
  const bool widthStored = !(IsHeightAutomatic() && IsWidthAutomatic()) &&
                           (ancestor == nullptr || const_cast<TkxCustomEdit*>(ancestor)->Width() != Width());
  Filer->DefineProperty("Height", [this](TReader* Reader) { SetHeight(Reader->ReadInteger()); },
                        [this](TWriter* Writer) { Writer->WriteInteger(Height()); }, heightStored);
  Filer->DefineProperty("Width", [this](TReader* Reader) { SetWidth(Reader->ReadInteger()); },
                        [this](TWriter* Writer) { Writer->WriteInteger(Width()); }, widthStored);
}

void TkxCustomEdit::Loaded() {
  TkxContainer::Loaded();
  LockChangeEvents(true);
  LockClick(true);
  dataBinding_->RefreshLink();
  PropertiesChanged(GetActiveProperties());
  LockClick(false);
  LockChangeEvents(false, false);
  ApplyAutoSize();
}
