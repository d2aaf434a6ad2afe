// TFileDialogForm: the modal form the open and save dialogs show (open_dialog.h), laid out in the
// classic style: the file-name box over the list of files that match the chosen type, the current
// folder over the list of its subfolders, the list of file types, OK and Cancel, and the read-only
// check box (hidden with ofHideReadOnly).  The listing and the checks are TFileDialogModel's.
//
// Control names: "FileNameEdit", "FileList", "FolderLabel" (the folder, shortened with "..." to
// fit), "FolderList", "TypeList", "ReadOnlyCheck", "OKButton", "CancelButton".  OK (Enter) takes
// the file-name box: a pattern
// with '*' or '?' lists by it, a folder name opens that folder, anything else is checked against
// the options (missing folder or file: an error box and the form stays; create and overwrite
// prompts: a Yes / No box, No keeps the form open) and on acceptance closes the form with mrOk.
// A click in the file list copies the selected names into the box (quoted when several); a double
// click presses OK; a double click in the folder list (or Enter there) opens that folder.
// Browsing never changes the process's current folder.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/file_dialog_model.h"
#include "platform/ui/form.h"

class TButton;
class TCheckBox;
class TEdit;
class TLabel;
class TListBox;

struct TFileDialogRequest {
  std::string Title;  // the form's caption
  std::string Filter;
  Integer FilterIndex = 1;
  std::string InitialDir;
  std::string FileName;
  std::string DefaultExt;
  TOpenOptions Options;
  bool Saving = false;
};

class TFileDialogForm : public TForm {
  PR_CLASS(TFileDialogForm, TForm)

 public:
  TFileDialogForm(TComponent* AOwner, const TFileDialogRequest& Request);

  const TFileDialogModel& Model() const { return model_; }
  // The full names accepted by OK (one unless multi-selection is allowed).
  const std::vector<std::string>& Chosen() const { return chosen_; }
  bool ReadOnlyChecked() const;

 private:
  void BuildControls();
  void StartFolder(const TFileDialogRequest& Request);
  void Refresh();
  void OkClick();
  bool OpenFolder(const std::string& Name);
  bool Accept(const std::vector<std::string>& Names);
  bool Confirm(TFileChoiceCheck Check, const std::string& FullName);
  void FileListClick();
  void TypeListClick();

  TFileDialogModel model_;
  std::string defaultExt_;
  TOpenOptions options_;
  bool saving_;
  std::vector<std::string> chosen_;
  TEdit* fileNameEdit_ = nullptr;
  TListBox* fileList_ = nullptr;
  TLabel* folderLabel_ = nullptr;
  TListBox* folderList_ = nullptr;
  TListBox* typeList_ = nullptr;
  TCheckBox* readOnlyCheck_ = nullptr;
};
