// IsamEnv over platform/os.
#include "suite/isam/platform_isam_env.h"

#include "platform/core/win_errors.h"
#include "platform/os/clock.h"
#include "platform/os/file.h"
#include "platform/os/file_ops.h"
#include "platform/os/os_error.h"
#include "platform/os/random.h"
#include "suite/isam/mapped_io_file.h"
#include "suite/isam/platform_io_file.h"

namespace {
DWORD OpenFile(const std::string& name, DWORD access, DWORD share, DWORD disposition,
               std::unique_ptr<IsamIoFile>& out, bool mapped = false) {
  File f;
  const DWORD e = f.Open(name, access, share, disposition);
  if (e != ERROR_SUCCESS) return e;
  if (mapped) out = std::make_unique<MappedIoFile>(std::move(f), (access & GENERIC_WRITE) != 0);
  else out = std::make_unique<PlatformIoFile>(std::move(f));
  return e;
}

DWORD OpenExisting(const std::string& name, IsamAccess access, bool shared, std::unique_ptr<IsamIoFile>& file,
                   bool mapped) {
  const DWORD rights = access == IsamAccess::Read ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
  return OpenFile(name, rights, shared ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0, OPEN_EXISTING, file, mapped);
}
}  // namespace

DWORD PlatformIsamEnv::Open(const std::string& name, IsamAccess access, bool shared,
                            std::unique_ptr<IsamIoFile>& file) {
  return OpenExisting(name, access, shared, file, false);
}

DWORD PlatformIsamEnv::OpenMapped(const std::string& name, IsamAccess access, bool shared,
                                  std::unique_ptr<IsamIoFile>& file) {
  return OpenExisting(name, access, shared, file, true);
}

DWORD PlatformIsamEnv::Create(const std::string& name, std::unique_ptr<IsamIoFile>& file) {
  return OpenFile(name, GENERIC_READ | GENERIC_WRITE, 0, CREATE_ALWAYS, file);
}

DWORD PlatformIsamEnv::CreateNew(const std::string& name, std::unique_ptr<IsamIoFile>& file) {
  return OpenFile(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, CREATE_NEW, file);
}

DWORD PlatformIsamEnv::Delete(const std::string& name) {
  return DeleteFile(name) ? ERROR_SUCCESS : GetLastError();
}

void PlatformIsamEnv::Sleep(DWORD ms) { ::Sleep(ms); }

DWORD PlatformIsamEnv::RandomFrom1(DWORD n) { return static_cast<DWORD>(Random(static_cast<Integer>(n))) + 1; }
