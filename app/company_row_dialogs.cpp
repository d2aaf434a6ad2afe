#include "app/company_row_dialogs.h"

#include "app/company_list.h"
#include "app/open_company_edit_form.h"
#include "app/open_company_report_template_form.h"

bool EditCompanyRow(TCompanyList& List, Integer Row) {
  std::string name = List.Row(Row).Name;
  std::string folder = List.FolderToEdit(Row);
  if (!TForm_OpenCompany_Edit::Execute(name, folder)) return false;
  List.Row(Row).Name = name;
  List.Row(Row).Folder = folder;
  List.SetChanged(true);
  return true;
}

bool EditCompanyTemplateRow(TCompanyList& List, Integer Row) {
  std::string folder = List.Row(Row).Template;
  if (!TForm_OpenCompany_ReportTemplate::Execute(folder)) return false;
  List.Row(Row).Template = folder;
  List.SetChanged(true);
  return true;
}
