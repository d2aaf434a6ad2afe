// The member table of an automation object and the binding of one late-bound call to it: the
// member found by name (ASCII case ignored) and kind, and its arguments put in parameter order,
// named ones by their parameter's name.  Used by the objects of automation servers.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/shims/automation.h"

struct TMemberSpec {
  std::string_view name;
  WORD kind;                                    // DISPATCH_METHOD or DISPATCH_PROPERTYGET
  std::span<const std::string_view> params;     // the parameters' names, in position order
  std::size_t required;                         // how many of them a call must give
};

struct TBoundCall {
  std::size_t member;          // index in the table
  std::vector<Variant> args;   // one per parameter, Empty where the call gave none
};

// The call bound to its member.  EOleError for a name not in the table; EOleSysError
// DISP_E_MEMBERNOTFOUND when `flags` do not ask for the member's kind, DISP_E_BADPARAMCOUNT for too
// many or too few arguments, DISP_E_PARAMNOTFOUND for a named argument the member has not (or one
// given twice).
TBoundCall BindCall(std::span<const TMemberSpec> members, std::string_view name, WORD flags,
                    std::span<const Variant> args, std::span<const TNamedArg> named);

// An argument as text or as a Boolean; EOleSysError DISP_E_TYPEMISMATCH when it converts to none.
std::string TextArgument(const Variant& arg);
bool BooleanArgument(const Variant& arg);

// EOleSysError RPC_E_DISCONNECTED: the object's workbook was closed or its server quit.
[[noreturn]] void RaiseDisconnected();
