// TForm_AskForYesNo: the suite's yes/no question, built from its form image (ask_yes_no_form.form).
//
// Shown (FormShow): the question in Label1; kind 1 shows Image1 and makes Yes the default button
// with the focus, kind 2 shows Image2 and makes No the default with the focus; the client width
// becomes Label1's width + 88; then the suite's placement (PrepareForm).  Yes answers true; No,
// Escape and closing the window answer false.
#pragma once

#include <string>

#include "platform/ui/form.h"
#include "platform/ui/scripted_box.h"

class TImage;
class TLabel;
class TPanel;
class TkxButton;

class TForm_AskForYesNo : public TForm, public TScriptedBox {
  PR_CLASS(TForm_AskForYesNo, TForm)

 public:
  using TForm::TForm;

  // The modal question (the text already ends in "?" or "."): true when Yes was chosen.
  static bool Execute(Integer Kind, const std::string& Question);

  TImage* Image1 = nullptr;
  TImage* Image2 = nullptr;
  TLabel* Label1 = nullptr;
  TPanel* Panel1 = nullptr;
  TkxButton* kxButton1 = nullptr;
  TkxButton* kxButton2 = nullptr;

  void FormShow(TObject* Sender);
  void kxButton1Click(TObject* Sender);
  void kxButton2Click(TObject* Sender);
  void FormKeyPress(TObject* Sender, char& Key);

  std::string BoxText() const override;
};
