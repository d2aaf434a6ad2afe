// TOpenDialog and TSaveDialog: components that ask for file names with TFileDialogForm.
//
// Execute shows the form (caption Title, else "Open" / "Save As") listing the folder InitialDir,
// else the folder of FileName, else the current folder, by the filter Filter chosen with
// FilterIndex (from 1).  Accepted: FileName is the full name of the (first) file chosen, Files
// every full name chosen, FilterIndex the filter shown at the end; Options gains or loses ofReadOnly
// by the read-only check box and ofExtensionDifferent by whether the extension differs from
// DefaultExt.  The process's current folder becomes the chosen file's folder, unless ofNoChangeDir:
// then it is left as it was.  Cancelled: nothing changes.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/common_dialog.h"
#include "platform/ui/open_options.h"

class TStrings;
class TStringList;

class TOpenDialog : public TCommonDialog {
  PR_CLASS(TOpenDialog, TCommonDialog)

 public:
  explicit TOpenDialog(TComponent* AOwner);
  ~TOpenDialog() override;

  bool Execute() override;

  const std::string& DefaultExt() const { return defaultExt_; }
  void SetDefaultExt(const std::string& Value) { defaultExt_ = Value; }
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& Value) { fileName_ = Value; }
  TStrings* Files() const;
  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& Value) { filter_ = Value; }
  Integer FilterIndex() const { return filterIndex_; }
  void SetFilterIndex(Integer Value) { filterIndex_ = Value; }
  const std::string& InitialDir() const { return initialDir_; }
  void SetInitialDir(const std::string& Value) { initialDir_ = Value; }
  TOpenOptions Options() const { return options_; }
  void SetOptions(TOpenOptions Value) { options_ = Value; }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& Value) { title_ = Value; }

 protected:
  bool ExecuteFor(bool Saving);

 private:
  std::string defaultExt_;
  std::string fileName_;
  std::unique_ptr<TStringList> files_;
  std::string filter_;
  Integer filterIndex_ = 1;
  std::string initialDir_;
  TOpenOptions options_{ofHideReadOnly, ofEnableSizing};
  std::string title_;
};

class TSaveDialog : public TOpenDialog {
  PR_CLASS(TSaveDialog, TOpenDialog)

 public:
  using TOpenDialog::TOpenDialog;

  bool Execute() override;
};
