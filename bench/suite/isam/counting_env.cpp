// Counting syncs and locks on the way to the platform environment.
#include "bench/suite/isam/counting_env.h"

#include "platform/core/win_errors.h"

namespace {
class CountingFile final : public IsamIoFile {
 public:
  CountingFile(std::unique_ptr<IsamIoFile> inner, CountingEnv& env) : inner_(std::move(inner)), env_(env) {}
  DWORD ReadAt(Int64 offset, void* buffer, DWORD n, DWORD& done) override {
    return inner_->ReadAt(offset, buffer, n, done);
  }
  DWORD WriteAt(Int64 offset, const void* buffer, DWORD n, DWORD& done) override {
    return inner_->WriteAt(offset, buffer, n, done);
  }
  DWORD Truncate(Int64 size) override { return inner_->Truncate(size); }
  DWORD Size(Int64& size) override { return inner_->Size(size); }
  DWORD Flush() override {
    if (env_.skipSyncs) return ERROR_SUCCESS;
    ++env_.counts.syncs;
    return inner_->Flush();
  }
  DWORD Lock(Int64 offset, Int64 length) override {
    ++env_.counts.locks;
    return inner_->Lock(offset, length);
  }
  DWORD Unlock(Int64 offset, Int64 length) override {
    ++env_.counts.locks;
    return inner_->Unlock(offset, length);
  }
  DWORD Close() override { return inner_->Close(); }

 private:
  std::unique_ptr<IsamIoFile> inner_;
  CountingEnv& env_;
};
}  // namespace

DWORD CountingEnv::Wrap(DWORD error, std::unique_ptr<IsamIoFile>& file) {
  if (error == ERROR_SUCCESS) file = std::make_unique<CountingFile>(std::move(file), *this);
  return error;
}

DWORD CountingEnv::Open(const std::string& name, IsamAccess access, bool shared, std::unique_ptr<IsamIoFile>& file) {
  return Wrap(platform_.Open(name, access, shared, file), file);
}

DWORD CountingEnv::OpenMapped(const std::string& name, IsamAccess access, bool shared,
                              std::unique_ptr<IsamIoFile>& file) {
  return Wrap(platform_.OpenMapped(name, access, shared, file), file);
}

DWORD CountingEnv::Create(const std::string& name, std::unique_ptr<IsamIoFile>& file) {
  return Wrap(platform_.Create(name, file), file);
}

DWORD CountingEnv::CreateNew(const std::string& name, std::unique_ptr<IsamIoFile>& file) {
  return Wrap(platform_.CreateNew(name, file), file);
}
