// TkxTimer: a timer component whose window timers all run on one shared hidden window of the
// control library (the timer window), on the window layer's injectable clock.
//
// A timer runs its system timer exactly while it is Enabled, has an Interval and an OnTimer
// handler: every change of Enabled, Interval or the handler kills the system timer and sets it
// again, so the next tick comes a whole interval after the change.  The timer's id is its own
// address, listed in the running-timer list while its system timer runs; the timer window hands
// WM_TIMER only to listed ids, so a WM_TIMER still queued for a timer that has stopped (or gone)
// is dropped.  A failed SetTimer leaves the timer stopped until the next change tries again.
#pragma once

#include "platform/classes/component.h"
#include "platform/classes/event.h"
#include "platform/user/user_types.h"

class TkxTimer : public TComponent {
  PR_CLASS(TkxTimer, TComponent)

 public:
  explicit TkxTimer(TComponent* AOwner);
  ~TkxTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value);
  Cardinal Interval() const { return interval_; }
  // 0 is ignored: the timer keeps its interval and is not restarted.
  void SetInterval(Cardinal Value);
  const TNotifyEvent& OnTimer() const { return onTimer_; }
  void SetOnTimer(TNotifyEvent Value);
  // Whether the system timer runs.
  bool IsRunning() const { return running_; }

 protected:
  // Fires OnTimer.
  virtual void TimeOut();

 private:
  friend class TkxTimerWindow;
  UINT_PTR TimerId() const { return reinterpret_cast<UINT_PTR>(this); }
  bool CanSetTimer() const { return enabled_ && !running_ && static_cast<bool>(onTimer_); }
  void UpdateTimer();
  void SetTimer();
  void KillTimer();
  void SetTimerOn(bool Value);

  bool enabled_ = true;
  Cardinal interval_ = 1000;
  bool running_ = false;
  TNotifyEvent onTimer_;
};

// The timer window (made on first use; none once the unit's shut-down has begun).
HWND GetTimerWindowHandle();
// The unit's shut-down: the timer window, then the running-timer list.
void FreeTimerWindow();
void FreeRunningTimerList();
