#include "controls/foundation/kx_mouse_tracking.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "controls/foundation/kx_control_routines.h"
#include "controls/foundation/kx_controls_unit.h"
#include "platform/classes/publisher.h"
#include "platform/core/exceptions.h"
#include "platform/ui/control_messages.h"
#include "platform/ui/win_control.h"
#include "platform/user/send_message.h"

PR_IMPLEMENT_CLASS(TMouseTrackingTimer)

namespace {

constexpr Cardinal kPollInterval = 10;   // milliseconds

using TrackingList = std::vector<std::unique_ptr<TMouseTrackingTimer>>;

// Left alone at program exit, when the window layer may be gone: the unit's shut-down frees it.
std::unique_ptr<TrackingList>& MouseTrackingTimerList() {
  static auto* list = new std::unique_ptr<TrackingList>();
  return *list;
}

TrackingList* GetTrackingList() {
  std::unique_ptr<TrackingList>& list = MouseTrackingTimerList();
  if (list == nullptr && !IsControlsUnitFinalized()) list = std::make_unique<TrackingList>();
  return list.get();
}

// A counted caller stays alive until the tick ends; an uncounted one (it answers -1, as
// components do) lives by its owner and is not touched again once its MouseLeave has run.
class CallerHold {
 public:
  explicit CallerHold(IInterface* Caller) : caller_(Caller->_AddRef() >= 0 ? Caller : nullptr) {}
  ~CallerHold() {
    if (caller_ != nullptr) caller_->_Release();
  }
  CallerHold(const CallerHold&) = delete;
  CallerHold& operator=(const CallerHold&) = delete;

 private:
  IInterface* caller_;
};

}  // namespace

TMouseTrackingTimer::TMouseTrackingTimer(TWinControl* AControl, const TRect& ABounds, IkxMouseTrackingCaller* ACaller)
    : TkxTimer(nullptr), caller_(ACaller), control_(AControl), bounds_(ABounds) {
  if (control_ != nullptr) control_->FreeNotification(this);
  SetInterval(kPollInterval);
  TNotifyEvent tick;
  tick = [this](TObject* Sender) { Tick(Sender); };
  SetOnTimer(std::move(tick));
}

void TMouseTrackingTimer::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == control_) control_ = nullptr;
}

void TMouseTrackingTimer::Tick(TObject*) {
  const TPoint cursor = GetCursorPosSafe();
  if (PtInRect(&bounds_, cursor)) return;
  // From here on this tracker may be freed at any step: only locals are used.
  IkxMouseTrackingCaller* caller = caller_.get();
  const CallerHold hold(caller);
  if (TWinControl* control = control_; control != nullptr && control->HandleAllocated()) {
    const TRect client = control->ClientRect();
    if (!PtInRect(&client, control->ScreenToClient(cursor)))
      SendMessageA(control->Handle(), CM_MOUSELEAVE, 0, LPARAM(control));
  }
  caller->MouseLeave();
  StopMouseLeaveTracking(caller);
}

void StartMouseLeaveTracking(TWinControl* Control, const TRect& Bounds, IkxMouseTrackingCaller* Caller) {
  if (Caller == nullptr || IsCallerTracked(Caller)) return;
  TrackingList* list = GetTrackingList();
  if (list == nullptr) return;
  TRect screenBounds = Bounds;
  if (Control != nullptr) MapRectBetweenWindows(Control->Handle(), nullptr, screenBounds);
  list->push_back(std::make_unique<TMouseTrackingTimer>(Control, screenBounds, Caller));
}

void StopMouseLeaveTracking(IkxMouseTrackingCaller* Caller) {
  TrackingList* list = MouseTrackingTimerList().get();
  TMouseTrackingTimer* tracker = GetMouseTracker(Caller);
  if (tracker == nullptr) return;
  const auto it = std::find_if(list->begin(), list->end(), [tracker](const auto& t) { return t.get() == tracker; });
  // Out of the list before it goes, so that a caller freed by the release finds nothing to stop.
  std::unique_ptr<TMouseTrackingTimer> stopped = std::move(*it);
  list->erase(it);
}

bool IsCallerTracked(IkxMouseTrackingCaller* Caller) {
  return !IsControlsUnitFinalized() && GetMouseTracker(Caller) != nullptr;
}

TMouseTrackingTimer* GetMouseTracker(IkxMouseTrackingCaller* Caller) {
  TrackingList* list = MouseTrackingTimerList().get();
  if (IsControlsUnitFinalized() || list == nullptr) return nullptr;
  for (const auto& tracker : *list)
    if (tracker->Caller() == Caller) return tracker.get();
  return nullptr;
}

void FreeMouseTrackingList() {
  std::unique_ptr<TrackingList>& list = MouseTrackingTimerList();
  if (list != nullptr && !list->empty()) throw Exception("MouseTrackingTimerList.Count <> 0");
  list.reset();
}
