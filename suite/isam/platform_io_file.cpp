// Engine file calls passed straight to the platform File.
#include "suite/isam/platform_io_file.h"

DWORD PlatformIoFile::ReadAt(Int64 offset, void* buffer, DWORD n, DWORD& done) {
  return file_.ReadAt(offset, buffer, n, done);
}

DWORD PlatformIoFile::WriteAt(Int64 offset, const void* buffer, DWORD n, DWORD& done) {
  return file_.WriteAt(offset, buffer, n, done);
}

DWORD PlatformIoFile::Truncate(Int64 size) { return file_.SetSize(size); }
DWORD PlatformIoFile::Size(Int64& size) { return file_.Size(size); }
DWORD PlatformIoFile::Flush() { return file_.Flush(); }
DWORD PlatformIoFile::Lock(Int64 offset, Int64 length) { return file_.Lock(offset, length); }
DWORD PlatformIoFile::Unlock(Int64 offset, Int64 length) { return file_.Unlock(offset, length); }
DWORD PlatformIoFile::Close() { return file_.Close(); }
