// TWinControl: keys: the key events (a form with KeyPreview sees them first), menu shortcuts, the
// dialog keys and characters the window does not want, and Alt+letter in an owned window.
#include "platform/ui/win_control.h"

#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "platform/ui/menu_hooks.h"
#include "platform/user/capture.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_pos.h"

bool TWinControl::DoKeyDown(TMessage& Message) {
  TCustomForm* form = GetParentForm(this);
  if (form != nullptr && form != this && form->KeyPreview() && form->DoKeyDown(Message)) return true;
  if (!ControlStyle().Contains(csNoStdEvents)) {
    Word key = MessageCharCode(Message);
    KeyDown(key, KeyDataToShiftState(Integer(Message.LParam)));
    Message.WParam = key;
    if (key == 0) return true;
  }
  return false;
}

bool TWinControl::DoKeyUp(TMessage& Message) {
  TCustomForm* form = GetParentForm(this);
  if (form != nullptr && form != this && form->KeyPreview() && form->DoKeyUp(Message)) return true;
  if (!ControlStyle().Contains(csNoStdEvents)) {
    Word key = MessageCharCode(Message);
    KeyUp(key, KeyDataToShiftState(Integer(Message.LParam)));
    Message.WParam = key;
    if (key == 0) return true;
  }
  return false;
}

bool TWinControl::DoKeyPress(TMessage& Message) {
  TCustomForm* form = GetParentForm(this);
  if (form != nullptr && form != this && form->KeyPreview() && form->DoKeyPress(Message)) return true;
  if (!ControlStyle().Contains(csNoStdEvents)) {
    char ch = char(MessageCharCode(Message));
    KeyPress(ch);
    Message.WParam = Byte(ch);
    if (ch == '\0') return true;
  }
  return false;
}

void TWinControl::KeyDown(Word& Key, TShiftState Shift) { OnKeyDown(this, Key, Shift); }

void TWinControl::KeyUp(Word& Key, TShiftState Shift) { OnKeyUp(this, Key, Shift); }

void TWinControl::KeyPress(char& Key) { OnKeyPress(this, Key); }

// Shortcuts of the popup menus of this control and its parents, then of the form.
bool TWinControl::IsMenuKey(TMessage& Message) {
  if (ComponentState().Contains(csDesigning)) return false;
  for (TControl* c = this; c != nullptr; c = c->Parent())
    if (c->PopupMenu() != nullptr && IsMenuShortCut(c->PopupMenu(), Message)) return true;
  TCustomForm* form = GetParentForm(this);
  if (form != nullptr && form->IsShortCut(Message)) return true;
  return Application != nullptr &&
         Application->SendAppMessage(CM_APPKEYDOWN, Message.WParam, Message.LParam) != 0;
}

void TWinControl::CNKeyDown(TMessage& Message) {
  Message.Result = 1;
  if (IsMenuKey(Message)) return;
  if (!ComponentState().Contains(csDesigning)) {
    if (Perform(CM_CHILDKEY, Message.WParam, LPARAM(this)) != 0) return;
    LRESULT mask = 0;
    switch (MessageCharCode(Message)) {
      case VK_TAB: mask = DLGC_WANTTAB; break;
      case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: mask = DLGC_WANTARROWS; break;
      case VK_RETURN: case VK_EXECUTE: case VK_ESCAPE: case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
    }
    TCustomForm* form = GetParentForm(this);
    if (mask != 0 && Perform(CM_WANTSPECIALKEY, Message.WParam, Message.LParam) == 0 &&
        (Perform(WM_GETDLGCODE, 0, 0) & mask) == 0 && form != nullptr &&
        form->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam) != 0)
      return;
  }
  Message.Result = 0;
}

void TWinControl::CNChar(TMessage& Message) {
  if (ComponentState().Contains(csDesigning)) return;
  Message.Result = 1;
  TCustomForm* form = GetParentForm(this);
  if ((Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) == 0 && form != nullptr &&
      form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0)
    return;
  Message.Result = 0;
}

// Alt+letter in an owned window: the form relays the menu key to the main window (CM_APPSYSCOMMAND).
void TWinControl::WMSysCommand(TMessage& Message) {
  const WORD key = LOWORD(Message.LParam);
  if ((Message.WParam & 0xFFF0) == SC_KEYMENU && key != VK_SPACE && key != '-' && !IsIconic(handle_) &&
      GetCapture() == nullptr && (Application == nullptr || Application->MainForm() != this)) {
    TCustomForm* form = GetParentForm(this);
    if (form != nullptr && form->Perform(CM_APPSYSCOMMAND, 0, LPARAM(&Message)) != 0) return;
  }
  inherited::Dispatch(Message);
}
