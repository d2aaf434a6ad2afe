// GetFileVersionMS: the high 32 bits of a file's version (major shl 16 or minor), -1 when the file
// has no version information (on this platform: every file, platform/os/file_version.h).  The
// string grid reads the common-controls library's version with it.
#pragma once

#include <string_view>

#include "platform/core/types.h"

Integer GetFileVersionMS(std::string_view FileName);
