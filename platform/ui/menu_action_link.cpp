#include "platform/ui/menu_action_link.h"

#include "platform/classes/publisher.h"
#include "platform/ui/custom_action.h"
#include "platform/ui/menu_item.h"

PR_PUBLISH(TMenuActionLink) {}

void TMenuActionLink::AssignClient(TObject* AClient) {
  client_ = dynamic_cast<TMenuItem*>(AClient);
  if (client_ == nullptr) RaiseInvalidCast();
}

bool TMenuActionLink::IsAutoCheckLinked() {
  return TActionLink::IsAutoCheckLinked() && client_->AutoCheck() == CustomAction()->AutoCheck();
}
bool TMenuActionLink::IsCaptionLinked() {
  return TActionLink::IsCaptionLinked() && client_->Caption() == CustomAction()->Caption();
}
bool TMenuActionLink::IsCheckedLinked() {
  return TActionLink::IsCheckedLinked() && client_->Checked() == CustomAction()->Checked();
}
bool TMenuActionLink::IsEnabledLinked() {
  return TActionLink::IsEnabledLinked() && client_->Enabled() == CustomAction()->Enabled();
}
bool TMenuActionLink::IsGroupIndexLinked() {
  return client_->RadioItem() && TActionLink::IsGroupIndexLinked() &&
         client_->GroupIndex() == CustomAction()->GroupIndex();
}
bool TMenuActionLink::IsHelpContextLinked() {
  return TActionLink::IsHelpContextLinked() && client_->HelpContext() == CustomAction()->HelpContext();
}
bool TMenuActionLink::IsHintLinked() {
  return TActionLink::IsHintLinked() && client_->Hint() == CustomAction()->Hint();
}
bool TMenuActionLink::IsImageIndexLinked() {
  return TActionLink::IsImageIndexLinked() && client_->ImageIndex() == CustomAction()->ImageIndex();
}
bool TMenuActionLink::IsShortCutLinked() {
  return TActionLink::IsShortCutLinked() && client_->ShortCut() == CustomAction()->ShortCut();
}
bool TMenuActionLink::IsVisibleLinked() {
  return TActionLink::IsVisibleLinked() && client_->Visible() == CustomAction()->Visible();
}
bool TMenuActionLink::IsOnExecuteLinked() {
  return TActionLink::IsOnExecuteLinked() && SameEvent(client_->OnClick, Action()->OnExecute());
}

void TMenuActionLink::SetAutoCheck(bool Value) {
  if (IsAutoCheckLinked()) client_->SetAutoCheck(Value);
}
void TMenuActionLink::SetCaption(const std::string& Value) {
  if (IsCaptionLinked()) client_->SetCaption(Value);
}
void TMenuActionLink::SetChecked(bool Value) {
  if (IsCheckedLinked()) client_->SetChecked(Value);
}
void TMenuActionLink::SetEnabled(bool Value) {
  if (IsEnabledLinked()) client_->SetEnabled(Value);
}
void TMenuActionLink::SetGroupIndex(Integer Value) {
  if (IsGroupIndexLinked()) client_->SetGroupIndex(static_cast<Byte>(Value));
}
void TMenuActionLink::SetHelpContext(Integer Value) {
  if (IsHelpContextLinked()) client_->SetHelpContext(Value);
}
void TMenuActionLink::SetHint(const std::string& Value) {
  if (IsHintLinked()) client_->SetHint(Value);
}
void TMenuActionLink::SetImageIndex(Integer Value) {
  if (IsImageIndexLinked()) client_->SetImageIndex(Value);
}
void TMenuActionLink::SetShortCut(TShortCut Value) {
  if (IsShortCutLinked()) client_->SetShortCut(Value);
}
void TMenuActionLink::SetVisible(bool Value) {
  if (IsVisibleLinked()) client_->SetVisible(Value);
}
void TMenuActionLink::SetOnExecute(const TNotifyEvent& Value) {
  if (IsOnExecuteLinked()) client_->OnClick = Value;
}
