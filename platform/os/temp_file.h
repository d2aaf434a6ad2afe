// Unique temporary file names, as the desktop system's GetTempFileName makes them.
//
// A name is the folder, a separator, at most the first three characters of the prefix, a number
// of one to four upper-case hexadecimal digits and ".TMP": "arc1A2B.TMP".  With `unique` 0 the
// number is chosen here, starting from the clock's millisecond counter and counting up past
// numbers whose file exists, and the file is created empty (so no other process can take the
// same name: creation is exclusive).  With another `unique` only the name is made, from its low
// 16 bits; no file is created.  Texts are code page 874; the folder may be native or Windows form.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/types.h"

// The number used, and the name in `name`; 0 on failure with the last error set (the folder's
// error, or ERROR_FILE_EXISTS when all 65,535 numbers are taken).
Cardinal GetTempFileName(std::string_view folder, std::string_view prefix, Cardinal unique,
                         std::string& name);
