#include "controls/editors/kx_value_types_unit.h"

#include <array>

#include "controls/editors/kx_custom_value_types.h"
#include "controls/editors/kx_number_value_types.h"
#include "controls/editors/kx_object_value_type.h"
#include "controls/editors/kx_text_value_types.h"
#include "controls/editors/kx_variant_value_type.h"

namespace {

std::array<TkxValueTypeClass, 14> RegisteredClasses() {
  return {ValueTypeClassOf<TkxStringValueType>(),     ValueTypeClassOf<TkxWideStringValueType>(),
          ValueTypeClassOf<TkxSmallintValueType>(),   ValueTypeClassOf<TkxIntegerValueType>(),
          ValueTypeClassOf<TkxWordValueType>(),       ValueTypeClassOf<TkxBooleanValueType>(),
          ValueTypeClassOf<TkxFloatValueType>(),      ValueTypeClassOf<TkxCurrencyValueType>(),
          ValueTypeClassOf<TkxDateTimeValueType>(),   ValueTypeClassOf<TkxLargeIntValueType>(),
          ValueTypeClassOf<TkxFMTBcdValueType>(),     ValueTypeClassOf<TkxSQLTimeStampValueType>(),
          ValueTypeClassOf<TkxVariantValueType>(),    ValueTypeClassOf<TkxObjectValueType>()};
}

void RegisterValueTypes() {
  for (TkxValueTypeClass cls : RegisteredClasses()) GetValueTypeClassList()->Register(cls);
}

void UnregisterValueTypes() {
  const auto classes = RegisteredClasses();
  for (auto it = classes.rbegin(); it != classes.rend(); ++it) GetValueTypeClassList()->Unregister(*it);
  FreeValueTypeClassList();
}

}  // namespace

const Unit kxValueTypesUnit = {"kxValueTypes", RegisterValueTypes, UnregisterValueTypes};
