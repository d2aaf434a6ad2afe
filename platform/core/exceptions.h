// The exception classes of the class library.  `Exception` carries the user-visible `Message`; every
// library derives its own base class from it (EProGridError, ...).  The suite's procedural code
// (record-file engine, wrapper, settings) reports status codes instead and raises none of its own.
#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "platform/core/types.h"

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const { return message_; }
  void SetMessage(std::string message) { message_ = std::move(message); }
  // The class name as the class library reports it ("EConvertError"), used in error boxes and tests.
  virtual const char* ClassName() const { return "Exception"; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

#define PR_DECLARE_EXCEPTION(Name, Base)                                  \
  class Name : public Base {                                              \
   public:                                                                \
    using Base::Base;                                                     \
    const char* ClassName() const override { return #Name; }              \
  }

PR_DECLARE_EXCEPTION(EAbort, Exception);
PR_DECLARE_EXCEPTION(EConvertError, Exception);
PR_DECLARE_EXCEPTION(EListError, Exception);
PR_DECLARE_EXCEPTION(EOutOfResources, Exception);
PR_DECLARE_EXCEPTION(EInvalidCast, Exception);
PR_DECLARE_EXCEPTION(EInvalidOperation, Exception);
PR_DECLARE_EXCEPTION(EStreamError, Exception);
PR_DECLARE_EXCEPTION(EExternal, Exception);
PR_DECLARE_EXCEPTION(EMathError, EExternal);
PR_DECLARE_EXCEPTION(EOverflow, EMathError);
PR_DECLARE_EXCEPTION(EZeroDivide, EMathError);
PR_DECLARE_EXCEPTION(EInvalidOp, EMathError);
PR_DECLARE_EXCEPTION(ERangeError, Exception);
PR_DECLARE_EXCEPTION(EOutOfMemory, Exception);
// A failed Assert (platform/core/assertion.h): "<message> (<source file>, line <n>)".
PR_DECLARE_EXCEPTION(EAssertionFailed, Exception);

// An input/output failure of a classic typed or text file; ErrorCode is the IOResult it carries.
class EInOutError : public Exception {
 public:
  EInOutError(std::string message, Integer errorCode) : Exception(std::move(message)), errorCode_(errorCode) {}
  Integer ErrorCode() const { return errorCode_; }
  const char* ClassName() const override { return "EInOutError"; }

 private:
  Integer errorCode_;
};

// Raises EAbort with the class library's silent message; handlers show nothing for it.
[[noreturn]] void Abort();

// Raises EConvertError "'<text>' is not a valid <what>", the failure of every StrTo... conversion
// (`what`: "integer value", "floating point value", "date", "time", "date and time").
[[noreturn]] void RaiseNotValid(std::string_view text, const char* what);
