// TMessageBoxForm: the dialog MessageBoxA shows: an icon (by MB_ICON...), the text wrapped to at
// most half the screen's width, and a row of buttons (by MB_ type) centred below, the default one
// by MB_DEFBUTTONn.  Each button's ModalResult is its ID (IDOK ... IDNO); Escape presses Cancel
// (or OK when it is the only button).  Layout in dialog units of the message font, as the class
// library's message dialogs are laid out (docs/platform-ui.md).
#pragma once

#include <string>

#include "platform/ui/form.h"

class TMessageBoxForm : public TForm {
  PR_CLASS(TMessageBoxForm, TForm)

 public:
  TMessageBoxForm(TComponent* AOwner, const std::string& Text, const std::string& Caption, UINT Type);

  const std::string& Text() const { return text_; }
  UINT Type() const { return type_; }
  // The button that answers ID (nullptr when the box has none).
  class TButton* ButtonOf(int ID) const;
  // The answer for a modal result, as MessageBox gives it.
  int Answer(TModalResult Result) const;

 private:
  void Build();

  std::string text_;
  UINT type_;
};
