// The engine's only way to the outside world: files, byte-range locks, sleeping and random numbers.
//
// The engine never calls the system directly.  The default environment (PlatformIsamEnv) maps these
// calls onto platform/os; tests install their own (an in-memory file system, a fault injector that
// fails or "crashes" at the n-th write) with IsamSetEnv.  Every call returns a Windows system error
// number (platform/core/win_errors.h), ERROR_SUCCESS on success; the file layer (isam_file.h) turns
// those into the engine's status numbers.
#pragma once

#include <memory>
#include <string>

#include "platform/core/types.h"

// One open file.  Offsets are 64-bit although the engine never goes beyond 2^31 - 1.
class IsamIoFile {
 public:
  virtual ~IsamIoFile() = default;
  IsamIoFile() = default;
  IsamIoFile(const IsamIoFile&) = delete;
  IsamIoFile& operator=(const IsamIoFile&) = delete;

  // Reads up to n bytes at offset; `done` receives the number read (short at the end of the file).
  virtual DWORD ReadAt(Int64 offset, void* buffer, DWORD n, DWORD& done) = 0;
  virtual DWORD WriteAt(Int64 offset, const void* buffer, DWORD n, DWORD& done) = 0;
  // Makes the file exactly `size` bytes long.
  virtual DWORD Truncate(Int64 size) = 0;
  virtual DWORD Size(Int64& size) = 0;
  // Forces written data to stable storage.
  virtual DWORD Flush() = 0;
  // One non-blocking attempt at an exclusive byte-range lock with the platform's semantics: a range
  // held through another handle (of any process) conflicts with ERROR_LOCK_VIOLATION.
  virtual DWORD Lock(Int64 offset, Int64 length) = 0;
  virtual DWORD Unlock(Int64 offset, Int64 length) = 0;
  // Closes the handle, releasing its locks.  The object is useless afterwards.
  virtual DWORD Close() = 0;
};

enum class IsamAccess { Read, ReadWrite };

class IsamEnv {
 public:
  virtual ~IsamEnv() = default;
  // Opens an existing file; `shared` lets other handles read and write it at the same time.
  virtual DWORD Open(const std::string& name, IsamAccess access, bool shared,
                     std::unique_ptr<IsamIoFile>& file) = 0;
  // Opens an existing file as Open does, for a file of which no handle ever locks a range (the
  // index file): the environment may serve its transfers from a memory mapping, without the
  // mandatory-lock check.  An environment without mappings (a test's) falls back to Open.
  virtual DWORD OpenMapped(const std::string& name, IsamAccess access, bool shared,
                           std::unique_ptr<IsamIoFile>& file) {
    return Open(name, access, shared, file);
  }
  // Creates (or empties) a file for reading and writing without sharing.
  virtual DWORD Create(const std::string& name, std::unique_ptr<IsamIoFile>& file) = 0;
  // Creates a file that must not exist yet (ERROR_FILE_EXISTS otherwise), for reading and writing,
  // shared with other handles: stations that race to create the same file create it once.  An
  // environment without such a call (a test's) falls back to Create.
  virtual DWORD CreateNew(const std::string& name, std::unique_ptr<IsamIoFile>& file) { return Create(name, file); }
  virtual DWORD Delete(const std::string& name) = 0;
  // Waits `ms` milliseconds on the environment's clock (lock retries).
  virtual void Sleep(DWORD ms) = 0;
  // A number drawn uniformly from 1..n (station numbers).
  virtual DWORD RandomFrom1(DWORD n) = 0;
};

// The environment the engine uses; never null.
IsamEnv& IsamCurrentEnv();
// Installs `env` (not owned; must outlive its use) or, with nullptr, the default platform one.
void IsamSetEnv(IsamEnv* env);
