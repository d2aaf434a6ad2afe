#include "platform/ui/open_dialog.h"

#include "platform/classes/publisher.h"
#include "platform/classes/string_list.h"
#include "platform/core/ansi_strings.h"
#include "platform/os/file_names.h"
#include "platform/os/folders.h"
#include "platform/ui/file_dialog_form.h"

PR_PUBLISH(TOpenDialog) {
  p.Property("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt);
  p.Property("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName);
  p.Property("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter);
  p.Property("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex).Default(1);
  p.Property("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir);
  p.Property("Options", &TOpenDialog::Options, &TOpenDialog::SetOptions)
      .Default(TOpenOptions{ofHideReadOnly, ofEnableSizing});
  p.Property("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle);
}

PR_IMPLEMENT_CLASS(TSaveDialog)

TOpenDialog::TOpenDialog(TComponent* AOwner) : TCommonDialog(AOwner), files_(std::make_unique<TStringList>()) {}

TOpenDialog::~TOpenDialog() = default;

TStrings* TOpenDialog::Files() const { return files_.get(); }

bool TOpenDialog::Execute() { return ExecuteFor(false); }

bool TSaveDialog::Execute() { return ExecuteFor(true); }

bool TOpenDialog::ExecuteFor(bool Saving) {
  const std::string title = !title_.empty() ? title_ : Saving ? "Save As" : "Open";
  TFileDialogForm form(nullptr, {title, filter_, filterIndex_, initialDir_, fileName_, defaultExt_, options_, Saving});
  if (form.ShowModal() != mrOk) return false;
  const std::vector<std::string>& chosen = form.Chosen();
  fileName_ = chosen.front();
  files_->Clear();
  for (const std::string& name : chosen) files_->Add(name);
  filterIndex_ = form.Model().FilterIndex();
  options_.Exclude(ofReadOnly).Exclude(ofExtensionDifferent);
  if (form.ReadOnlyChecked()) options_.Include(ofReadOnly);
  std::string extension = ExtractFileExt(fileName_);
  if (!extension.empty()) extension.erase(0, 1);
  if (!defaultExt_.empty() && !SameText(extension, defaultExt_)) options_.Include(ofExtensionDifferent);
  if (!options_.Contains(ofNoChangeDir)) SetCurrentDir(ExtractFileDir(fileName_));
  return true;
}
