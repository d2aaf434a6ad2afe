#include "suite/program_end.h"

#include <algorithm>

#include "suite/user_interface.h"

namespace {

bool requested = false;
Integer exitCode = 0;

}  // namespace

void RequestProgramEnd(Integer code) {
  exitCode = requested ? std::max(exitCode, code) : code;
  requested = true;
}

bool ProgramEndRequested() { return requested; }
Integer ProgramExitCode() { return exitCode; }

void ResetProgramEnd() {
  requested = false;
  exitCode = 0;
}

void FatalStop(const std::string& message) {
  CurrentSuiteUserInterface().Beep();
  ShowPlainMessage(message);
  RequestProgramEnd(1);
}
