// TkxRadioButton (interim): the control library's radio button under its final name, until the
// library's own owner-drawn radio button is built.  The platform's radio button: Caption, Checked
// (stored when set), OnClick, which runs on the button that becomes checked; the radio buttons that
// share a parent form one group, checking one unchecks the others.
#pragma once

#include "platform/ui/radio_button.h"

class TkxRadioButton : public TRadioButton {
  PR_CLASS(TkxRadioButton, TRadioButton)

 public:
  using TRadioButton::TRadioButton;
};
