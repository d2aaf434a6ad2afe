#include "platform/ui/timer.h"

#include "platform/classes/publisher.h"
#include "platform/core/exceptions.h"
#include "platform/ui/object_instance.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/message_ids.h"
#include "platform/user/timers.h"

PR_PUBLISH(TTimer) {
  p.Property("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true);
  p.Property("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000);
  p.Property("OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer);
}

namespace {
constexpr UINT_PTR kTimerId = 1;
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
  TWndMethod method;
  method = [this](TMessage& m) { WndProc(m); };
  window_ = AllocateHWnd(method);
}

TTimer::~TTimer() {
  enabled_ = false;
  UpdateTimer();
  DeallocateHWnd(window_);
}

void TTimer::SetEnabled(bool Value) {
  if (enabled_ == Value) return;
  enabled_ = Value;
  UpdateTimer();
}

void TTimer::SetInterval(Cardinal Value) {
  if (interval_ == Value) return;
  interval_ = Value;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent Value) {
  onTimer_ = std::move(Value);
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  KillTimer(window_, kTimerId);
  if (interval_ == 0 || !enabled_ || !onTimer_) return;
  if (SetTimer(window_, kTimerId, interval_, nullptr) == 0) throw EOutOfResources("Not enough timers available");
}

void TTimer::Timer() {
  if (onTimer_) onTimer_(this);
}

void TTimer::WndProc(TMessage& Message) {
  if (Message.Msg == WM_TIMER) {
    Timer();
    Message.Result = 0;
    return;
  }
  Message.Result = DefWindowProcA(window_, Message.Msg, Message.WParam, Message.LParam);
}
