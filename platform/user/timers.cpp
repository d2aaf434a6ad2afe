#include "platform/user/timers.h"

#include <algorithm>
#include <vector>

#include "platform/core/win_errors.h"
#include "platform/os/clock.h"
#include "platform/os/os_error.h"
#include "platform/user/message_ids.h"
#include "platform/user/input_state.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

struct Timer {
  HWND hwnd;
  UINT_PTR id;
  UInt64 interval;
  UInt64 due;      // tick count
  TIMERPROC proc;
  UInt64 serial;   // order of setting, for equal deadlines
};

struct ThreadTimers {
  std::vector<Timer> timers;
  UInt64 nextSerial = 0;
  UINT_PTR nextThreadTimerId = 1;
};

ThreadTimers& Timers() {
  thread_local ThreadTimers timers;
  return timers;
}

bool InRange(UINT message, UINT first, UINT last) {
  return (first == 0 && last == 0) || (message >= first && message <= last);
}

}  // namespace

std::optional<MSG> TakeDueTimer(HWND hwnd, UINT first, UINT last, bool remove) {
  if (!InRange(WM_TIMER, first, last)) return std::nullopt;
  ThreadTimers& t = Timers();
  const UInt64 now = GetTickCount64();
  Timer* best = nullptr;
  for (Timer& timer : t.timers) {
    if (timer.due > now || (hwnd != nullptr && timer.hwnd != hwnd)) continue;
    if (best == nullptr || std::tie(timer.due, timer.serial) < std::tie(best->due, best->serial)) best = &timer;
  }
  if (best == nullptr) return std::nullopt;
  MSG m{best->hwnd, WM_TIMER, best->id, reinterpret_cast<LPARAM>(best->proc), DWORD(now), CursorPosition()};
  if (remove) best->due = now + best->interval;
  return m;
}

std::optional<UInt64> MillisecondsToNextTimer() {
  ThreadTimers& t = Timers();
  if (t.timers.empty()) return std::nullopt;
  const UInt64 now = GetTickCount64();
  UInt64 due = t.timers.front().due;
  for (const Timer& timer : t.timers) due = std::min(due, timer.due);
  return due > now ? due - now : 0;
}

void KillWindowTimers(HWND hwnd) {
  auto& timers = Timers().timers;
  timers.erase(std::remove_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.hwnd == hwnd; }),
               timers.end());
}

}  // namespace user

using namespace user;

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  if (hwnd != nullptr && WindowTable::Instance().ThreadOf(hwnd) != GetCurrentThreadId()) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  ThreadTimers& t = Timers();
  const UInt64 interval = std::clamp<UInt64>(elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
  auto existing = std::find_if(t.timers.begin(), t.timers.end(),
                               [&](const Timer& timer) { return timer.hwnd == hwnd && timer.id == id; });
  if (hwnd == nullptr && existing == t.timers.end()) id = t.nextThreadTimerId++;
  const Timer timer{hwnd, id, interval, GetTickCount64() + interval, proc, t.nextSerial++};
  if (existing != t.timers.end())
    *existing = timer;
  else
    t.timers.push_back(timer);
  return hwnd == nullptr ? id : (id == 0 ? 1 : id);
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
  auto& timers = Timers().timers;
  auto it = std::find_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
  if (it == timers.end()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  timers.erase(it);
  return TRUE;
}
