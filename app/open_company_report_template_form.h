// TForm_OpenCompany_ReportTemplate: the company dialog's choice of a company's report templates,
// built from its form image (open_company_report_template_form.form): the program's default
// templates (kxRadioButton1) or a folder of its own (kxRadioButton2 and the folder chooser Edit1,
// enabled exactly while kxRadioButton2 is checked); OK (kxButton1, also F10), Cancel (also Escape).
//
// OK with the default chosen always closes; a folder of its own must pass ValidateTemplateFolder.
#pragma once

#include <string>

#include "platform/ui/form.h"

class TMenuItem;
class TPopupMenu;
class TkxButton;
class TkxGroupBox;
class TkxRadioButton;
class TkxShellComboBox;

// Whether the last part of the folder path (after trailing "/" and "\" are dropped) is "_Default"
// in any case: the name of the program's own template folder, which no company may take.
bool IsDefaultTemplateFolder(const std::string& Folder);

class TForm_OpenCompany_ReportTemplate : public TForm {
  PR_CLASS(TForm_OpenCompany_ReportTemplate, TForm)

 public:
  using TForm::TForm;

  // The modal dialog over a company's template folder (Template, "" for the default templates):
  // true on OK with the choice in Template ("" for the default); false (unchanged) otherwise.
  static bool Execute(std::string& Template);

  TkxGroupBox* kxGroupBox1 = nullptr;
  TkxRadioButton* kxRadioButton1 = nullptr;
  TkxRadioButton* kxRadioButton2 = nullptr;
  TkxShellComboBox* Edit1 = nullptr;
  TkxButton* kxButton1 = nullptr;
  TkxButton* Btn_Cancel = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TMenuItem* F101 = nullptr;
  TMenuItem* MenuItem11 = nullptr;

  void FormShow(TObject* Sender);
  void kxRadioButton1Click(TObject* Sender);
  void kxButton1Click(TObject* Sender);
  void MenuItem11Click(TObject* Sender);
  // A "_Default" folder is refused before anything else, so it is never created; then the checks of
  // company_folder_check.h.
  bool ValidateTemplateFolder(const std::string& Folder);

 private:
  std::string startFolder_;
};
