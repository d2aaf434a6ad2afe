// Run-time type information of published property types: kinds, ordinal ranges, enumeration
// identifiers, set element types, float types, classes and event signatures.
//
// Every type a published property uses has one TTypeInfo, reached through TypeInfo<T>():
// built-in types are answered here, enumerations declare theirs with PR_ENUM (or PR_ENUM_TYPEINFO
// for an enumeration declared elsewhere), sets, classes and events get theirs from their element,
// class or signature.  Invariants: an enumeration's values run 0 .. Names.size() - 1 without gaps;
// a set's CompType is an enumeration of at most 64 values; type infos live for the whole program.
#pragma once

#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "platform/core/types.h"

struct TMetaClass;
using TClass = const TMetaClass*;

enum TTypeKind : Byte {
  tkUnknown, tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet, tkClass, tkMethod,
  tkWChar, tkLString, tkWString, tkVariant, tkArray, tkRecord, tkInterface, tkInt64, tkDynArray
};
enum TOrdType : Byte { otSByte, otUByte, otSWord, otUWord, otSLong, otULong };
enum TFloatType : Byte { ftSingle, ftDouble, ftExtended, ftComp, ftCurr };

struct TTypeInfo {
  TTypeKind Kind = tkUnknown;
  std::string Name;
  // Ordinal types (integers, characters, enumerations): storage and range.
  TOrdType OrdType = otSLong;
  Int64 MinValue = 0;
  Int64 MaxValue = 0;
  std::vector<std::string> Names;             // enumeration identifiers, by value
  const TTypeInfo* CompType = nullptr;        // set: the element enumeration
  TFloatType FloatType = ftDouble;            // float
  TClass (*ClassRef)() = nullptr;             // class: resolved on use (classes may refer to each other)
  const std::type_info* Signature = nullptr;  // method: the event's call signature

  TClass ClassType() const { return ClassRef ? ClassRef() : nullptr; }
};

template <class T>
struct TTypeTag {};

// The type information of T; a compile error names a type that has none.
template <class T>
const TTypeInfo* TypeInfo() {
  return TypeInfoOf(TTypeTag<T>{});
}

const TTypeInfo* TypeInfoOf(TTypeTag<bool>);
const TTypeInfo* TypeInfoOf(TTypeTag<char>);
const TTypeInfo* TypeInfoOf(TTypeTag<char16_t>);
const TTypeInfo* TypeInfoOf(TTypeTag<ShortInt>);
const TTypeInfo* TypeInfoOf(TTypeTag<Byte>);
const TTypeInfo* TypeInfoOf(TTypeTag<SmallInt>);
const TTypeInfo* TypeInfoOf(TTypeTag<Word>);
const TTypeInfo* TypeInfoOf(TTypeTag<Integer>);
const TTypeInfo* TypeInfoOf(TTypeTag<Cardinal>);
const TTypeInfo* TypeInfoOf(TTypeTag<Int64>);
const TTypeInfo* TypeInfoOf(TTypeTag<float>);
const TTypeInfo* TypeInfoOf(TTypeTag<double>);
const TTypeInfo* TypeInfoOf(TTypeTag<std::string>);
const TTypeInfo* TypeInfoOf(TTypeTag<std::u16string>);
class Currency;
const TTypeInfo* TypeInfoOf(TTypeTag<Currency>);

// TDateTime is a double in C++; properties of that type name this info explicitly, so that they
// stream as dates.  Extended names the 80-bit float type for properties declared with it.
const TTypeInfo* DateTimeTypeInfo();
const TTypeInfo* ExtendedTypeInfo();

// Builders used by the declaration macros and the property publisher.
TTypeInfo MakeEnumTypeInfo(std::string_view name, std::string_view commaSeparatedIdentifiers);
TTypeInfo MakeSetTypeInfo(const TTypeInfo* compType);

// The identifier of an enumeration value ("" when out of range); an integer type gives the
// number's text.  GetEnumValue ignores ASCII case and answers -1 for an unknown identifier.
std::string GetEnumName(const TTypeInfo* typeInfo, Integer value);
Integer GetEnumValue(const TTypeInfo* typeInfo, std::string_view name);

// Sets as text: "[fsBold,fsItalic]" (brackets optional when reading, blanks ignored).
std::string SetToString(const TTypeInfo* setType, UInt64 mask, bool brackets = true);
// Raises EPropertyConvertError "Invalid property element: %s" for an unknown identifier.
UInt64 StringToSet(const TTypeInfo* setType, std::string_view text);

// Declares an enumeration of the class library's kind (byte-sized, values from 0) with its type
// information:  PR_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter);
#define PR_ENUM(Name, ...)              \
  enum Name : Byte { __VA_ARGS__ };     \
  PR_ENUM_TYPEINFO(Name, __VA_ARGS__)

// Type information for an enumeration declared elsewhere; list its identifiers in value order.
#define PR_ENUM_TYPEINFO(Name, ...)                                                  \
  inline const TTypeInfo* TypeInfoOf(TTypeTag<Name>) {                               \
    static const TTypeInfo info = MakeEnumTypeInfo(#Name, #__VA_ARGS__);             \
    return &info;                                                                     \
  }

PR_ENUM_TYPEINFO(TTypeKind, tkUnknown, tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet,
                 tkClass, tkMethod, tkWChar, tkLString, tkWString, tkVariant, tkArray, tkRecord,
                 tkInterface, tkInt64, tkDynArray)
PR_ENUM_TYPEINFO(TOrdType, otSByte, otUByte, otSWord, otUWord, otSLong, otULong)
PR_ENUM_TYPEINFO(TFloatType, ftSingle, ftDouble, ftExtended, ftComp, ftCurr)

template <class E>
class TSet;
template <class E>
const TTypeInfo* TypeInfoOf(TTypeTag<TSet<E>>) {
  static const TTypeInfo info = MakeSetTypeInfo(TypeInfo<E>());
  return &info;
}
