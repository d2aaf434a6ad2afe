// TForm_OpenCompany_Edit: the company dialog's editor of one company's name and data folder, built
// from its form image (open_company_edit_form.form): the name in Edit1 (at most 50 characters), the
// folder in Edit2 (a folder chooser), OK (kxButton1, disabled until the name changes; F10 also
// while it is disabled) and Cancel (also Escape).
//
// New entry: when the folder it opens with is the start folder (the folder current when it shows:
// the program folder, as for a new row in a list that already holds a company), the folder field
// starts empty and disabled and then follows the name: start folder + "/" + FolderSafeName(name).
// A folder the user changed stops following once the name field is left and entered again.  Any
// change of the name enables OK and the folder field.
//
// OK: a name with ";" is refused (it separates name and folder in USERDRV.INI), the focus goes to
// the name; otherwise the folder must pass ValidateDataFolder (company_folder_check.h, and no "|",
// which separates the folder from the template folder in USERDRV.INI), else the focus goes to the
// folder field (to the name while the folder field is disabled).
#pragma once

#include <string>

#include "platform/ui/form.h"

class TLabel;
class TMenuItem;
class TPopupMenu;
class TkxButton;
class TkxShellComboBox;
class TkxTextEdit;

// The text without the characters a folder name cannot hold: " * / : ; < > ? \ and |.  Every other
// byte (letters, digits, blanks, Thai characters) stays.
std::string FolderSafeName(const std::string& Text);

class TForm_OpenCompany_Edit : public TForm {
  PR_CLASS(TForm_OpenCompany_Edit, TForm)

 public:
  using TForm::TForm;

  // The modal dialog over a company's Name and Folder (the fields' texts at the start): true on
  // OK, with the fields' texts in Name and Folder; false (both unchanged) on Cancel or Escape.
  static bool Execute(std::string& Name, std::string& Folder);

  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TkxTextEdit* Edit1 = nullptr;
  TkxShellComboBox* Edit2 = nullptr;
  TkxButton* kxButton1 = nullptr;
  TkxButton* Btn_Cancel = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TMenuItem* F101 = nullptr;
  TMenuItem* MenuItem11 = nullptr;

  void FormShow(TObject* Sender);
  void FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
  void Edit1Enter(TObject* Sender);
  void Edit1PropertiesChange(TObject* Sender);
  void Btn_SaveClick(TObject* Sender);
  void Btn_CancelClick(TObject* Sender);
  bool ValidateDataFolder();

 private:
  // The folder a new entry's name proposes.
  std::string FolderOfName() const;

  std::string startFolder_;
  bool shown_ = false;          // changes before FormShow are the caller's start values
  bool newEntry_ = false;
  bool folderFollowsName_ = false;
};
