// Identifiers for integer values of named integer types (a colour "clRed", a cursor "crDefault"):
// the component stream writes such a property as an identifier when its type has registered
// converters and the value has a name, and reads either form.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/classes/type_info.h"

struct TIdentMapEntry {
  Integer Value;
  const char* Name;
};

using TIdentToInt = bool (*)(std::string_view Ident, Integer& Int);
using TIntToIdent = bool (*)(Integer Int, std::string& Ident);

// Lookups in a map (identifiers ignore ASCII case).
bool IdentToInt(std::string_view Ident, Integer& Int, std::span<const TIdentMapEntry> Map);
bool IntToIdent(Integer Int, std::string& Ident, std::span<const TIdentMapEntry> Map);

// IntegerType is the type information a property names with .Type(...) in its publisher.
void RegisterIntegerConsts(const TTypeInfo* IntegerType, TIdentToInt IdentToIntFn, TIntToIdent IntToIdentFn);
TIdentToInt FindIdentToInt(const TTypeInfo* IntegerType);
TIntToIdent FindIntToIdent(const TTypeInfo* IntegerType);
// Convenience over the registered converters: false when none applies.
bool IdentToIntegerConst(const TTypeInfo* IntegerType, std::string_view Ident, Integer& Int);
bool IntegerConstToIdent(const TTypeInfo* IntegerType, Integer Int, std::string& Ident);
