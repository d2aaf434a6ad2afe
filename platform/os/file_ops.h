// Whole-file operations by name: delete, move, exists.
//
// Paths are code page 874, native or Windows form (path.h).  Like the platform, DeleteFile and
// MoveFile refuse a file that an open handle (in any of our processes) holds without
// FILE_SHARE_DELETE, with ERROR_SHARING_VIOLATION.  The Boolean calls leave the error of a failure
// in GetLastError (os_error.h).
#pragma once

#include <string_view>

// Deletes a file (not a folder: ERROR_ACCESS_DENIED).  Missing file 2, missing folder 3.
bool DeleteFile(std::string_view path);

// Renames or moves a file or folder; fails with ERROR_ALREADY_EXISTS when `to` exists and with
// ERROR_NOT_SAME_DEVICE across file systems (nothing is copied).  The new name is used exactly as
// written where no entry matches it without case.
bool MoveFile(std::string_view from, std::string_view to);

// True when `path` names an existing file that is not a folder.
bool FileExists(std::string_view path);
