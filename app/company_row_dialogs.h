// The company dialog's two editors over one row (1..90) of its company list, so that the dialog
// calls each in a line: the edit dialog (TForm_OpenCompany_Edit) opens with the row's name and
// TCompanyList::FolderToEdit; the template dialog (TForm_OpenCompany_ReportTemplate) with the
// row's template folder.  On OK the row takes the result (the template "" for the default
// templates) and the list is marked changed; the answer is whether OK was chosen.  Cancel and
// Escape change nothing.
#pragma once

#include "platform/core/types.h"

class TCompanyList;

bool EditCompanyRow(TCompanyList& List, Integer Row);
bool EditCompanyTemplateRow(TCompanyList& List, Integer Row);
