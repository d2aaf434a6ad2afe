#include "platform/ui/control_action_link.h"

#include "platform/classes/publisher.h"
#include "platform/core/exceptions.h"
#include "platform/ui/control.h"
#include "platform/ui/custom_action.h"

PR_PUBLISH(TControlActionLink) {}
PR_PUBLISH(TWinControlActionLink) {}

void TControlActionLink::AssignClient(TObject* AClient) {
  client_ = dynamic_cast<TControl*>(AClient);
  if (client_ == nullptr) RaiseInvalidCast();
}

bool TControlActionLink::IsCaptionLinked() {
  return TActionLink::IsCaptionLinked() && client_->Caption() == CustomAction()->Caption();
}

bool TControlActionLink::IsEnabledLinked() {
  return TActionLink::IsEnabledLinked() && client_->Enabled() == CustomAction()->Enabled();
}

bool TControlActionLink::IsHelpContextLinked() {
  return TActionLink::IsHelpContextLinked() && client_->HelpContext() == CustomAction()->HelpContext();
}

bool TControlActionLink::IsHintLinked() {
  return TActionLink::IsHintLinked() && client_->Hint() == CustomAction()->Hint();
}

bool TControlActionLink::IsVisibleLinked() {
  return TActionLink::IsVisibleLinked() && client_->Visible() == CustomAction()->Visible();
}

bool TControlActionLink::IsOnExecuteLinked() {
  return TActionLink::IsOnExecuteLinked() && SameEvent(client_->OnClick, Action()->OnExecute());
}

void TControlActionLink::SetCaption(const std::string& Value) {
  if (IsCaptionLinked()) client_->SetCaption(Value);
}

void TControlActionLink::SetEnabled(bool Value) {
  if (IsEnabledLinked()) client_->SetEnabled(Value);
}

void TControlActionLink::SetHelpContext(Integer Value) {
  if (IsHelpContextLinked()) client_->SetHelpContext(Value);
}

void TControlActionLink::SetHint(const std::string& Value) {
  if (IsHintLinked()) client_->SetHint(Value);
}

void TControlActionLink::SetVisible(bool Value) {
  if (IsVisibleLinked()) client_->SetVisible(Value);
}

void TControlActionLink::SetOnExecute(const TNotifyEvent& Value) {
  if (IsOnExecuteLinked()) client_->OnClick = Value;
}
