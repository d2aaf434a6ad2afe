// The real clock, the fake clock and the process-wide installation point (see clock.h).
#include "platform/os/clock.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <ctime>
#include <thread>

#include "platform/core/current_date.h"

namespace {

constexpr double kMsPerDay = 86'400'000.0;
constexpr Int64 kUnixEpochDays = 25'569;   // 1970-01-01 as a TDateTime

// Whole days plus the millisecond of the day, the way a date and a time of day add up.
TDateTime FromLocalMilliseconds(Int64 localMs) {
  const Int64 msPerDay = 86'400'000;
  Int64 days = localMs / msPerDay;
  Int64 msOfDay = localMs % msPerDay;
  if (msOfDay < 0) {
    msOfDay += msPerDay;
    --days;
  }
  return static_cast<double>(kUnixEpochDays + days) + static_cast<double>(msOfDay) / kMsPerDay;
}

class RealClock final : public Clock {
 public:
  TDateTime Now() override {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    tm local{};
    localtime_r(&ts.tv_sec, &local);
    const Int64 localSeconds = static_cast<Int64>(ts.tv_sec) + local.tm_gmtoff;
    return FromLocalMilliseconds(localSeconds * 1000 + ts.tv_nsec / 1'000'000);
  }

  UInt64 TickCount() override {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<UInt64>(ts.tv_sec) * 1000 + static_cast<UInt64>(ts.tv_nsec) / 1'000'000;
  }

  void Sleep(UInt64 milliseconds) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  }
};

RealClock realClock;
std::atomic<Clock*> installed{&realClock};

}  // namespace

FakeClock::FakeClock(TDateTime now, UInt64 tickCount) : base_(now), tickCount_(tickCount) {}

TDateTime FakeClock::Now() {
  std::lock_guard lock(mutex_);
  return base_ + static_cast<double>(sinceBase_) / kMsPerDay;
}

UInt64 FakeClock::TickCount() {
  std::lock_guard lock(mutex_);
  return tickCount_;
}

void FakeClock::Sleep(UInt64 milliseconds) { Advance(milliseconds); }

void FakeClock::SetNow(TDateTime now) {
  std::lock_guard lock(mutex_);
  base_ = now;
  sinceBase_ = 0;
}

void FakeClock::Advance(UInt64 milliseconds) {
  std::lock_guard lock(mutex_);
  sinceBase_ += milliseconds;
  tickCount_ += milliseconds;
}

Clock& CurrentClock() { return *installed.load(std::memory_order_acquire); }

Clock* SetClock(Clock* clock) {
  return installed.exchange(clock ? clock : &realClock, std::memory_order_acq_rel);
}

TDateTime Now() { return CurrentClock().Now(); }
TDateTime Date() { return std::trunc(Now()); }

// platform/core's date texts (a date typed without its year) read today from this clock, so a fake
// clock also fixes the year they assume.
[[maybe_unused]] const TCurrentDateHook kCoreDateHookBefore = SetCurrentDateHook(&Date);

TDateTime Time() {
  const TDateTime now = Now();
  return now - std::trunc(now);
}

DWORD GetTickCount() { return static_cast<DWORD>(CurrentClock().TickCount()); }
UInt64 GetTickCount64() { return CurrentClock().TickCount(); }
void Sleep(DWORD milliseconds) { CurrentClock().Sleep(milliseconds); }
