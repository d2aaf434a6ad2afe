#include "controls/editors/kx_text_edit_properties.h"

#include "platform/classes/publisher.h"
#include "platform/classes/string_list.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/store_if_changed.h"

PR_IMPLEMENT_CLASS(TkxTextEditPropertiesValues)
PR_IMPLEMENT_CLASS(TkxCustomTextEditProperties)

namespace {

void ApplyCharCase(TEditCharCase CharCase, std::string& Text) {
  if (CharCase == ecUpperCase) Text = AnsiUpperCase(Text);
  else if (CharCase == ecLowerCase) Text = AnsiLowerCase(Text);
}

}  // namespace

// --- TkxTextEditPropertiesValues ---

void TkxTextEditPropertiesValues::SetDisplayFormat(bool Value) {
  if (StoreIfChanged(displayFormat_, Value)) NotifyOwnerChanged();
}

void TkxTextEditPropertiesValues::SetEditFormat(bool Value) {
  if (StoreIfChanged(editFormat_, Value)) NotifyOwnerChanged();
}

void TkxTextEditPropertiesValues::SetMaxLength(bool Value) {
  if (StoreIfChanged(maxLength_, Value)) NotifyOwnerChanged();
}

// --- TkxCustomTextEditProperties ---

TkxCustomTextEditProperties::TkxCustomTextEditProperties(TPersistent* AOwner)
    : TkxCustomEditProperties(AOwner), lookupItems_(std::make_unique<TStringList>()) {
  RecreateValuesFlagsAndButtons();
  lookupItems_->SetDuplicates(dupAccept);
  lookupItems_->OnChange = [this](TObject*) { Changed(); };
}

TkxCustomTextEditProperties::~TkxCustomTextEditProperties() { lookupItems_->OnChange = nullptr; }

TkxTextEditPropertiesValues* TkxCustomTextEditProperties::AssignedValues() const {
  return static_cast<TkxTextEditPropertiesValues*>(TkxCustomEditProperties::AssignedValues());
}

TkxCustomEditPropertiesValuesClass TkxCustomTextEditProperties::GetValuesFlagsClass() const {
  return &TkxTextEditPropertiesValues::Create;
}

void TkxCustomTextEditProperties::SetCharCase(TEditCharCase Value) {
  if (StoreIfChanged(charCase_, Value)) Changed();
}

void TkxCustomTextEditProperties::SetEchoMode(TkxEditEchoMode Value) {
  if (StoreIfChanged(echoMode_, Value)) Changed();
}

void TkxCustomTextEditProperties::SetPasswordChar(char Value) {
  if (StoreIfChanged(passwordChar_, Value)) Changed();
}

void TkxCustomTextEditProperties::SetHideCursor(bool Value) {
  if (StoreIfChanged(hideCursor_, Value)) Changed();
}

void TkxCustomTextEditProperties::SetHideSelection(bool Value) {
  if (StoreIfChanged(hideSelection_, Value)) Changed();
}

void TkxCustomTextEditProperties::SetIncrementalSearch(bool Value) {
  if (StoreIfChanged(incrementalSearch_, Value)) Changed();
}

Integer TkxCustomTextEditProperties::MaxLength() const {
  return AssignedValues()->MaxLength() ? maxLength_ : GetDefaultMaxLength();
}

void TkxCustomTextEditProperties::SetMaxLength(Integer Value) {
  if (Value < 0) Value = 0;
  if (AssignedValues()->MaxLength() && maxLength_ == Value) return;
  BeginUpdate();
  maxLength_ = Value;
  AssignedValues()->SetMaxLength(true);
  Changed();
  EndUpdate();
}

Integer TkxCustomTextEditProperties::GetDefaultMaxLength() const {
  IkxEditDefaultValuesProvider* provider = GetDefaultValuesProvider();
  return provider != nullptr ? provider->GetDefaultTextLimit() : 0;
}

bool TkxCustomTextEditProperties::FindLookupItem(const std::string& AText) const {
  const std::string wanted = AnsiUpperCase(AText);
  for (Integer i = 0; i < lookupItems_->Count(); ++i)
    if (AnsiUpperCase(lookupItems_->Strings(i)) == wanted) return true;
  return false;
}

void TkxCustomTextEditProperties::ApplyEchoMode(std::string& Text) const {
  if (echoMode_ == eemPassword) Text.assign(Text.size(), passwordChar_ == '\0' ? '*' : passwordChar_);
  else ApplyCharCase(charCase_, Text);
}

bool TkxCustomTextEditProperties::CheckEditValue(std::string& Value, bool) const {
  const TkxTextEntryStyle style = GetEditingStyle();
  if (!Value.empty() && (style == tesListAssisted || style == tesListOnly) && !FindLookupItem(Value)) return false;
  ApplyCharCase(charCase_, Value);
  return true;
}

bool TkxCustomTextEditProperties::IsValueBoundDefined(Integer ABound) const {
  const bool min = AssignedValues()->MinValue(), max = AssignedValues()->MaxValue();
  if (min != max) return ABound == 0 ? min : max;
  return GetMaxValueLimit() > GetMinValueLimit();
}
