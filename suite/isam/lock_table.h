// The byte-range locks this process holds, per file handle, with counted re-locking and timed retry.
//
// Invariants: a (handle, offset) pair appears at most once; its count is >= 1 and the system lock is
// held exactly while the entry exists; a handle's list holds at most 4,000 regions and the table at
// most 4,000 handles.  A failing lock leaves no entry; a failing unlock keeps its entry.  In
// single-station mode locks are not needed and every call succeeds without touching the system.
#pragma once

#include <map>

#include "suite/isam/isam_env.h"

class LockTable {
 public:
  // Retry timing of the engine, in milliseconds.
  static constexpr Integer Step = 64;
  static constexpr Integer RecordLimit = 768;       // record locks and a station's own slot
  static constexpr Integer FileBlockLimit = 3072;   // Fileblock lock and opening lock
  static constexpr Integer ProbeLimit = 0;          // station-number and exclusivity probes
  static constexpr size_t MaxEntries = 4000;

  void SetSystemLocks(bool on) { systemLocks_ = on; }
  bool SystemLocks() const { return systemLocks_; }

  // Locks (offset, length) of `file`, retrying every Step ms until `limit` ms have been spent.
  // Returns the Windows error of the last attempt (ERROR_SUCCESS on success).
  DWORD Lock(IsamIoFile* file, Int64 offset, Int64 length, Integer limit);
  DWORD Unlock(IsamIoFile* file, Int64 offset, Int64 length);
  // Releases every region of `file`, highest offset first, and forgets the handle.
  void UnlockAll(IsamIoFile* file);
  void Clear() { regions_.clear(); }

  // Introspection for tests and checks: the count of a held region, 0 when not held.
  Integer Count(IsamIoFile* file, Int64 offset) const;

 private:
  struct Region {
    Int64 length;
    Integer count;
  };
  bool systemLocks_ = false;
  std::map<IsamIoFile*, std::map<Int64, Region>> regions_;
};

// The engine's one lock table.
LockTable& IsamLockTable();
