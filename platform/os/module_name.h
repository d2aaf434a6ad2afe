// The running program's file: its full path (the class library's ParamStr(0) and the platform's
// GetModuleFileName of the program), read from the process's own link in /proc.
#pragma once

#include <string>

// The program's full path in code page 874 ("" when the system cannot tell).
std::string ModuleFileName();
