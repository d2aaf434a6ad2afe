// Threads: a worker thread object with the platform's thread ids, and the main-thread test.
//
// Thread ids are the kernel's (gettid): unique among the live threads of the machine, never 0.
// The main thread is the process's first thread, whose id equals the process id; the user
// interface runs on it.  A `Thread` runs its body once, on its own thread, after `Start`; an
// exception escaping the body is kept (`FatalException`) instead of ending the process.
// Invariants: `ThreadID` is known when `Start` returns; the destructor waits for a started
// thread unless it was detached; a detached thread keeps what it needs alive by itself.
#pragma once

#include <exception>
#include <functional>
#include <memory>

#include "platform/core/types.h"

using TThreadID = DWORD;

TThreadID GetCurrentThreadId();
DWORD GetCurrentProcessId();   // the kernel's process id: the main thread's id
TThreadID MainThreadID();
bool IsMainThread();

class Thread {
 public:
  explicit Thread(std::function<void()> body);
  ~Thread();
  Thread(const Thread&) = delete;
  Thread& operator=(const Thread&) = delete;

  void Start();        // runs the body on a new thread; only once
  void WaitFor();      // until the body has returned; at once when not started or detached
  void Detach();       // the thread runs on alone; this object may go away before it ends
  bool Started() const;
  bool Finished() const;
  TThreadID ThreadID() const;                  // 0 before Start
  std::exception_ptr FatalException() const;   // valid once Finished

 private:
  struct State;
  std::shared_ptr<State> state_;
  struct Handle;
  std::unique_ptr<Handle> handle_;
};
