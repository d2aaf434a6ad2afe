#include "platform/ui/button.h"

#include "platform/ui/button_action_link.h"
#include "platform/window_classes/button_window.h"
#include "platform/ui/custom_action.h"
#include "platform/ui/control_publishing.h"
#include "platform/ui/form.h"
#include "platform/ui/hotkeys.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_data.h"
#include "platform/user/window_styles.h"

PR_IMPLEMENT_CLASS(TButtonControl)

PR_PUBLISH(TButton) {
  PublishAction(p);
  PublishAnchors(p);
  PublishBiDiMode(p);
  p.Property("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false);
  PublishCaption(p);
  PublishConstraints(p);
  p.Property("Default", &TButton::Default, &TButton::SetDefault).Default(false);
  PublishDragging(p);
  PublishEnabled(p);
  PublishFont(p);
  p.Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Default(0);
  PublishParentBiDiMode(p);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  PublishShowHint(p);
  PublishTabOrder(p);
  PublishTabStop(p, true);
  PublishVisible(p);
  p.Property("WordWrap", &TButtonControl::WordWrap, &TButtonControl::SetWordWrap).Default(false);
  PublishClickEvents(p);
  PublishDragEvents(p);
  PublishFocusEvents(p);
  PublishKeyEvents(p);
  PublishMouseEvents(p);
}

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) {}

TClass TButtonControl::GetActionLinkClass() const { return TButtonActionLink::StaticClass(); }

void TButtonControl::ActionChange(TObject* Sender, bool CheckDefaults) {
  TWinControl::ActionChange(Sender, CheckDefaults);
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (action != nullptr && (!CheckDefaults || !Checked())) SetChecked(action->Checked());
}

bool TButtonControl::IsCheckedStored() const { return StoresProperty(ActionLink(), &TActionLink::IsCheckedLinked); }

void TButtonControl::SetWordWrap(bool Value) {
  if (wordWrap_ == Value) return;
  wordWrap_ = Value;
  RecreateWndIfAllocated();
}

void TButtonControl::CreateCheckParams(TCreateParams& Params, DWORD style, TAlignment alignment) {
  RegisterButtonClass();
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, "BUTTON");
  Params.Style |= style;
  if (alignment == taLeftJustify) Params.Style |= BS_LEFTTEXT;
  if (WordWrap()) Params.Style |= BS_MULTILINE;
}

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) {
  SetControlStyle({csSetCaption, csDoubleClicks});
  SetBounds(Left(), Top(), 75, 25);
  SetTabStop(true);
}

void TButton::CreateParams(TCreateParams& Params) {
  RegisterButtonClass();
  inherited::CreateParams(Params);
  CreateSubClass(Params, "BUTTON");
  Params.Style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if (WordWrap()) Params.Style |= BS_MULTILINE;
}

void TButton::CreateWnd() {
  inherited::CreateWnd();
  active_ = default_;
}

void TButton::SetDefault(bool Value) {
  default_ = Value;
  if (!HandleAllocated()) return;
  if (TCustomForm* form = GetParentForm(this)) form->Perform(CM_FOCUSCHANGED, 0, LPARAM(form->ActiveControl()));
}

void TButton::SetButtonStyle(bool ADefault) {
  if (!HandleAllocated()) return;
  const DWORD style = ADefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if ((DWORD(GetWindowLongPtrA(Handle(), GWL_STYLE)) & BS_TYPEMASK) != style)
    SendMessageA(Handle(), BM_SETSTYLE, style, 1);
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
  inherited::Click();
}

void TButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      if (HIWORD(Message.WParam) == BN_CLICKED && !ClicksDisabled()) Click();
      return;
    case CM_DIALOGKEY: return CMDialogKey(Message);
    case CM_DIALOGCHAR: return CMDialogChar(Message);
    case CM_FOCUSCHANGED: return CMFocusChanged(Message);
    default: return inherited::Dispatch(Message);
  }
}

void TButton::CMDialogKey(TMessage& Message) {
  const Word key = MessageCharCode(Message);
  const bool presses = (key == VK_RETURN && active_) || (key == VK_ESCAPE && cancel_);
  if (presses && KeyDataToShiftState(Integer(Message.LParam)).Empty() && CanFocus()) {
    Click();
    Message.Result = 1;
    return;
  }
  inherited::Dispatch(Message);
}

void TButton::CMDialogChar(TMessage& Message) {
  if (IsAccel(MessageCharCode(Message), Caption()) && CanFocus()) {
    Click();
    Message.Result = 1;
    return;
  }
  inherited::Dispatch(Message);
}

void TButton::CMFocusChanged(TMessage& Message) {
  auto* sender = reinterpret_cast<TWinControl*>(Message.LParam);
  active_ = dynamic_cast<TButton*>(sender) != nullptr ? sender == this : default_;
  SetButtonStyle(active_);
  inherited::Dispatch(Message);
}
