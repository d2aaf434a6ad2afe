// One of the three files of a Fileblock, as the engine sees it: every operation reports success and,
// on failure, records the engine's status number (isam_status.h) mapped from the system error.
//
// Invariants: a closed IsamFile has no handle; closing releases every byte-range lock the handle
// holds (through the lock table) before the handle goes.  Reads and writes are single positioned
// calls; a short read is 10070 and a short write 10075.  `unsynced_` is false only while nothing
// was written or cut through the handle since its last successful sync.
#pragma once

#include <memory>
#include <string>

#include "suite/isam/isam_env.h"

class IsamFile {
 public:
  IsamFile() = default;
  IsamFile(const IsamFile&) = delete;
  IsamFile& operator=(const IsamFile&) = delete;
  ~IsamFile();

  // `mapped`: no handle ever locks a range of the file, so its transfers may go through a memory
  // mapping (IsamEnv::OpenMapped).
  bool OpenExisting(const std::string& name, bool readOnly, bool shared, bool mapped = false);
  bool Create(const std::string& name);
  // Creates `name` unless it exists; `existed` tells which happened (then nothing is open).
  bool CreateNew(const std::string& name, bool& existed);
  bool Close();
  bool IsOpen() const { return handle_ != nullptr; }
  bool Exclusive() const { return exclusive_; }
  const std::string& Name() const { return name_; }
  IsamIoFile* Handle() const { return handle_.get(); }

  bool ReadAt(Int64 offset, void* buffer, DWORD n);
  // Reads up to n bytes at offset; `done` tells how many there were before the end of the file.
  bool ReadAvailable(Int64 offset, void* buffer, DWORD n, DWORD& done);
  bool WriteAt(Int64 offset, const void* buffer, DWORD n);
  bool WriteZeros(Int64 offset, DWORD n);
  // Cuts the file at `size` (the platform's "write 0 bytes at an offset").
  bool TruncateAt(Int64 size);
  bool Size(Int64& size);
  // Forces the file to disk.  With too many open files a non-network file is closed and reopened
  // (closing commits it); a network file reports 10150.  A file not written through this handle
  // since its last sync is not synced again: a sync costs a disk flush even when nothing changed,
  // and what other stations wrote is theirs to commit.
  bool Commit(bool networkFile);

 private:
  std::unique_ptr<IsamIoFile> handle_;
  std::string name_;
  bool exclusive_ = false;
  bool readOnly_ = false;
  bool mapped_ = false;
  bool unsynced_ = true;
};

// Deletes a file; failures map like the other file operations.
bool IsamDeleteFile(const std::string& name);
