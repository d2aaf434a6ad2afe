// Folders by their full path: which folder a program path names, without entering it, whether the
// process may enter it, and the folders the drives of the drive map point at.
//
// A full path is native, code page 874, absolute, without "." or ".." components, symbolic links
// resolved, and without a trailing '/' (except "/").  Paths given are program paths (path.h): the
// drive map and the case rules apply, and a relative path starts from the current folder.  The
// current folder is never changed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The full path of the folder `path` names; "" when it does not exist or is not a folder.
std::string FullFolderPath(std::string_view path);

// Whether the process (by its effective user and groups) may enter the folder `path`: it exists,
// is a folder and grants search permission.
bool CanEnterFolder(std::string_view path);

// The full paths of the existing folders that the drives A..Z point at, each once, in ascending
// order without ASCII case.  With the default map this is just "/".
std::vector<std::string> DriveRootFolders();
