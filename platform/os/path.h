// Program paths (code page 874, native or Windows form) to native file-system paths (UTF-8).
//
// The program uses native paths with PathDelim '/', but stored data carries Windows-form paths.
// ResolvePath accepts both: '\' separates like '/', a drive prefix "X:" and a UNC share
// "\\server\share" are replaced by their native folder (drive_map.h), and every component that does
// not exist exactly is matched against its folder's entries ignoring ASCII case (DOS-era data
// folders arrive in any case).  A component that matches nothing is kept as written, and so is
// everything after it: a new file is created exactly as named.  When several entries match a
// component without case, the smallest in byte order is taken, so the choice is stable.
//
// Resolution costs one stat() when the path exists as written; callers resolve once, at open.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/types.h"

inline constexpr char PathDelim = '/';

// Resolves `path` into `native`.  ERROR_BAD_NETPATH when it names an unmapped share,
// ERROR_INVALID_NAME when it holds a NUL byte, else ERROR_SUCCESS.  An empty path stays empty.
DWORD ResolvePath(std::string_view path, std::string& native);

// As above, for callers that open the result themselves: an unresolvable path gives "".
std::string ResolvePath(std::string_view path);
