// TUiScriptWatchdog: the time limit of a scripted run.  A thread of its own watches the clock, so
// the limit holds even when the interface thread never comes back to a message loop (a step that
// hangs, a program that loops).
//
// The limit is measured on the platform's clock (clock.h) from construction; the thread looks at
// the clock at least every 50 ms of real time, so a test that moves a fake clock past the limit
// sees the watchdog fire at once.  OnExpired runs once, on the watchdog's thread, unless Stop came
// first; Stop waits for a running OnExpired to return.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/core/types.h"

class Clock;

class TUiScriptWatchdog {
 public:
  TUiScriptWatchdog(Clock& Clock, UInt64 LimitMs, std::function<void()> OnExpired);
  ~TUiScriptWatchdog();
  TUiScriptWatchdog(const TUiScriptWatchdog&) = delete;
  TUiScriptWatchdog& operator=(const TUiScriptWatchdog&) = delete;

  void Stop();

 private:
  void Watch();

  Clock& clock_;
  UInt64 deadline_;
  std::function<void()> onExpired_;
  std::mutex mutex_;
  std::condition_variable stopped_;
  bool stop_ = false;
  std::thread thread_;
};
