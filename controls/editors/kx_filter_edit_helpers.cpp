#include "controls/editors/kx_filter_edit_helpers.h"

#include "controls/editors/kx_custom_edit.h"
#include "platform/classes/publisher.h"

PR_IMPLEMENT_CLASS(TkxCustomFilterEditHelper)

namespace {

std::unique_ptr<TkxFilterEditsController>& Controller() {
  static std::unique_ptr<TkxFilterEditsController> controller;
  return controller;
}

constexpr TkxFilterOperators OperatorsUpTo(Integer Last) {
  TkxFilterOperators operators = 0;
  for (Integer ordinal = 1; ordinal <= Last; ++ordinal) operators |= FilterOperatorBit(ordinal);
  return operators;
}

constexpr TkxFilterOperators kTextPatternOperators = FilterOperatorBit(7) | FilterOperatorBit(8);

}  // namespace

// --- TkxCustomFilterEditHelper ---

void TkxCustomFilterEditHelper::ClearPropertiesEvents(TkxCustomEditProperties* AProperties) const {
  if (AProperties == nullptr) return;
  AProperties->OnButtonClick.Clear();
  AProperties->OnChange.Clear();
  AProperties->OnEditValueChanged.Clear();
  AProperties->OnValidate.Clear();
}

void TkxCustomFilterEditHelper::InitializeFilterEdit(TkxCustomEdit* AEdit,
                                                     TkxCustomEditProperties* AEditProperties) const {
  InitializeProperties(AEdit->GetActiveProperties(), AEditProperties, KeepsButtons());
}

void TkxCustomFilterEditHelper::GetFilterValue(TkxCustomEdit* AEdit, TkxCustomEditProperties* AEditProperties,
                                               std::string& DisplayText, Variant& Value) const {
  Value = AEdit->GetEditValue();
  AEditProperties->FormatDisplayText(Value, false, true, DisplayText);
}

bool TkxCustomFilterEditHelper::KeepsDefaultValuesProvider(TkxCustomEditProperties*) const { return true; }

TkxFilterOperators TkxCustomFilterEditHelper::GetSupportedFilterOperators(TkxCustomEditProperties*,
                                                                          TkxValueTypeClass AValueTypeClass,
                                                                          bool AExtended) const {
  TkxFilterOperators operators = OperatorsUpTo(AExtended ? 14 : 10);
  if (AValueTypeClass == nullptr || !AValueTypeClass->IsTextType()) operators &= ~kTextPatternOperators;
  return operators;
}

void TkxCustomFilterEditHelper::InitializeProperties(TkxCustomEditProperties* AProperties,
                                                     TkxCustomEditProperties* AEditProperties, bool AHasButtons) const {
  AProperties->Assign(AEditProperties);
  AProperties->Alignment()->SetHorz(taLeftJustify);
  AProperties->Alignment()->SetVert(taTopJustify);
  AProperties->SetBeepOnError(false);
  if (!AHasButtons) AProperties->Buttons()->Clear();
  AProperties->SetReadOnly(false);
  AProperties->SetValidateOnEnter(true);
  if (!KeepsDefaultValuesProvider(AEditProperties)) AProperties->SetDefaultValuesProvider(nullptr);
  ClearPropertiesEvents(AProperties);
}

bool TkxCustomFilterEditHelper::IsValueValid(TkxValueTypeClass AValueTypeClass, Variant& Value) const {
  return AValueTypeClass->CanConvert(Value);
}

// --- TkxFilterEditsController ---

void TkxFilterEditsController::RegisterPair(TClass AItemClass, TClass ARegisteredClass) {
  TkxRegisteredClassList::RegisterPair(AItemClass->ClassParent(), ARegisteredClass);
}

void TkxFilterEditsController::UnregisterPair(TClass AItemClass, TClass ARegisteredClass) {
  TkxRegisteredClassList::UnregisterPair(AItemClass->ClassParent(), ARegisteredClass);
  if (GetCount() == 0 && Controller().get() == this) Controller().reset();   // frees this object: nothing follows
}

TkxCustomFilterEditHelperClass TkxFilterEditsController::FindHelper(TClass APropertiesClass) const {
  Integer index = -1;
  return FindPosition(APropertiesClass, index) ? GetItem(index).RegisteredClass : nullptr;
}

TkxFilterEditsController* GetFilterEditsController() {
  if (Controller() == nullptr) Controller() = std::make_unique<TkxFilterEditsController>();
  return Controller().get();
}

std::unique_ptr<TkxCustomFilterEditHelper> MakeFilterEditHelper(TkxCustomFilterEditHelperClass AHelperClass) {
  return std::unique_ptr<TkxCustomFilterEditHelper>(CreateInstance<TkxCustomFilterEditHelper>(AHelperClass));
}
