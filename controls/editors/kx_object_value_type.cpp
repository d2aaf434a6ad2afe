#include "controls/editors/kx_object_value_type.h"

#include <cstdint>

#include "controls/editors/value_buffer.h"
#include "platform/classes/object.h"
#include "platform/core/format.h"

using namespace value_buffer;

void TkxObjectValueType::ReleaseBuffer(void* Buffer) const {
  FreeObject(Load<TObject*>(Buffer));
  Store<TObject*>(Buffer, nullptr);
}

Integer TkxObjectValueType::GetBufferSize() const { return Integer(sizeof(TObject*)); }

void TkxObjectValueType::ReadBufferValue(const void* Buffer, Variant& Value) const {
  Value = Variant::FromInteger(varInt64, Int64(reinterpret_cast<std::uintptr_t>(Load<TObject*>(Buffer))));
}

void TkxObjectValueType::LoadValue(void*, TStream*) const {}

void TkxObjectValueType::StoreValue(void*, const Variant& Value) const {
  throw EVariantTypeCastError(
      Format("Could not convert variant of type (%s) into type (Object)", {VarTypeAsText(Value.VarType())}));
}

void TkxObjectValueType::SaveValue(const void*, TStream*) const {}

Integer TkxObjectValueType::CompareData(const void* Data1, const void* Data2) const {
  return Sign(reinterpret_cast<std::uintptr_t>(Load<TObject*>(Data1)),
              reinterpret_cast<std::uintptr_t>(Load<TObject*>(Data2)));
}
