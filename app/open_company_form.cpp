#include "app/open_company_form.h"

#include "app/company_row_dialogs.h"
#include "app/program_environment.h"
#include "controls/foundation/kx_button.h"
#include "controls/interim/kx_check_box.h"
#include "controls/interim/kx_group_box.h"
#include "grid/pro_string_grid.h"
#include "platform/classes/publisher.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"
#include "platform/os/folders.h"
#include "platform/ui/cursors.h"
#include "platform/ui/font.h"
#include "platform/ui/menu.h"
#include "platform/ui/screen.h"
#include "suite/cfg_settings.h"
#include "suite/company_settings.h"
#include "suite/user_interface.h"

// The form image, embedded by the build from open_company_form.form.
#include "TFORM_OPENCOMPANY.res.inc"

std::string SelectedCompanyFolder;
std::string SelectedCompanyName;
std::string SelectedTemplateFolder;

PR_PUBLISH(TForm_OpenCompany) {
  p.Field("kxGroupBox1", &TForm_OpenCompany::kxGroupBox1);
  p.Field("Grid1", &TForm_OpenCompany::Grid1);
  p.Field("kxCheckBox1", &TForm_OpenCompany::kxCheckBox1);
  p.Field("Btn_Select", &TForm_OpenCompany::Btn_Select);
  p.Field("Btn_Select_OK", &TForm_OpenCompany::Btn_Select_OK);
  p.Field("Btn_Edit", &TForm_OpenCompany::Btn_Edit);
  p.Field("Btn_Exit", &TForm_OpenCompany::Btn_Exit);
  p.Field("PopupMenu1", &TForm_OpenCompany::PopupMenu1);
  p.Field("N9", &TForm_OpenCompany::N9);
  p.Field("N4", &TForm_OpenCompany::N4);
  p.Field("N5", &TForm_OpenCompany::N5);
  p.Field("N3", &TForm_OpenCompany::N3);
  p.Field("N2", &TForm_OpenCompany::N2);
  p.Field("N6", &TForm_OpenCompany::N6);
  p.Field("N1", &TForm_OpenCompany::N1);
  p.Field("N7", &TForm_OpenCompany::N7);
  p.Field("N8", &TForm_OpenCompany::N8);
  p.Field("ReportTemplate1", &TForm_OpenCompany::ReportTemplate1);
  p.Field("F101", &TForm_OpenCompany::F101);
  p.Field("ESC1", &TForm_OpenCompany::ESC1);
  p.Method("FormCreate", &TForm_OpenCompany::FormCreate);
  p.Method("FormShow", &TForm_OpenCompany::FormShow);
  p.Method("FormClose", &TForm_OpenCompany::FormClose);
  p.Method("FormKeyPress", &TForm_OpenCompany::FormKeyPress);
  p.Method("Btn_SelectClick", &TForm_OpenCompany::Btn_SelectClick);
  p.Method("Btn_EditClick", &TForm_OpenCompany::Btn_EditClick);
  p.Method("Btn_ExitClick", &TForm_OpenCompany::Btn_ExitClick);
  p.Method("N1Click", &TForm_OpenCompany::N1Click);
  p.Method("N2Click", &TForm_OpenCompany::N2Click);
  p.Method("N3Click", &TForm_OpenCompany::N3Click);
  p.Method("N5Click", &TForm_OpenCompany::N5Click);
  p.Method("N7Click", &TForm_OpenCompany::N7Click);
  p.Method("ReportTemplate1Click", &TForm_OpenCompany::ReportTemplate1Click);
  p.Method("PopupMenu1Popup", &TForm_OpenCompany::PopupMenu1Popup);
  p.Method("kxCheckBox1Click", &TForm_OpenCompany::kxCheckBox1Click);
  p.Method("Grid1GetAlignment", &TForm_OpenCompany::Grid1GetAlignment);
  p.Method("Grid1GetCellColor", &TForm_OpenCompany::Grid1GetCellColor);
  p.Method("Grid1RowChanging", &TForm_OpenCompany::Grid1RowChanging);
  p.Method("Grid1DblClickCell", &TForm_OpenCompany::Grid1DblClickCell);
  p.Method("Grid1IsFixedCell", &TForm_OpenCompany::Grid1IsFixedCell);
  p.Method("Grid1ColumnSize", &TForm_OpenCompany::Grid1ColumnSize);
}

namespace {

constexpr Integer kNameWidth = 335;
constexpr Integer kFolderWidth = 324;

// The hourglass for a scope.
class THourGlass {
 public:
  THourGlass() { Screen->SetCursor(crHourGlass); }
  ~THourGlass() { Screen->SetCursor(crDefault); }
};

}  // namespace

bool TForm_OpenCompany::RunCompanyChoice() {
  const std::string folder = GetCurrentDir();
  const bool automatic = TryAutoSelect();
  SetCurrentDir(folder);
  const bool chosen = automatic || ShowModal() == mrOk;
  return chosen && !SelectedCompanyFolder.empty();
}

bool TForm_OpenCompany::TryAutoSelect() {
  if (!list_.Ensure()) return false;
  LoadCompanyList();
  if (list_.CompanyCount() == 0 || AskAlways || !kxCheckBox1->Checked()) return false;
  const TCompanyRow& row = list_.Row(CurrentRow());
  if (!CheckFolderExists(row.Folder)) return false;
  SelectedCompanyFolder = row.Folder;
  SelectedCompanyName = row.Name;
  SelectedTemplateFolder = row.Template;
  return true;
}

bool TForm_OpenCompany::CheckFolderExists(const std::string& Folder) {
  THourGlass hourGlass;
  if (DirectoryExists(Folder)) return true;
  ShowErrorBox(std::string("ไม่พบไดเร็คทอรี่ หรือกำหนดไม่ถูกต้อง"_cp874));
  return false;
}

void TForm_OpenCompany::EditCompany() {
  const Integer row = CurrentRow();
  Grid1->SetEnabled(false);
  const bool edited = EditCompanyRow(list_, row);
  Grid1->SetEnabled(true);
  if (edited) ShowList();
  EnableSelectButtons(row);
  if (Grid1->CanFocus()) Grid1->SetFocus();
}

void TForm_OpenCompany::FormCreate(TObject*) {
  Grid1->SetColWidths(0, kNameWidth);
  Grid1->SetColWidths(1, kFolderWidth);
  Grid1->SetColWidths(2, 0);
  // Until the string grid's own selection and mouse handling dispatch OnRowChanging and
  // OnDblClickCell, the class library grid's selection and double click stand in for them.
  Grid1->OnSelectCell = [this](TObject* Sender, Integer, Integer ARow, bool& CanSelect) {
    if (ARow != Grid1->Row()) Grid1RowChanging(Sender, Grid1->Row(), ARow, CanSelect);
  };
  Grid1->OnDblClick = [this](TObject* Sender) { Grid1DblClickCell(Sender, Grid1->Row(), Grid1->Col()); };
}

void TForm_OpenCompany::FormShow(TObject*) {
  PushScreenContext(std::string("FILE_เลือกแฟ้มข้อมูลกิจการ"_cp874));
  ApplyGridBandColors(Grid1);
  Grid1->SetColWidths(2, 0);
  shownFolder_ = GetCurrentDir();
  list_.SetChanged(false);
  if (list_.Ensure()) {
    LoadCompanyList();
    if (list_.CompanyCount() == 0 || list_.NewList()) {
      SetCurrentRow(1);
      EditCompany();
      list_.ClearNewList();
    }
    Btn_Select->SetVisible(!ConfirmMode);
    Btn_Select_OK->SetVisible(ConfirmMode);
    EnableSelectButtons(CurrentRow());
    if (Grid1->CanFocus()) SetActiveControl(Grid1);
  } else {
    ShowErrorBox(std::string("ไม่พบแฟ้ม USERDRV.INI"_cp874));
  }
  if (CfgSettings.OpenCompanyColPosition != 0) Grid1->SetColWidths(0, CfgSettings.OpenCompanyColPosition);
  PrepareForm(this);
}

void TForm_OpenCompany::FormClose(TObject*, TCloseAction&) {
  PopScreenContext();
  if (list_.Changed()) list_.Save();
  if (Grid1->ColWidths(0) != CfgSettings.OpenCompanyColPosition) {
    CfgSettings.OpenCompanyColPosition = Grid1->ColWidths(0);
    SaveCompanySettings();
  }
  SetCurrentDir(shownFolder_);
}

void TForm_OpenCompany::FormKeyPress(TObject*, char& Key) {
  if (Key != 27) return;
  Key = 0;
  Btn_ExitClick(this);
}

void TForm_OpenCompany::Btn_SelectClick(TObject*) { SelectCurrentRow(); }

void TForm_OpenCompany::Btn_EditClick(TObject*) { EditCompany(); }

void TForm_OpenCompany::Btn_ExitClick(TObject*) { SetModalResult(mrCancel); }

void TForm_OpenCompany::N1Click(TObject*) { AfterRowMove(list_.MoveUp(CurrentRow())); }

void TForm_OpenCompany::N7Click(TObject*) { AfterRowMove(list_.MoveDown(CurrentRow())); }

void TForm_OpenCompany::N2Click(TObject*) {
  const Integer row = CurrentRow();
  if (list_.Row(row).Used() && !AskYesNoDefaultYes(std::string("คุณต้องการลบ?"_cp874))) return;
  list_.RemoveRow(row);
  ShowList();
  EnableSelectButtons(row);
}

void TForm_OpenCompany::N3Click(TObject*) {
  // A used last row would be pushed out of the list: nothing moves, the user hears why not.
  if (!list_.InsertRow(CurrentRow())) {
    CurrentSuiteUserInterface().Beep();
    return;
  }
  ShowList();
  EnableSelectButtons(CurrentRow());
}

void TForm_OpenCompany::N5Click(TObject*) { EditCompany(); }

void TForm_OpenCompany::ReportTemplate1Click(TObject*) {
  Grid1->SetEnabled(false);
  const bool chosen = EditCompanyTemplateRow(list_, CurrentRow());
  Grid1->SetEnabled(true);
  if (chosen) ShowList();
}

void TForm_OpenCompany::PopupMenu1Popup(TObject*) {
  const TCompanyRow& row = list_.Row(CurrentRow());
  N9->SetEnabled(!row.Folder.empty());
  ReportTemplate1->SetEnabled(!row.Folder.empty());
  ReportTemplate1->SetChecked(!row.Template.empty());
  N2->SetCaption(row.Used() ? std::string("ลบ..."_cp874) : std::string("ลบ"_cp874));
}

void TForm_OpenCompany::kxCheckBox1Click(TObject*) { list_.SetChanged(true); }

void TForm_OpenCompany::Grid1GetAlignment(TObject*, Integer ARow, Integer, TAlignment& HAlign, TVAlignment&) {
  if (ARow == 0) HAlign = taCenter;
}

void TForm_OpenCompany::Grid1GetCellColor(TObject*, Integer ARow, Integer, TGridDrawState, TBrush*, TFont* AFont) {
  if (ARow != 0 && ARow == list_.RememberedRow()) AFont->SetStyle(AFont->Style() + TFontStyles{fsBold});
}

void TForm_OpenCompany::Grid1RowChanging(TObject*, Integer, Integer NewRow, bool&) { EnableSelectButtons(NewRow); }

void TForm_OpenCompany::Grid1DblClickCell(TObject*, Integer ARow, Integer) {
  if (ARow != 0) SelectCurrentRow();
}

void TForm_OpenCompany::Grid1IsFixedCell(TObject*, Integer ARow, Integer, bool& IsFixed) { IsFixed = ARow == 0; }

void TForm_OpenCompany::Grid1ColumnSize(TObject*, Integer ACol, bool& Allow) { Allow = ACol != 2; }

Integer TForm_OpenCompany::CurrentRow() const {
  const Integer row = Grid1->Row();
  return row < 1 ? 1 : row > TCompanyList::kRows ? TCompanyList::kRows : row;
}

void TForm_OpenCompany::SetCurrentRow(Integer Row) { Grid1->SetRow(Row); }

void TForm_OpenCompany::ShowList() {
  for (Integer row = 1; row <= TCompanyList::kRows; ++row) {
    const TCompanyRow& company = list_.Row(row);
    Grid1->SetCells(0, row, company.Name);
    Grid1->SetCells(1, row, company.Folder);
    Grid1->SetCells(2, row, company.Template);
  }
}

void TForm_OpenCompany::LoadCompanyList() {
  list_.Load();
  ShowList();
  if (list_.RememberedRow() != 0) SetCurrentRow(list_.RememberedRow());
  kxCheckBox1->SetChecked(list_.AutoSelect());
  // Setting the check box is no edit of the list.
  list_.SetChanged(false);
}

void TForm_OpenCompany::EnableSelectButtons(Integer Row) {
  const bool hasFolder = Row >= 1 && Row <= TCompanyList::kRows && !list_.Row(Row).Folder.empty();
  Btn_Select->SetEnabled(hasFolder);
  Btn_Select_OK->SetEnabled(hasFolder);
}

void TForm_OpenCompany::SelectCurrentRow() {
  const Integer row = CurrentRow();
  const TCompanyRow company = list_.Row(row);
  if (company.Folder.empty()) {
    if (AskYesNoDefaultYes(std::string("ยังไม่ได้กำหนด. ต้องการสร้างใหม่?"_cp874))) EditCompany();
    return;
  }
  if (!CheckFolderExists(company.Folder)) return;
  THourGlass hourGlass;
  TCfgSettings& remembered = CfgSettings;
  const bool saveNeeded = !SameText(company.Folder, remembered.OpenCompanyDir) ||
                          !SameText(company.Name, remembered.OpenCompanyCompany) ||
                          Grid1->ColWidths(0) != remembered.OpenCompanyColPosition ||
                          kxCheckBox1->Checked() != remembered.OpenCompanySelect;
  remembered.OpenCompanySelect = kxCheckBox1->Checked();
  remembered.OpenCompanyDir = company.Folder;
  remembered.OpenCompanyCompany = company.Name;
  remembered.OpenCompanyColPosition = Grid1->ColWidths(0);
  SelectedCompanyFolder = company.Folder;
  SelectedCompanyName = company.Name;
  SelectedTemplateFolder = company.Template;
  if (saveNeeded) SaveCompanySettings();
  if (row != list_.RememberedRow()) list_.SetChanged(true);
  SetModalResult(mrOk);
}

void TForm_OpenCompany::AfterRowMove(Integer NewRow) {
  ShowList();
  SetCurrentRow(NewRow);
  EnableSelectButtons(NewRow);
}
