// TRadioButton: a radio button over the BUTTON window class (BS_RADIOBUTTON; the control owns the
// check).
//
// Group: the TRadioButton siblings sharing a parent.  Checking one (a click, Space, its
// accelerator or Checked) unchecks the others and runs Click (OnClick) on the newly checked one;
// unchecking runs no Click.  A checked radio button is the group's tab stop; the others are not.
#pragma once

#include "platform/ui/button.h"

class TRadioButton : public TButtonControl {
  PR_CLASS(TRadioButton, TButtonControl)

 public:
  explicit TRadioButton(TComponent* AOwner);

  bool Checked() const override { return checked_; }
  void SetChecked(bool Value) override;
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);

  void Dispatch(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;

 private:
  void TurnSiblingsOff();
  void CMDialogChar(TMessage& Message);

  bool checked_ = false;
  TAlignment alignment_ = taRightJustify;
};
