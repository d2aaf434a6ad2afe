// The injectable clock: every reading of the wall time, of the monotonic millisecond counter and
// every pause of the program goes through the installed `Clock`.
//
// Production uses the real clock (local wall time from the system, CLOCK_MONOTONIC milliseconds,
// nanosleep).  Tests install a `FakeClock` with `ScopedClock`: today is whatever the test says,
// `Sleep` advances the fake time instead of waiting, so retry loops and timers run at full speed
// and give the same result on every run.
//
// Units: wall time is a TDateTime of local time (days since 1899-12-30, the fraction is the time of
// day); the tick count is milliseconds of a monotonic counter whose origin is unspecified.
// Invariant: a clock's tick count never decreases; a FakeClock's wall time moves only by SetNow
// and by exactly the milliseconds its ticks advance.
#pragma once

#include <mutex>

#include "platform/core/types.h"

class Clock {
 public:
  virtual ~Clock() = default;
  virtual TDateTime Now() = 0;
  virtual UInt64 TickCount() = 0;
  virtual void Sleep(UInt64 milliseconds) = 0;
};

// A clock that stands still until told to move.  Thread-safe.
class FakeClock final : public Clock {
 public:
  explicit FakeClock(TDateTime now, UInt64 tickCount = 0);

  TDateTime Now() override;
  UInt64 TickCount() override;
  void Sleep(UInt64 milliseconds) override;   // advances the clock; returns at once

  void SetNow(TDateTime now);                 // the wall time jumps; the tick count stays
  void Advance(UInt64 milliseconds);          // wall time and tick count move together

 private:
  std::mutex mutex_;
  TDateTime base_;          // the wall time last set
  UInt64 sinceBase_ = 0;    // milliseconds advanced since then (kept whole: no rounding drift)
  UInt64 tickCount_;
};

// The clock the free functions below read: the real one unless a test installed another.
Clock& CurrentClock();
// Installs `clock` (nullptr reinstalls the real clock) and returns the clock installed before.
Clock* SetClock(Clock* clock);

// Installs a clock for the lifetime of a scope (a test) and puts the previous one back.
class ScopedClock {
 public:
  explicit ScopedClock(Clock& clock) : previous_(SetClock(&clock)) {}
  ~ScopedClock() { SetClock(previous_); }
  ScopedClock(const ScopedClock&) = delete;
  ScopedClock& operator=(const ScopedClock&) = delete;

 private:
  Clock* previous_;
};

TDateTime Now();     // local date and time
TDateTime Date();    // today at midnight
TDateTime Time();    // the time of day as a fraction of a day
DWORD GetTickCount();        // milliseconds, wrapping after 49.7 days as the platform's counter does
UInt64 GetTickCount64();
void Sleep(DWORD milliseconds);
