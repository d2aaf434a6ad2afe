#include "platform/ui/radio_button.h"

#include "platform/ui/control_publishing.h"
#include "platform/ui/hotkeys.h"
#include "platform/user/send_message.h"
#include "platform/window_classes/button_window.h"

PR_PUBLISH(TRadioButton) {
  PublishAction(p);
  p.Property("Alignment", &TRadioButton::Alignment, &TRadioButton::SetAlignment).Default(taRightJustify);
  PublishAnchors(p);
  PublishBiDiMode(p);
  PublishCaption(p);
  p.Property("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked).Stored(&TButtonControl::IsCheckedStored).Default(false);
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
  PublishTabOrder(p);
  PublishTabStop(p);
  PublishVisible(p);
  p.Property("WordWrap", &TButtonControl::WordWrap, &TButtonControl::SetWordWrap).Default(false);
  PublishClickEvents(p);
  PublishDragEvents(p);
  PublishFocusEvents(p);
  PublishKeyEvents(p);
  PublishMouseEvents(p);
}

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {
  SetControlStyle({csSetCaption, csDoubleClicks});
  SetBounds(Left(), Top(), 113, 17);
}

void TRadioButton::SetChecked(bool Value) {
  if (checked_ == Value) return;
  checked_ = Value;
  SetTabStop(Value);
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, WPARAM(checked_), 0);
  if (!Value) return;
  TurnSiblingsOff();
  if (!ClicksDisabled()) Click();
}

void TRadioButton::SetAlignment(TAlignment Value) {
  if (alignment_ == Value) return;
  alignment_ = Value;
  RecreateWndIfAllocated();
}

void TRadioButton::TurnSiblingsOff() {
  TWinControl* parent = Parent();
  if (parent == nullptr) return;
  for (Integer i = 0; i < parent->ControlCount(); ++i) {
    auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i));
    if (sibling != nullptr && sibling != this) sibling->SetChecked(false);
  }
}

void TRadioButton::CreateParams(TCreateParams& Params) { CreateCheckParams(Params, BS_RADIOBUTTON, alignment_); }

void TRadioButton::CreateWnd() {
  inherited::CreateWnd();
  SendMessageA(Handle(), BM_SETCHECK, WPARAM(checked_), 0);
}

void TRadioButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      if (HIWORD(Message.WParam) == BN_CLICKED) SetChecked(true);
      if (HIWORD(Message.WParam) == BN_DOUBLECLICKED) DblClick();
      return;
    case CM_DIALOGCHAR: return CMDialogChar(Message);
    default: return inherited::Dispatch(Message);
  }
}

void TRadioButton::CMDialogChar(TMessage& Message) {
  if (!IsAccel(MessageCharCode(Message), Caption()) || !CanFocus()) return inherited::Dispatch(Message);
  SetFocus();
  if (Focused()) SetChecked(true);
  Message.Result = 1;
}
