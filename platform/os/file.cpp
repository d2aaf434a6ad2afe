// The platform file handle; see file.h.
//
// Invariants: fd_ >= 0 exactly when open; held_ lists the ranges this handle locked and still
// holds at the system level; checkLocks_ is set when the open shared reading or writing, so other
// handles may hold locks that I/O must respect.
#include "platform/os/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <utility>

#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"
#include "platform/os/path.h"
#include "platform/os/share_mode.h"

namespace {

constexpr DWORD kAllShares = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr DWORD kAllAccess = GENERIC_READ | GENERIC_WRITE;

int CreationFlags(DWORD disposition) {
  switch (disposition) {
    case CREATE_NEW: return O_CREAT | O_EXCL;
    case CREATE_ALWAYS: case OPEN_ALWAYS: return O_CREAT;
    default: return 0;
  }
}

int RetryOpen(const std::string& path, int flags) {
  int fd;
  do fd = open(path.c_str(), flags | O_CLOEXEC, 0666);
  while (fd < 0 && errno == EINTR);
  return fd;
}

bool ReadOnlyFallbackAllowed(int err) { return err == EACCES || err == EROFS || err == ETXTBSY || err == EPERM; }

// The range [offset, offset + length) lies in the lockable space: non-empty, not negative, below
// the share marks.
bool ValidRange(Int64 offset, Int64 length) {
  return offset >= 0 && length > 0 && offset < kShareMarksBase && length <= kShareMarksBase - offset;
}

struct flock RangeLock(short type, Int64 offset, Int64 length) {
  struct flock fl {};
  fl.l_type = type;
  fl.l_whence = SEEK_SET;
  fl.l_start = offset;
  fl.l_len = length;
  return fl;
}

int SetRangeLock(int fd, short type, Int64 offset, Int64 length) {
  struct flock fl = RangeLock(type, offset, length);
  int rc;
  do rc = fcntl(fd, F_OFD_SETLK, &fl);
  while (rc != 0 && errno == EINTR);
  return rc == 0 ? 0 : errno;
}

DWORD CheckOpenArguments(DWORD access, DWORD share, DWORD disposition) {
  if ((access & kAllAccess) == 0) return ERROR_INVALID_ACCESS;
  if ((access & ~kAllAccess) != 0 || (share & ~kAllShares) != 0) return ERROR_INVALID_PARAMETER;
  return disposition >= CREATE_NEW && disposition <= TRUNCATE_EXISTING ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER;
}

// Opens the descriptor read/write, or read-only when that is all the file allows and all the
// handle needs.
DWORD OpenDescriptor(const std::string& native, DWORD access, DWORD disposition, int& fd, bool& writable) {
  const int create = CreationFlags(disposition);
  fd = RetryOpen(native, O_RDWR | create);
  writable = fd >= 0;
  if (fd < 0 && !(access & GENERIC_WRITE) && ReadOnlyFallbackAllowed(errno)) fd = RetryOpen(native, O_RDONLY | create);
  if (fd >= 0) return ERROR_SUCCESS;
  return errno == EEXIST ? ERROR_FILE_EXISTS : WinErrorForPath(errno, native);
}

// Refuses folders and opens that the share modes of other opens forbid; then empties the file
// when the disposition asks for it, so a refused open never touches the contents.
DWORD AdmitDescriptor(int fd, bool writable, DWORD access, DWORD share, DWORD disposition) {
  struct stat st;
  if (fstat(fd, &st) != 0) return WinErrorFromErrno(errno);
  if (S_ISDIR(st.st_mode)) return ERROR_ACCESS_DENIED;
  if (const DWORD err = AcquireShareMarks(fd, writable, access, share)) return err;
  const bool empty = disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING;
  return empty && st.st_size != 0 && ftruncate(fd, 0) != 0 ? WinErrorFromErrno(errno) : ERROR_SUCCESS;
}

}  // namespace

File::File(File&& other) noexcept { *this = std::move(other); }

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = std::exchange(other.fd_, -1);
    writableFd_ = other.writableFd_;
    checkLocks_ = other.checkLocks_;
    access_ = other.access_;
    position_ = other.position_;
    nativePath_ = std::move(other.nativePath_);
    held_ = std::move(other.held_);
    other.Reset();
  }
  return *this;
}

File::~File() { Close(); }

void File::Reset() {
  fd_ = -1;
  writableFd_ = false;
  checkLocks_ = false;
  access_ = 0;
  position_ = 0;
  nativePath_.clear();
  held_.Clear();
}

DWORD File::Open(std::string_view path, DWORD access, DWORD share, DWORD disposition) {
  Close();
  if (const DWORD err = CheckOpenArguments(access, share, disposition)) return err;
  std::string native;
  if (const DWORD err = ResolvePath(path, native)) return err;
  if (native.empty()) return ERROR_PATH_NOT_FOUND;
  int fd = -1;
  bool writable = false;
  if (const DWORD err = OpenDescriptor(native, access, disposition, fd, writable)) return err;
  if (const DWORD err = AdmitDescriptor(fd, writable, access, share, disposition)) {
    close(fd);
    return err;
  }
  fd_ = fd;
  writableFd_ = writable;
  checkLocks_ = (share & (FILE_SHARE_READ | FILE_SHARE_WRITE)) != 0;
  access_ = access;
  position_ = 0;
  nativePath_ = std::move(native);
  return ERROR_SUCCESS;
}

DWORD File::Close() {
  if (fd_ < 0) return ERROR_INVALID_HANDLE;
  // Closing the only descriptor of the open file description releases its locks and marks.
  const int rc = close(fd_);
  const int err = errno;
  Reset();
  return rc == 0 || err == EINTR ? ERROR_SUCCESS : WinErrorFromErrno(err);
}

bool File::LockedElsewhere(Int64 offset, Int64 length) const {
  struct flock fl = RangeLock(F_WRLCK, offset, length);
  return fcntl(fd_, F_OFD_GETLK, &fl) == 0 && fl.l_type != F_UNLCK;
}

DWORD File::CheckTransfer(DWORD right, Int64 offset, DWORD n) const {
  if (fd_ < 0) return ERROR_INVALID_HANDLE;
  if (!(access_ & right)) return ERROR_ACCESS_DENIED;
  if (offset < 0) return ERROR_NEGATIVE_SEEK;
  // Share marks lie beyond every data offset and are no data lock: the test stops before them.
  if (n > 0 && checkLocks_ && offset < kShareMarksBase &&
      LockedElsewhere(offset, std::min<Int64>(n, kShareMarksBase - offset)))
    return ERROR_LOCK_VIOLATION;
  return ERROR_SUCCESS;
}

DWORD File::ReadAt(Int64 offset, void* buffer, DWORD n, DWORD& done) {
  done = 0;
  if (const DWORD err = CheckTransfer(GENERIC_READ, offset, n)) return err;
  auto* out = static_cast<char*>(buffer);
  while (done < n) {
    const ssize_t got = pread(fd_, out + done, n - done, offset + done);
    if (got < 0) {
      if (errno == EINTR) continue;
      return WinErrorFromErrno(errno);
    }
    if (got == 0) break;
    done += static_cast<DWORD>(got);
  }
  return ERROR_SUCCESS;
}

DWORD File::WriteAt(Int64 offset, const void* buffer, DWORD n, DWORD& done) {
  done = 0;
  if (const DWORD err = CheckTransfer(GENERIC_WRITE, offset, n)) return err;
  const auto* in = static_cast<const char*>(buffer);
  while (done < n) {
    const ssize_t put = pwrite(fd_, in + done, n - done, offset + done);
    if (put < 0) {
      if (errno == EINTR) continue;
      return WinErrorFromErrno(errno);
    }
    done += static_cast<DWORD>(put);
  }
  return ERROR_SUCCESS;
}

DWORD File::Read(void* buffer, DWORD n, DWORD& done) {
  const DWORD err = ReadAt(position_, buffer, n, done);
  position_ += done;
  return err;
}

DWORD File::Write(const void* buffer, DWORD n, DWORD& done) {
  const DWORD err = WriteAt(position_, buffer, n, done);
  position_ += done;
  return err;
}

DWORD File::Seek(Int64 distance, DWORD method, Int64* newPosition) {
  if (fd_ < 0) return ERROR_INVALID_HANDLE;
  Int64 base;
  switch (method) {
    case FILE_BEGIN: base = 0; break;
    case FILE_CURRENT: base = position_; break;
    case FILE_END:
      if (const DWORD err = Size(base)) return err;
      break;
    default: return ERROR_INVALID_PARAMETER;
  }
  if (distance > std::numeric_limits<Int64>::max() - base) return ERROR_INVALID_PARAMETER;
  if (base + distance < 0) return ERROR_NEGATIVE_SEEK;
  position_ = base + distance;
  if (newPosition != nullptr) *newPosition = position_;
  return ERROR_SUCCESS;
}

DWORD File::SetEndOfFile() { return SetSize(position_); }

DWORD File::SetSize(Int64 size) {
  if (fd_ < 0) return ERROR_INVALID_HANDLE;
  if (!(access_ & GENERIC_WRITE)) return ERROR_ACCESS_DENIED;
  if (size < 0) return ERROR_NEGATIVE_SEEK;
  int rc;
  do rc = ftruncate(fd_, size);
  while (rc != 0 && errno == EINTR);
  return rc == 0 ? ERROR_SUCCESS : WinErrorFromErrno(errno);
}

DWORD File::Size(Int64& size) const {
  size = 0;
  if (fd_ < 0) return ERROR_INVALID_HANDLE;
  struct stat st;
  if (fstat(fd_, &st) != 0) return WinErrorFromErrno(errno);
  size = st.st_size;
  return ERROR_SUCCESS;
}

DWORD File::Flush() {
  if (fd_ < 0) return ERROR_INVALID_HANDLE;
  if (!(access_ & GENERIC_WRITE)) return ERROR_ACCESS_DENIED;
  return fdatasync(fd_) == 0 ? ERROR_SUCCESS : WinErrorFromErrno(errno);
}

DWORD File::Lock(Int64 offset, Int64 length) {
  if (fd_ < 0) return ERROR_INVALID_HANDLE;
  if (!ValidRange(offset, length)) return ERROR_INVALID_PARAMETER;
  if (held_.Overlaps(offset, length)) return ERROR_LOCK_VIOLATION;
  const int err = SetRangeLock(fd_, writableFd_ ? F_WRLCK : F_RDLCK, offset, length);
  if (err != 0) return err == EAGAIN || err == EACCES ? ERROR_LOCK_VIOLATION : WinErrorFromErrno(err);
  held_.Add(offset, length);
  return ERROR_SUCCESS;
}

DWORD File::Unlock(Int64 offset, Int64 length) {
  if (fd_ < 0) return ERROR_INVALID_HANDLE;
  if (!held_.Contains(offset, length)) return ERROR_NOT_LOCKED;
  if (const int err = SetRangeLock(fd_, F_UNLCK, offset, length)) return WinErrorFromErrno(err);
  held_.Remove(offset, length);
  return ERROR_SUCCESS;
}
