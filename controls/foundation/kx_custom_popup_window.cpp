#include "controls/foundation/kx_custom_popup_window.h"

#include <algorithm>

#include "controls/foundation/kx_container_routines.h"
#include "controls/foundation/kx_control_routines.h"
#include "controls/foundation/kx_controls_unit.h"
#include "controls/foundation/kx_message_window.h"
#include "controls/foundation/kx_object_link.h"
#include "platform/classes/publisher.h"
#include "platform/ui/application.h"
#include "platform/ui/control_messages.h"
#include "platform/user/capture.h"
#include "platform/user/focus.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_loop.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

PR_IMPLEMENT_CLASS(TkxCustomPopupWindow)

namespace {

// Undoes a count raised for one scope, also when a handler throws.
class ActivationLock {
 public:
  ActivationLock() { LockActivationMessages(true); }
  ~ActivationLock() { LockActivationMessages(false); }
  ActivationLock(const ActivationLock&) = delete;
  ActivationLock& operator=(const ActivationLock&) = delete;
};

bool HasTopmostStyle(TWinControl* Control) {
  return (GetWindowLongA(Control->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

bool IsModalLoopSystemKey(WPARAM Key) { return Key == VK_RETURN || Key == VK_MENU || Key == VK_SPACE; }

// A WM_SYSKEYDOWN for Alt, Alt+Enter or Alt+Space waiting in the queue is taken out, so the loop
// never hands it to the owner form's system menu.
void RemoveQueuedSystemKeys() {
  MSG message{};
  while (PeekMessageA(&message, nullptr, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_NOREMOVE) &&
         IsModalLoopSystemKey(message.wParam))
    PeekMessageA(&message, message.hwnd, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_REMOVE);
}

}  // namespace

TkxCustomPopupWindow::TkxCustomPopupWindow(TWinControl* AOwnerControl) : TkxPopupWindow(nullptr) {
  SetFormStyle(fsNormal);
  SetVisible(false);
  popupStyle_ = GetContainerStyleClass()(this, kxStyleNormal, nullptr, false);
  popupStyle_->OnChange = [this](TObject* Sender) { OwnStyleChanged(Sender); };
  popupViewInfo_ = GetViewInfoClass()();
  attachedControl_ = AOwnerControl;
  SetKeyPreview(true);
}

TkxCustomPopupWindow::~TkxCustomPopupWindow() {
  ClearObjectLinksTo(this);
  RemoveVisiblePopup(this);
  delete popupViewInfo_;
  popupStyle_->OnChange = nullptr;
  delete popupStyle_;
}

void TkxCustomPopupWindow::DoClosed() { OnAfterClose(this); }
void TkxCustomPopupWindow::DoClosing() { OnBeforeClose(this); }
void TkxCustomPopupWindow::DoShown() { OnAfterShow(this); }
void TkxCustomPopupWindow::DoShowing() { OnBeforeShow(this); }

bool TkxCustomPopupWindow::IsNavigationKey(Word Key) { return (Key >= VK_PRIOR && Key <= VK_DOWN) || Key == VK_F4; }

void TkxCustomPopupWindow::CloseByModalResult() { ClosePopup(); }

bool TkxCustomPopupWindow::SwallowsOutsideClick(HWND, UINT, TPoint, TShiftState) { return false; }

void TkxCustomPopupWindow::AdjustToWorkArea(TPoint& P) {
  if (!CanAdjustToWorkArea()) return;
  Integer w = Width(), h = Height();
  const TRect wa = GetWorkAreaAtPoint(P);
  if (P.X < wa.Left) {
    w -= wa.Left - P.X;
    P.X = wa.Left;
  }
  if (P.Y < wa.Top) {
    h -= wa.Top - P.Y;
    P.Y = wa.Top;
  }
  h = std::min(h, wa.Bottom - P.Y);
  SetWidth(std::min(w, wa.Right - P.X));
  SetHeight(h);
  // A size constraint kept a different height: a popup cut at the top keeps its bottom edge.
  if (Height() != h && P.Y == wa.Top) P.Y += h - Height();
}

// --- Showing and closing ---

void TkxCustomPopupWindow::ShowPopup(TWinControl* AFocusControl) {
  if (GetVisiblePopupList() == nullptr || IsVisiblePopupWindow(this) || !IsOwnerWindowVisible()) return;
  TakeOwnerFont();
  FitSizeToControls();
  TPoint p = ComputePopupPosition();
  AdjustToWorkArea(p);
  const TkxScopedObjectLink self(this);
  {
    const TkxPopupShowingScope showing;
    AddVisiblePopup(this);
    DoShowing();
    if (!self.Alive()) return;
    SetBounds(p.X, p.Y, Width(), Height());
    Show();
    if (!self.Alive()) return;
    SetBounds(p.X, p.Y, Width(), Height());
    popupFocusControl_ = ChooseFocusControl(AFocusControl);
    if (popupFocusControl_ != nullptr) popupFocusControl_->SetFocus();
    else SetFocus();
    if (!self.Alive()) return;
    SetWindowPos(Handle(), InsertAfterWindow(), 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
  SetModalResult(mrNone);
  DoShown();
  if (self.Alive() && focusCapture_ && RunsModalLoop) RunModalLoop();
}

TWinControl* TkxCustomPopupWindow::ChooseFocusControl(TWinControl* AFocusControl) {
  if (!focusCapture_) return AFocusControl;
  if (AFocusControl == nullptr) return this;
  if (AFocusControl->CanFocus() && AFocusControl->TabStop()) return AFocusControl;
  if (TWinControl* first = FindNextControl(nullptr, true, true, false)) return first;
  return this;
}

HWND TkxCustomPopupWindow::InsertAfterWindow() {
  TCustomForm* form = attachedControl_ != nullptr ? GetParentForm(attachedControl_) : nullptr;
  if (form == nullptr || HasTopmostStyle(form) || !focusCapture_) return HWND_TOPMOST;
  return HWND_TOP;
}

bool TkxCustomPopupWindow::RunModalLoop() {
  const TkxScopedObjectLink self(this);
  while (self.Alive() && Visible() && !Application->Terminated()) {
    RemoveQueuedSystemKeys();
    if (ModalResult() != mrNone) {
      if (CloseQuery()) CloseByModalResult();
      else SetModalResult(mrNone);
      if (!self.Alive()) break;
    }
    Application->HandleMessage();
  }
  return self.Alive();
}

void TkxCustomPopupWindow::ClosePopup() {
  if (!IsVisiblePopupWindow(this)) return;
  const TkxScopedObjectLink self(this);
  const ActivationLock lock;
  RemoveVisiblePopup(this);
  DoClosing();
  if (!self.Alive()) return;
  ShowWindow(WindowHandle(), SW_HIDE);
  Hide();
  if (!self.Alive()) return;
  DoClosed();
  if (!self.Alive()) return;
  if (HandleAllocated() && ControlOwnsWindow(this, GetCapture(), true)) SetCaptureControl(nullptr);
}

void TkxCustomPopupWindow::CloseFromMessage() {
  const TkxScopedObjectLink self(this);
  LockDeactivation(true);
  try {
    ClosePopup();
  } catch (...) {
    if (self.Alive()) LockDeactivation(false);
    throw;
  }
  if (!self.Alive()) return;
  LockDeactivation(false);
  if (attachedControl_ != nullptr && attachedControl_->HandleAllocated())
    SendMessageA(attachedControl_->WindowHandle(), WM_SETFOCUS, 0, 0);
}

TRect TkxCustomPopupWindow::GetOwnerScreenBounds() {
  if (attachedControl_ != nullptr && attachedControl_->HandleAllocated() &&
      HasChildWindowStyle(attachedControl_->WindowHandle()))
    return inherited::GetOwnerScreenBounds();
  return OwnerRect;
}

void TkxCustomPopupWindow::ChangeWindowSetting(bool& Setting, bool Value) {
  if (Setting == Value) return;
  Setting = Value;
  if (!IsVisiblePopupWindow(this)) return RecreateWndIfAllocated();
  // Closed before the window goes, so that destroying it does not close the form through the hooks.
  const TkxScopedObjectLink self(this);
  ClosePopup();
  if (!self.Alive()) return;
  RecreateWndIfAllocated();
  ShowPopup(popupFocusControl_);
}

void TkxCustomPopupWindow::SetFocusCapture(bool Value) { ChangeWindowSetting(focusCapture_, Value); }

void TkxCustomPopupWindow::SetStayOnTop(bool Value) { ChangeWindowSetting(stayOnTop_, Value); }

bool TkxCustomPopupWindow::IsOwnerWindowVisible() {
  return attachedControl_ != nullptr && attachedControl_->HandleAllocated() &&
         IsWindowVisible(attachedControl_->WindowHandle());
}

// --- Focus, keys and painting ---

bool TkxCustomPopupWindow::Focused() const {
  auto* self = const_cast<TkxCustomPopupWindow*>(this);
  return IsVisiblePopupWindow(this) && focusCapture_ && ControlOwnsWindow(self, GetFocus(), true);
}

bool TkxCustomPopupWindow::IsShortCut(TMessage& Message) {
  if (inherited::IsShortCut(Message)) return true;
  TCustomForm* form = attachedControl_ != nullptr ? GetParentForm(attachedControl_) : nullptr;
  return form != nullptr && form->IsShortCut(Message);
}

bool TkxCustomPopupWindow::SetFocusedControl(TWinControl* Control) {
  const ActivationLock lock;
  return inherited::SetFocusedControl(Control);
}

void TkxCustomPopupWindow::AdjustClientRect(TRect& Rect) { Rect = popupViewInfo_->ClientRect; }

void TkxCustomPopupWindow::Paint() { popupViewInfo_->PaintTo(*PaintCanvas()); }

void TkxCustomPopupWindow::KeyDown(Word& Key, TShiftState Shift) {
  if (Key == VK_ESCAPE && IsVisiblePopupWindow(this) && HandleAllocated() && GetCapture() == WindowHandle()) {
    SetCaptureControl(nullptr);
    Key = 0;
    return;
  }
  inherited::KeyDown(Key, Shift);
}

// Closes the listed popups, the last first, up to one that is the active window; a popup shown
// from this one keeps it open by being active.
void TkxCustomPopupWindow::Deactivate() {
  if (IsDeactivationLocked()) return;
  const TkxScopedObjectLink self(this);
  bool activeFound = false;
  ScanVisiblePopupsBackward([&activeFound](TkxCustomPopupWindow* popup) {
    const HWND window = popup->WindowHandle();
    if (window != nullptr && GetActiveWindow() == window) {
      activeFound = true;
      return TkxPopupScanStep::Stop;
    }
    if (!IsWindowEnabled(window) || popup->IsDeactivationLocked()) return TkxPopupScanStep::Next;
    popup->ClosePopup();
    return TkxPopupScanStep::Closed;
  });
  if (!activeFound && self.Alive() && !IsVisiblePopupListEmpty()) ClosePopup();
}

// --- The window ---

void TkxCustomPopupWindow::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  TCustomForm* form = attachedControl_ != nullptr ? GetParentForm(attachedControl_) : nullptr;
  if (focusCapture_) {
    if (form != nullptr) Params.WndParent = form->Handle();
    Params.Style = (Params.Style & ~WS_CHILD) | WS_POPUP;
    if (stayOnTop_ && (form == nullptr || HasTopmostStyle(form))) Params.ExStyle |= WS_EX_TOPMOST;
  } else {
    Params.Style = WS_CHILD;
    Params.ExStyle |= WS_EX_TOOLWINDOW;
    if (Params.WndParent == nullptr)
      if (TkxMessageWindow* window = GetLibraryMessageWindow()) Params.WndParent = window->Handle();
  }
  Params.Style |= WS_CLIPCHILDREN;
}

// Without FocusCapture the window floats as a child-styled window of the desktop, which never
// becomes active.
void TkxCustomPopupWindow::CreateWnd() {
  inherited::CreateWnd();
  if (!focusCapture_) ::SetParent(WindowHandle(), nullptr);
}

// The hooks see the creation messages with the popup listed.
void TkxCustomPopupWindow::CreateHandle() {
  const bool listed = IsVisiblePopupWindow(this);
  const bool added = !listed && AddVisiblePopup(this);
  try {
    inherited::CreateHandle();
  } catch (...) {
    if (added) RemoveVisiblePopup(this);
    throw;
  }
  if (added) RemoveVisiblePopup(this);
}

// A focus-capturing popup that hid while its owner's form kept the focus gives the focus back to
// the owner control.
void TkxCustomPopupWindow::VisibilityChanged() {
  if (!focusCapture_ || attachedControl_ == nullptr || !HandleAllocated() || IsWindowVisible(WindowHandle())) return;
  TCustomForm* form = GetParentForm(attachedControl_);
  if (form == nullptr || !form->HandleAllocated() || GetFocus() != form->WindowHandle()) return;
  if (attachedControl_->CanFocus() && !form->ComponentState().Contains(csDesigning)) attachedControl_->SetFocus();
}

void TkxCustomPopupWindow::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ACTIVATEAPP: Message.Result = 0; return;
    case WM_ERASEBKGND:
      if (ErasesBackground()) return inherited::Dispatch(Message);
      Message.Result = 1;
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      inherited::Dispatch(Message);
      auto* control = reinterpret_cast<TControl*>(Message.LParam);
      if (control == nullptr) control = this;
      if (Message.Msg == CM_MOUSEENTER) DoMouseEnter(control);
      else DoMouseLeave(control);
      return;
    }
    case KXM_CLOSEPOPUP: return CloseFromMessage();
    case KXM_SHOWPOPUP: return ShowPopup(popupFocusControl_);
    default: return inherited::Dispatch(Message);
  }
}
