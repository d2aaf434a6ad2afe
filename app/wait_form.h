// TForm_Wait: the suite's modeless "please wait" popup (wait_form.form): a borderless 185 x 40
// panel captioned "รอสักครู่..." that stays on top while work goes on in its caller.  One at a
// time: ShowWaitForm makes and shows it (and lets the pending messages run once, so it is drawn),
// CloseWaitForm closes it and it frees itself.
#pragma once

#include "platform/ui/form.h"

class TPanel;

class TForm_Wait : public TForm {
  PR_CLASS(TForm_Wait, TForm)

 public:
  using TForm::TForm;

  TPanel* Panel1 = nullptr;

  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
};

void ShowWaitForm();
void CloseWaitForm();
// The popup while it is shown (nullptr otherwise).
TForm_Wait* WaitForm();
