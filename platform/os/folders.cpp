// Folder operations; see folders.h.
#include "platform/os/folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "platform/core/cp874.h"
#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"
#include "platform/os/path.h"

namespace {

bool Fail(DWORD error) {
  SetLastError(error);
  return false;
}

bool IsFolder(const std::string& native) {
  struct stat st;
  return stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Resolves `path` for a folder call; false (with the error set) when it cannot be resolved.
bool Resolve(std::string_view path, std::string& native) {
  if (const DWORD err = ResolvePath(path, native)) return Fail(err);
  if (native.empty()) return Fail(ERROR_PATH_NOT_FOUND);
  return true;
}

// The error of a failed folder call on `native`: an existing entry that is no folder is 267.
DWORD FolderError(int err, const std::string& native) {
  struct stat st;
  if (err == ENOTDIR && stat(native.c_str(), &st) == 0) return ERROR_DIRECTORY;
  return WinErrorForPath(err, native);
}

bool MakeFolder(const std::string& native) {
  if (mkdir(native.c_str(), 0777) == 0) return true;
  return Fail(errno == EEXIST ? ERROR_ALREADY_EXISTS : FolderError(errno, native));
}

}  // namespace

std::string GetCurrentDir() {
  std::unique_ptr<char, decltype(&free)> cwd(getcwd(nullptr, 0), &free);
  return cwd ? Utf8ToCp874(cwd.get()) : std::string();
}

bool SetCurrentDir(std::string_view path) {
  std::string native;
  if (!Resolve(path, native)) return false;
  return chdir(native.c_str()) == 0 || Fail(FolderError(errno, native));
}

bool CreateDir(std::string_view path) {
  std::string native;
  return Resolve(path, native) && MakeFolder(native);
}

bool ForceDirectories(std::string_view path) {
  std::string native;
  if (!Resolve(path, native)) return false;
  // Every prefix that ends before a '/' (and the whole path) must be a folder.
  for (std::size_t end = native.find('/', 1); ; end = native.find('/', end + 1)) {
    const std::string prefix = native.substr(0, end);
    // A folder another process made meanwhile counts as made.
    if (!prefix.empty() && !IsFolder(prefix) && !MakeFolder(prefix) && !IsFolder(prefix)) return false;
    if (end == std::string::npos) return true;
  }
}

bool RemoveDir(std::string_view path) {
  std::string native;
  if (!Resolve(path, native)) return false;
  if (rmdir(native.c_str()) == 0) return true;
  return Fail(errno == ENOTEMPTY || errno == EEXIST ? ERROR_DIR_NOT_EMPTY : FolderError(errno, native));
}

bool DirectoryExists(std::string_view path) {
  std::string native;
  return ResolvePath(path, native) == ERROR_SUCCESS && !native.empty() && IsFolder(native);
}
