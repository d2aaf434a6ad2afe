#include "app/main_form.h"

#include <memory>
#include <string_view>

#include "app/employee_import.h"
#include "app/open_company_form.h"
#include "app/payroll_start.h"
#include "controls/foundation/kx_look_and_feel.h"
#include "controls/foundation/kx_button.h"
#include "controls/interim/kx_button_edit.h"
#include "controls/interim/kx_label.h"
#include "grid/pro_string_grid.h"
#include "platform/classes/publisher.h"
#include "platform/core/cp874.h"
#include "platform/os/folders.h"
#include "platform/ui/application.h"
#include "platform/ui/cursors.h"
#include "platform/ui/label.h"
#include "platform/ui/open_dialog.h"
#include "platform/ui/screen.h"
#include "suite/program_end.h"
#include "suite/user_interface.h"

// The form image, embedded by the build from main_form.form.
#include "TFORM1.res.inc"

PR_PUBLISH(TForm1) {
  p.Field("Label1", &TForm1::Label1);
  p.Field("Label3", &TForm1::Label3);
  p.Field("kxButton1", &TForm1::kxButton1);
  p.Field("kxButton2", &TForm1::kxButton2);
  p.Field("kxLabel2", &TForm1::kxLabel2);
  p.Field("Inp_2", &TForm1::Inp_2);
  p.Field("ProStringGrid1", &TForm1::ProStringGrid1);
  p.Field("kxLookAndFeelController1", &TForm1::kxLookAndFeelController1);
  p.Field("OpenDialog1", &TForm1::OpenDialog1);
  p.Method("FormCreate", &TForm1::FormCreate);
  p.Method("FormShow", &TForm1::FormShow);
  p.Method("FormClose", &TForm1::FormClose);
  p.Method("kxButtonEdit1PropertiesButtonClick", &TForm1::kxButtonEdit1PropertiesButtonClick);
  p.Method("kxButton1Click", &TForm1::kxButton1Click);
  p.Method("kxButton2Click", &TForm1::kxButton2Click);
}

namespace {

constexpr Integer kImportColumns = 26;

// The import grid's rows as the employee import reads them.
class TGridImportRows final : public TImportRows {
 public:
  explicit TGridImportRows(TProStringGrid* Grid) : grid_(Grid) {}
  Integer RowCount() const override { return grid_->RowCount(); }
  std::string Cell(Integer Col, Integer Row) const override {
    return Col < grid_->ColCount() ? grid_->Cells(Col, Row) : std::string();
  }
  double Amount(Integer Col, Integer Row) const override { return grid_->GetFloats(Col, Row); }

 private:
  TProStringGrid* grid_;
};

// A header cell passes when it is a non-empty piece of its title.
bool IsPieceOfTitle(const std::string& Cell, std::string_view Title) {
  return !Cell.empty() && Title.find(Cell) != std::string_view::npos;
}

}  // namespace

void TForm1::FormCreate(TObject*) {
  bool chosen = false;
  {
    std::unique_ptr<TForm_OpenCompany, TObjectDeleter> dialog(NewObject<TForm_OpenCompany>(Application));
    dialog->AskAlways = true;
    chosen = dialog->RunCompanyChoice();
  }
  if (!chosen) {
    RequestProgramEnd(0);
    return;
  }
  SetCaption(SelectedCompanyFolder);
  // A start that cannot go on has shown its box and asked for the program's end.
  StartPayrollCompany(SelectedCompanyFolder);
}

void TForm1::FormShow(TObject*) {
  if (Inp_2->CanFocus()) Inp_2->SetFocus();
}

void TForm1::FormClose(TObject*, TCloseAction&) { ClosePayrollCompany(); }

void TForm1::kxButtonEdit1PropertiesButtonClick(TObject*, Integer) {
  if (!OpenDialog1->Execute()) return;
  Inp_2->SetText(OpenDialog1->FileName());
  LoadImportFile();
  if (ImportFileAccepted()) {
    kxButton1->SetEnabled(true);
    kxButton1->SetFocus();
    return;
  }
  ShowErrorBox("Can not load file.");
  kxButton1->SetEnabled(false);
  Inp_2->SetText("");
  Inp_2->SetFocus();
}

bool TForm1::ImportFileAccepted() {
  return ProStringGrid1->ColCount() >= kImportColumns &&
         IsPieceOfTitle(ProStringGrid1->Cells(0, 0), "รหัสพนักงาน"_cp874) &&
         IsPieceOfTitle(ProStringGrid1->Cells(5, 0), "ชื่อภาษาอังกฤษ"_cp874) &&
         IsPieceOfTitle(ProStringGrid1->Cells(8, 0), "ตำแหน่ง"_cp874);
}

void TForm1::LoadImportFile() {
  // Clear keeps the column count, and loading only grows it: without this a narrow file would
  // pass the column check after a wide one.
  ProStringGrid1->SetColCount(ProStringGrid1->FixedCols() + 1);
  ProStringGrid1->Clear();
  try {
    ProStringGrid1->LoadCSVFile(Inp_2->Text(), -1);
  } catch (...) {
    // The file in the grid is no longer the one named: nothing may be imported from it.
    kxButton1->SetEnabled(false);
    Inp_2->SetText("");
    throw;
  }
}

void TForm1::kxButton1Click(TObject*) {
  RunImport();
  if (!ProgramEndRequested()) ShowInformation(std::string("การทำงานเสร็จเรียบร้อยแล้ว"_cp874));
  Close();
}

void TForm1::RunImport() {
  ShowWait();
  Screen->SetCursor(crHourGlass);
  const std::string folder = GetCurrentDir();
  auto restore = [&] {
    SetCurrentDir(folder);
    CloseWait();
    Screen->SetCursor(crDefault);
  };
  try {
    ImportAllRows(TGridImportRows(ProStringGrid1));
  } catch (...) {
    restore();
    throw;
  }
  restore();
}

void TForm1::kxButton2Click(TObject*) { Close(); }
