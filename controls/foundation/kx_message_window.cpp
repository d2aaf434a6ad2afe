#include "controls/foundation/kx_message_window.h"

#include <memory>

#include "controls/foundation/kx_controls_unit.h"
#include "platform/ui/object_instance.h"
#include "platform/user/def_window_proc.h"

namespace {

std::unique_ptr<TkxMessageWindow>& LibraryMessageWindow() {
  // Left alone at program exit, when the window layer may be gone: the unit's shut-down frees it.
  static auto* window = new std::unique_ptr<TkxMessageWindow>();
  return *window;
}

}  // namespace

TkxMessageWindow::TkxMessageWindow() {
  TWndMethod method;
  method = [this](TMessage& Message) { WndProc(Message); };
  handle_ = AllocateHWnd(method);
}

TkxMessageWindow::~TkxMessageWindow() { DeallocateHWnd(handle_); }

void TkxMessageWindow::WndProc(TMessage& Message) {
  Message.Result = DefWindowProcA(handle_, Message.Msg, Message.WParam, Message.LParam);
}

TkxMessageWindow* GetLibraryMessageWindow() {
  std::unique_ptr<TkxMessageWindow>& window = LibraryMessageWindow();
  if (window == nullptr && !IsControlsUnitFinalized()) window = std::make_unique<TkxMessageWindow>();
  return window.get();
}

void FreeLibraryMessageWindow() { LibraryMessageWindow().reset(); }
