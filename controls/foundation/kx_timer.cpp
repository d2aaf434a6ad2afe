#include "controls/foundation/kx_timer.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "controls/foundation/kx_controls_unit.h"
#include "controls/foundation/kx_message_window.h"
#include "platform/classes/publisher.h"
#include "platform/user/message_ids.h"
#include "platform/user/timers.h"

PR_PUBLISH(TkxTimer) {
  p.Property("Enabled", &TkxTimer::Enabled, &TkxTimer::SetEnabled).Default(true);
  p.Property("Interval", &TkxTimer::Interval, &TkxTimer::SetInterval).Default(1000);
  p.Property("OnTimer", &TkxTimer::OnTimer, &TkxTimer::SetOnTimer);
}

// The shared window: WM_TIMER of a running timer's id calls the timer; other ids are dropped.
class TkxTimerWindow : public TkxMessageWindow {
 protected:
  void WndProc(TMessage& Message) override;
};

namespace {

using RunningTimers = std::vector<TkxTimer*>;

// Left alone at program exit, when the window layer may be gone: the unit's shut-down frees them.
std::unique_ptr<RunningTimers>& RunningTimerList() {
  static auto* list = new std::unique_ptr<RunningTimers>();
  return *list;
}

std::unique_ptr<TkxTimerWindow>& TimerWindow() {
  static auto* window = new std::unique_ptr<TkxTimerWindow>();
  return *window;
}

// The running-timer list, made unless shut-down has begun (then what is left, or none).
RunningTimers* GetRunningTimerList() {
  std::unique_ptr<RunningTimers>& list = RunningTimerList();
  if (list == nullptr && !IsControlsUnitFinalized()) list = std::make_unique<RunningTimers>();
  return list.get();
}

TkxTimerWindow* GetTimerWindow() {
  std::unique_ptr<TkxTimerWindow>& window = TimerWindow();
  if (window == nullptr && !IsControlsUnitFinalized()) window = std::make_unique<TkxTimerWindow>();
  return window.get();
}

TkxTimer* RunningTimerOf(UINT_PTR Id) {
  RunningTimers* list = RunningTimerList().get();
  if (list == nullptr) return nullptr;
  const auto it = std::find_if(list->begin(), list->end(),
                               [Id](TkxTimer* timer) { return reinterpret_cast<UINT_PTR>(timer) == Id; });
  return it == list->end() ? nullptr : *it;
}

}  // namespace

void TkxTimerWindow::WndProc(TMessage& Message) {
  if (Message.Msg != WM_TIMER) return TkxMessageWindow::WndProc(Message);
  if (TkxTimer* timer = RunningTimerOf(UINT_PTR(Message.WParam))) timer->TimeOut();
  Message.Result = 0;
}

HWND GetTimerWindowHandle() {
  TkxTimerWindow* window = GetTimerWindow();
  return window != nullptr ? window->Handle() : nullptr;
}

void FreeTimerWindow() { TimerWindow().reset(); }

void FreeRunningTimerList() { RunningTimerList().reset(); }

TkxTimer::TkxTimer(TComponent* AOwner) : TComponent(AOwner) {}

TkxTimer::~TkxTimer() { KillTimer(); }

void TkxTimer::SetEnabled(bool Value) {
  if (enabled_ == Value) return;
  enabled_ = Value;
  UpdateTimer();
}

void TkxTimer::SetInterval(Cardinal Value) {
  if (Value == 0 || Value == interval_) return;
  interval_ = Value;
  UpdateTimer();
}

void TkxTimer::SetOnTimer(TNotifyEvent Value) {
  onTimer_ = std::move(Value);
  UpdateTimer();
}

void TkxTimer::TimeOut() {
  // A copy, so that a handler may free the timer (the tracker's tick does).
  const TNotifyEvent handler = onTimer_;
  handler(this);
}

void TkxTimer::UpdateTimer() {
  KillTimer();
  SetTimer();
}

void TkxTimer::SetTimer() {
  if (!CanSetTimer()) return;
  const HWND window = GetTimerWindowHandle();
  SetTimerOn(window != nullptr && ::SetTimer(window, TimerId(), interval_, nullptr) != 0);
}

void TkxTimer::KillTimer() {
  if (!running_) return;
  ::KillTimer(GetTimerWindowHandle(), TimerId());
  SetTimerOn(false);
}

void TkxTimer::SetTimerOn(bool Value) {
  if (running_ == Value) return;
  if (RunningTimers* list = GetRunningTimerList()) {
    if (Value) list->push_back(this);
    else std::erase(*list, this);
  }
  running_ = Value;
}
