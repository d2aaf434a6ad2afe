#include "controls/editors/kx_text_value_types.h"

#include "controls/editors/value_buffer.h"
#include "controls/foundation/kx_variant_stream.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"

using namespace value_buffer;

namespace {

// Ordinal order with "no cell" first.
template <class Text>
Integer CompareCells(const void* data1, const void* data2) {
  const auto* a = static_cast<const Text*>(data1);
  const auto* b = static_cast<const Text*>(data2);
  if (a == nullptr || b == nullptr) return (a != nullptr) - (b != nullptr);
  return Sign(*a, *b);
}

std::u16string WideTextOf(const Variant& value) { return value.IsNull() ? std::u16string() : value.AsWideString(); }

}  // namespace

void TkxStringValueType::ReleaseBuffer(void* Buffer) const { FreeCell<std::string>(Buffer); }

Integer TkxStringValueType::GetBufferSize() const { return Integer(sizeof(void*)); }

void TkxStringValueType::ReadBufferValue(const void* Buffer, Variant& Value) const {
  DerefBuffer(Buffer);
  DataToVariant(Buffer, Value);
}

void TkxStringValueType::LoadValue(void* Buffer, TStream* Stream) const {
  StoreValue(Buffer, Variant(ReadStreamString(Stream)));
}

void TkxStringValueType::StoreValue(void* Buffer, const Variant& Value) const {
  EnsureCell<std::string>(Buffer) = VarToStr(Value);
}

void TkxStringValueType::SaveValue(const void* Buffer, TStream* Stream) const {
  const std::string* cell = CellOf<std::string>(Buffer);
  WriteStreamString(Stream, cell != nullptr ? *cell : std::string());
}

Integer TkxStringValueType::CompareData(const void* Data1, const void* Data2) const {
  return CompareCells<std::string>(Data1, Data2);
}

void TkxStringValueType::DataToVariant(const void* Data, Variant& Value) const {
  const auto* cell = static_cast<const std::string*>(Data);
  Value = cell != nullptr ? Variant(*cell) : Null();
}

void TkxStringValueType::DerefBuffer(const void*& Data) const { Data = CellOf<void>(Data); }

void TkxWideStringValueType::ReleaseBuffer(void* Buffer) const { FreeCell<std::u16string>(Buffer); }

void TkxWideStringValueType::LoadValue(void* Buffer, TStream* Stream) const {
  StoreValue(Buffer, Variant(ReadStreamWideString(Stream)));
}

void TkxWideStringValueType::StoreValue(void* Buffer, const Variant& Value) const {
  EnsureCell<std::u16string>(Buffer) = WideTextOf(Value);
}

void TkxWideStringValueType::SaveValue(const void* Buffer, TStream* Stream) const {
  const std::u16string* cell = CellOf<std::u16string>(Buffer);
  WriteStreamWideString(Stream, cell != nullptr ? Cp874ToUtf16(Utf16ToCp874(*cell)) : std::u16string());
}

Integer TkxWideStringValueType::CompareData(const void* Data1, const void* Data2) const {
  return CompareCells<std::u16string>(Data1, Data2);
}

void TkxWideStringValueType::DataToVariant(const void* Data, Variant& Value) const {
  const auto* cell = static_cast<const std::u16string*>(Data);
  Value = cell != nullptr ? Variant(*cell) : Null();
}
