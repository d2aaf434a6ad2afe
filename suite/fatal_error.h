// Fatal reports of files that cannot be opened, created or written: two error boxes, then the end of
// the program (exit code 1, program_end.h).
//
// The first box gives the number and its English text ("9903: File not found", "5: Access denied"),
// the second the caller's text (an empty box for an empty text); a record-file error also writes the
// number's long text from QZERROR.MSG to the standard output.  Texts are code page 874.
#pragma once

#include <string>

#include "platform/core/types.h"

// A record-file engine error `n` (IsamErrorText) with the caller's text.
void IsamFatalErrorText(Integer n, const std::string& text);
void IsamFatalError(Integer n);
// A classic file result (IOResult; InOutErrorMessage) with the caller's text.
void FileFatalErrorText(Integer ioResult, const std::string& text);

// "ไม่สามารถเปิดแฟ้มข้อมูล <name> ได้." (cannot open data file <name>).
std::string CannotOpenFileText(const std::string& name);
// "ไม่สามารถสร้างแฟ้มข้อมูล <name>" (cannot create data file <name>).
std::string CannotCreateFileText(const std::string& name);
