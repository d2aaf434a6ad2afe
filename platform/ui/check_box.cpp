#include "platform/ui/check_box.h"

#include "platform/ui/control_publishing.h"
#include "platform/ui/hotkeys.h"
#include "platform/user/send_message.h"
#include "platform/window_classes/button_window.h"

PR_PUBLISH(TCheckBox) {
  PublishAction(p);
  p.Property("Alignment", &TCustomCheckBox::Alignment, &TCustomCheckBox::SetAlignment).Default(taRightJustify);
  p.Property("AllowGrayed", &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed).Default(false);
  PublishAnchors(p);
  PublishBiDiMode(p);
  PublishCaption(p);
  p.Property("Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked).Stored(false);
  PublishColor(p);
  PublishConstraints(p);
  PublishDragging(p);
  PublishEnabled(p);
  PublishFont(p);
  PublishParentBiDiMode(p);
  PublishParentColor(p);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  PublishShowHint(p);
  p.Property("State", &TCustomCheckBox::State, &TCustomCheckBox::SetState).Default(cbUnchecked);
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

PR_IMPLEMENT_CLASS(TCustomCheckBox)

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {
  SetControlStyle({csSetCaption, csDoubleClicks});
  SetBounds(Left(), Top(), 97, 17);
  SetTabStop(true);
}

void TCustomCheckBox::SetState(TCheckBoxState Value) {
  if (state_ == Value) return;
  state_ = Value;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, WPARAM(state_), 0);
  if (!ClicksDisabled()) Click();
}

void TCustomCheckBox::SetAlignment(TAlignment Value) {
  if (alignment_ == Value) return;
  alignment_ = Value;
  RecreateWndIfAllocated();
}

void TCustomCheckBox::Toggle() {
  switch (state_) {
    case cbUnchecked: SetState(allowGrayed_ ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
  }
}

void TCustomCheckBox::CreateParams(TCreateParams& Params) { CreateCheckParams(Params, BS_3STATE, alignment_); }

void TCustomCheckBox::CreateWnd() {
  inherited::CreateWnd();
  SendMessageA(Handle(), BM_SETCHECK, WPARAM(state_), 0);
}

void TCustomCheckBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      if (HIWORD(Message.WParam) == BN_CLICKED) Toggle();
      return;
    case CM_DIALOGCHAR: return CMDialogChar(Message);
    default: return inherited::Dispatch(Message);
  }
}

void TCustomCheckBox::CMDialogChar(TMessage& Message) {
  if (!IsAccel(MessageCharCode(Message), Caption()) || !CanFocus()) return inherited::Dispatch(Message);
  SetFocus();
  if (Focused()) Toggle();
  Message.Result = 1;
}
