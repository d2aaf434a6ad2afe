// ShellExecuteA with the "open" verb: the desktop's opener program (xdg-open, found on PATH) runs
// with the file or URL as its single argument.  No shell ever reads the text, so blanks, quotes and
// semicolons in it stay part of the one argument.  The call does not wait for the opener: a child
// process starts it and exits at once, and the caller reaps that child, so the opener (reparented
// to the system) leaves no zombie behind.
//
// Results as the system's: above 32 when the opener started; SE_ERR_NOASSOC for another verb or an
// empty file; ERROR_FILE_NOT_FOUND when no opener program can be run; SE_ERR_OOM when no process
// could be made.  Parameters, folder and show command are accepted and not used.
#pragma once

#include <cstdint>
#include <string>

#include "platform/user/user_types.h"
#include "platform/user/window_styles.h"

inline constexpr std::intptr_t SE_ERR_OOM = 8;
inline constexpr std::intptr_t SE_ERR_NOASSOC = 31;

std::intptr_t ShellExecuteA(HWND hwnd, const char* Operation, const char* File, const char* Parameters,
                      const char* Directory, int ShowCmd);

// The opener program run by "open" (default: "xdg-open" looked up on PATH); a path with a slash
// is taken as it is.  Returns the one set before.
std::string SetShellOpenProgram(const std::string& Program);
