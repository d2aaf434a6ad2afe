// Whole-file reads and writes of the payroll's small typed files (records of one fixed size stored
// back to back, no header), as classic typed files with their results.
//
// An open that another program prevents (FileLockedIOResult) is retried, at most
// kHeldFileRetries more times, kHeldFilePauseMs apart on the platform's clock; any other result
// ends the tries.  Records are whole: bytes after the last whole record are not part of the data.
#pragma once

#include <string>
#include <vector>

#include "platform/core/types.h"

inline constexpr Integer kHeldFileRetries = 30;
// The result of an open of a file that does not exist.
inline constexpr Integer kFileNotFoundResult = 2;
inline constexpr DWORD kHeldFilePauseMs = 100;

// The file's first records, at most `maxRecords` of `recordSize` bytes each.
struct TypedRecords {
  std::vector<Byte> bytes;   // the records read, back to back
  Int64 fileRecords = 0;     // how many whole records the file holds
};

// Opens `path` for reading and reads its first records.  Returns the IOResult: 0 when read, 2 when
// the file does not exist, anything else when it exists but cannot be read.
Integer ReadTypedRecords(const std::string& path, Integer recordSize, Integer maxRecords, TypedRecords& out);
// Creates `path` anew (emptying it) and writes `bytes`, whole records of `recordSize`.  Returns the
// IOResult.
Integer RewriteTypedRecords(const std::string& path, Integer recordSize, const std::vector<Byte>& bytes);
// True when the file holds exactly `bytes` (whole records of `recordSize`) and nothing more.
bool HoldsExactly(const TypedRecords& stored, Integer recordSize, const std::vector<Byte>& bytes);
