// TForm_DisplayMessage: the suite's message box of three kinds (1 information, 2 error, 3 warning)
// with one OK button, built from its form image (display_message_form.form).
//
// Shown (FormShow): the text in Label1; caption "Information", "Error" or "Warning" and only the
// kind's picture visible (another kind keeps the designed caption "Information" and shows no
// picture); the client width becomes Label1's width + 88 (the form's minimum width still holds);
// then the suite's placement (PrepareForm).  OK or Escape closes it.
#pragma once

#include <string>

#include "platform/ui/form.h"
#include "platform/ui/scripted_box.h"

class TImage;
class TLabel;
class TPanel;
class TkxButton;

class TForm_DisplayMessage : public TForm, public TScriptedBox {
  PR_CLASS(TForm_DisplayMessage, TForm)

 public:
  using TForm::TForm;

  // The modal box: the text and kind are kept for the show handler, the form lives while shown.
  static void Execute(Integer Kind, const std::string& Text);

  TImage* Image1 = nullptr;
  TImage* Image2 = nullptr;
  TImage* Image3 = nullptr;
  TLabel* Label1 = nullptr;
  TPanel* Panel1 = nullptr;
  TkxButton* kxButton1 = nullptr;

  void FormShow(TObject* Sender);
  void kxButton1Click(TObject* Sender);
  void FormKeyPress(TObject* Sender, char& Key);

  std::string BoxText() const override;
};
