#include "platform/ui/button_action_link.h"

#include "platform/classes/publisher.h"
#include "platform/ui/button.h"
#include "platform/ui/custom_action.h"
#include "platform/ui/speed_button.h"

PR_PUBLISH(TButtonActionLink) {}
PR_PUBLISH(TSpeedButtonActionLink) {}

void TButtonActionLink::AssignClient(TObject* AClient) {
  TWinControlActionLink::AssignClient(AClient);
  button_ = dynamic_cast<TButtonControl*>(AClient);
  if (button_ == nullptr) RaiseInvalidCast();
}

bool TButtonActionLink::IsCheckedLinked() {
  return TWinControlActionLink::IsCheckedLinked() && button_->Checked() == CustomAction()->Checked();
}

void TButtonActionLink::SetChecked(bool Value) {
  if (IsCheckedLinked()) button_->SetChecked(Value);
}

void TSpeedButtonActionLink::AssignClient(TObject* AClient) {
  TControlActionLink::AssignClient(AClient);
  button_ = dynamic_cast<TSpeedButton*>(AClient);
  if (button_ == nullptr) RaiseInvalidCast();
}

bool TSpeedButtonActionLink::IsCheckedLinked() {
  return TControlActionLink::IsCheckedLinked() && button_->GroupIndex() != 0 && button_->AllowAllUp() &&
         button_->Down() == CustomAction()->Checked();
}

bool TSpeedButtonActionLink::IsGroupIndexLinked() {
  return TControlActionLink::IsGroupIndexLinked() && button_->GroupIndex() == CustomAction()->GroupIndex();
}

void TSpeedButtonActionLink::SetChecked(bool Value) {
  if (IsCheckedLinked()) button_->SetDown(Value);
}

void TSpeedButtonActionLink::SetGroupIndex(Integer Value) {
  if (IsGroupIndexLinked()) button_->SetGroupIndex(Value);
}
