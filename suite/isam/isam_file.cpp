// System-error mapping of the engine's file operations.
#include "suite/isam/isam_file.h"

#include <vector>

#include "platform/core/win_errors.h"
#include "suite/isam/isam_errors.h"
#include "suite/isam/isam_status.h"
#include "suite/isam/lock_table.h"

namespace {
// The mapping shared by close, position, read and write.
Integer MapIoError(DWORD e) {
  return e == ERROR_INVALID_HANDLE ? isam_error::InvalidHandle : isam_error::SystemFailure;
}

Integer MapPathError(DWORD e) {
  switch (e) {
    case ERROR_PATH_NOT_FOUND: case ERROR_BAD_NETPATH: return isam_error::PathNotFound;
    case ERROR_TOO_MANY_OPEN_FILES: return isam_error::TooManyOpenFiles;
    default: return isam_error::SystemFailure;
  }
}

Integer MapOpenError(DWORD e) {
  switch (e) {
    case ERROR_FILE_NOT_FOUND: return isam_error::FileNotFound;
    case ERROR_INVALID_ACCESS: return isam_error::InvalidAccess;
    default: return MapPathError(e);
  }
}
}  // namespace

IsamFile::~IsamFile() {
  if (handle_) Close();
}

bool IsamFile::OpenExisting(const std::string& name, bool readOnly, bool shared, bool mapped) {
  const IsamAccess access = readOnly ? IsamAccess::Read : IsamAccess::ReadWrite;
  IsamEnv& env = IsamCurrentEnv();
  const DWORD e = mapped ? env.OpenMapped(name, access, shared, handle_) : env.Open(name, access, shared, handle_);
  if (e != ERROR_SUCCESS) {
    handle_.reset();
    return IsamFail(MapOpenError(e));
  }
  name_ = name;
  exclusive_ = !shared;
  readOnly_ = readOnly;
  mapped_ = mapped;
  unsynced_ = true;
  return true;
}

bool IsamFile::Create(const std::string& name) {
  const DWORD e = IsamCurrentEnv().Create(name, handle_);
  if (e != ERROR_SUCCESS) {
    handle_.reset();
    return IsamFail(MapPathError(e));
  }
  name_ = name;
  exclusive_ = true;
  readOnly_ = false;
  mapped_ = false;
  unsynced_ = true;
  return true;
}

bool IsamFile::CreateNew(const std::string& name, bool& existed) {
  const DWORD e = IsamCurrentEnv().CreateNew(name, handle_);
  existed = e == ERROR_FILE_EXISTS;
  if (e != ERROR_SUCCESS) {
    handle_.reset();
    return existed || IsamFail(MapPathError(e));
  }
  name_ = name;
  exclusive_ = false;
  readOnly_ = false;
  mapped_ = false;
  unsynced_ = true;
  return true;
}

bool IsamFile::Close() {
  if (!handle_) return true;
  IsamLockTable().UnlockAll(handle_.get());
  const DWORD e = handle_->Close();
  handle_.reset();
  return e == ERROR_SUCCESS || IsamFail(MapIoError(e));
}

bool IsamFile::ReadAt(Int64 offset, void* buffer, DWORD n) {
  DWORD done = 0;
  return ReadAvailable(offset, buffer, n, done) && (done == n || IsamFail(isam_error::ShortRead));
}

bool IsamFile::ReadAvailable(Int64 offset, void* buffer, DWORD n, DWORD& done) {
  done = 0;
  if (!handle_) return IsamFail(isam_error::InvalidHandle);
  const DWORD e = handle_->ReadAt(offset, buffer, n, done);
  return e == ERROR_SUCCESS || IsamFail(MapIoError(e));
}

bool IsamFile::WriteAt(Int64 offset, const void* buffer, DWORD n) {
  if (!handle_) return IsamFail(isam_error::InvalidHandle);
  DWORD done = 0;
  unsynced_ = true;
  const DWORD e = handle_->WriteAt(offset, buffer, n, done);
  if (e != ERROR_SUCCESS) return IsamFail(MapIoError(e));
  return done == n || IsamFail(isam_error::ShortWrite);
}

bool IsamFile::WriteZeros(Int64 offset, DWORD n) {
  const std::vector<Byte> zeros(n);
  return WriteAt(offset, zeros.data(), n);
}

bool IsamFile::TruncateAt(Int64 size) {
  if (!handle_) return IsamFail(isam_error::InvalidHandle);
  unsynced_ = true;
  const DWORD e = handle_->Truncate(size);
  return e == ERROR_SUCCESS || IsamFail(MapIoError(e));
}

bool IsamFile::Size(Int64& size) {
  if (!handle_) return IsamFail(isam_error::InvalidHandle);
  const DWORD e = handle_->Size(size);
  return e == ERROR_SUCCESS || IsamFail(MapIoError(e));
}

bool IsamFile::Commit(bool networkFile) {
  if (!handle_) return IsamFail(isam_error::InvalidHandle);
  if (!unsynced_) return true;
  const DWORD e = handle_->Flush();
  if (e == ERROR_SUCCESS) {
    unsynced_ = false;
    return true;
  }
  if (e != ERROR_TOO_MANY_OPEN_FILES) return IsamFail(MapIoError(e));
  if (networkFile) return IsamFail(isam_error::CommitNoHandles);
  const std::string name = name_;
  const bool mapped = mapped_;
  return Close() && OpenExisting(name, false, false, mapped);
}

bool IsamDeleteFile(const std::string& name) {
  const DWORD e = IsamCurrentEnv().Delete(name);
  return e == ERROR_SUCCESS || IsamFail(MapOpenError(e) == isam_error::InvalidAccess
                                            ? isam_error::SystemFailure : MapOpenError(e));
}
