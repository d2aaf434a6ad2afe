// Shared pieces of the engine's tests: a fault-injecting environment over the platform one, an
// engine started for the length of a test, and small helpers.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "suite/isam/isam_engine.h"
#include "suite/isam/isam_env.h"
#include "suite/isam/platform_isam_env.h"
#include "suite/isam/test_point.h"
#include "tests/support/os/temp_folder.h"

// Passes every call to the platform environment, counting writes and system locks; the n-th write
// to a file whose name ends in `suffix` can fail (with `error`) or end the process on the spot
// (SIGKILL: nothing after it reaches the disk, as when a station dies).  A hook can run once, just
// before the next read of a file, to hold an engine call in the middle.  Flushes to stable storage
// succeed without touching the disk; the names of the files flushed are kept.
class FaultEnv final : public IsamEnv {
 public:
  enum class Fault { None, Fail, Kill };

  FaultEnv();
  ~FaultEnv() override;
  // Arms a fault at the n-th (1-based) matching write from now on.
  void Arm(Fault fault, long n, const std::string& suffix = "", DWORD error = 29);
  void Disarm() { fault_ = Fault::None; }
  // Runs `hook` once, before the next read of a file whose name ends in `suffix`.
  void BeforeNextRead(const std::string& suffix, std::function<void()> hook) {
    readSuffix_ = suffix;
    readHook_ = std::move(hook);
  }
  long Writes() const { return writes_; }
  long SystemLocks() const { return locks_; }
  long SystemUnlocks() const { return unlocks_; }
  // The files flushed since the last TakeFlushed, in order.
  std::vector<std::string> TakeFlushed() { return std::exchange(flushed_, {}); }
  // Counts matching writes from now on (without a fault).
  void Count(const std::string& suffix) {
    suffix_ = suffix;
    writes_ = 0;
  }

  DWORD Open(const std::string& name, IsamAccess access, bool shared, std::unique_ptr<IsamIoFile>& file) override;
  DWORD OpenMapped(const std::string& name, IsamAccess access, bool shared,
                   std::unique_ptr<IsamIoFile>& file) override;
  DWORD Create(const std::string& name, std::unique_ptr<IsamIoFile>& file) override;
  DWORD CreateNew(const std::string& name, std::unique_ptr<IsamIoFile>& file) override;
  DWORD Delete(const std::string& name) override { return base_.Delete(name); }
  void Sleep(DWORD ms) override { base_.Sleep(ms); }
  DWORD RandomFrom1(DWORD n) override { return base_.RandomFrom1(n); }

  // Called by the wrapped files: ERROR_SUCCESS to go on with the write.
  DWORD BeforeWrite(const std::string& name);
  void BeforeRead(const std::string& name);
  void CountLock() { ++locks_; }
  void CountUnlock() { ++unlocks_; }
  void CountFlush(const std::string& name) { flushed_.push_back(name); }

 private:
  DWORD Wrap(const std::string& name, DWORD e, std::unique_ptr<IsamIoFile>& file);
  PlatformIsamEnv base_;
  Fault fault_ = Fault::None;
  long at_ = 0;
  long writes_ = 0;
  long locks_ = 0;
  long unlocks_ = 0;
  std::string suffix_;
  DWORD error_ = 0;
  std::string readSuffix_;
  std::function<void()> readHook_;
  std::vector<std::string> flushed_;
};

// Runs `hook` at every test point the engine reaches from now on (suite/isam/test_point.h); an
// empty hook ends that.
void SetTestPointHook(std::function<void(IsamPoint)> hook);

// Starts the engine for one scope and stops it (closing what is still open) afterwards.
class EngineScope {
 public:
  EngineScope(Byte mode, Integer buffers) { IsamInit(mode, buffers); }
  ~EngineScope() { IsamExit(); }
  EngineScope(const EngineScope&) = delete;
  EngineScope& operator=(const EngineScope&) = delete;
};

// The employee file's shape: record length 2,567 and keys (9,0) (11,0) (26,1) (40,1) (20,1).
std::vector<KeyTableEntry> EmployeeKeys();
// Creates `name` with the given record length and keys; true on success.
bool CreateFile(const std::string& name, Integer recordLength, const std::vector<KeyTableEntry>& keys);
// Opens single-station (or as told); nullptr on failure.
IsamFileBlock* OpenFile(const std::string& name, bool saveMode = false, bool network = false);
// A record of `length` bytes: status word 0, then `text`, zeros after.
std::string MakeRecord(Integer length, const std::string& text);
// Writes one byte of a native file in place.
void PokeByte(const std::string& path, long offset, unsigned char value);
// The size of a native file, -1 when missing.
long FileSize(const std::string& path);
