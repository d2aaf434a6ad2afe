// Whole regular files read without blocking; see regular_file.h.
#include "platform/os/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/core/win_errors.h"
#include "platform/os/file.h"
#include "platform/os/os_error.h"
#include "platform/os/path.h"
#include "platform/os/share_mode.h"

namespace {

// Closes the descriptor when it goes.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

DWORD ReadAll(int fd, std::int64_t size, std::vector<Byte>& bytes) {
  bytes.resize(std::size_t(size));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = pread(fd, bytes.data() + done, bytes.size() - done, off_t(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return ERROR_READ_FAULT;
    if (n == 0) break;   // the file was cut while it was read: keep what is there
    done += std::size_t(n);
  }
  bytes.resize(done);
  return ERROR_SUCCESS;
}

DWORD ReadInto(std::string_view path, std::int64_t maxSize, std::vector<Byte>& bytes) {
  std::string native;
  if (const DWORD err = ResolvePath(path, native)) return err;
  if (native.empty()) return ERROR_PATH_NOT_FOUND;
  const Descriptor file(open(native.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (file.get() < 0) return WinErrorForPath(errno, native);
  struct stat st;
  if (fstat(file.get(), &st) != 0) return WinErrorFromErrno(errno);
  if (!S_ISREG(st.st_mode)) return ERROR_ACCESS_DENIED;
  if (maxSize != kAnyFileSize && st.st_size > maxSize) return ERROR_FILE_TOO_LARGE;
  if (const DWORD err = AcquireShareMarks(file.get(), false, GENERIC_READ, FILE_SHARE_READ)) return err;
  return ReadAll(file.get(), st.st_size, bytes);
}

}  // namespace

DWORD ReadRegularFile(std::string_view path, std::int64_t maxSize, std::vector<Byte>& bytes) {
  const DWORD err = ReadInto(path, maxSize, bytes);
  if (err != ERROR_SUCCESS) bytes.clear();
  return err;
}
