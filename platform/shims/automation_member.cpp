#include "platform/shims/automation_member.h"

#include "platform/core/ansi_strings.h"
#include "platform/core/format.h"

namespace {

std::size_t FindMember(std::span<const TMemberSpec> members, std::string_view name) {
  for (std::size_t i = 0; i < members.size(); ++i)
    if (SameText(members[i].name, name)) return i;
  throw EOleError(Format("Method '%s' not supported by automation object", {std::string(name)}));
}

std::size_t ParameterIndex(const TMemberSpec& member, std::string_view name) {
  for (std::size_t i = 0; i < member.params.size(); ++i)
    if (SameText(member.params[i], name)) return i;
  throw EOleSysError("Parameter not found.", DISP_E_PARAMNOTFOUND);
}

template <class Convert>
auto Converted(Convert convert) {
  try {
    return convert();
  } catch (const EVariantError&) {
    throw EOleSysError("Type mismatch.", DISP_E_TYPEMISMATCH);
  }
}

}  // namespace

TBoundCall BindCall(std::span<const TMemberSpec> members, std::string_view name, WORD flags,
                    std::span<const Variant> args, std::span<const TNamedArg> named) {
  TBoundCall call{FindMember(members, name), {}};
  const TMemberSpec& member = members[call.member];
  if ((flags & member.kind) == 0) throw EOleSysError("Member not found.", DISP_E_MEMBERNOTFOUND);
  if (args.size() + named.size() > member.params.size())
    throw EOleSysError("Invalid number of parameters.", DISP_E_BADPARAMCOUNT);
  call.args.assign(args.begin(), args.end());
  call.args.resize(member.params.size());
  std::vector<bool> given(member.params.size(), false);
  std::fill(given.begin(), given.begin() + std::ptrdiff_t(args.size()), true);
  for (const TNamedArg& arg : named) {
    const std::size_t index = ParameterIndex(member, arg.Name);
    if (given[index]) throw EOleSysError("Parameter not found.", DISP_E_PARAMNOTFOUND);
    given[index] = true;
    call.args[index] = arg.Value;
  }
  for (std::size_t i = 0; i < member.required; ++i)
    if (!given[i]) throw EOleSysError("Invalid number of parameters.", DISP_E_BADPARAMCOUNT);
  return call;
}

std::string TextArgument(const Variant& arg) {
  return Converted([&] { return arg.AsString(); });
}

bool BooleanArgument(const Variant& arg) {
  return Converted([&] { return arg.AsBoolean(); });
}

void RaiseDisconnected() {
  throw EOleSysError("The object invoked has disconnected from its clients.", RPC_E_DISCONNECTED);
}
