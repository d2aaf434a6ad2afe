// The automation layer: objects made from a program identifier and reached by late binding,
// that is by member names resolved when the call is made.
//
// An automation object implements IDispatch and lives as long as some Variant (varDispatch,
// platform/core/variant.h) refers to it; a member call answers a Variant, which may hold another
// object.  Member names are matched ignoring ASCII case.  Positional arguments travel in the
// caller's order; named arguments by name.
//
// Errors are the class library's automation exceptions, all EOleError:
//   EOleError      a member the object does not have ("Method 'X' not supported by automation
//                  object")
//   EOleSysError   a call the object refused, with its HRESULT: CO_E_CLASSSTRING "Invalid class
//                  string" (no server for the identifier), CO_E_NOTINITIALIZED (OLE not set up on
//                  the thread), DISP_E_BADPARAMCOUNT, DISP_E_PARAMNOTFOUND, DISP_E_TYPEMISMATCH,
//                  DISP_E_MEMBERNOTFOUND, RPC_E_DISCONNECTED (the object was closed or its server
//                  quit)
//   EOleException  an error the server raised while doing what was asked (DISP_E_EXCEPTION),
//                  with the server's own message
// A late-bound call on a Variant that holds no object raises EVariantInvalidOpError.
//
// The servers registered (automation.cpp): "excel.application", the worksheet server
// (worksheet_server.h).  Tests take a server away with SetAutomationServerAbsent.  Interface
// thread only.
#pragma once

#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/core/exceptions.h"
#include "platform/core/variant.h"
#include "platform/shims/ole_types.h"

inline constexpr WORD DISPATCH_METHOD = 0x1, DISPATCH_PROPERTYGET = 0x2, DISPATCH_PROPERTYPUT = 0x4;

inline constexpr HRESULT CO_E_CLASSSTRING = HRESULT(0x800401F3), DISP_E_MEMBERNOTFOUND = HRESULT(0x80020003),
                         DISP_E_PARAMNOTFOUND = HRESULT(0x80020004), DISP_E_TYPEMISMATCH = HRESULT(0x80020005),
                         DISP_E_EXCEPTION = HRESULT(0x80020009),
                         DISP_E_BADPARAMCOUNT = HRESULT(0x8002000E), RPC_E_DISCONNECTED = HRESULT(0x80010108);

PR_DECLARE_EXCEPTION(EOleError, Exception);

class EOleSysError : public EOleError {
 public:
  EOleSysError(std::string message, HRESULT errorCode) : EOleError(std::move(message)), errorCode_(errorCode) {}
  HRESULT ErrorCode() const { return errorCode_; }
  const char* ClassName() const override { return "EOleSysError"; }

 private:
  HRESULT errorCode_;
};

class EOleException : public EOleSysError {
 public:
  explicit EOleException(std::string message) : EOleSysError(std::move(message), DISP_E_EXCEPTION) {}
  const char* ClassName() const override { return "EOleException"; }
};

struct TNamedArg {
  std::string Name;
  Variant Value;
};

class IDispatch {
 public:
  virtual ~IDispatch() = default;
  // Calls the member `name` as a method or reads it as a property (DISPATCH_ flags: a late-bound
  // call passes DISPATCH_METHOD | DISPATCH_PROPERTYGET, since the caller cannot tell which it is).
  virtual Variant Invoke(std::string_view name, WORD flags, std::span<const Variant> args,
                         std::span<const TNamedArg> named) = 0;
};

// A new object of the server registered under `progId` (ASCII case ignored), as a Dispatch Variant.
Variant CreateOleObject(std::string_view progId);

// The late-bound call `object.name(args, named)` as a method or property get.
Variant DispatchInvoke(const Variant& object, std::string_view name, std::initializer_list<Variant> args = {},
                       std::initializer_list<TNamedArg> named = {});

// Makes the server registered under `progId` absent (CreateOleObject then fails as for an unknown
// identifier) or present again.  False for an identifier nothing is registered under.
bool SetAutomationServerAbsent(std::string_view progId, bool absent);
