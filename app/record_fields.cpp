#include "app/record_fields.h"

#include <algorithm>
#include <cassert>
#include <cstring>

#include "platform/core/extended80_text.h"

std::string GetFieldText(const Byte* record, Integer offset, Integer width) {
  const Integer length = std::min<Integer>(record[offset], width);
  return std::string(reinterpret_cast<const char*>(record + offset + 1), static_cast<size_t>(length));
}

void SetFieldText(Byte* record, Integer offset, Integer width, std::string_view text) {
  const size_t length = std::min(text.size(), static_cast<size_t>(width));
  std::memset(record + offset, 0, static_cast<size_t>(width) + 1);
  record[offset] = static_cast<Byte>(length);
  std::memcpy(record + offset + 1, text.data(), length);
}

Extended80 GetFieldFloat(const Byte* record, Integer offset) { return Extended80::Load(record + offset); }

void SetFieldFloat(Byte* record, Integer offset, const Extended80& value) { value.Store(record + offset); }

void SetFieldDecimal(Byte* record, Integer offset, std::string_view decimal) {
  Extended80 value;
  const bool read = TextToExtended80(decimal, value);
  assert(read && "decimal constants of the record layouts are plain numbers");
  (void)read;
  value.Store(record + offset);
}

bool FieldFloatIsZero(const Byte* record, Integer offset) {
  // A zero mantissa is the number 0 with any exponent but the one of infinities and NaNs.
  const Extended80 value = GetFieldFloat(record, offset);
  return value.Mantissa() == 0 && value.BiasedExponent() != Extended80::kMaxExponent;
}

void SetFieldInt16(Byte* record, Integer offset, SmallInt value) {
  const auto bits = static_cast<Word>(value);
  record[offset] = static_cast<Byte>(bits & 0xFF);
  record[offset + 1] = static_cast<Byte>(bits >> 8);
}
