// Filter-edit helpers (unit kxFilterEditHelpers): which editor a filter control shows for a column,
// how its properties are prepared from the column editor's and which comparison operators it offers.
// Each editor family has a helper class; the controller maps properties classes to helper classes.
//
// A properties class is registered under its parent class (the published TkxTextEditProperties
// under TkxCustomTextEditProperties), so a lookup by the custom class, or by any descendant, finds
// the helper.  Helpers hold no state: a helper object is made from its class for each use.  The
// controller is made on first use and freed when its last pair is unregistered.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/editors/kx_edit_properties.h"
#include "controls/editors/kx_value_type.h"
#include "controls/foundation/kx_registered_class_list.h"

// A set of filter operators: bit n for the operator of ordinal n (up to 40 ordinals; 1 to 14 are
// used, 7 and 8 are the text-pattern operators).
using TkxFilterOperators = std::uint64_t;
inline constexpr TkxFilterOperators FilterOperatorBit(Integer Ordinal) {
  return Ordinal >= 0 && Ordinal < 40 ? TkxFilterOperators(1) << Ordinal : 0;
}

class TkxCustomEdit;

class TkxCustomFilterEditHelper : public TObject {
  PR_CLASS(TkxCustomFilterEditHelper, TObject)

 public:
  // Clears OnButtonClick, OnChange, OnEditValueChanged and OnValidate; nothing for null.
  virtual void ClearPropertiesEvents(TkxCustomEditProperties* AProperties) const;
  // Prepares the filter editor's active properties from the column editor's (InitializeProperties
  // with KeepsButtons).
  virtual void InitializeFilterEdit(TkxCustomEdit* AEdit, TkxCustomEditProperties* AEditProperties) const;
  virtual bool KeepsDefaultValuesProvider(TkxCustomEditProperties* AEditProperties) const;
  virtual bool KeepsButtons() const { return false; }
  // The editor class the filter control shows; none in the base.
  virtual TClass GetFilterEditorClass() const { return nullptr; }
  // Value: the filter editor's edit value; DisplayText: the column properties' text of it (not
  // focused, by focus).
  virtual void GetFilterValue(TkxCustomEdit* AEdit, TkxCustomEditProperties* AEditProperties, std::string& DisplayText,
                              Variant& Value) const;
  // 1 to 14 when AExtended, else 1 to 10; the text-pattern operators 7 and 8 only for a text
  // value type.
  virtual TkxFilterOperators GetSupportedFilterOperators(TkxCustomEditProperties* AProperties,
                                                         TkxValueTypeClass AValueTypeClass, bool AExtended) const;
  // AProperties takes AEditProperties' settings, then is made fit for a filter: left and top
  // alignment, no beep, no buttons unless AHasButtons, writable, validated on Enter, no provider
  // unless KeepsDefaultValuesProvider, and none of the column editor's handlers.
  virtual void InitializeProperties(TkxCustomEditProperties* AProperties, TkxCustomEditProperties* AEditProperties,
                                    bool AHasButtons) const;
  // The value type's CanConvert.
  virtual bool IsValueValid(TkxValueTypeClass AValueTypeClass, Variant& Value) const;
  virtual void SetFilterValue(TkxCustomEdit*, TkxCustomEditProperties*, const Variant&) const {}
  virtual bool UseDisplayValue() const { return false; }
};

using TkxCustomFilterEditHelperClass = TClass;

class TkxFilterEditsController : public TkxRegisteredClassList {
 public:
  // Both work on AItemClass's parent class.
  void RegisterPair(TClass AItemClass, TClass ARegisteredClass) override;
  // Frees the controller when the list is left empty: nothing of it may be used afterwards.
  void UnregisterPair(TClass AItemClass, TClass ARegisteredClass) override;
  // The helper class of the nearest registered ancestor of the properties class; null when none.
  TkxCustomFilterEditHelperClass FindHelper(TClass APropertiesClass) const;
};

// The unit's controller, made on first use.
TkxFilterEditsController* GetFilterEditsController();
// A helper object of the class, for one use.
std::unique_ptr<TkxCustomFilterEditHelper> MakeFilterEditHelper(TkxCustomFilterEditHelperClass AHelperClass);
