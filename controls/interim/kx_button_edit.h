// TkxButtonEdit (interim): the control library's button edit under its final name, until the
// library's own editor is built.  The platform's single-line edit with one embedded button at its
// right edge (the first of Properties.Buttons; an ellipsis "...", or a drop-down arrow for another
// kind), which takes no focus.  A click on the button, or Ctrl+Enter in the edit for the Default
// button, fires Properties.OnButtonClick(the edit, the button's index).  The edit's text stops
// short of the button (its right margin).
//
// Created in code the edit has one Default ellipsis button; read from a form image it has exactly
// the buttons the image lists (the default one is dropped before the first read).
#pragma once

#include <memory>

#include "controls/interim/kx_button_edit_properties.h"
#include "platform/ui/edit.h"

class TkxEditButtonControl;

class TkxButtonEdit : public TEdit {
  PR_CLASS(TkxButtonEdit, TEdit)

 public:
  explicit TkxButtonEdit(TComponent* AOwner);
  ~TkxButtonEdit() override;

  TkxButtonEditProperties* Properties() const { return properties_.get(); }
  void SetProperties(TkxButtonEditProperties* Value) { properties_->Assign(Value); }
  // Fires OnButtonClick for the button at Index (a visible button of the collection).
  void ButtonClick(Integer Index);

  void ReadState(TReader* Reader) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Loaded() override;
  void Resize() override;
  void KeyDown(Word& Key, TShiftState Shift) override;

 private:
  void ButtonsChanged();

  std::unique_ptr<TkxButtonEditProperties> properties_;
  TkxEditButtonControl* button_ = nullptr;   // a child control; the edit frees it
  bool defaultButtonsCleared_ = false;
};
