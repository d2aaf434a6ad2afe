// Shared pieces of the engine's tests.
#include "isam_test_support.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "platform/core/win_errors.h"

namespace {
class FaultFile final : public IsamIoFile {
 public:
  FaultFile(FaultEnv& env, std::string name, std::unique_ptr<IsamIoFile> base)
      : env_(env), name_(std::move(name)), base_(std::move(base)) {}
  DWORD ReadAt(Int64 offset, void* buffer, DWORD n, DWORD& done) override {
    env_.BeforeRead(name_);
    return base_->ReadAt(offset, buffer, n, done);
  }
  DWORD WriteAt(Int64 offset, const void* buffer, DWORD n, DWORD& done) override {
    done = 0;
    const DWORD e = env_.BeforeWrite(name_);
    return e != ERROR_SUCCESS ? e : base_->WriteAt(offset, buffer, n, done);
  }
  DWORD Truncate(Int64 size) override {
    const DWORD e = env_.BeforeWrite(name_);
    return e != ERROR_SUCCESS ? e : base_->Truncate(size);
  }
  DWORD Size(Int64& size) override { return base_->Size(size); }
  // Data written before a process dies is in the system's cache and survives it: the stations these
  // tests kill are processes, not machines, so forcing it to the disk would only cost time.
  DWORD Flush() override {
    env_.CountFlush(name_);
    return ERROR_SUCCESS;
  }
  DWORD Lock(Int64 offset, Int64 length) override {
    env_.CountLock();
    return base_->Lock(offset, length);
  }
  DWORD Unlock(Int64 offset, Int64 length) override {
    env_.CountUnlock();
    return base_->Unlock(offset, length);
  }
  DWORD Close() override { return base_->Close(); }

 private:
  FaultEnv& env_;
  std::string name_;
  std::unique_ptr<IsamIoFile> base_;
};

bool EndsWith(const std::string& s, const std::string& suffix) {
  return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}
}  // namespace

FaultEnv::FaultEnv() { IsamSetEnv(this); }
FaultEnv::~FaultEnv() { IsamSetEnv(nullptr); }

void FaultEnv::Arm(Fault fault, long n, const std::string& suffix, DWORD error) {
  fault_ = fault;
  at_ = n;
  writes_ = 0;
  suffix_ = suffix;
  error_ = error;
}

DWORD FaultEnv::BeforeWrite(const std::string& name) {
  if (!EndsWith(name, suffix_)) return ERROR_SUCCESS;
  ++writes_;
  if (fault_ == Fault::None || writes_ != at_) return ERROR_SUCCESS;
  if (fault_ == Fault::Kill) raise(SIGKILL);
  fault_ = Fault::None;
  return error_;
}

void FaultEnv::BeforeRead(const std::string& name) {
  if (!readHook_ || !EndsWith(name, readSuffix_)) return;
  const std::function<void()> hook = std::move(readHook_);
  readHook_ = nullptr;
  hook();
}

DWORD FaultEnv::Wrap(const std::string& name, DWORD e, std::unique_ptr<IsamIoFile>& file) {
  if (e == ERROR_SUCCESS) file = std::make_unique<FaultFile>(*this, name, std::move(file));
  return e;
}

DWORD FaultEnv::Open(const std::string& name, IsamAccess access, bool shared, std::unique_ptr<IsamIoFile>& file) {
  return Wrap(name, base_.Open(name, access, shared, file), file);
}

DWORD FaultEnv::OpenMapped(const std::string& name, IsamAccess access, bool shared,
                           std::unique_ptr<IsamIoFile>& file) {
  return Wrap(name, base_.OpenMapped(name, access, shared, file), file);
}

DWORD FaultEnv::Create(const std::string& name, std::unique_ptr<IsamIoFile>& file) {
  const DWORD e = BeforeWrite(name);
  if (e != ERROR_SUCCESS) return e;
  return Wrap(name, base_.Create(name, file), file);
}

DWORD FaultEnv::CreateNew(const std::string& name, std::unique_ptr<IsamIoFile>& file) {
  const DWORD e = BeforeWrite(name);
  if (e != ERROR_SUCCESS) return e;
  return Wrap(name, base_.CreateNew(name, file), file);
}

namespace {
std::function<void(IsamPoint)>& TestPointHook() {
  static std::function<void(IsamPoint)> hook;
  return hook;
}
}  // namespace

void IsamTestPoint(IsamPoint point) {
  if (TestPointHook()) TestPointHook()(point);
}

void SetTestPointHook(std::function<void(IsamPoint)> hook) { TestPointHook() = std::move(hook); }

std::vector<KeyTableEntry> EmployeeKeys() { return {{9, 0}, {11, 0}, {26, 1}, {40, 1}, {20, 1}}; }

bool CreateFile(const std::string& name, Integer recordLength, const std::vector<KeyTableEntry>& keys) {
  IsamCreateFileBlock(name, recordLength, static_cast<Word>(keys.size()), keys.data());
  return IsamLastOK;
}

IsamFileBlock* OpenFile(const std::string& name, bool saveMode, bool network) {
  IsamFileBlock* fb = nullptr;
  IsamOpenFileBlock(fb, name, false, false, saveMode, network);
  return fb;
}

std::string MakeRecord(Integer length, const std::string& text) {
  std::string r(4, '\0');
  r += text;
  r.resize(static_cast<size_t>(length), '\0');
  return r;
}

void PokeByte(const std::string& path, long offset, unsigned char value) {
  std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
  f.seekp(offset);
  f.put(static_cast<char>(value));
}

long FileSize(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 ? static_cast<long>(st.st_size) : -1;
}
