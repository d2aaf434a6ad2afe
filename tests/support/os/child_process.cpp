#include "tests/support/os/child_process.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

void Channel::Send(DWORD value) {
  if (write(writeFd_, &value, sizeof value) != static_cast<ssize_t>(sizeof value))
    throw std::runtime_error("channel write failed");
}

DWORD Channel::Receive() {
  DWORD value;
  ssize_t got;
  do got = read(readFd_, &value, sizeof value);
  while (got < 0 && errno == EINTR);
  return got == static_cast<ssize_t>(sizeof value) ? value : kChannelClosed;
}

ChildProcess::ChildProcess(const std::function<int(Channel&)>& body) {
  int toChild[2], toParent[2];
  if (pipe(toChild) != 0 || pipe(toParent) != 0) throw std::runtime_error("pipe failed");
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    close(toChild[1]);
    close(toParent[0]);
    Channel channel(toChild[0], toParent[1]);
    int result = 120;
    try {
      result = body(channel);
    } catch (...) {
      result = 121;
    }
    _exit(result);
  }
  close(toChild[0]);
  close(toParent[1]);
  channel_ = Channel(toParent[0], toChild[1]);
  readFd_ = toParent[0];
  writeFd_ = toChild[1];
}

ChildProcess::~ChildProcess() {
  Wait();
  close(readFd_);
}

int ChildProcess::Wait() {
  if (status_ >= 0) return status_;
  if (writeFd_ >= 0) {
    close(writeFd_);   // the child sees the end of its input
    writeFd_ = -1;
  }
  int status = 0;
  while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return status_;
}
