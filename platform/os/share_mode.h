// Share modes between processes, kept as open-file-description (OFD) locks on reserved bytes.
//
// The platform refuses an open whose access another open's share mode forbids, or whose share mode
// forbids another open's access (sharing violation).  Every open holds a shared lock on one mark
// byte per access it has (read, write) and per share it refuses (read, write, delete); an open is
// refused when a mark it contradicts is held by any other open file description, in this process
// or another.  The marks live at kShareMarksBase and above, far beyond every data offset and every
// range the record-file engine locks (its locks end at 2,147,483,647), so they never meet; the
// bytes below kShareMarksBase are free for LockFile-style locks.
//
// Marks are taken before the contradicting marks are tested, so two opens that race can at worst
// both be refused, never both admitted; a short exclusive lock on a gate byte serialises opens
// whose descriptor can hold a write lock, so that normally the first one wins.  Marks vanish with
// the descriptor, also when a process dies.
#pragma once

#include "platform/core/types.h"

inline constexpr Int64 kShareMarksBase = Int64{1} << 62;

// Takes the marks of an open with `access` (GENERIC_READ/GENERIC_WRITE) and `share`
// (FILE_SHARE_*) on `fd`, a descriptor open for reading.  ERROR_SUCCESS, ERROR_SHARING_VIOLATION
// (nothing taken) or the error of a failing lock call.
DWORD AcquireShareMarks(int fd, bool writableFd, DWORD access, DWORD share);

// True when some open of the file behind `fd` (other than `fd` itself) refuses to share deletion.
bool DeletionRefused(int fd);
