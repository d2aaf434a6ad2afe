// The payroll tool's work around its main window, without the window: entering the chosen company
// folder and opening everything (the main form's creation), and writing back and closing (its
// close).  Messages go through the suite's user interface; an end of the program is requested
// through program_end.h, never by leaving the process.
//
// Start: enter the folder; PRINFO.DAT must exist there (otherwise one error box, and nothing is
// read, started, opened or created); read QZACC.CFG and QZACC.INI; start the record-file engine in
// network mode 2 with 500 page buffers; every file opens outside save mode and no change is
// flushed on its own; then OpenPayrollFiles.  Any failure, or a refusal by the user, ends the
// start at once with exit code 1: the record files opened so far are closed and the engine stops,
// but no settings file is written back.
#pragma once

#include <string>

// Starts the record-file engine; false after the fatal report when it cannot start.
bool StartRecordEngine();
// True when the company's files are open and the tool can work; otherwise the program is to end
// (ProgramExitCode()).
bool StartPayrollCompany(const std::string& folder);
// Writes back and closes the files and stops the engine; runs once after a successful start, later
// calls do nothing.
void ClosePayrollCompany();
