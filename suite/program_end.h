// How suite code ends the program: it asks for the end with an exit code and returns; the
// application ends when control comes back to it (during start-up: at once, before anything further
// is opened, created or written; later: its main window closes and writes back as usual).
//
// The request is a process-wide state read by the application and by the start-up steps, which stop
// as soon as it is set.  Exit codes: 0 a normal end (the company dialog cancelled), 1 the user
// refused to go on or a failure was fatal.  Invariant: the code only grows, so a fatal end is never
// reported as a normal one by a later, milder request.
#pragma once

#include <string>

#include "platform/core/types.h"

void RequestProgramEnd(Integer exitCode);
bool ProgramEndRequested();
// The exit code the program ends with (0 while no end was requested).
Integer ProgramExitCode();
// Forgets a request: a new run of the program's start in the same process (tests).
void ResetProgramEnd();

// The suite's fatal stop: a beep, the message in the plain message box, then the end with exit
// code 1.
void FatalStop(const std::string& message);
