// TCustomForm: activation and the focused control, dialog keys, modal showing and closing.
#include "platform/ui/form.h"

#include <vector>

#include "platform/ui/application.h"
#include "platform/ui/cursors.h"
#include "platform/ui/screen.h"
#include "platform/user/capture.h"
#include "platform/user/focus.h"
#include "platform/user/key_state.h"
#include "platform/user/post_message.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_tree.h"

namespace {

// Counts focus changes, so that a focus message whose handler moved the focus elsewhere can be
// recognised: the change it was part of is then abandoned.
Integer focusCount = 0;

}  // namespace

void TCustomForm::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ACTIVATE: return WMActivate(Message);
    case WM_CLOSE: return WMClose(Message);
    case WM_PAINT: return WMPaint(Message);
    case WM_SYSCOMMAND: return WMSysCommand(Message);
    case WM_QUERYENDSESSION: Message.Result = CloseQuery() ? 1 : 0; return;
    case CM_SHOWINGCHANGED: return CMShowingChanged(Message);
    case CM_ACTIVATE:
      if (!ComponentState().Contains(csReading)) Activate();
      else formState_.Include(fsActivated);
      return;
    case CM_DEACTIVATE:
      if (!ComponentState().Contains(csReading)) Deactivate();
      else formState_.Exclude(fsActivated);
      return;
    case CM_DIALOGKEY: return CMDialogKey(Message);
    case CM_RELEASE: delete this; return;
    case CM_APPSYSCOMMAND: return CMAppSysCommand(Message);
    default: return inherited::Dispatch(Message);
  }
}

void TCustomForm::Activate() { OnActivate(this); }

void TCustomForm::Deactivate() { OnDeactivate(this); }

void TCustomForm::WMActivate(TMessage& Message) {
  if (formStyle_ != fsMDIForm || ComponentState().Contains(csDesigning))
    SetActive(LOWORD(Message.WParam) != WA_INACTIVE);
}

void TCustomForm::SetActive(bool Value) {
  active_ = Value;
  if (!Value) return;
  if (activeControl_ == nullptr && !ComponentState().Contains(csDesigning))
    activeControl_ = FindNextControl(nullptr, true, true, false);
  SetWindowFocus();
}

// The active control (or the form) takes the focus; a control that got it hears CM_UIACTIVATE.
void TCustomForm::SetWindowFocus() {
  TWinControl* target = activeControl_ != nullptr ? activeControl_ : this;
  const HWND window = target->Handle();
  ::SetFocus(window);
  // A focus handler may have freed the control, which the form then forgot: it is not touched.
  if (target != this && target != activeControl_) return;
  if (GetFocus() == window) target->Perform(CM_UIACTIVATE, 0, 0);
}

void TCustomForm::SetActiveControl(TWinControl* Control) {
  if (activeControl_ == Control) return;
  const bool valid = Control == nullptr || (Control != this && GetParentForm(Control) == this &&
                                            (ComponentState().Contains(csLoading) || Control->CanFocus()));
  if (!valid) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  activeControl_ = Control;
  if (ComponentState().Contains(csLoading)) return;
  if (active_) SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* Control) {
  const bool wasActive = active_;
  SetActiveControl(Control);
  if (!wasActive) SetFocus();
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing) {
  if (Removing && Control->ContainsControl(focusedControl_)) focusedControl_ = Control->Parent();
  if (Control->ContainsControl(activeControl_)) SetActiveControl(nullptr);
}

void TCustomForm::SetFocus() {
  if (active_) return;
  if (!(Visible() && Enabled())) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  SetWindowFocus();
}

bool TCustomForm::CanFocus() { return Visible() && Enabled(); }

bool TCustomForm::SendFocusMessage(HWND Window, UINT Msg) {
  const Integer count = focusCount;
  SendMessageA(Window, Msg, 0, 0);
  return focusCount == count;
}

// Called when one of the form's windows receives the focus: updates the screen's active form and
// control and tells the controls left and entered.
bool TCustomForm::SetFocusedControl(TWinControl* Control) {
  ++focusCount;
  activeControl_ = Control != this ? Control : nullptr;
  if (Screen != nullptr) Screen->SetFocusedForm(this, Control);
  if (Control->ControlState().Contains(csFocusing)) return false;
  Control->SetControlState(Control->ControlState() + TControlState{csFocusing});
  const bool done = MoveFocusTo(Control);
  Control->SetControlState(Control->ControlState() - TControlState{csFocusing});
  if (done && Screen != nullptr) Screen->UpdateLastActive();
  return done;
}

bool TCustomForm::MoveFocusTo(TWinControl* Control) {
  if (Screen != nullptr && Screen->FocusedForm() != this) {
    if (TCustomForm* previous = Screen->FocusedForm()) {
      Screen->SetFocusedFormOnly(nullptr);
      if (!SendFocusMessage(previous->Handle(), CM_DEACTIVATE)) return false;
    }
    Screen->SetFocusedFormOnly(this);
    if (!SendFocusMessage(Handle(), CM_ACTIVATE)) return false;
  }
  if (focusedControl_ == nullptr) focusedControl_ = this;
  if (focusedControl_ == Control) return true;
  // CM_EXIT goes straight to the control's window procedure, so that an exception its handler
  // raises (a validation error) reaches here: the focus change then stops and the focus goes back
  // to the control that refused to be left, without a second CM_ENTER, before the error is
  // reported.  A handler that itself moved the focus has already ended the change.
  const auto sendExit = [this](TWinControl* Left) {
    const Integer count = focusCount;
    try {
      Left->Perform(CM_EXIT, 0, 0);
    } catch (...) {
      // A control that can no longer take the focus back does not hold the change up.
      const bool keep = focusCount == count && Left->CanFocus() && Left->HandleAllocated();
      if (keep) {
        focusedControl_ = Left;
        activeControl_ = Left;
        ++focusCount;
        ::SetFocus(Left->Handle());
      }
      if (Application == nullptr) throw;
      Application->HandleException(Left);
      return focusCount == count;
    }
    return focusCount == count;
  };
  while (focusedControl_ != nullptr && !focusedControl_->ContainsControl(Control)) {
    TWinControl* left = focusedControl_;
    focusedControl_ = left->Parent();
    if (!sendExit(left)) return false;
  }
  while (focusedControl_ != Control) {
    TWinControl* step = Control;
    while (step->Parent() != focusedControl_) step = step->Parent();
    focusedControl_ = step;
    if (!SendFocusMessage(step->Handle(), CM_ENTER)) return false;
  }
  Perform(CM_FOCUSCHANGED, 0, LPARAM(Control));
  return true;
}

void TCustomForm::SendCancelMode(TControl* Sender) {
  if (active_ && activeControl_ != nullptr) activeControl_->Perform(CM_CANCELMODE, 0, LPARAM(Sender));
}

// --- keys ---

void TCustomForm::CMDialogKey(TMessage& Message) {
  if (GetKeyState(VK_MENU) >= 0) {
    switch (MessageCharCode(Message)) {
      case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) {
          SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
          Message.Result = 1;
          return;
        }
        break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        if (activeControl_ != nullptr && activeControl_->Parent() != nullptr) {
          const Word key = MessageCharCode(Message);
          activeControl_->Parent()->SelectNext(activeControl_, key == VK_RIGHT || key == VK_DOWN, false);
          Message.Result = 1;
        }
        return;
    }
  }
  inherited::Dispatch(Message);
}

// Alt+letter menu keys of an owned form go to the application's main window first.
void TCustomForm::CMAppSysCommand(TMessage& Message) {
  Message.Result = 0;
  if (!ComponentState().Contains(csDesigning) && formStyle_ != fsMDIChild && menu_ != nullptr) return;
  const auto* command = reinterpret_cast<const TMessage*>(Message.LParam);
  SendCancelMode(nullptr);
  if (Application != nullptr &&
      Application->SendAppMessage(CM_APPSYSCOMMAND, command->WParam, command->LParam) != 0)
    Message.Result = 1;
}

void TCustomForm::WMSysCommand(TMessage& Message) {
  if ((Message.WParam & 0xFFF0) == SC_MINIMIZE && Application != nullptr && Application->MainForm() == this) {
    Application->Minimize();
    return;
  }
  inherited::Dispatch(Message);
}

// --- closing ---

void TCustomForm::WMClose(TMessage&) { Close(); }

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action) { OnClose(this, Action); }

void TCustomForm::Close() {
  if (formState_.Contains(fsModal)) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = formStyle_ == fsMDIChild ? (borderIcons_.Contains(biMinimize) ? caMinimize : caNone) : caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application != nullptr && Application->MainForm() == this) Application->Terminate();
  else if (action == caHide) Hide();
  else if (action == caMinimize) SetWindowState(wsMinimized);
  else Release();
}

void TCustomForm::CloseModal() {
  try {
    TCloseAction action = caNone;
    if (CloseQuery()) {
      action = caHide;
      DoClose(action);
    }
    if (action == caNone) modalResult_ = mrNone;
    else if (action == caFree) Release();
  } catch (...) {
    modalResult_ = mrNone;
    if (Application == nullptr) throw;
    Application->HandleException(this);
  }
}

void TCustomForm::Release() { PostMessageA(Handle(), CM_RELEASE, 0, 0); }

namespace {

// Disables every other enabled, visible top-level window of the thread while a modal form runs.
std::vector<HWND> DisableTaskWindows(HWND active) {
  struct Collect {
    HWND active;
    std::vector<HWND> disabled;
  } collect{active, {}};
  EnumThreadWindows(
      0,
      [](HWND window, LPARAM lParam) -> BOOL {
        auto* c = reinterpret_cast<Collect*>(lParam);
        if (window != c->active && IsWindowVisible(window) && IsWindowEnabled(window)) c->disabled.push_back(window);
        return TRUE;
      },
      LPARAM(&collect));
  for (HWND window : collect.disabled) EnableWindow(window, FALSE);
  return collect.disabled;
}

void EnableTaskWindows(const std::vector<HWND>& windows) {
  for (HWND window : windows)
    if (IsWindow(window)) EnableWindow(window, TRUE);
}

}  // namespace

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || formState_.Contains(fsModal) || formStyle_ == fsMDIChild)
    throw EInvalidOperation("Cannot make a visible window modal");
  if (HWND capture = GetCapture()) SendMessageA(capture, WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  if (Application != nullptr) Application->ModalStarted(this);
  formState_.Include(fsModal);
  HWND activeWindow = GetActiveWindow();
  if (Screen != nullptr) Screen->SaveFocusedForm(this);
  const TCursor savedCursor = Screen != nullptr ? Screen->Cursor() : crDefault;
  if (Screen != nullptr) Screen->SetCursor(crDefault);
  const Integer savedCursorCount = Screen != nullptr ? Screen->CursorCount() : 0;
  std::vector<HWND> disabled = DisableTaskWindows(Handle());
  auto restore = [&] {
    if (Screen != nullptr) {
      Screen->SetCursor(Screen->CursorCount() == savedCursorCount ? savedCursor : crDefault);
      Screen->RestoreFocusedForm();
    }
    EnableTaskWindows(disabled);
    if (activeWindow != nullptr && IsWindow(activeWindow)) SetActiveWindow(activeWindow);
    formState_.Exclude(fsModal);
    if (Application != nullptr) Application->ModalFinished(this);
  };
  try {
    Show();
    SendMessageA(Handle(), CM_ACTIVATE, 0, 0);
    modalResult_ = mrNone;
    do {
      Application->HandleMessage();
      if (Application->Terminated()) modalResult_ = mrCancel;
      else if (modalResult_ != mrNone) CloseModal();
    } while (modalResult_ == mrNone);
    const TModalResult result = modalResult_;
    SendMessageA(Handle(), CM_DEACTIVATE, 0, 0);
    if (GetActiveWindow() != Handle()) activeWindow = nullptr;
    Hide();
    restore();
    return result;
  } catch (...) {
    if (WindowHandle() != nullptr) Hide();
    restore();
    throw;
  }
}
