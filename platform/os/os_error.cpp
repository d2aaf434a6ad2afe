// errno to Windows error numbers; see os_error.h.
#include "platform/os/os_error.h"

#include <sys/stat.h>

#include <cerrno>

#include "platform/core/win_errors.h"

namespace {

thread_local DWORD lastError = ERROR_SUCCESS;

// The folder part of a native path ("." for a bare name, "/" for a name in the root).
std::string ParentFolder(const std::string& path) {
  std::string::size_type end = path.find_last_not_of('/');
  if (end == std::string::npos) return "/";
  const std::string::size_type slash = path.rfind('/', end);
  if (slash == std::string::npos) return ".";
  const std::string::size_type parentEnd = path.find_last_not_of('/', slash);
  return parentEnd == std::string::npos ? "/" : path.substr(0, parentEnd + 1);
}

}  // namespace

DWORD WinErrorFromErrno(int err) {
  switch (err) {
    case 0: return ERROR_SUCCESS;
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR: case ENAMETOOLONG: case ELOOP: return ERROR_PATH_NOT_FOUND;
    case EMFILE: case ENFILE: return ERROR_TOO_MANY_OPEN_FILES;
    case EACCES: case EPERM: case EROFS: case EISDIR: case ETXTBSY: return ERROR_ACCESS_DENIED;
    case EBADF: return ERROR_INVALID_HANDLE;
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    case EINVAL: return ERROR_INVALID_PARAMETER;
    case EAGAIN: case EDEADLK: return ERROR_LOCK_VIOLATION;
    case EEXIST: return ERROR_ALREADY_EXISTS;
    case ENOTEMPTY: return ERROR_DIR_NOT_EMPTY;
    case ENOSPC: case EDQUOT: case EFBIG: return ERROR_DISK_FULL;
    case EXDEV: return ERROR_NOT_SAME_DEVICE;
    case ENXIO: case ENODEV: return ERROR_NOT_READY;
    case EHOSTDOWN: case EHOSTUNREACH: case ENETDOWN: case ENETUNREACH: case ENONET: case ESTALE:
    case ECONNREFUSED: case ECONNRESET: case ETIMEDOUT:
      return ERROR_BAD_NETPATH;
    case EIO: return ERROR_GEN_FAILURE;
    case EOPNOTSUPP: return ERROR_NOT_SUPPORTED;
    default: return ERROR_GEN_FAILURE;
  }
}

DWORD MissingPathError(const std::string& nativePath) {
  struct stat st;
  const std::string parent = ParentFolder(nativePath);
  return stat(parent.c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
}

DWORD WinErrorForPath(int err, const std::string& nativePath) {
  if (err == ENOENT || err == ENOTDIR) return MissingPathError(nativePath);
  return WinErrorFromErrno(err);
}

DWORD GetLastError() { return lastError; }
void SetLastError(DWORD error) { lastError = error; }
