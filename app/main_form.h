// TForm1: the payroll import tool's main window, built from its form image (main_form.form).
//
// Creation: the company dialog (always shown) chooses the company; none chosen ends the program
// with exit code 0, and a start that cannot go on (a folder that cannot be entered, no PRINFO.DAT,
// a file that cannot be opened, the user's refusal) ends it with the start's exit code.  In both
// cases the window is never shown and nothing is written.  Otherwise the company's files are open
// (payroll_start.h) and the caption is the company folder.
//
// The ellipsis button of Inp_2 chooses a delimited file, loads it into ProStringGrid1 (which is
// never seen) and checks it: 26 or more columns, and the header cells 0, 5 and 8 each a non-empty
// piece of "รหัสพนักงาน", "ชื่อภาษาอังกฤษ" and "ตำแหน่ง".  Only an accepted file enables Import.
// Import adds the file's new employees (employee_import.h) under the wait popup and the hourglass,
// which go, with the folder, back as they were whatever happens; then the completion box and the
// window closes.  When the program's end is requested during the import (No to a lock question, a
// fatal report) there is no completion box: the window closes and the program ends with exit code
// 1.  An error of the import (a c24 or c25 cell that is not a number) shows its box and the window
// stays.  Closing writes the settings files back and closes the files, once.
#pragma once

#include "platform/ui/form.h"

class TLabel;
class TOpenDialog;
class TProStringGrid;
class TkxButton;
class TkxButtonEdit;
class TkxLabel;
class TkxLookAndFeelController;

class TForm1 : public TForm {
  PR_CLASS(TForm1, TForm)

 public:
  using TForm::TForm;

  TLabel* Label1 = nullptr;
  TLabel* Label3 = nullptr;
  TkxButton* kxButton1 = nullptr;
  TkxButton* kxButton2 = nullptr;
  TkxLabel* kxLabel2 = nullptr;
  TkxButtonEdit* Inp_2 = nullptr;
  TProStringGrid* ProStringGrid1 = nullptr;
  TkxLookAndFeelController* kxLookAndFeelController1 = nullptr;
  TOpenDialog* OpenDialog1 = nullptr;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void kxButtonEdit1PropertiesButtonClick(TObject* Sender, Integer AButtonIndex);
  void kxButton1Click(TObject* Sender);
  void kxButton2Click(TObject* Sender);

  // Whether the grid holds an import file: 26 or more columns and the three titles.
  bool ImportFileAccepted();

 private:
  // Loads the file named by Inp_2 into the emptied grid; a failure disables Import and empties
  // Inp_2 before the error goes on.
  void LoadImportFile();
  void RunImport();
};
