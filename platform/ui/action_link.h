// TActionLink: the link of a client that shows a TCustomAction's state.
//
// IsCaptionLinked ... IsVisibleLinked answer whether that property follows the action; here:
// whenever the action is a TCustomAction.  Client link classes narrow them (the client's value
// must still equal the action's, so a value set on the client itself breaks the link for that
// property) and override the setters, which apply a value to the client only while the property
// is linked.  The base setters do nothing.
#pragma once

#include <string>

#include "platform/ui/basic_action.h"
#include "platform/ui/shortcuts.h"

class TCustomAction;

class TActionLink : public TBasicActionLink {
  PR_CLASS(TActionLink, TBasicActionLink)

 public:
  using TBasicActionLink::TBasicActionLink;

  virtual bool IsAutoCheckLinked();
  virtual bool IsCaptionLinked();
  virtual bool IsCheckedLinked();
  virtual bool IsEnabledLinked();
  virtual bool IsGroupIndexLinked();
  virtual bool IsHelpContextLinked();
  virtual bool IsHintLinked();
  virtual bool IsImageIndexLinked();
  virtual bool IsShortCutLinked();
  virtual bool IsVisibleLinked();

  virtual void SetAutoCheck(bool) {}
  virtual void SetCaption(const std::string&) {}
  virtual void SetChecked(bool) {}
  virtual void SetEnabled(bool) {}
  virtual void SetGroupIndex(Integer) {}
  virtual void SetHelpContext(Integer) {}
  virtual void SetHint(const std::string&) {}
  virtual void SetImageIndex(Integer) {}
  virtual void SetShortCut(TShortCut) {}
  virtual void SetVisible(bool) {}

 protected:
  // The action as a TCustomAction (nullptr when it is another kind).
  TCustomAction* CustomAction() const;
};

// Whether a client stores a property: unless its link says the action supplies it.
inline bool StoresProperty(TActionLink* Link, bool (TActionLink::*IsLinked)()) {
  return Link == nullptr || !(Link->*IsLinked)();
}
