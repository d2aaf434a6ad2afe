// TMessageBoxForm: the dialog MessageBoxA shows: an icon (by MB_ICON...), the text and a row of
// buttons (by MB_ type) laid out as every message form is (message_form_base.h), the default one by
// MB_DEFBUTTONn.  Each button's ModalResult is its ID (IDOK ... IDNO) and its name "Button<ID>";
// Escape presses Cancel (or OK when it is the only button).
#pragma once

#include <string>

#include "platform/ui/message_form_base.h"

class TMessageBoxForm : public TMessageFormBase {
  PR_CLASS(TMessageBoxForm, TMessageFormBase)

 public:
  TMessageBoxForm(TComponent* AOwner, const std::string& Text, const std::string& Caption, UINT Type);

  UINT Type() const { return type_; }
  // The answer for a modal result, as MessageBox gives it.
  int Answer(TModalResult Result) const override;

 private:
  UINT type_;
};
