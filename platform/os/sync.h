// Synchronisation objects with the class library's names and rules: a re-entrant critical
// section, manual- and auto-reset events (optionally named, shared by name within the process),
// and a many-readers/one-writer lock in which the writing thread may also read.
//
// Timed waits are measured on the real monotonic clock, not on the injectable one: a wait is
// woken by another thread's action, and a fake clock that nobody advances would turn a
// timeout into a hang.  Timeouts are milliseconds; `INFINITE` waits without limit.
// Invariants: an auto-reset event releases exactly one waiter per SetEvent and is reset by
// that release; a manual-reset event stays set until ResetEvent.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>

#include "platform/os/thread.h"

inline constexpr DWORD INFINITE = 0xFFFFFFFF;

enum class TWaitResult { wrSignaled, wrTimeout, wrAbandoned, wrError };

// Re-entrant: the owning thread may enter again and must leave as often.
class TCriticalSection {
 public:
  void Enter() { mutex_.lock(); }
  void Leave() { mutex_.unlock(); }
  bool TryEnter() { return mutex_.try_lock(); }
  void Acquire() { Enter(); }
  void Release() { Leave(); }

 private:
  std::recursive_mutex mutex_;
};

class TEvent {
 public:
  // Events with the same non-empty name are one event; the first creation decides its kind
  // and initial state.
  TEvent(bool manualReset, bool initialState, const std::string& name = {});
  ~TEvent();
  TEvent(const TEvent&) = delete;
  TEvent& operator=(const TEvent&) = delete;

  void SetEvent();
  void ResetEvent();
  TWaitResult WaitFor(DWORD timeoutMs = INFINITE);

 private:
  struct State;
  std::shared_ptr<State> state_;
};

// A manual-reset event that starts unset.
class TSimpleEvent : public TEvent {
 public:
  TSimpleEvent() : TEvent(true, false) {}
};

// Many readers or one writer.  The writer may take the write lock again and may take read
// locks; a reader may take read locks again even while a writer waits.  A reader must not ask
// for the write lock (that would wait for itself).
class TMultiReadExclusiveWriteSynchronizer {
 public:
  void BeginRead();
  void EndRead();
  bool BeginWrite();   // True (no other writer can have changed anything in between)
  void EndWrite();

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  int readers_ = 0;          // read locks held by threads other than the writer
  int waitingWriters_ = 0;
  TThreadID writer_ = 0;
  int writeDepth_ = 0;       // the writer's write and read locks together
};
