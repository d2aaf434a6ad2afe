#include "controls/editors/kx_variant_value_type.h"

#include "controls/editors/value_buffer.h"
#include "controls/foundation/kx_variants.h"

using namespace value_buffer;

void TkxVariantValueType::ReleaseBuffer(void* Buffer) const { FreeCell<Variant>(Buffer); }

Integer TkxVariantValueType::GetBufferSize() const { return Integer(sizeof(void*)); }

void TkxVariantValueType::ReadBufferValue(const void* Buffer, Variant& Value) const {
  DerefBuffer(Buffer);
  DataToVariant(Buffer, Value);
}

void TkxVariantValueType::StoreValue(void* Buffer, const Variant& Value) const { EnsureCell<Variant>(Buffer) = Value; }

Integer TkxVariantValueType::CompareData(const void* Data1, const void* Data2) const {
  const auto* a = static_cast<const Variant*>(Data1);
  const auto* b = static_cast<const Variant*>(Data2);
  if (a == nullptr || b == nullptr) return (a != nullptr) - (b != nullptr);
  return CompareVariants(*a, *b);
}

void TkxVariantValueType::DataToVariant(const void* Data, Variant& Value) const {
  const auto* cell = static_cast<const Variant*>(Data);
  Value = cell != nullptr ? *cell : Null();
}

void TkxVariantValueType::DerefBuffer(const void*& Data) const { Data = CellOf<void>(Data); }
