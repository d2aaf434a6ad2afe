// A handle on an open file with the platform's semantics: share modes between processes,
// positioned I/O and byte-range locks that behave like LockFile/UnlockFile.
//
// Every call answers with a Windows error number (ERROR_SUCCESS on success), so callers map
// failures exactly as they would the platform's.  Paths are resolved once, at Open (path.h).
//
// Share modes: an open that another open's share mode forbids fails with ERROR_SHARING_VIOLATION,
// between processes and between handles of one process (share_mode.h).  A handle opened without
// FILE_SHARE_DELETE also makes DeleteFile and MoveFile of its file fail that way (file_ops.h).
//
// Locks: Lock takes an exclusive OFD lock in one non-blocking try (ERROR_LOCK_VIOLATION when any
// other handle holds an overlapping range, also in this process, and when this handle does);
// Unlock releases only a range this handle holds exactly (else ERROR_NOT_LOCKED).  Ranges may lie
// anywhere below kShareMarksBase (2^62), well beyond 2^31.  Locks are mandatory as on the
// platform: on a handle opened with FILE_SHARE_READ or FILE_SHARE_WRITE, a read or write that
// touches a range another handle holds fails with ERROR_LOCK_VIOLATION and transfers nothing (one
// F_OFD_GETLK before the transfer; a handle opened without sharing has no one to check against).
// Closing the handle releases its locks.
//
// The descriptor is opened for reading and writing whenever the file system allows it, also for
// GENERIC_READ alone, because an exclusive lock needs a writable descriptor; access rights are then
// enforced here.  On a file this process may only read, locks are taken shared (they still exclude
// every writable handle, but not one another) and opens are not serialised by the gate.
//
// A File is owned by one thread at a time; it can be moved, not copied.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/types.h"
#include "platform/os/held_regions.h"

inline constexpr DWORD GENERIC_READ = 0x80000000u;
inline constexpr DWORD GENERIC_WRITE = 0x40000000u;

inline constexpr DWORD FILE_SHARE_READ = 0x1;
inline constexpr DWORD FILE_SHARE_WRITE = 0x2;
inline constexpr DWORD FILE_SHARE_DELETE = 0x4;

inline constexpr DWORD CREATE_NEW = 1;
inline constexpr DWORD CREATE_ALWAYS = 2;
inline constexpr DWORD OPEN_EXISTING = 3;
inline constexpr DWORD OPEN_ALWAYS = 4;
inline constexpr DWORD TRUNCATE_EXISTING = 5;

inline constexpr DWORD FILE_BEGIN = 0;
inline constexpr DWORD FILE_CURRENT = 1;
inline constexpr DWORD FILE_END = 2;

class File {
 public:
  File() = default;
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File();

  // Opens `path` (code page 874, native or Windows form) with `access` (GENERIC_READ and/or
  // GENERIC_WRITE), `share` (FILE_SHARE_*) and a CreateFile disposition.  A handle that is open is
  // closed first.  Errors: 2 / 3 missing file / folder, 4 too many open files, 5 access denied (also
  // for a folder), 12 no access requested, 32 sharing violation, 53 unmapped share, 80 file exists
  // (CREATE_NEW), 87 bad share or disposition.  The size is cut to 0 (CREATE_ALWAYS,
  // TRUNCATE_EXISTING) only after the share check passed.
  DWORD Open(std::string_view path, DWORD access, DWORD share, DWORD disposition);
  DWORD Close();
  bool IsOpen() const { return fd_ >= 0; }

  // Transfer up to n bytes at `offset`; `done` tells how many moved (a read stops at the end of
  // the file with success).  The current position is not used and not changed.
  DWORD ReadAt(Int64 offset, void* buffer, DWORD n, DWORD& done);
  DWORD WriteAt(Int64 offset, const void* buffer, DWORD n, DWORD& done);
  // The same at the current position, which advances by `done`.
  DWORD Read(void* buffer, DWORD n, DWORD& done);
  DWORD Write(const void* buffer, DWORD n, DWORD& done);

  // Moves the current position (FILE_BEGIN, FILE_CURRENT, FILE_END); a position before the start
  // is ERROR_NEGATIVE_SEEK, one past the end is allowed.
  DWORD Seek(Int64 distance, DWORD method, Int64* newPosition = nullptr);
  Int64 Position() const { return position_; }
  // Cuts or extends the file to the current position / to `size`.
  DWORD SetEndOfFile();
  DWORD SetSize(Int64 size);
  DWORD Size(Int64& size) const;
  // Writes the file's data to the disk.
  DWORD Flush();

  DWORD Lock(Int64 offset, Int64 length);
  DWORD Unlock(Int64 offset, Int64 length);

  // The native path the handle was opened on (UTF-8).
  const std::string& NativePath() const { return nativePath_; }
  // The system descriptor (-1 when closed), for mapping the file into memory; transfers through a
  // mapping bypass the mandatory-lock check of ReadAt and WriteAt.
  int Descriptor() const { return fd_; }

 private:
  DWORD CheckTransfer(DWORD right, Int64 offset, DWORD n) const;
  bool LockedElsewhere(Int64 offset, Int64 length) const;
  void Reset();

  int fd_ = -1;
  bool writableFd_ = false;
  bool checkLocks_ = false;
  DWORD access_ = 0;
  Int64 position_ = 0;
  std::string nativePath_;
  HeldRegions held_;
};
