// Reading a whole file whose name comes from data (a picture named in a cell text), safely: the
// name must lead to a regular file, and nothing may block or run without end.
//
// The file is opened without blocking (a FIFO with no writer does not hold the program), checked to
// be a regular file (folders, FIFOs, sockets and devices such as /dev/zero are refused at once),
// and read up to the size it had when opened, so a file that grows while it is read still ends.
// The open takes part in share modes as a read that denies writers (fmOpenRead | fmShareDenyWrite).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/core/types.h"

// No limit on the size of the file.
inline constexpr std::int64_t kAnyFileSize = -1;

// Reads the file at `path` (code page 874, native or Windows form) into `bytes`.  Errors: 2 / 3
// missing file / folder, 5 not a regular file or no access, 32 sharing violation, 223 larger than
// `maxSize` bytes (when maxSize is not kAnyFileSize), 30 a read that fails.  `bytes` is emptied
// on any error.
DWORD ReadRegularFile(std::string_view path, std::int64_t maxSize, std::vector<Byte>& bytes);
