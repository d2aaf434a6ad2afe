// Direct reads of a record file's files for the offline tools.
#include "suite/isam/offline_file.h"

OfflineFile::OfflineFile(const std::string& name) {
  error_ = IsamCurrentEnv().Open(name, IsamAccess::Read, true, file_);
  if (error_ == ERROR_SUCCESS) error_ = file_->Size(size_);
}

OfflineFile::~OfflineFile() {
  if (file_) file_->Close();
}

bool OfflineFile::Read(Int64 offset, void* buffer, DWORD n) {
  if (!IsOpen() || offset < 0 || offset > size_ - n) return false;
  DWORD done = 0;
  return file_->ReadAt(offset, buffer, n, done) == ERROR_SUCCESS && done == n;
}

bool OfflineFile::ReadAll(std::vector<Byte>& bytes) {
  if (!IsOpen() || size_ > static_cast<Int64>(bytes.max_size()) || size_ > 0xFFFFFFFF) return false;
  bytes.assign(static_cast<size_t>(size_), 0);
  return Read(0, bytes.data(), static_cast<DWORD>(size_));
}
