// IsamIoFile over a platform File (platform/os/file.h): share modes, positioned transfers and
// mandatory byte-range locks with the desktop platform's semantics, one system call per transfer.
#pragma once

#include "platform/os/file.h"
#include "suite/isam/isam_env.h"

class PlatformIoFile : public IsamIoFile {
 public:
  explicit PlatformIoFile(File file) : file_(std::move(file)) {}
  DWORD ReadAt(Int64 offset, void* buffer, DWORD n, DWORD& done) override;
  DWORD WriteAt(Int64 offset, const void* buffer, DWORD n, DWORD& done) override;
  DWORD Truncate(Int64 size) override;
  DWORD Size(Int64& size) override;
  DWORD Flush() override;
  DWORD Lock(Int64 offset, Int64 length) override;
  DWORD Unlock(Int64 offset, Int64 length) override;
  DWORD Close() override;

 protected:
  File& file() { return file_; }

 private:
  File file_;
};
