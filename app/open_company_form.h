// TForm_OpenCompany: the suite's dialog for choosing a company (a data folder) from the company list
// USERDRV.INI, built from its form image (open_company_form.form).  Grid1 shows the list's 90 rows
// (row 0 the header; columns name, folder and the hidden template folder); the rows themselves
// live in a TCompanyList (company_list.h) and the grid is redrawn from it after every change.
//
// The choice: RunCompanyChoice tries the remembered company first (TryAutoSelect: the list exists
// and has a company, AskAlways is off, the check box is set and the current row's folder exists),
// otherwise shows the dialog modally.  Select (Btn_Select, Btn_Select_OK, N9, F10, a double click
// on a company row) takes the current row when its folder exists; a row without a folder asks
// whether to create it and opens the edit dialog on Yes.  The result is in SelectedCompanyFolder,
// SelectedCompanyName and SelectedTemplateFolder; the choice is remembered in QZACC.CFG.
//
// Editing: Btn_Edit and N5 (F5) the edit dialog, N3 (Insert) inserts, N2 (Delete) deletes (asking
// for a used row), N1 (F7) and N7 (F8) move the row, ReportTemplate1 (F9) the template dialog.  The
// list is written at close only when something changed.  The dialog works in the program folder and
// gives the folder that was current when it showed back when it closes.
#pragma once

#include <string>

#include "app/company_list.h"
#include "grid/base_grid_types.h"
#include "platform/ui/form.h"
#include "platform/ui/grid_types.h"

class TBrush;
class TFont;
class TMenuItem;
class TPopupMenu;
class TProStringGrid;
class TkxButton;
class TkxCheckBox;
class TkxGroupBox;

// The company chosen by the last RunCompanyChoice ("" while none).
extern std::string SelectedCompanyFolder;
extern std::string SelectedCompanyName;
extern std::string SelectedTemplateFolder;

class TForm_OpenCompany : public TForm {
  PR_CLASS(TForm_OpenCompany, TForm)

 public:
  using TForm::TForm;

  // The automatic choice or the modal dialog; true when a company with a folder was chosen.  The
  // current folder is the same afterwards.
  bool RunCompanyChoice();
  bool TryAutoSelect();
  // False, after the error box "ไม่พบไดเร็คทอรี่ หรือกำหนดไม่ถูกต้อง", when the folder does not exist.
  bool CheckFolderExists(const std::string& Folder);
  // The edit dialog over the current row; OK shows its name and folder in the grid.
  void EditCompany();

  // Always show the dialog (never take the remembered company on its own).
  bool AskAlways = false;
  // Show Btn_Select_OK ("ตกลง") instead of Btn_Select.
  bool ConfirmMode = false;

  const TCompanyList& CompanyList() const { return list_; }

  TkxGroupBox* kxGroupBox1 = nullptr;
  TProStringGrid* Grid1 = nullptr;
  TkxCheckBox* kxCheckBox1 = nullptr;
  TkxButton* Btn_Select = nullptr;
  TkxButton* Btn_Select_OK = nullptr;
  TkxButton* Btn_Edit = nullptr;
  TkxButton* Btn_Exit = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TMenuItem *N9 = nullptr, *N5 = nullptr, *N3 = nullptr, *N2 = nullptr, *N1 = nullptr, *N7 = nullptr;
  TMenuItem *N4 = nullptr, *N6 = nullptr, *N8 = nullptr;
  TMenuItem *ReportTemplate1 = nullptr, *F101 = nullptr, *ESC1 = nullptr;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void FormKeyPress(TObject* Sender, char& Key);
  void Btn_SelectClick(TObject* Sender);
  void Btn_EditClick(TObject* Sender);
  void Btn_ExitClick(TObject* Sender);
  void N1Click(TObject* Sender);
  void N2Click(TObject* Sender);
  void N3Click(TObject* Sender);
  void N5Click(TObject* Sender);
  void N7Click(TObject* Sender);
  void ReportTemplate1Click(TObject* Sender);
  void PopupMenu1Popup(TObject* Sender);
  void kxCheckBox1Click(TObject* Sender);
  void Grid1GetAlignment(TObject* Sender, Integer ARow, Integer ACol, TAlignment& HAlign, TVAlignment& VAlign);
  void Grid1GetCellColor(TObject* Sender, Integer ARow, Integer ACol, TGridDrawState AState, TBrush* ABrush,
                         TFont* AFont);
  void Grid1RowChanging(TObject* Sender, Integer OldRow, Integer NewRow, bool& Allow);
  void Grid1DblClickCell(TObject* Sender, Integer ARow, Integer ACol);
  void Grid1IsFixedCell(TObject* Sender, Integer ARow, Integer ACol, bool& IsFixed);
  void Grid1ColumnSize(TObject* Sender, Integer ACol, bool& Allow);

 private:
  // The current row of the list (1..90).
  Integer CurrentRow() const;
  void SetCurrentRow(Integer Row);
  // Copies the list's rows into the grid's rows 1..90.
  void ShowList();
  // Fills the grid from USERDRV.INI (LoadCompanyList).
  void LoadCompanyList();
  // Enables the select buttons when the row has a folder.
  void EnableSelectButtons(Integer Row);
  void SelectCurrentRow();
  void AfterRowMove(Integer NewRow);

  TCompanyList list_;
  std::string shownFolder_;   // current when the dialog showed; given back at close
};
