// One file of a record file read directly, not through the engine, by the offline check and the
// dump: opened for reading with sharing, its real size learnt once, and reads that never go past
// its end.  What the file's headers claim never decides how much is read or allocated.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/core/win_errors.h"
#include "suite/isam/isam_env.h"

class OfflineFile {
 public:
  explicit OfflineFile(const std::string& name);
  ~OfflineFile();
  OfflineFile(const OfflineFile&) = delete;
  OfflineFile& operator=(const OfflineFile&) = delete;

  // ERROR_SUCCESS when the file is open; else the system error of the open.
  DWORD Error() const { return error_; }
  bool IsOpen() const { return error_ == ERROR_SUCCESS; }
  Int64 Size() const { return size_; }
  // n bytes at offset; false when they do not lie inside the file or cannot be read.
  bool Read(Int64 offset, void* buffer, DWORD n);
  // The whole file.
  bool ReadAll(std::vector<Byte>& bytes);

 private:
  std::unique_ptr<IsamIoFile> file_;
  DWORD error_ = 0;
  Int64 size_ = 0;
};
