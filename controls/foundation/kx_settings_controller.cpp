#include "controls/foundation/kx_settings_controller.h"

#include <algorithm>
#include <memory>

#include "controls/foundation/kx_control_routines.h"
#include "controls/foundation/kx_controls_unit.h"
#include "platform/ui/application.h"
#include "platform/ui/object_instance.h"
#include "platform/ui/win_control.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/message_ids.h"
#include "platform/user/non_client_metrics.h"
#include "platform/user/send_message.h"

namespace {

// Left alone at program exit, when the window layer may be gone: the unit's shut-down frees it.
std::unique_ptr<TkxSettingsController>& SettingsController() {
  static auto* controller = new std::unique_ptr<TkxSettingsController>();
  return *controller;
}

}  // namespace

TkxSettingsController::~TkxSettingsController() {
  if (window_ != nullptr) DeallocateHWnd(window_);
}

void TkxSettingsController::AddControl(TWinControl* Control) {
  if (std::find(controls_.begin(), controls_.end(), Control) != controls_.end()) return;
  if (controls_.empty()) {
    TWndMethod method;
    method = [this](TMessage& Message) { MainWndProc(Message); };
    window_ = AllocateHWnd(method);
  }
  controls_.push_back(Control);
}

void TkxSettingsController::RemoveControl(TWinControl* Control) {
  const auto it = std::find(controls_.begin(), controls_.end(), Control);
  if (it == controls_.end()) return;
  controls_.erase(it);
  if (controls_.empty()) {
    DeallocateHWnd(window_);
    window_ = nullptr;
  }
}

void TkxSettingsController::NotifyControls() {
  for (TWinControl* control : controls_)
    if (control->HandleAllocated()) SendNotifyMessageA(control->Handle(), KXM_SCROLLBARMETRICSCHANGED, 0, 0);
}

void TkxSettingsController::WndProc(TMessage& Message) {
  if (Message.Msg == WM_SETTINGCHANGE && Message.WParam == SPI_SETNONCLIENTMETRICS) {
    NotifyControls();
    Message.Result = 0;
    return;
  }
  Message.Result = DefWindowProcA(window_, Message.Msg, Message.WParam, Message.LParam);
}

void TkxSettingsController::MainWndProc(TMessage& Message) {
  try {
    WndProc(Message);
  } catch (...) {
    Application->HandleException(nullptr);
  }
}

TkxSettingsController* GetSettingsController() {
  std::unique_ptr<TkxSettingsController>& controller = SettingsController();
  if (controller == nullptr && !IsControlsUnitFinalized()) controller = std::make_unique<TkxSettingsController>();
  return controller.get();
}

void FreeSettingsController() { SettingsController().reset(); }
