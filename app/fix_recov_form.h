// TForm_FixRecov: the question whether a saved copy left by an interrupted repair replaces the
// current record file (fix_recov_form.form): the explanation, the copy's name (Label_FName), the
// sizes of the copy (Label_Sav) and of the current file (Label_Dat), Yes (the default, focused)
// and No.
#pragma once

#include <string>

#include "platform/ui/form.h"
#include "platform/ui/scripted_box.h"

class TLabel;
class TPanel;
class TkxButton;

class TForm_FixRecov : public TForm, public TScriptedBox {
  PR_CLASS(TForm_FixRecov, TForm)

 public:
  using TForm::TForm;

  // The modal question with the copy's name and both sizes as texts: true for Yes.
  static bool Execute(const std::string& CopyName, const std::string& CopySize, const std::string& CurrentSize);

  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label_FName = nullptr;
  TLabel* Label4 = nullptr;
  TLabel* Label_Sav = nullptr;
  TLabel* Label5 = nullptr;
  TLabel* Label_Dat = nullptr;
  TLabel* Label3 = nullptr;
  TPanel* Panel1 = nullptr;
  TkxButton* kxButton1 = nullptr;
  TkxButton* kxButton2 = nullptr;

  void FormShow(TObject* Sender);

  // The file name and the two sizes, one a line.
  std::string BoxText() const override;
};
