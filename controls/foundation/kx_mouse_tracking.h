// Mouse-leave tracking: a control that must know when the cursor has left an area registers an
// IkxMouseTrackingCaller; a TMouseTrackingTimer then polls the cursor every 10 ms and, once it is
// outside the area, tells the control (CM_MOUSELEAVE, when the cursor has left its client area
// too) and the caller (MouseLeave), and frees itself.
//
// One tracker per caller.  Every caller ends its tracking at the latest in its destructor.  A
// caller's MouseLeave may stop its own tracking or free the caller; the tick touches neither the
// tracker nor an uncounted caller once MouseLeave has run, and keeps a counted caller (an
// interface reference count of its own) alive until the tick ends.  A tracker forgets its control
// when the control is freed.  Trackers left at the unit's shut-down are reported by it.
#pragma once

#include "platform/classes/interface.h"
#include "controls/foundation/kx_timer.h"
#include "platform/gdi/geometry.h"

class TWinControl;

class IkxMouseTrackingCaller : public IInterface {
 public:
  // The cursor has left the tracked area.
  virtual void MouseLeave() = 0;

 protected:
  ~IkxMouseTrackingCaller() = default;
};

class TMouseTrackingTimer : public TkxTimer {
  PR_CLASS(TMouseTrackingTimer, TkxTimer)

 public:
  TMouseTrackingTimer(TWinControl* AControl, const TRect& ABounds, IkxMouseTrackingCaller* ACaller);

  IkxMouseTrackingCaller* Caller() const { return caller_.get(); }
  TWinControl* Control() const { return control_; }
  // Screen coordinates.
  const TRect& Bounds() const { return bounds_; }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void Tick(TObject* Sender);

  TInterfacePtr<IkxMouseTrackingCaller> caller_;
  TWinControl* control_;
  TRect bounds_;
};

// Nothing once the unit's shut-down has begun or while the caller is tracked.  Bounds are in the
// control's client coordinates, or screen coordinates without a control.
void StartMouseLeaveTracking(TWinControl* Control, const TRect& Bounds, IkxMouseTrackingCaller* Caller);
// Frees the caller's tracker; nothing when it has none.
void StopMouseLeaveTracking(IkxMouseTrackingCaller* Caller);
// False once the unit's shut-down has begun.
bool IsCallerTracked(IkxMouseTrackingCaller* Caller);
// The caller's tracker (by the identity of the interface reference); none once shut-down began.
TMouseTrackingTimer* GetMouseTracker(IkxMouseTrackingCaller* Caller);
// The unit's shut-down: frees the empty tracking list, or raises Exception
// "MouseTrackingTimerList.Count <> 0" and keeps the list when trackers are left.
void FreeMouseTrackingList();
