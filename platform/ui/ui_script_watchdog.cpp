#include "platform/ui/ui_script_watchdog.h"

#include <chrono>

#include "platform/os/clock.h"

namespace {

// How long the thread waits between two looks at the clock, at most (real time).
constexpr auto kLookInterval = std::chrono::milliseconds(50);

}  // namespace

TUiScriptWatchdog::TUiScriptWatchdog(Clock& Clock, UInt64 LimitMs, std::function<void()> OnExpired)
    : clock_(Clock), deadline_(Clock.TickCount() + LimitMs), onExpired_(std::move(OnExpired)) {
  thread_ = std::thread([this] { Watch(); });
}

TUiScriptWatchdog::~TUiScriptWatchdog() { Stop(); }

void TUiScriptWatchdog::Stop() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  stopped_.notify_all();
  if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
}

void TUiScriptWatchdog::Watch() {
  std::unique_lock lock(mutex_);
  while (!stop_) {
    const UInt64 now = clock_.TickCount();
    if (now >= deadline_) {
      lock.unlock();
      onExpired_();
      return;
    }
    const auto left = std::chrono::milliseconds(deadline_ - now);
    stopped_.wait_for(lock, left < kLookInterval ? left : kLookInterval);
  }
}
