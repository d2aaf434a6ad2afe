// TkxShellComboBox (interim): the control library's folder chooser under its final name, until the
// shell controls are built.  The platform's drop-down combo box: Text is a folder path, typed (it
// stays as typed) or chosen from the list; Enabled and SetFocus are the control's own.
//
// The list is built each time it drops down, from the text as it is then (ShellFolderItems,
// shell_folder_list.h): "/", the drives' folders, the folders along the text's path and the
// subfolders of its deepest existing folder, drawn indented by their depth, the top level by full
// path and the others by name.  Each item's text is the folder's full native path, so choosing
// one makes it the Text.  The list is Properties.DropDownWidth pixels wide (at least the control's
// width); Properties.HideSelection False keeps the text's selection shown without the focus.  No
// icons, no shell namespace (docs/controls-interim.md).
#pragma once

#include <memory>
#include <vector>

#include "controls/interim/kx_shell_combo_box_properties.h"
#include "controls/interim/shell_folder_list.h"
#include "platform/ui/combo_box.h"

class TkxShellComboBox : public TCustomComboBox {
  PR_CLASS(TkxShellComboBox, TCustomComboBox)

 public:
  explicit TkxShellComboBox(TComponent* AOwner);
  ~TkxShellComboBox() override;

  TkxShellComboBoxProperties* Properties() const { return properties_.get(); }
  void SetProperties(TkxShellComboBoxProperties* Value) { properties_->Assign(Value); }
  // The folders of the list, as it was last built, in its order.
  const std::vector<TShellFolderItem>& FolderItems() const { return folders_; }

  void Dispatch(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DropDown() override;
  void DrawItem(Integer Index, TRect Rect, TOwnerDrawState State) override;

 private:
  void CNMeasureItem(TMessage& Message);
  void ApplyProperties();

  std::unique_ptr<TkxShellComboBoxProperties> properties_;
  std::vector<TShellFolderItem> folders_;
};
