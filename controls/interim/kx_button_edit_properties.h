// The settings of TkxButtonEdit (interim, under their final names): the editor framework's
// collection of embedded buttons and the event a button click fires.
//
// A properties object starts with one ellipsis button marked Default.  Every change of the
// collection or of a button reaches the collection's OnChange.
#pragma once

#include <memory>

#include "controls/editors/kx_edit_buttons.h"

class TkxButtonEditProperties : public TPersistent {
  PR_CLASS(TkxButtonEditProperties, TPersistent)

 public:
  explicit TkxButtonEditProperties(TPersistent* AOwner);
  ~TkxButtonEditProperties() override;

  TkxEditButtons* Buttons() const { return buttons_.get(); }
  void SetButtons(TkxEditButtons* Value) { buttons_->Assign(Value); }
  void Assign(TPersistent* Source) override;

  TkxEditButtonClickEvent OnButtonClick;

 protected:
  TPersistent* GetOwner() const override { return owner_; }

 private:
  TPersistent* owner_;
  std::unique_ptr<TkxEditButtons> buttons_;
};
