#include "app/open_company_report_template_form.h"

#include <memory>

#include "app/company_folder_check.h"
#include "app/program_environment.h"
#include "controls/foundation/kx_button.h"
#include "controls/interim/kx_group_box.h"
#include "controls/interim/kx_radio_button.h"
#include "controls/interim/kx_shell_combo_box.h"
#include "platform/classes/publisher.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"
#include "platform/os/folders.h"
#include "platform/os/path.h"
#include "platform/ui/menu.h"
#include "suite/suite_folders.h"
#include "suite/user_interface.h"

// The form image, embedded by the build from open_company_report_template_form.form.
#include "TFORM_OPENCOMPANY_REPORTTEMPLATE.res.inc"

PR_PUBLISH(TForm_OpenCompany_ReportTemplate) {
  p.Field("kxGroupBox1", &TForm_OpenCompany_ReportTemplate::kxGroupBox1);
  p.Field("kxRadioButton1", &TForm_OpenCompany_ReportTemplate::kxRadioButton1);
  p.Field("kxRadioButton2", &TForm_OpenCompany_ReportTemplate::kxRadioButton2);
  p.Field("Edit1", &TForm_OpenCompany_ReportTemplate::Edit1);
  p.Field("kxButton1", &TForm_OpenCompany_ReportTemplate::kxButton1);
  p.Field("Btn_Cancel", &TForm_OpenCompany_ReportTemplate::Btn_Cancel);
  p.Field("PopupMenu1", &TForm_OpenCompany_ReportTemplate::PopupMenu1);
  p.Field("F101", &TForm_OpenCompany_ReportTemplate::F101);
  p.Field("MenuItem11", &TForm_OpenCompany_ReportTemplate::MenuItem11);
  p.Method("FormShow", &TForm_OpenCompany_ReportTemplate::FormShow);
  p.Method("kxRadioButton1Click", &TForm_OpenCompany_ReportTemplate::kxRadioButton1Click);
  p.Method("kxButton1Click", &TForm_OpenCompany_ReportTemplate::kxButton1Click);
  p.Method("MenuItem11Click", &TForm_OpenCompany_ReportTemplate::MenuItem11Click);
}

bool IsDefaultTemplateFolder(const std::string& Folder) {
  const std::size_t end = Folder.find_last_not_of("/\\");
  if (end == std::string::npos) return false;
  const std::size_t separator = Folder.find_last_of("/\\", end);
  const std::size_t start = separator == std::string::npos ? 0 : separator + 1;
  return UpperCase(Folder.substr(start, end + 1 - start)) == "_DEFAULT";
}

bool TForm_OpenCompany_ReportTemplate::Execute(std::string& Template) {
  std::unique_ptr<TForm_OpenCompany_ReportTemplate, TObjectDeleter> form(
      NewObject<TForm_OpenCompany_ReportTemplate>(nullptr));
  const bool own = !Template.empty();
  (own ? form->kxRadioButton2 : form->kxRadioButton1)->SetChecked(true);
  form->Edit1->SetText(own ? Template : ProgramFolder + PathDelim + "Template");
  form->Edit1->SetEnabled(own);
  if (form->ShowModal() != mrOk) return false;
  Template = form->kxRadioButton1->Checked() ? std::string() : form->Edit1->Text();
  return true;
}

void TForm_OpenCompany_ReportTemplate::FormShow(TObject*) {
  startFolder_ = GetCurrentDir();
  if (kxRadioButton1->Checked()) SetActiveControl(kxGroupBox1);
  else SetActiveControl(Edit1);
  PrepareForm(this);
}

void TForm_OpenCompany_ReportTemplate::kxRadioButton1Click(TObject*) {
  Edit1->SetEnabled(kxRadioButton2->Checked());
}

void TForm_OpenCompany_ReportTemplate::kxButton1Click(TObject*) {
  if (kxRadioButton1->Checked() || ValidateTemplateFolder(Edit1->Text())) SetModalResult(mrOk);
}

void TForm_OpenCompany_ReportTemplate::MenuItem11Click(TObject*) { Close(); }

bool TForm_OpenCompany_ReportTemplate::ValidateTemplateFolder(const std::string& Folder) {
  if (IsDefaultTemplateFolder(Folder)) {
    ShowErrorBox(std::string("ไม่อนุญาตให้กำหนดชื่อ _Default"_cp874));
    return false;
  }
  return ValidateCompanyFolder(Folder, startFolder_);
}
