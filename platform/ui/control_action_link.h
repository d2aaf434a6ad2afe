// TControlActionLink / TWinControlActionLink: how a control follows its action.
//
// Caption, Enabled, HelpContext, Hint and Visible, and OnClick (the action's OnExecute), are
// linked while the control's value equals the action's: setting one on the control itself breaks
// the link for that property, and the action's later changes of it no longer reach the control.
// Windowed controls use TWinControlActionLink, the class their own link classes derive from.
#pragma once

#include "platform/ui/action_link.h"

class TControl;

class TControlActionLink : public TActionLink {
  PR_CLASS(TControlActionLink, TActionLink)

 public:
  using TActionLink::TActionLink;

  bool IsCaptionLinked() override;
  bool IsEnabledLinked() override;
  bool IsHelpContextLinked() override;
  bool IsHintLinked() override;
  bool IsVisibleLinked() override;
  bool IsOnExecuteLinked() override;

  void SetCaption(const std::string& Value) override;
  void SetEnabled(bool Value) override;
  void SetHelpContext(Integer Value) override;
  void SetHint(const std::string& Value) override;
  void SetVisible(bool Value) override;
  void SetOnExecute(const TNotifyEvent& Value) override;

 protected:
  void AssignClient(TObject* AClient) override;
  TControl* Client() const { return client_; }

 private:
  TControl* client_ = nullptr;
};

class TWinControlActionLink : public TControlActionLink {
  PR_CLASS(TWinControlActionLink, TControlActionLink)

 public:
  using TControlActionLink::TControlActionLink;
};
