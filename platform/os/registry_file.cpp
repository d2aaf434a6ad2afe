// Reading, locking and atomically replacing a registry file (see registry_file.h).
#include "platform/os/registry_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/core/cp874.h"
#include "platform/core/win_errors.h"
#include "platform/os/folders.h"
#include "platform/os/os_error.h"
#include "platform/os/owned_descriptor.h"

namespace {

DWORD LastErrno() { return WinErrorFromErrno(errno); }

bool ReadAll(int fd, std::string& out) {
  char buffer[16384];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n == 0) return true;
    if (n < 0 && errno != EINTR) return false;
    if (n > 0) out.append(buffer, static_cast<std::size_t>(n));
  }
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = write(fd, data.data(), data.size());
    if (n < 0 && errno != EINTR) return false;
    if (n > 0) data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('/')); }

}  // namespace

DWORD RegistryFile::Refresh() {
  const OwnedDescriptor file(open(path_.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) {
    if (errno != ENOENT) return LastErrno();
    if (!loaded_ || identity_.exists) tree_ = RegistryKey();
    identity_ = Identity();
    loaded_ = true;
    return ERROR_SUCCESS;
  }
  struct stat st {};
  if (fstat(file.get(), &st) != 0) return LastErrno();
  const Identity now{true, st.st_dev, st.st_ino, static_cast<UInt64>(st.st_size), st.st_mtim.tv_sec,
                     st.st_mtim.tv_nsec};
  if (loaded_ && now == identity_) return ERROR_SUCCESS;
  std::string text;
  if (!ReadAll(file.get(), text)) return LastErrno();
  auto tree = ParseRegistry(text);
  if (!tree) return ERROR_BADDB;
  tree_ = std::move(*tree);
  identity_ = now;
  loaded_ = true;
  return ERROR_SUCCESS;
}

DWORD RegistryFile::Read(const std::function<DWORD(const RegistryKey& root)>& read) {
  std::lock_guard lock(mutex_);
  if (const DWORD error = Refresh(); error != ERROR_SUCCESS) return error;
  return read(tree_);
}

DWORD RegistryFile::Write(const std::function<DWORD(RegistryKey& root, bool& changed)>& change) {
  std::lock_guard lock(mutex_);
  const std::string folder = FolderOf(path_);
  if (!ForceDirectories(Utf8ToCp874(folder))) return GetLastError();
  const OwnedDescriptor lockFile(open((path_ + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
  if (lockFile.get() < 0) return LastErrno();
  while (flock(lockFile.get(), LOCK_EX) != 0)
    if (errno != EINTR) return LastErrno();
  // The lock is released when the descriptor closes, after the new file is in place.
  if (const DWORD error = Refresh(); error != ERROR_SUCCESS) return error;
  RegistryKey copy = tree_;
  bool changed = false;
  const DWORD result = change(copy, changed);
  if (result != ERROR_SUCCESS || !changed) return result;
  if (const DWORD error = Store(copy); error != ERROR_SUCCESS) return error;
  tree_ = std::move(copy);
  return ERROR_SUCCESS;
}

DWORD RegistryFile::Store(const RegistryKey& root) {
  const std::string temporary = path_ + ".new";
  const OwnedDescriptor file(open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (file.get() < 0) return LastErrno();
  struct stat st {};
  if (!WriteAll(file.get(), SerializeRegistry(root)) || fsync(file.get()) != 0 ||
      fstat(file.get(), &st) != 0 || rename(temporary.c_str(), path_.c_str()) != 0) {
    const DWORD error = LastErrno();
    unlink(temporary.c_str());
    return error;
  }
  identity_ = {true, st.st_dev, st.st_ino, static_cast<UInt64>(st.st_size), st.st_mtim.tv_sec,
               st.st_mtim.tv_nsec};
  return ERROR_SUCCESS;
}
