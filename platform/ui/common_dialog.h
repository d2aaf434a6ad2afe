// TCommonDialog: the base of the components that run one of the platform's standard dialogs when
// Execute is called: true when the user accepted it.  HelpContext is kept for the dialog's Help
// button and streamed with the component.
#pragma once

#include "platform/classes/component.h"

class TCommonDialog : public TComponent {
  PR_CLASS(TCommonDialog, TComponent)

 public:
  using TComponent::TComponent;

  virtual bool Execute() = 0;
  Integer HelpContext() const { return helpContext_; }
  void SetHelpContext(Integer Value) { helpContext_ = Value; }

 private:
  Integer helpContext_ = 0;
};
