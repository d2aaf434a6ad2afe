// A file descriptor owned by one scope: closed when the owner goes, never copied.
#pragma once

#include <unistd.h>

class OwnedDescriptor {
 public:
  explicit OwnedDescriptor(int fd) : fd_(fd) {}
  ~OwnedDescriptor() {
    if (fd_ >= 0) close(fd_);
  }
  OwnedDescriptor(const OwnedDescriptor&) = delete;
  OwnedDescriptor& operator=(const OwnedDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};
