// Linux errno values as the Windows error numbers that the system's code tests.
//
// One mapping for the whole platform: every file, folder and lock call of platform/os reports the
// number this gives (or a number it decides itself, such as the sharing and lock violations, which
// have no errno).  ENOENT is ambiguous on Linux; the platform's answer distinguishes "file not
// found" (2, the folder exists) from "path not found" (3, a folder on the way is missing), which
// MissingPathError decides by looking at the disk.
//
// GetLastError/SetLastError keep the number of the last failing call of the calling thread, for the
// calls that answer with a Boolean as the class library does (DeleteFile, CreateDir, ...).
#pragma once

#include <string>

#include "platform/core/types.h"

// The Windows error number for an errno value (ERROR_SUCCESS for 0).
DWORD WinErrorFromErrno(int err);

// 2 when the folder that should hold the native path exists, 3 when it does not.
DWORD MissingPathError(const std::string& nativePath);

// WinErrorFromErrno, with ENOENT and ENOTDIR refined by MissingPathError for the given path.
DWORD WinErrorForPath(int err, const std::string& nativePath);

DWORD GetLastError();
void SetLastError(DWORD error);
