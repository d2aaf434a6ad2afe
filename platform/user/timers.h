// Timers on the injectable clock: SetTimer / KillTimer for windows and for the thread.
//
// A timer becomes due `elapse` milliseconds (at least USER_TIMER_MINIMUM) after it was set or last
// delivered.  WM_TIMER is made when the thread looks for messages and finds nothing of higher
// priority; one due timer gives one WM_TIMER however late it is (timers never pile up), and
// taking it out of the queue starts the next period from that moment.  Due timers come out
// earliest deadline first, then in the order they were set.  A thread timer (window 0) carries its
// callback in lParam; DispatchMessage calls it.  Timers belong to the thread that set them and
// die with their window.
#pragma once

#include <optional>

#include "platform/user/user_types.h"

inline constexpr UINT USER_TIMER_MINIMUM = 0x0000000A, USER_TIMER_MAXIMUM = 0x7FFFFFFF;

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR id);

namespace user {

// The next due WM_TIMER of the calling thread for `hwnd` (nullptr: any window) within the message
// range, taken (and its period restarted) when `remove`.
std::optional<MSG> TakeDueTimer(HWND hwnd, UINT first, UINT last, bool remove);
// Milliseconds until the calling thread's next timer is due (0 when one is due); nothing when it
// has no timer.
std::optional<UInt64> MillisecondsToNextTimer();
// Drops every timer of a window (it is being destroyed).
void KillWindowTimers(HWND hwnd);

}  // namespace user
