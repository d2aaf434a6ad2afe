// A forked child process for tests that race real processes.
//
// The child runs `body` and ends with _exit(the body's result); it never returns into the test
// framework.  Parent and child sequence each other with DWORD messages through two pipes: a
// Receive waits (without a timer) until the other side sends or ends.  Objects the parent opened
// before the fork are shared with the child (same open file descriptions), so a child opens its
// own files.
#pragma once

#include <functional>

#include "platform/core/types.h"

class Channel {
 public:
  Channel(int readFd, int writeFd) : readFd_(readFd), writeFd_(writeFd) {}
  void Send(DWORD value);
  // The next value; 0xFFFFFFFF when the other side has ended.
  DWORD Receive();

 private:
  int readFd_;
  int writeFd_;
};

inline constexpr DWORD kChannelClosed = 0xFFFFFFFFu;

class ChildProcess {
 public:
  explicit ChildProcess(const std::function<int(Channel&)>& body);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  Channel& channel() { return channel_; }
  void Send(DWORD value) { channel_.Send(value); }
  DWORD Receive() { return channel_.Receive(); }
  // Waits for the child; its exit status (or 128 + signal).
  int Wait();

 private:
  int pid_ = -1;
  int status_ = -1;
  int readFd_ = -1;
  int writeFd_ = -1;
  Channel channel_{-1, -1};
};
