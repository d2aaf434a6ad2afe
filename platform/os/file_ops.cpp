// Delete, move and exists by name; see file_ops.h.
#include "platform/os/file_ops.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"
#include "platform/os/path.h"
#include "platform/os/share_mode.h"

namespace {

bool Fail(DWORD error) {
  SetLastError(error);
  return false;
}

// True when an open handle of the file at `native` refuses deletion (and renaming).
bool HeldWithoutDeleteShare(const std::string& native) {
  const int fd = open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return false;
  const bool refused = DeletionRefused(fd);
  close(fd);
  return refused;
}

bool Exists(const std::string& native) {
  struct stat st;
  return lstat(native.c_str(), &st) == 0;
}

// Renames without replacing an existing target; errno on failure.
int RenameNoReplace(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  // A file system without RENAME_NOREPLACE: test, then rename (not atomic).
  if (Exists(to)) return EEXIST;
  return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

}  // namespace

bool DeleteFile(std::string_view path) {
  std::string native;
  if (const DWORD err = ResolvePath(path, native)) return Fail(err);
  if (native.empty()) return Fail(ERROR_PATH_NOT_FOUND);
  if (HeldWithoutDeleteShare(native)) return Fail(ERROR_SHARING_VIOLATION);
  if (unlink(native.c_str()) != 0) return Fail(WinErrorForPath(errno, native));
  return true;
}

bool MoveFile(std::string_view from, std::string_view to) {
  std::string source, target;
  if (const DWORD err = ResolvePath(from, source)) return Fail(err);
  if (const DWORD err = ResolvePath(to, target)) return Fail(err);
  if (source.empty() || target.empty()) return Fail(ERROR_PATH_NOT_FOUND);
  if (!Exists(source)) return Fail(WinErrorForPath(errno, source));
  if (HeldWithoutDeleteShare(source)) return Fail(ERROR_SHARING_VIOLATION);
  const int err = RenameNoReplace(source, target);
  if (err == 0) return true;
  if (err == EEXIST || err == ENOTEMPTY) return Fail(ERROR_ALREADY_EXISTS);
  return Fail(WinErrorForPath(err, target));
}

bool FileExists(std::string_view path) {
  std::string native;
  if (ResolvePath(path, native) != ERROR_SUCCESS || native.empty()) return false;
  struct stat st;
  return stat(native.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}
