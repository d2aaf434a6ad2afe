// Folders by name: the current folder, creating, removing and testing folders.
//
// Paths are code page 874, native or Windows form (path.h); a new folder is created exactly as
// named where no entry matches it without case.  The Boolean calls leave the error of a failure in
// GetLastError (os_error.h): 2 / 3 missing folder / missing folder on the way, 5 access denied,
// 145 folder not empty, 183 already exists, 267 not a folder.
#pragma once

#include <string>
#include <string_view>

// The current folder as a native path in code page 874, without a trailing '/' (except "/").
std::string GetCurrentDir();
bool SetCurrentDir(std::string_view path);

// Creates one folder; its parent must exist.
bool CreateDir(std::string_view path);
// Creates the folder and every missing folder on the way; true when it exists afterwards.
bool ForceDirectories(std::string_view path);
// Removes an empty folder.
bool RemoveDir(std::string_view path);
bool DirectoryExists(std::string_view path);
