// TTimer: runs OnTimer every Interval milliseconds of the clock while Enabled.
//
// The timer owns a hidden utility window (AllocateHWnd) and one window timer on it (id 1); every
// change of Enabled, Interval or the handler (SetOnTimer) kills the timer and, when Enabled with a
// non-zero Interval and a handler, sets it again, so the next tick is a whole interval after the
// change.  WM_TIMER runs Timer, which runs OnTimer; an exception it raises reaches the
// application's loop like any window procedure's.  No window timer left: EOutOfResources "Not
// enough timers available".
#pragma once

#include "platform/classes/component.h"
#include "platform/classes/event.h"
#include "platform/ui/message.h"

class TTimer : public TComponent {
  PR_CLASS(TTimer, TComponent)

 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value);
  Cardinal Interval() const { return interval_; }
  void SetInterval(Cardinal Value);
  const TNotifyEvent& OnTimer() const { return onTimer_; }
  void SetOnTimer(TNotifyEvent Value);

 protected:
  virtual void Timer();

 private:
  void UpdateTimer();
  void WndProc(TMessage& Message);

  HWND window_ = nullptr;
  bool enabled_ = true;
  Cardinal interval_ = 1000;
  TNotifyEvent onTimer_;
};
