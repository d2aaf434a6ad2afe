// The action links of buttons.
//
// TButtonActionLink (push buttons, bit buttons, check boxes, radio buttons): a control action link
// that also links Checked while the button's Checked equals the action's.
// TSpeedButtonActionLink: Checked goes to Down, linked only for a button of a group
// (GroupIndex > 0) that may be all up (AllowAllUp) and whose Down equals the action's Checked;
// GroupIndex is linked while the button's equals the action's.
#pragma once

#include "platform/ui/control_action_link.h"

class TButtonControl;
class TSpeedButton;

class TButtonActionLink : public TWinControlActionLink {
  PR_CLASS(TButtonActionLink, TWinControlActionLink)

 public:
  using TWinControlActionLink::TWinControlActionLink;

  bool IsCheckedLinked() override;
  void SetChecked(bool Value) override;

 protected:
  void AssignClient(TObject* AClient) override;

 private:
  TButtonControl* button_ = nullptr;
};

class TSpeedButtonActionLink : public TControlActionLink {
  PR_CLASS(TSpeedButtonActionLink, TControlActionLink)

 public:
  using TControlActionLink::TControlActionLink;

  bool IsCheckedLinked() override;
  bool IsGroupIndexLinked() override;
  void SetChecked(bool Value) override;
  void SetGroupIndex(Integer Value) override;

 protected:
  void AssignClient(TObject* AClient) override;

 private:
  TSpeedButton* button_ = nullptr;
};
