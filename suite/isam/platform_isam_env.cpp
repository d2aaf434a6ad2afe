// IsamEnv over platform/os.
#include "suite/isam/platform_isam_env.h"

#include "platform/core/win_errors.h"
#include "platform/os/clock.h"
#include "platform/os/file.h"
#include "platform/os/file_ops.h"
#include "platform/os/os_error.h"
#include "platform/os/random.h"

namespace {
class PlatformIoFile final : public IsamIoFile {
 public:
  explicit PlatformIoFile(File file) : file_(std::move(file)) {}
  DWORD ReadAt(Int64 offset, void* buffer, DWORD n, DWORD& done) override {
    return file_.ReadAt(offset, buffer, n, done);
  }
  DWORD WriteAt(Int64 offset, const void* buffer, DWORD n, DWORD& done) override {
    return file_.WriteAt(offset, buffer, n, done);
  }
  DWORD Truncate(Int64 size) override { return file_.SetSize(size); }
  DWORD Size(Int64& size) override { return file_.Size(size); }
  DWORD Flush() override { return file_.Flush(); }
  DWORD Lock(Int64 offset, Int64 length) override { return file_.Lock(offset, length); }
  DWORD Unlock(Int64 offset, Int64 length) override { return file_.Unlock(offset, length); }
  DWORD Close() override { return file_.Close(); }

 private:
  File file_;
};

DWORD OpenFile(const std::string& name, DWORD access, DWORD share, DWORD disposition,
               std::unique_ptr<IsamIoFile>& out) {
  File f;
  const DWORD e = f.Open(name, access, share, disposition);
  if (e == ERROR_SUCCESS) out = std::make_unique<PlatformIoFile>(std::move(f));
  return e;
}
}  // namespace

DWORD PlatformIsamEnv::Open(const std::string& name, IsamAccess access, bool shared,
                            std::unique_ptr<IsamIoFile>& file) {
  const DWORD rights = access == IsamAccess::Read ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
  return OpenFile(name, rights, shared ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0, OPEN_EXISTING, file);
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
