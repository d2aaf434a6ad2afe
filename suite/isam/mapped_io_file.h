// An engine file whose positioned transfers inside the file's known length are copies to and from a
// shared memory mapping of the file, instead of one system call each; growing the file, reads past
// its end, locks, cutting and committing go to the platform File as in PlatformIoFile.
//
// Meant for a file of which no station ever locks a range (the index file): a mapped transfer does
// not ask whether another handle locks the range, which is its only difference from a write or read
// call.  The mapping is shared, so a mapped write lands in the system's page cache exactly where a
// write call would put it: other processes' reads see it at once, a killed process leaves it
// behind, and Flush (fsync) commits it to the disk with the rest of the file.
//
// Invariants: bytes [0, length_) of the file exist (the engine never shortens a mapped file and no
// other station does; a file cut by someone else below length_ would fault on access); mapped
// transfers stay below length_.  The mapping spans 2^31 bytes, the engine's offset limit; when it
// cannot be made every transfer is a system call.
#pragma once

#include "suite/isam/platform_io_file.h"

class MappedIoFile final : public PlatformIoFile {
 public:
  MappedIoFile(File file, bool writable);
  ~MappedIoFile() override;

  DWORD ReadAt(Int64 offset, void* buffer, DWORD n, DWORD& done) override;
  DWORD WriteAt(Int64 offset, const void* buffer, DWORD n, DWORD& done) override;
  DWORD Truncate(Int64 size) override;
  DWORD Close() override;

  bool Mapped() const { return base_ != nullptr; }

 private:
  // True when [offset, offset + n) lies inside the mapped part, after learning the file's size
  // once more when it does not lie inside the part known so far (another station may have grown it).
  bool Inside(Int64 offset, DWORD n);
  void Unmap();

  Byte* base_ = nullptr;
  Int64 length_ = 0;
  bool writable_ = false;
};
