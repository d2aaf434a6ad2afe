// The engine's default environment: files and byte-range locks of platform/os (share modes and
// mandatory locks as on the desktop platform; files opened with OpenMapped are served from a shared
// memory mapping, see mapped_io_file.h), the platform's injectable clock for lock waits and
// its seedable random source for station numbers.
#pragma once

#include "suite/isam/isam_env.h"

class PlatformIsamEnv final : public IsamEnv {
 public:
  DWORD Open(const std::string& name, IsamAccess access, bool shared,
             std::unique_ptr<IsamIoFile>& file) override;
  DWORD OpenMapped(const std::string& name, IsamAccess access, bool shared,
                   std::unique_ptr<IsamIoFile>& file) override;
  DWORD Create(const std::string& name, std::unique_ptr<IsamIoFile>& file) override;
  DWORD CreateNew(const std::string& name, std::unique_ptr<IsamIoFile>& file) override;
  DWORD Delete(const std::string& name) override;
  void Sleep(DWORD ms) override;
  DWORD RandomFrom1(DWORD n) override;
};
