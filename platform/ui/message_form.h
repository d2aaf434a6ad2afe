// TMessageForm: the form of the class library's message dialogs (message_dialogs.h): the dialog
// type's caption and icon, the text and the chosen buttons laid out as every message form is
// (message_form_base.h).  Buttons are named after their kind ("Yes", "No", "OK", "Cancel",
// "Abort", "Retry", "Ignore", "All", "NoToAll", "YesToAll", "Help"); the form answers its modal
// result as it is.
#pragma once

#include <string>

#include "platform/ui/message_dialogs.h"
#include "platform/ui/message_form_base.h"

class TMessageForm : public TMessageFormBase {
  PR_CLASS(TMessageForm, TMessageFormBase)

 public:
  TMessageForm(TComponent* AOwner, const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons);

  TMsgDlgType DlgType() const { return dlgType_; }

 private:
  TMsgDlgType dlgType_;
};
