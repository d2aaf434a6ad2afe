#include "controls/interim/kx_shell_combo_box_properties.h"

#include <algorithm>

#include "platform/classes/publisher.h"

PR_PUBLISH(TkxShellComboBoxRoot) {
  p.Property("BrowseFolder", &TkxShellComboBoxRoot::BrowseFolder, &TkxShellComboBoxRoot::SetBrowseFolder)
      .Default(bfDesktop);
  p.Property("CustomPath", &TkxShellComboBoxRoot::CustomPath, &TkxShellComboBoxRoot::SetCustomPath);
}

PR_PUBLISH(TkxShellComboBoxProperties) {
  p.Property("DropDownWidth", &TkxShellComboBoxProperties::DropDownWidth,
             &TkxShellComboBoxProperties::SetDropDownWidth)
      .Default(250);
  p.Property("HideSelection", &TkxShellComboBoxProperties::HideSelection,
             &TkxShellComboBoxProperties::SetHideSelection)
      .Default(true);
  p.Property("Root", &TkxShellComboBoxProperties::Root, &TkxShellComboBoxProperties::SetRoot);
  p.Property("ShowFullPath", &TkxShellComboBoxProperties::ShowFullPath, &TkxShellComboBoxProperties::SetShowFullPath)
      .Default(sfpNever);
}

void TkxShellComboBoxRoot::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TkxShellComboBoxRoot*>(Source);
  if (source == nullptr) return inherited::Assign(Source);
  browseFolder_ = source->browseFolder_;
  customPath_ = source->customPath_;
}

TkxShellComboBoxProperties::TkxShellComboBoxProperties(TPersistent* AOwner)
    : owner_(AOwner), root_(std::make_unique<TkxShellComboBoxRoot>(this)) {}

TkxShellComboBoxProperties::~TkxShellComboBoxProperties() = default;

void TkxShellComboBoxProperties::SetDropDownWidth(Integer Value) {
  Value = std::max<Integer>(Value, 0);
  if (dropDownWidth_ == Value) return;
  dropDownWidth_ = Value;
  Changed();
}

void TkxShellComboBoxProperties::SetHideSelection(bool Value) {
  if (hideSelection_ == Value) return;
  hideSelection_ = Value;
  Changed();
}

void TkxShellComboBoxProperties::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TkxShellComboBoxProperties*>(Source);
  if (source == nullptr) return inherited::Assign(Source);
  root_->Assign(source->Root());
  showFullPath_ = source->showFullPath_;
  SetDropDownWidth(source->DropDownWidth());
  SetHideSelection(source->HideSelection());
}

void TkxShellComboBoxProperties::Changed() {
  if (OnChanged) OnChanged();
}
