// TCustomAction / TAction: an action with the state its clients show (Caption, Checked, Enabled,
// HelpContext, Hint, ImageIndex, ShortCut, Visible, AutoCheck, GroupIndex).
//
// Each setter, on a change, first hands the new value to every client link (TActionLink's
// SetCaption ...), which applies it to its client only while that property is still linked
// (the client's value still equals the action's old one), then stores it and runs Change.
// Checking an action of a group (GroupIndex > 0) unchecks the other actions of its list in that
// group.  Execute updates the action first, then, when enabled, toggles Checked under AutoCheck
// (a checked action of a group stays checked) and executes; a disabled action does nothing and
// answers false.  DisableIfNoHandler: when no one handled an update or execute sent to the
// application, the action is disabled unless it has an OnExecute (action_dispatch.h).
#pragma once

#include <string>

#include "platform/ui/action_list.h"
#include "platform/ui/shortcuts.h"

class TActionLink;

class TCustomAction : public TContainedAction {
  PR_CLASS(TCustomAction, TContainedAction)

 public:
  explicit TCustomAction(TComponent* AOwner);

  bool Execute() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value);
  bool Checked() const { return checked_; }
  void SetChecked(bool Value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value);
  Integer HelpContext() const { return helpContext_; }
  void SetHelpContext(Integer Value);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& Value);
  Integer ImageIndex() const { return imageIndex_; }
  void SetImageIndex(Integer Value);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut Value);
  bool Visible() const { return visible_; }
  void SetVisible(bool Value);
  bool AutoCheck() const { return autoCheck_; }
  void SetAutoCheck(bool Value);
  Integer GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(Integer Value);
  bool DisableIfNoHandler() const { return disableIfNoHandler_; }
  void SetDisableIfNoHandler(bool Value) { disableIfNoHandler_ = Value; }

 private:
  // Calls Apply on every client link that is a TActionLink.
  template <class F>
  void ForEachLink(F Apply);
  // Hands Value to every link's Setter, stores it in Field and runs Change, when it differs.
  template <class V, class S>
  void ChangeLinked(V& Field, const V& Value, S Setter);
  void UncheckGroup();

  std::string caption_;
  std::string hint_;
  Integer helpContext_ = 0;
  Integer imageIndex_ = -1;
  Integer groupIndex_ = 0;
  TShortCut shortCut_ = scNone;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  bool autoCheck_ = false;
  bool disableIfNoHandler_ = true;
  bool checking_ = false;   // SetChecked is running (a group's unchecking comes back here)
};

class TAction : public TCustomAction {
  PR_CLASS(TAction, TCustomAction)

 public:
  using TCustomAction::TCustomAction;
};
