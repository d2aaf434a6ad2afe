// The demo form of the ui tests: a label, a panel holding an image, and OK and Cancel buttons,
// built from demo_form.txt (embedded at build time).
#pragma once

#include "platform/ui/form.h"

class TButton;
class TImage;
class TLabel;
class TPanel;

class TDemoForm : public TForm {
  PR_CLASS(TDemoForm, TForm)

 public:
  using TForm::TForm;

  TLabel* NameLabel = nullptr;
  TPanel* Panel1 = nullptr;
  TImage* Picture = nullptr;
  TButton* OkButton = nullptr;
  TButton* CancelButton = nullptr;
  Integer okClicks = 0;

  void OkButtonClick(TObject* Sender);
};
