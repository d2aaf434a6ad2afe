// The engine's platform environment with its files' syncs, byte-range locks and lock-retry pauses
// counted, so that a benchmark can say what each operation costs in syncs and locks and how long
// stations waited for each other.  With `skipSyncs` a sync returns
// at once without reaching the disk: the engine then hands its changes to the system (written, not
// synced), as a database with synchronous writes turned off does at a commit.
#pragma once

#include "suite/isam/platform_isam_env.h"

struct IoCounts {
  long syncs = 0;
  long locks = 0;     // lock and unlock calls
  long waits = 0;     // pauses between attempts at a lock held elsewhere
  long waitedMs = 0;  // their total length
};

class CountingEnv final : public IsamEnv {
 public:
  IoCounts counts;
  bool skipSyncs = false;

  DWORD Open(const std::string& name, IsamAccess access, bool shared, std::unique_ptr<IsamIoFile>& file) override;
  DWORD OpenMapped(const std::string& name, IsamAccess access, bool shared,
                   std::unique_ptr<IsamIoFile>& file) override;
  DWORD Create(const std::string& name, std::unique_ptr<IsamIoFile>& file) override;
  DWORD CreateNew(const std::string& name, std::unique_ptr<IsamIoFile>& file) override;
  DWORD Delete(const std::string& name) override { return platform_.Delete(name); }
  void Sleep(DWORD ms) override {
    ++counts.waits;
    counts.waitedMs += static_cast<long>(ms);
    platform_.Sleep(ms);
  }
  DWORD RandomFrom1(DWORD n) override { return platform_.RandomFrom1(n); }

 private:
  // Wraps a freshly opened file when the open succeeded.
  DWORD Wrap(DWORD error, std::unique_ptr<IsamIoFile>& file);

  PlatformIsamEnv platform_;
};
