// TkxTextEdit (interim): the control library's single-line text editor under its final name, until
// the library's own editor is built.  The platform's edit; its settings are Properties
// (TkxTextEditProperties): Properties.MaxLength limits the text (typing beyond it is refused) and
// Properties.OnChange fires after every change of the text, typed or set by the program.  Text,
// Enabled, OnEnter and SetFocus are the edit's own.
#pragma once

#include <memory>

#include "controls/interim/kx_text_edit_properties.h"
#include "platform/ui/edit.h"

class TkxTextEdit : public TEdit {
  PR_CLASS(TkxTextEdit, TEdit)

 public:
  explicit TkxTextEdit(TComponent* AOwner);
  ~TkxTextEdit() override;

  TkxTextEditProperties* Properties() const { return properties_.get(); }
  void SetProperties(TkxTextEditProperties* Value) { properties_->Assign(Value); }

 protected:
  void Change() override;

 private:
  std::unique_ptr<TkxTextEditProperties> properties_;
};
