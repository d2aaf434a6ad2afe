// TCustomCheckBox and TCheckBox: two- or three-state check boxes over the BUTTON window class.
//
// The window is a plain BS_3STATE button: the control owns the state and tells the window with
// BM_SETCHECK.  A click (BN_CLICKED reflected as CN_COMMAND, from the mouse, Space or BM_CLICK)
// toggles: unchecked -> checked (-> grayed when AllowGrayed) -> unchecked; grayed -> checked.
// Every change of State runs Click (OnClick), unless clicks are disabled for the change.  The
// caption's accelerator focuses the box and toggles it.  Alignment taLeftJustify puts the caption
// left of the box (BS_LEFTTEXT).
#pragma once

#include "platform/ui/button.h"

PR_ENUM(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed)

class TCustomCheckBox : public TButtonControl {
  PR_CLASS(TCustomCheckBox, TButtonControl)

 public:
  explicit TCustomCheckBox(TComponent* AOwner);

  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState Value);
  bool Checked() const override { return state_ == cbChecked; }
  void SetChecked(bool Value) override { SetState(Value ? cbChecked : cbUnchecked); }
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool Value) { allowGrayed_ = Value; }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);

  void Dispatch(TMessage& Message) override;

 protected:
  virtual void Toggle();
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;

 private:
  void CMDialogChar(TMessage& Message);

  TCheckBoxState state_ = cbUnchecked;
  bool allowGrayed_ = false;
  TAlignment alignment_ = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
  PR_CLASS(TCheckBox, TCustomCheckBox)

 public:
  explicit TCheckBox(TComponent* AOwner) : TCustomCheckBox(AOwner) {}
};
