#include "controls/editors/kx_edit_data_binding.h"

#include "controls/editors/kx_custom_edit.h"
#include "platform/classes/publisher.h"

PR_IMPLEMENT_CLASS(TkxEditDataBinding)

TkxEditDataBinding::TkxEditDataBinding(TkxCustomEdit* AEdit) : edit_(AEdit) {}

TkxEditDataBinding::~TkxEditDataBinding() = default;

TPersistent* TkxEditDataBinding::GetOwner() const { return edit_; }

TkxEditDefaultValuesProviderClass TkxEditDataBinding::GetDefaultValuesProviderClass() const {
  return [](TPersistent* AOwner) { return new TkxCustomEditDefaultValuesProvider(AOwner); };
}

TkxCustomEditDefaultValuesProvider* TkxEditDataBinding::Provider() const {
  if (provider_ == nullptr) provider_.reset(GetDefaultValuesProviderClass()(nullptr));
  return provider_.get();
}

void TkxEditDataBinding::DefaultValuesChanged() {
  TkxCustomEditProperties* shared = edit_->RepositoryProperties();
  if (shared == nullptr) return edit_->Properties()->Changed();
  // The item's properties serve other editors too: only this editor takes the change in.
  shared->BeginUpdate();
  shared->Changed();
  shared->EndUpdate(false);
  edit_->PropertiesChanged(shared);
}

Variant TkxEditDataBinding::GetDisplayValue() { return Variant(edit_->ReadDisplayText()); }

bool TkxEditDataBinding::IsValueModified() { return edit_->EditModified(); }

bool TkxEditDataBinding::IsInEditState() { return edit_->EditModified(); }

Variant TkxEditDataBinding::GetStoredValue() { return edit_->GetEditValue(); }

void TkxEditDataBinding::Reset() { edit_->RevertValue(); }

void TkxEditDataBinding::SetDisplayValue(const Variant& Value) { edit_->ApplyDisplayValue(Value); }

bool TkxEditDataBinding::SetEditMode() {
  edit_->SetEditModified(true);
  return true;
}

bool TkxEditDataBinding::HasNoPendingEdit() { return edit_->IsDesigning() || !edit_->EditModified(); }

void TkxEditDataBinding::SetModifiedIfFocused() {
  if (edit_->Focused()) edit_->SetEditModified(true);
}

void TkxEditDataBinding::UpdateDisplayValue() { edit_->SynchronizeDisplayValue(); }
