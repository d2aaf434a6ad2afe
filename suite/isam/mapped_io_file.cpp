// Transfers through a shared mapping of the file; see mapped_io_file.h.
#include "suite/isam/mapped_io_file.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstring>

#include "platform/core/win_errors.h"

namespace {
// The engine's offsets stay below 2^31.
constexpr Int64 kSpan = Int64{1} << 31;
}  // namespace

MappedIoFile::MappedIoFile(File file, bool writable) : PlatformIoFile(std::move(file)), writable_(writable) {
  const int prot = writable ? PROT_READ | PROT_WRITE : PROT_READ;
  void* base = mmap(nullptr, static_cast<size_t>(kSpan), prot, MAP_SHARED, this->file().Descriptor(), 0);
  if (base == MAP_FAILED) return;
  base_ = static_cast<Byte*>(base);
  // Pages are fetched one by one as the B-tree needs them; read-ahead would only pull in neighbours.
  madvise(base_, static_cast<size_t>(kSpan), MADV_RANDOM);
  if (PlatformIoFile::Size(length_) != ERROR_SUCCESS) Unmap();
}

MappedIoFile::~MappedIoFile() { Unmap(); }

void MappedIoFile::Unmap() {
  if (base_) munmap(base_, static_cast<size_t>(kSpan));
  base_ = nullptr;
  length_ = 0;
}

bool MappedIoFile::Inside(Int64 offset, DWORD n) {
  if (!base_ || offset < 0) return false;
  const Int64 end = offset + n;
  if (end <= length_) return true;
  Int64 size = 0;
  if (end > kSpan || PlatformIoFile::Size(size) != ERROR_SUCCESS) return false;
  length_ = std::max(length_, size);
  return end <= length_;
}

DWORD MappedIoFile::ReadAt(Int64 offset, void* buffer, DWORD n, DWORD& done) {
  if (!Inside(offset, n)) return PlatformIoFile::ReadAt(offset, buffer, n, done);
  std::memcpy(buffer, base_ + offset, n);
  done = n;
  return ERROR_SUCCESS;
}

DWORD MappedIoFile::WriteAt(Int64 offset, const void* buffer, DWORD n, DWORD& done) {
  if (!writable_ || !Inside(offset, n)) {
    const DWORD e = PlatformIoFile::WriteAt(offset, buffer, n, done);
    if (e == ERROR_SUCCESS && base_) length_ = std::max(length_, std::min(offset + done, kSpan));
    return e;
  }
  std::memcpy(base_ + offset, buffer, n);
  done = n;
  return ERROR_SUCCESS;
}

DWORD MappedIoFile::Truncate(Int64 size) {
  const DWORD e = PlatformIoFile::Truncate(size);
  if (e == ERROR_SUCCESS && base_) length_ = std::min(size, kSpan);
  return e;
}

DWORD MappedIoFile::Close() {
  Unmap();
  return PlatformIoFile::Close();
}
