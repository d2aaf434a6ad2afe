#include "platform/shims/automation.h"

#include "platform/core/ansi_strings.h"
#include "platform/shims/ole_init.h"
#include "platform/shims/worksheet_server.h"

namespace {

struct TAutomationServer {
  std::string_view progId;
  std::shared_ptr<IDispatch> (*create)();
  bool absent;
};

TAutomationServer gServers[] = {
    {"excel.application", &CreateWorksheetApplication, false},
};

TAutomationServer* FindServer(std::string_view progId) {
  for (TAutomationServer& server : gServers)
    if (SameText(server.progId, progId)) return &server;
  return nullptr;
}

}  // namespace

Variant CreateOleObject(std::string_view progId) {
  if (!ole::OleInitializedOnThisThread()) throw EOleSysError("CoInitialize has not been called.", CO_E_NOTINITIALIZED);
  const TAutomationServer* server = FindServer(progId);
  if (server == nullptr || server->absent) throw EOleSysError("Invalid class string", CO_E_CLASSSTRING);
  return Variant(server->create());
}

Variant DispatchInvoke(const Variant& object, std::string_view name, std::initializer_list<Variant> args,
                       std::initializer_list<TNamedArg> named) {
  if (object.VarType() != varDispatch) throw EVariantInvalidOpError("Invalid variant operation");
  const std::shared_ptr<IDispatch> target = object.AsDispatch();   // kept alive through the call
  return target->Invoke(name, DISPATCH_METHOD | DISPATCH_PROPERTYGET, std::span(args.begin(), args.size()),
                        std::span(named.begin(), named.size()));
}

bool SetAutomationServerAbsent(std::string_view progId, bool absent) {
  TAutomationServer* server = FindServer(progId);
  if (server == nullptr) return false;
  server->absent = absent;
  return true;
}
