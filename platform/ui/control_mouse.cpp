// TControl: mouse messages and events, capture, context menus, and finding controls by window and
// by screen position.
#include "platform/ui/control.h"

#include "platform/gdi/geometry.h"
#include "platform/ui/form.h"
#include "platform/ui/menu_hooks.h"
#include "platform/ui/win_control.h"
#include "platform/user/capture.h"
#include "platform/user/cursor.h"
#include "platform/user/key_state.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_from_point.h"
#include "platform/user/window_tree.h"

namespace {

// A graphic control holding the capture through its parent's window.
TControl* captureControl = nullptr;

}  // namespace

TControl* GetCaptureControl() {
  TControl* result = FindControl(GetCapture());
  if (result != nullptr && captureControl != nullptr && captureControl->Parent() == result) result = captureControl;
  return result;
}

void SetCaptureControl(TControl* Control) {
  ReleaseCapture();
  captureControl = nullptr;
  if (Control == nullptr) return;
  auto* window = dynamic_cast<TWinControl*>(Control);
  if (window == nullptr) {
    if (Control->Parent() == nullptr) return;
    captureControl = Control;
    window = Control->Parent();
  }
  SetCapture(window->Handle());
}

bool TControl::MouseCapture() const { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool Value) {
  if (MouseCapture() != Value) SetCaptureControl(Value ? this : nullptr);
}

void TControl::SendCancelMode(TControl* Sender) {
  for (TControl* c = this; c != nullptr; c = c->Parent())
    if (auto* form = dynamic_cast<TCustomForm*>(c)) form->SendCancelMode(Sender);
}

void TControl::WMMouseButton(TMessage& Message, TMouseButton Button, bool Down, bool Double) {
  const TPoint pos = MessagePos(Message);
  const TShiftState shift = KeysToShiftState(MessageKeys(Message));
  if (Down) {
    if (Button == mbLeft || !Double) SendCancelMode(this);
    DefaultHandler(Message);
    if (Button == mbLeft) {
      if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(true);
      if (controlStyle_.Contains(csClickEvents)) {
        if (Double) DblClick();
        else controlState_.Include(csClicked);
      }
    }
    if (!controlStyle_.Contains(csNoStdEvents))
      MouseDown(Button, Double ? shift + TShiftState{ssDouble} : shift, pos.X, pos.Y);
    return;
  }
  DefaultHandler(Message);
  if (Button == mbLeft) {
    if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(false);
    if (controlState_.Contains(csClicked)) {
      controlState_.Exclude(csClicked);
      const TRect client = ClientRect();
      if (PtInRect(&client, pos)) Click();
    }
  }
  if (!controlStyle_.Contains(csNoStdEvents)) MouseUp(Button, shift, pos.X, pos.Y);
}

void TControl::WMMouseMove(TMessage& Message) {
  DefaultHandler(Message);
  if (controlStyle_.Contains(csNoStdEvents)) return;
  const TPoint pos = MessagePos(Message);
  MouseMove(KeysToShiftState(MessageKeys(Message)), pos.X, pos.Y);
}

void TControl::WMMouseWheel(TMessage& Message) {
  const TPoint screen{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
  if (DoMouseWheel(KeysToShiftState(MessageKeys(Message)), GET_WHEEL_DELTA_WPARAM(Message.WParam), screen))
    Message.Result = 1;
  else if (parent_ != nullptr)
    Message.Result = parent_->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam);
  // Nobody up the chain took the wheel: the window's own procedure scrolls (an edit, a list box).
  if (Message.Result == 0 && Message.Msg == WM_MOUSEWHEEL) DefaultHandler(Message);
}

bool TControl::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) {
  bool handled = false;
  OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
  if (handled) return true;
  return WheelDelta < 0 ? DoMouseWheelDown(Shift, MousePos) : DoMouseWheelUp(Shift, MousePos);
}

void TControl::WMContextMenu(TMessage& Message) {
  if (Message.Result != 0 || ComponentState().Contains(csDesigning)) return;
  TPoint screen = MessagePos(Message);
  const bool fromKeyboard = screen.X == -1 && screen.Y == -1;
  TPoint local = screen;
  if (!fromKeyboard) {
    local = ScreenToClient(screen);
    const TRect client = ClientRect();
    if (!PtInRect(&client, local)) return DefaultHandler(Message);
  }
  bool handled = false;
  DoContextPopup(local, handled);
  Message.Result = handled ? 1 : 0;
  if (handled) return;
  if (TComponent* menu = GetPopupMenu()) {
    SendCancelMode(nullptr);
    if (fromKeyboard) screen = ClientToScreen(TPoint{0, 0});
    if (PopupMenuAt(menu, this, screen)) Message.Result = 1;
  }
  if (Message.Result == 0) DefaultHandler(Message);
}

void TControl::DoContextPopup(TPoint MousePos, bool& Handled) { OnContextPopup(this, MousePos, Handled); }

void TControl::WMCancelMode(TMessage& Message) {
  DefaultHandler(Message);
  if (MouseCapture()) {
    SetMouseCapture(false);
    if (controlState_.Contains(csLButtonDown)) Perform(WM_LBUTTONUP, 0, LPARAM(-1));
  } else {
    controlState_.Exclude(csLButtonDown);
  }
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, Integer X, Integer Y) { OnMouseMove(this, Shift, X, Y); }

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::DblClick() { OnDblClick(this); }

// --- finding controls ---

TControl* FindDragTarget(TPoint Pos, bool AllowDisabled) {
  TWinControl* window = FindVCLWindow(Pos);
  if (window == nullptr) return nullptr;
  TControl* control = window->ControlAtPos(window->ScreenToClient(Pos), AllowDisabled);
  return control != nullptr ? control : window;
}

TWinControl* FindVCLWindow(TPoint Pos) {
  for (HWND handle = WindowFromPoint(Pos); handle != nullptr; handle = GetParent(handle))
    if (TWinControl* control = FindControl(handle)) return control;
  return nullptr;
}

TShiftState KeysToShiftState(Word Keys) {
  TShiftState shift;
  if (Keys & MK_SHIFT) shift.Include(ssShift);
  if (Keys & MK_CONTROL) shift.Include(ssCtrl);
  if (Keys & MK_LBUTTON) shift.Include(ssLeft);
  if (Keys & MK_RBUTTON) shift.Include(ssRight);
  if (Keys & MK_MBUTTON) shift.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
  return shift;
}

TShiftState KeyDataToShiftState(Integer KeyData) {
  constexpr Integer kAltMask = 0x20000000;
  TShiftState shift;
  if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
  if (KeyData & kAltMask) shift.Include(ssAlt);
  return shift;
}

TShiftState CurrentShiftState() {
  TShiftState shift;
  if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
  if (GetKeyState(VK_LBUTTON) < 0) shift.Include(ssLeft);
  if (GetKeyState(VK_RBUTTON) < 0) shift.Include(ssRight);
  if (GetKeyState(VK_MBUTTON) < 0) shift.Include(ssMiddle);
  return shift;
}
