#include "controls/editors/kx_edit_properties.h"

#include <algorithm>

#include "controls/editors/kx_custom_edit.h"
#include "controls/editors/kx_edit_view_data.h"
#include "controls/foundation/kx_classes.h"
#include "controls/foundation/kx_free_notificator.h"
#include "controls/foundation/kx_variants.h"
#include "platform/classes/component.h"
#include "platform/classes/property_table.h"
#include "platform/classes/publisher.h"
#include "platform/core/variant_access.h"

PR_PUBLISH(TkxCustomEditPropertiesValues) {
  using V = TkxCustomEditPropertiesValues;
  p.Property("ReadOnly", &V::ReadOnly, &V::SetReadOnly).Stored(false);
}

PR_PUBLISH(TkxEditAlignment) {
  using A = TkxEditAlignment;
  p.Property("Horz", &A::Horz, &A::SetHorz).NoDefault().Stored(&A::IsHorzStored);
  p.Property("Vert", &A::Vert, &A::SetVert).NoDefault().Stored(&A::IsVertStored);
}

PR_IMPLEMENT_CLASS(TkxCustomEditDefaultValuesProvider)
PR_IMPLEMENT_CLASS(TkxCustomEditProperties)

namespace {

std::vector<TkxCustomEditProperties*>& Instances() {
  static std::vector<TkxCustomEditProperties*> instances;
  return instances;
}

std::unique_ptr<TkxRegisteredClasses>& Registry() {
  static std::unique_ptr<TkxRegisteredClasses> registry;
  return registry;
}

TkxCustomEditPropertiesValues* CreateValuesFlags(TkxCustomEditProperties* AOwner) {
  return new TkxCustomEditPropertiesValues(AOwner);
}

TkxEditButtons* CreateButtons(TPersistent* AOwner, TkxEditButtonClass AButtonClass) {
  return new TkxEditButtons(AOwner, AButtonClass);
}

// The variant as text for the validation comparison; a value that has no text compares as "".
std::string TextOf(const Variant& V) {
  try {
    return VarToStr(V);
  } catch (const Exception&) {
    return {};
  }
}

}  // namespace

const std::vector<TkxCustomEditProperties*>& EditPropertiesInstances() { return Instances(); }

TkxRegisteredClasses& GetEditPropertiesRegistry() {
  if (Registry() == nullptr) {
    Registry() = std::make_unique<TkxRegisteredClasses>(false);
    Registry()->SetKeepSorted(true);
  }
  return *Registry();
}

void FreeEditPropertiesRegistry() { Registry().reset(); }

// --- TkxCustomEditDefaultValuesProvider ---

TkxCustomEditDefaultValuesProvider::~TkxCustomEditDefaultValuesProvider() { DetachFromAllProperties(); }

void TkxCustomEditDefaultValuesProvider::DetachFromAllProperties() {
  // A copy: releasing may run code that creates or frees properties objects.
  const std::vector<TkxCustomEditProperties*> instances = Instances();
  for (TkxCustomEditProperties* properties : instances) {
    IkxEditDefaultValuesProvider* provider = properties->GetDefaultValuesProvider();
    if (provider != nullptr && provider->GetProviderObject() == this) properties->ReleaseDefaultValuesProvider();
  }
}

// --- TkxCustomEditPropertiesValues ---

TPersistent* TkxCustomEditPropertiesValues::GetOwner() const { return owner_; }
void TkxCustomEditPropertiesValues::BeginOwnerUpdate() { owner_->BeginUpdate(); }
void TkxCustomEditPropertiesValues::EndOwnerUpdate() { owner_->EndUpdate(true); }
void TkxCustomEditPropertiesValues::NotifyOwnerChanged() { owner_->Changed(); }

void TkxCustomEditPropertiesValues::SetFlag(bool& Flag, bool Value) {
  if (Flag == Value) return;
  Flag = Value;
  NotifyOwnerChanged();
}

void TkxCustomEditPropertiesValues::SetMaxValue(bool Value) { SetFlag(maxValue_, Value); }
void TkxCustomEditPropertiesValues::SetMinValue(bool Value) { SetFlag(minValue_, Value); }
void TkxCustomEditPropertiesValues::SetReadOnly(bool Value) { SetFlag(readOnly_, Value); }

void TkxCustomEditPropertiesValues::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TkxCustomEditPropertiesValues*>(Source);
  if (source == nullptr) return inherited::Assign(Source);
  BeginOwnerUpdate();
  SetMaxValue(source->MaxValue());
  SetMinValue(source->MinValue());
  SetReadOnly(source->ReadOnly());
  EndOwnerUpdate();
}

void TkxCustomEditPropertiesValues::RestoreDefaults() {
  BeginOwnerUpdate();
  SetMaxValue(false);
  SetMinValue(false);
  SetReadOnly(false);
  EndOwnerUpdate();
}

bool TkxCustomEditPropertiesValues::IsMaxValueStored() const {
  return maxValue_ && owner_->GetMaxValueLimit() == 0 && GetPropInfo(owner_, "MaxValue") != nullptr;
}

bool TkxCustomEditPropertiesValues::IsMinValueStored() const {
  return minValue_ && owner_->GetMinValueLimit() == 0 && GetPropInfo(owner_, "MinValue") != nullptr;
}

// --- TkxEditAlignment ---

void TkxEditAlignment::DoChanged() {
  if (OnChanged) OnChanged(this);
}

void TkxEditAlignment::SetHorz(TAlignment Value) {
  if (isHorzAssigned_ && horz_ == Value) return;
  isHorzAssigned_ = true;
  horz_ = Value;
  DoChanged();
}

void TkxEditAlignment::SetVert(TkxEditVertAlignment Value) {
  if (vert_ == Value) return;
  vert_ = Value;
  DoChanged();
}

void TkxEditAlignment::Reset() {
  isHorzAssigned_ = false;
  DoChanged();
}

void TkxEditAlignment::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TkxEditAlignment*>(Source);
  if (source == nullptr) return inherited::Assign(Source);
  vert_ = source->vert_;
  horz_ = source->horz_;
  isHorzAssigned_ = source->isHorzAssigned_;
  DoChanged();
}

// --- TkxCustomEditProperties: construction ---

TkxCustomEditProperties::TkxCustomEditProperties(TPersistent* AOwner) : TkxInterfacedPersistent(AOwner) {
  Instances().push_back(this);
  freeNotificator_ = std::make_unique<TkxFreeNotificator>(nullptr);
  freeNotificator_->OnFreeNotification = [this](TComponent* AComponent) { HandleFreeNotification(AComponent); };
  alignmentProxy_ = std::make_unique<TkxEditAlignment>(this);
  alignmentProxy_->OnChanged = [this](TObject* Sender) { AlignmentChanged(Sender); };
  RecreateValuesFlagsAndButtons();
  useLeftAlignmentOnEditing_ = GetDefaultUseLeftAlignmentOnEditing();
  storedAlignment_ = std::make_unique<TkxEditAlignment>(this);
}

TkxCustomEditProperties::~TkxCustomEditProperties() {
  ReleaseDefaultValuesProvider();
  buttons_->OnChange = nullptr;
  buttons_.reset();
  storedAlignment_.reset();
  assignedValues_.reset();
  alignmentProxy_.reset();
  freeNotificator_.reset();
  std::erase(Instances(), this);
}

void TkxCustomEditProperties::RecreateValuesFlagsAndButtons() {
  assignedValues_.reset(GetValuesFlagsClass()(this));
  if (buttons_ != nullptr) buttons_->OnChange = nullptr;
  buttons_.reset(GetButtonsClass()(this, TkxEditButtons::GetButtonClass()));
  buttons_->OnChange = [this](TObject* Sender) { ButtonsChanged(Sender); };
}

TkxCustomEditPropertiesValuesClass TkxCustomEditProperties::GetValuesFlagsClass() const { return &CreateValuesFlags; }
TkxEditButtonsClass TkxCustomEditProperties::GetButtonsClass() const { return &CreateButtons; }

std::unique_ptr<TkxCustomEditProperties> TkxCustomEditProperties::CreateInstanceOfSameClass() const {
  return std::unique_ptr<TkxCustomEditProperties>(static_cast<TkxCustomEditProperties*>(ClassType()->Create(nullptr)));
}

// --- Changes ---

void TkxCustomEditProperties::BeginUpdate() {
  if (updateCount_ == 0) changePending_ = false;
  ++updateCount_;
}

void TkxCustomEditProperties::EndUpdate(bool AInvokeChanged) {
  if (updateCount_ < 1) return;
  --updateCount_;
  if (updateCount_ == 0 && AInvokeChanged && changePending_) Changed();
}

bool TkxCustomEditProperties::IsOwnerBeingDestroyed() const {
  auto* owner = dynamic_cast<TComponent*>(GetOwner());
  return owner != nullptr && owner->ComponentState().Contains(csDestroying);
}

void TkxCustomEditProperties::Changed() {
  if (AreChangesLocked() || IsOwnerBeingDestroyed()) {
    changePending_ = true;
    return;
  }
  changePending_ = false;
  if (!OnPropertiesChanged) return;
  ++changeHandlerDepth_;
  try {
    OnPropertiesChanged(this);
  } catch (...) {
    --changeHandlerDepth_;
    throw;
  }
  --changeHandlerDepth_;
}

void TkxCustomEditProperties::AlignmentChanged(TObject*) {
  storedAlignment_->horz_ = alignmentProxy_->horz_;
  storedAlignment_->isHorzAssigned_ = alignmentProxy_->isHorzAssigned_;
  storedAlignment_->vert_ = alignmentProxy_->vert_;
  Changed();
}

void TkxCustomEditProperties::SetAlignment(TkxEditAlignment* Value) {
  storedAlignment_->Assign(Value);
  Changed();
}

void TkxCustomEditProperties::ButtonsChanged(TObject*) { Changed(); }

void TkxCustomEditProperties::HandleFreeNotification(TComponent*) {}

// --- Settings ---

template <class T>
void TkxCustomEditProperties::SetBound(bool& Flag, T& Field, const T& Value) {
  if (Flag && Field == Value) return;
  Flag = true;
  Field = Value;
  Changed();
}

void TkxCustomEditProperties::SetMaxValue(double Value) { SetBound(assignedValues_->maxValue_, maxValue_, Value); }
void TkxCustomEditProperties::SetMinValue(double Value) { SetBound(assignedValues_->minValue_, minValue_, Value); }
void TkxCustomEditProperties::SetReadOnly(bool Value) { SetBound(assignedValues_->readOnly_, readOnly_, Value); }

double TkxCustomEditProperties::GetMaxValueLimit() const {
  if (assignedValues_->MaxValue()) return maxValue_;
  return provider_ != nullptr ? provider_->GetDefaultUpperBound() : 0;
}

double TkxCustomEditProperties::GetMinValueLimit() const {
  if (assignedValues_->MinValue()) return minValue_;
  return provider_ != nullptr ? provider_->GetDefaultLowerBound() : 0;
}

bool TkxCustomEditProperties::ReadOnly() const {
  if (assignedValues_->ReadOnly()) return readOnly_;
  return provider_ != nullptr && provider_->IsDefaultReadOnly();
}

void TkxCustomEditProperties::SetAutoSelect(bool Value) {
  if (autoSelect_ == Value) return;
  autoSelect_ = Value;
  Changed();
}

void TkxCustomEditProperties::SetButtonsViewStyle(TkxEditButtonsViewStyle Value) {
  if (buttonsViewStyle_ == Value) return;
  buttonsViewStyle_ = Value;
  Changed();
}

void TkxCustomEditProperties::SetTransparent(bool Value) {
  if (transparent_ == Value) return;
  transparent_ = Value;
  Changed();
}

void TkxCustomEditProperties::SetUseLeftAlignmentOnEditing(bool Value) {
  if (useLeftAlignmentOnEditing_ == Value) return;
  useLeftAlignmentOnEditing_ = Value;
  Changed();
}

void TkxCustomEditProperties::SetUseMouseWheel(bool Value) {
  if (useMouseWheel_ == Value) return;
  useMouseWheel_ = Value;
  Changed();
}

// --- Alignment ---

TComponent* TkxCustomEditProperties::FindOwnerComponent() const {
  for (TPersistent* p = const_cast<TkxCustomEditProperties*>(this); p != nullptr; p = GetPersistentOwner(p))
    if (auto* component = dynamic_cast<TComponent*>(p)) return component;
  return nullptr;
}

bool TkxCustomEditProperties::IsAlignmentStored() const {
  return storedAlignment_->IsHorzAssigned() || storedAlignment_->Vert() != taTopJustify;
}

TAlignment TkxCustomEditProperties::GetEffectiveHorzAlignment() const {
  if (provider_ != nullptr) return provider_->GetDefaultHorzAlignment();
  // From the stored alignment, not the proxy (refreshed only when Alignment is read); a Horz that
  // is not assigned is the unit default whatever value it kept.
  return storedAlignment_->IsHorzAssigned() ? storedAlignment_->Horz() : taLeftJustify;
}

TkxEditAlignment* TkxCustomEditProperties::Alignment() {
  alignmentProxy_->OnChanged = nullptr;
  alignmentProxy_->horz_ = storedAlignment_->horz_;
  alignmentProxy_->isHorzAssigned_ = storedAlignment_->isHorzAssigned_;
  alignmentProxy_->vert_ = storedAlignment_->vert_;
  TComponent* component = FindOwnerComponent();
  // A form writer sees only assigned values; the handler stays off until the next read.
  if (IsAlignmentStored() && component != nullptr && component->ComponentState().Contains(csWriting))
    return alignmentProxy_.get();
  if (!storedAlignment_->IsHorzAssigned()) alignmentProxy_->horz_ = GetEffectiveHorzAlignment();
  alignmentProxy_->OnChanged = [this](TObject* Sender) { AlignmentChanged(Sender); };
  return alignmentProxy_.get();
}

// --- Provider ---

void TkxCustomEditProperties::SetDefaultValuesProvider(IkxEditDefaultValuesProvider* Value) {
  provider_ = Value;
  if (dynamic_cast<TkxCustomEdit*>(GetOwner()) != nullptr) Changed();
}

bool TkxCustomEditProperties::IsModifiable() const {
  if (assignedValues_->ReadOnly() && !readOnly_) return true;
  if (ReadOnly()) return false;
  return provider_ == nullptr || (provider_->AllowsModification() && provider_->CanEnterEditMode());
}

bool TkxCustomEditProperties::IsDisplayFormatFromProvider(bool AEditFocused) const {
  const Byte options = GetFormatSourceOptions();
  if (AEditFocused || (options & 1) == 0 || provider_ == nullptr) return false;
  return provider_->HasDisplayFormat((options & 2) == 0);
}

bool TkxCustomEditProperties::UsesProviderDisplayFormat() const {
  const Byte options = GetFormatSourceOptions();
  return (options & 1) != 0 && !HasExternalDisplayText(true) && HasExternalDisplayText(false) &&
         provider_ != nullptr && provider_->HasDisplayFormat((options & 2) == 0);
}

// --- Values ---

std::string TkxCustomEditProperties::GetInvalidInputText(Integer) const {
  return "Invalid input value. Use escape key to abandon changes";
}

Word TkxCustomEditProperties::GetButtonsFeatureFlags() const { return buttons_->Count() > 0 ? 32 : 0; }

void TkxCustomEditProperties::FormatDisplayText(const Variant&, bool, bool, std::string& Text) const { Text.clear(); }

void TkxCustomEditProperties::PrepareValue(const Variant& Source, Variant& Dest, bool) const { Dest = Source; }

bool TkxCustomEditProperties::AreEditValuesEqual(const Variant& V1, const Variant& V2) const {
  Variant a, b;
  PrepareValue(V1, a, false);
  PrepareValue(V2, b, false);
  return VariantsEqual(a, b);
}

void TkxCustomEditProperties::RestoreDefaults() {
  BeginUpdate();
  // The editor is told even when only the alignment was assigned.
  if (storedAlignment_->IsHorzAssigned()) Changed();
  storedAlignment_->Reset();
  assignedValues_->RestoreDefaults();
  EndUpdate(true);
}

void TkxCustomEditProperties::RunValidateEvent(TObject* ASender, TkxCustomEditProperties* AOwnProperties,
                                               TkxCustomEditProperties* ARepositoryProperties,
                                               const std::function<std::string()>& ACurrentDisplayText,
                                               Variant& DisplayValue, std::string& ErrorText, bool& Error) {
  const bool own = AOwnProperties != nullptr && AOwnProperties->OnValidate;
  const bool shared = ARepositoryProperties != nullptr && ARepositoryProperties->OnValidate;
  if (!own && !shared) return;
  const Variant before = DisplayValue;
  if (own) AOwnProperties->OnValidate(ASender, DisplayValue, ErrorText, Error);
  if (shared) ARepositoryProperties->OnValidate(ASender, DisplayValue, ErrorText, Error);
  if (Error && TextOf(DisplayValue) == TextOf(before)) DisplayValue = Variant(ACurrentDisplayText());
}

// --- Assign ---

void TkxCustomEditProperties::CopyBoundFrom(const TkxCustomEditProperties& Source) {
  TkxCustomEditPropertiesValues& own = *assignedValues_;
  const TkxCustomEditPropertiesValues& theirs = *Source.assignedValues_;
  own.SetMaxValue(false);
  if (theirs.MaxValue()) SetMaxValue(Source.maxValue_);
  own.SetMinValue(false);
  if (theirs.MinValue()) SetMinValue(Source.minValue_);
  own.SetReadOnly(false);
  if (theirs.ReadOnly()) SetReadOnly(Source.readOnly_);
}

void TkxCustomEditProperties::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TkxCustomEditProperties*>(Source);
  if (source == nullptr) return inherited::Assign(Source);
  BeginUpdate();
  try {
    SetAutoSelect(source->AutoSelect());
    buttons_->Assign(source->Buttons());
    SetButtonsViewStyle(source->ButtonsViewStyle());
    beepOnError_ = source->beepOnError_;
    clearKey_ = source->clearKey_;
    clickKey_ = source->clickKey_;
    SetUseLeftAlignmentOnEditing(source->UseLeftAlignmentOnEditing());
    provider_ = source->provider_;
    SetAlignment(source->Alignment());
    CopyBoundFrom(*source);
    immediatePost_ = source->immediatePost_;
    SetTransparent(source->Transparent());
    SetUseMouseWheel(source->UseMouseWheel());
    validateOnEnter_ = source->validateOnEnter_;
    OnButtonClick = source->OnButtonClick;
    OnChange = source->OnChange;
    OnEditValueChanged = source->OnEditValueChanged;
    OnValidate = source->OnValidate;
  } catch (...) {
    EndUpdate(true);
    throw;
  }
  EndUpdate(true);
}

// --- The editor family's classes and layout ---

TkxCustomEditViewDataClass TkxCustomEditProperties::GetViewDataClass() const {
  return [](TkxCustomEditProperties* AProperties, TkxContainerStyle* AStyle, bool AIsInplace) {
    return new TkxCustomEditViewData(AProperties, AStyle, AIsInplace);
  };
}

TkxEditViewInfoClass TkxCustomEditProperties::GetViewInfoClass() const {
  return []() -> TkxContainerViewInfo* { return new TkxCustomEditViewInfo(); };
}

TkxContainerStyleClass TkxCustomEditProperties::GetStyleClass() const { return &TkxEditStyle::Create; }

std::unique_ptr<TkxCustomEditViewData> TkxCustomEditProperties::CreateViewData(TkxContainerStyle* AStyle,
                                                                              bool AIsInplace, bool AHideText) {
  std::unique_ptr<TkxCustomEditViewData> viewData(GetViewDataClass()(this, AStyle, AIsInplace));
  viewData->HideText = AHideText;
  return viewData;
}

TSize TkxCustomEditProperties::MeasureEditValue(TCanvas* Canvas, TkxContainerStyle* AStyle, bool AIsInplace,
                                                const Variant& EditValue,
                                                const TkxEditSizeProperties& ASizeProperties) {
  return CreateViewData(AStyle, AIsInplace)->MeasureEditor(Canvas, EditValue, ASizeProperties);
}

void TkxCustomEditProperties::ValidateDisplayValue(Variant& DisplayValue, std::string& ErrorText, bool& Error,
                                                   TkxCustomEdit* AEdit) {
  if (!CanValidate()) return;
  if (ErrorText.empty()) ErrorText = GetInvalidInputText(0);
  RunValidateEvent(
      AEdit, AEdit->Properties(), AEdit->RepositoryProperties(), [AEdit] { return AEdit->ReadDisplayText(); },
      DisplayValue, ErrorText, Error);
}
