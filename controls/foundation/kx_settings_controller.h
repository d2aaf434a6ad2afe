// The settings relay: turns a change of the system's non-client metrics (WM_SETTINGCHANGE with
// SPI_SETNONCLIENTMETRICS) into KXM_SCROLLBARMETRICSCHANGED for every registered control that
// has a window, in the order they registered.  The controls with scroll bars of their own
// register while they have them.  The relay's hidden window exists exactly while at least one
// control is registered; an exception raised while it handles a message goes to the
// application's exception handler and not out of the window procedure.
#pragma once

#include <vector>

#include "platform/ui/message.h"
#include "platform/user/user_types.h"

class TWinControl;

class TkxSettingsController {
 public:
  TkxSettingsController() = default;
  virtual ~TkxSettingsController();
  TkxSettingsController(const TkxSettingsController&) = delete;
  TkxSettingsController& operator=(const TkxSettingsController&) = delete;

  // Nothing for a control registered already.
  void AddControl(TWinControl* Control);
  void RemoveControl(TWinControl* Control);
  void NotifyControls();
  // The hidden window, null while no control is registered.
  HWND Handle() const { return window_; }

 protected:
  virtual void WndProc(TMessage& Message);

 private:
  void MainWndProc(TMessage& Message);

  std::vector<TWinControl*> controls_;
  HWND window_ = nullptr;
};

// Made on first use; none once the unit's shut-down has begun.
TkxSettingsController* GetSettingsController();
// The unit's shut-down.
void FreeSettingsController();
