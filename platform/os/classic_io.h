// The status of the classic typed and text files: IOResult, FileMode and the two checking styles.
//
// Every classic file operation records its failure in the calling thread's pending result instead
// of raising ({$I-} style): IOResult returns it and clears it, and while it is pending every
// further classic operation does nothing (Eof then answers true, FileSize and FilePos -1), so a
// failure is never overwritten by a later one.  Inside an IOCheckScope ({$I+} style) a failure
// raises EInOutError with the class library's text instead, and nothing stays pending.
//
// Results are the platform's numbers (2 file not found, 3 path not found, 4 too many open files,
// 5 access denied, 12 invalid file access code, ...), the classic ones (100 read past the end,
// 101 disk write error or disk full, 102 file not assigned, 103 file not open, 104 not open for
// input, 105 not open for output) and 255 (FileHeldIOResult) for an open that another program
// prevents by holding the file without sharing it (a sharing violation).
#pragma once

#include <string>
#include <string_view>

#include "platform/core/types.h"

// Access (0 read, 1 write, 2 both) and share bits (file_mode.h) of Reset on typed files and the
// share bits of every classic open; fmShareCompat shares reading and writing.
extern Byte FileMode;

inline constexpr Integer FileHeldIOResult = 255;

// The pending result of the calling thread, cleared by reading it; 0 when none.
Integer IOResult();

// While one exists on the calling thread, classic file failures raise EInOutError.
class IOCheckScope {
 public:
  explicit IOCheckScope(bool raise = true);
  ~IOCheckScope();
  IOCheckScope(const IOCheckScope&) = delete;
  IOCheckScope& operator=(const IOCheckScope&) = delete;

 private:
  bool saved_;
};

// The class library's text for a result: "File not found", ..., else "I/O error <n>".
std::string InOutErrorMessage(Integer code);

// Changes the current folder; a failure is a classic result (2, 3, ...).
void ChDir(std::string_view path);

// For the classic file types.
namespace classic_io {

// False while a result is pending (the operation must do nothing); raises it inside an
// IOCheckScope.
bool Begin();
// Records `code` as the result of the current operation (or raises it inside an IOCheckScope).
void Fail(Integer code);
// The result of an open that failed with a platform error (a sharing violation is 255).
Integer OpenResult(DWORD winError);
// The result of a failed write (a full disk is 101).
Integer WriteResult(DWORD winError);

}  // namespace classic_io
