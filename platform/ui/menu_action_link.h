// TMenuActionLink: how a menu item follows its action.  Caption, Checked, Enabled, HelpContext,
// Hint, GroupIndex, ImageIndex, ShortCut, Visible, AutoCheck and OnClick (the action's
// OnExecute) are linked while the item's value equals the action's; a value set on the item
// itself breaks the link for that property.
#pragma once

#include "platform/ui/action_link.h"

class TMenuItem;

class TMenuActionLink : public TActionLink {
  PR_CLASS(TMenuActionLink, TActionLink)

 public:
  using TActionLink::TActionLink;

  bool IsAutoCheckLinked() override;
  bool IsCaptionLinked() override;
  bool IsCheckedLinked() override;
  bool IsEnabledLinked() override;
  bool IsGroupIndexLinked() override;
  bool IsHelpContextLinked() override;
  bool IsHintLinked() override;
  bool IsImageIndexLinked() override;
  bool IsShortCutLinked() override;
  bool IsVisibleLinked() override;
  bool IsOnExecuteLinked() override;

  void SetAutoCheck(bool Value) override;
  void SetCaption(const std::string& Value) override;
  void SetChecked(bool Value) override;
  void SetEnabled(bool Value) override;
  void SetGroupIndex(Integer Value) override;
  void SetHelpContext(Integer Value) override;
  void SetHint(const std::string& Value) override;
  void SetImageIndex(Integer Value) override;
  void SetShortCut(TShortCut Value) override;
  void SetVisible(bool Value) override;
  void SetOnExecute(const TNotifyEvent& Value) override;

 protected:
  void AssignClient(TObject* AClient) override;
  TMenuItem* Client() const { return client_; }

 private:
  TMenuItem* client_ = nullptr;
};
