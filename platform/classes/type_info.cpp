// Built-in type information and the enumeration and set conversions.
#include "platform/classes/type_info.h"

#include <limits>

#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/core/format.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/int_text.h"

namespace {

TTypeInfo Ordinal(TTypeKind kind, const char* name, TOrdType ordType, Int64 minValue, Int64 maxValue) {
  TTypeInfo info;
  info.Kind = kind;
  info.Name = name;
  info.OrdType = ordType;
  info.MinValue = minValue;
  info.MaxValue = maxValue;
  return info;
}

template <class T>
TTypeInfo Integral(const char* name, TOrdType ordType) {
  return Ordinal(tkInteger, name, ordType, std::numeric_limits<T>::min(), std::numeric_limits<T>::max());
}

TTypeInfo Simple(TTypeKind kind, const char* name) {
  TTypeInfo info;
  info.Kind = kind;
  info.Name = name;
  return info;
}

TTypeInfo Float(const char* name, TFloatType floatType) {
  TTypeInfo info = Simple(tkFloat, name);
  info.FloatType = floatType;
  return info;
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view TrimView(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

const TTypeInfo* TypeInfoOf(TTypeTag<bool>) {
  static const TTypeInfo info = MakeEnumTypeInfo("Boolean", "False, True");
  return &info;
}
const TTypeInfo* TypeInfoOf(TTypeTag<char>) {
  static const TTypeInfo info = Ordinal(tkChar, "Char", otUByte, 0, 255);
  return &info;
}
const TTypeInfo* TypeInfoOf(TTypeTag<char16_t>) {
  static const TTypeInfo info = Ordinal(tkWChar, "WideChar", otUWord, 0, 65535);
  return &info;
}
const TTypeInfo* TypeInfoOf(TTypeTag<ShortInt>) {
  static const TTypeInfo info = Integral<ShortInt>("ShortInt", otSByte);
  return &info;
}
const TTypeInfo* TypeInfoOf(TTypeTag<Byte>) {
  static const TTypeInfo info = Integral<Byte>("Byte", otUByte);
  return &info;
}
const TTypeInfo* TypeInfoOf(TTypeTag<SmallInt>) {
  static const TTypeInfo info = Integral<SmallInt>("SmallInt", otSWord);
  return &info;
}
const TTypeInfo* TypeInfoOf(TTypeTag<Word>) {
  static const TTypeInfo info = Integral<Word>("Word", otUWord);
  return &info;
}
const TTypeInfo* TypeInfoOf(TTypeTag<Integer>) {
  static const TTypeInfo info = Integral<Integer>("Integer", otSLong);
  return &info;
}
const TTypeInfo* TypeInfoOf(TTypeTag<Cardinal>) {
  static const TTypeInfo info = Integral<Cardinal>("Cardinal", otULong);
  return &info;
}
const TTypeInfo* TypeInfoOf(TTypeTag<Int64>) {
  static const TTypeInfo info = Ordinal(tkInt64, "Int64", otSLong, std::numeric_limits<Int64>::min(),
                                        std::numeric_limits<Int64>::max());
  return &info;
}
const TTypeInfo* TypeInfoOf(TTypeTag<float>) {
  static const TTypeInfo info = Float("Single", ftSingle);
  return &info;
}
const TTypeInfo* TypeInfoOf(TTypeTag<double>) {
  static const TTypeInfo info = Float("Double", ftDouble);
  return &info;
}
const TTypeInfo* TypeInfoOf(TTypeTag<Currency>) {
  static const TTypeInfo info = Float("Currency", ftCurr);
  return &info;
}
const TTypeInfo* DateTimeTypeInfo() {
  static const TTypeInfo info = Float("TDateTime", ftDouble);
  return &info;
}
const TTypeInfo* ExtendedTypeInfo() {
  static const TTypeInfo info = Float("Extended", ftExtended);
  return &info;
}
const TTypeInfo* TypeInfoOf(TTypeTag<std::string>) {
  static const TTypeInfo info = Simple(tkLString, "string");
  return &info;
}
const TTypeInfo* TypeInfoOf(TTypeTag<std::u16string>) {
  static const TTypeInfo info = Simple(tkWString, "WideString");
  return &info;
}

TTypeInfo MakeEnumTypeInfo(std::string_view name, std::string_view identifiers) {
  TTypeInfo info = Ordinal(tkEnumeration, "", otUByte, 0, -1);
  info.Name = std::string(name);
  while (!identifiers.empty()) {
    const std::size_t comma = identifiers.find(',');
    info.Names.emplace_back(TrimView(identifiers.substr(0, comma)));
    identifiers = comma == std::string_view::npos ? std::string_view{} : identifiers.substr(comma + 1);
  }
  info.MaxValue = static_cast<Int64>(info.Names.size()) - 1;
  if (info.Names.size() > 256) info.OrdType = otUWord;
  return info;
}

TTypeInfo MakeSetTypeInfo(const TTypeInfo* compType) {
  TTypeInfo info = Simple(tkSet, "");
  info.Name = "set of " + compType->Name;
  info.OrdType = otULong;
  info.CompType = compType;
  return info;
}

std::string GetEnumName(const TTypeInfo* typeInfo, Integer value) {
  if (typeInfo->Kind != tkEnumeration) return IntToStr(value);
  if (value < 0 || value >= static_cast<Integer>(typeInfo->Names.size())) return {};
  return typeInfo->Names[value];
}

Integer GetEnumValue(const TTypeInfo* typeInfo, std::string_view name) {
  if (typeInfo->Kind != tkEnumeration) return StrToIntDef(name, -1);
  for (std::size_t i = 0; i < typeInfo->Names.size(); ++i)
    if (SameText(typeInfo->Names[i], name)) return static_cast<Integer>(i);
  return -1;
}

std::string SetToString(const TTypeInfo* setType, UInt64 mask, bool brackets) {
  std::string text;
  const auto& names = setType->CompType->Names;
  for (std::size_t i = 0; i < names.size() && i < 64; ++i) {
    if ((mask & (UInt64{1} << i)) == 0) continue;
    if (!text.empty()) text += ',';
    text += names[i];
  }
  return brackets ? "[" + text + "]" : text;
}

UInt64 StringToSet(const TTypeInfo* setType, std::string_view text) {
  text = TrimView(text);
  if (!text.empty() && text.front() == '[') text.remove_prefix(1);
  if (!text.empty() && text.back() == ']') text.remove_suffix(1);
  UInt64 mask = 0;
  while (!TrimView(text).empty()) {
    const std::size_t comma = text.find(',');
    const std::string_view item = TrimView(text.substr(0, comma));
    const Integer value = GetEnumValue(setType->CompType, item);
    if (value < 0 || value >= 64)
      throw EPropertyConvertError(Format(classes_text::kInvalidPropertyElement, {item}));
    mask |= UInt64{1} << value;
    text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
  }
  return mask;
}
