// TButtonControl and TButton: push buttons over the platform's BUTTON window class.
//
// A click (BN_CLICKED reflected as CN_COMMAND) runs Click: the button's ModalResult goes to its
// form (ending a modal loop when not mrNone), then OnClick.  Default: Enter presses the button
// while no other button has the focus (CM_DIALOGKEY); the focused button takes the default frame
// (BS_DEFPUSHBUTTON) and the default button gets it back when a non-button takes the focus
// (CM_FOCUSCHANGED).  Cancel: Escape presses the button.  The caption's accelerator presses it
// as a dialog character (CM_DIALOGCHAR).
#pragma once

#include "platform/ui/win_control.h"

class TButtonControl : public TWinControl {
  PR_CLASS(TButtonControl, TWinControl)

 public:
  explicit TButtonControl(TComponent* AOwner);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool Value);
  // Check boxes and radio buttons have a check; a push button has none (false, ignored).
  virtual bool Checked() const { return false; }
  virtual void SetChecked(bool) {}
  bool IsCheckedStored() const;

 protected:
  TClass GetActionLinkClass() const override;
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  // The BUTTON subclass with `style` plus the left-text and multi-line styles that a check box's or
  // radio button's alignment and word wrap ask for.
  void CreateCheckParams(TCreateParams& Params, DWORD style, TAlignment alignment);
  bool ClicksDisabled() const { return clicksDisabled_; }
  void SetClicksDisabled(bool Value) { clicksDisabled_ = Value; }

 private:
  bool wordWrap_ = false;
  bool clicksDisabled_ = false;
};

class TButton : public TButtonControl {
  PR_CLASS(TButton, TButtonControl)

 public:
  explicit TButton(TComponent* AOwner);

  bool Cancel() const { return cancel_; }
  void SetCancel(bool Value) { cancel_ = Value; }
  bool Default() const { return default_; }
  void SetDefault(bool Value);
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult Value) { modalResult_ = Value; }
  // True while Enter presses this button (it is focused, or it is the default and no other
  // button is focused).
  bool Active() const { return active_; }

  void Click() override;
  void Dispatch(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  // Shows whether Enter presses this button (the default frame).
  virtual void SetButtonStyle(bool ADefault);

 private:
  void CMDialogKey(TMessage& Message);
  void CMDialogChar(TMessage& Message);
  void CMFocusChanged(TMessage& Message);

  bool cancel_ = false;
  bool default_ = false;
  bool active_ = false;
  TModalResult modalResult_ = 0;
};
