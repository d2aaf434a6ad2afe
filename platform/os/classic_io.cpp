// The classic I/O status; see classic_io.h.
#include "platform/os/classic_io.h"

#include "platform/core/exceptions.h"
#include "platform/core/win_errors.h"
#include "platform/os/folders.h"
#include "platform/os/os_error.h"

Byte FileMode = 2;

namespace {

thread_local Integer inOutRes = 0;
thread_local bool ioChecks = false;

[[noreturn]] void Raise(Integer code) {
  inOutRes = 0;
  throw EInOutError(InOutErrorMessage(code), code);
}

}  // namespace

Integer IOResult() {
  const Integer result = inOutRes;
  inOutRes = 0;
  return result;
}

IOCheckScope::IOCheckScope(bool raise) : saved_(ioChecks) { ioChecks = raise; }
IOCheckScope::~IOCheckScope() { ioChecks = saved_; }

std::string InOutErrorMessage(Integer code) {
  switch (code) {
    case 2: return "File not found";
    case 3: return "Invalid filename";
    case 4: return "Too many open files";
    case 5: return "File access denied";
    case 100: return "Read beyond end of file";
    case 101: return "Disk full";
    case 106: return "Invalid numeric input";
    default: return "I/O error " + std::to_string(code);
  }
}

void ChDir(std::string_view path) {
  if (classic_io::Begin() && !SetCurrentDir(path)) classic_io::Fail(static_cast<Integer>(GetLastError()));
}

namespace classic_io {

bool Begin() {
  if (inOutRes == 0) return true;
  if (ioChecks) Raise(inOutRes);
  return false;
}

void Fail(Integer code) {
  if (ioChecks) Raise(code);
  inOutRes = code;
}

Integer OpenResult(DWORD winError) {
  return winError == ERROR_SHARING_VIOLATION ? FileHeldIOResult : static_cast<Integer>(winError);
}

Integer WriteResult(DWORD winError) {
  return winError == ERROR_DISK_FULL || winError == ERROR_HANDLE_DISK_FULL ? 101 : static_cast<Integer>(winError);
}

}  // namespace classic_io
