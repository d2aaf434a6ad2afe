#include "app/wait_form.h"

#include "app/program_environment.h"
#include "platform/classes/publisher.h"
#include "platform/core/cp874.h"
#include "platform/ui/application.h"
#include "platform/ui/panel.h"

// The form image, embedded by the build from wait_form.form.
#include "TFORM_WAIT.res.inc"

namespace {

constexpr Integer kWaitWidth = 185;

TForm_Wait* waitForm = nullptr;

}  // namespace

PR_PUBLISH(TForm_Wait) {
  p.Field("Panel1", &TForm_Wait::Panel1);
  p.Method("FormShow", &TForm_Wait::FormShow);
  p.Method("FormClose", &TForm_Wait::FormClose);
}

void TForm_Wait::FormShow(TObject*) { PrepareForm(this); }

void TForm_Wait::FormClose(TObject*, TCloseAction& Action) {
  Action = caFree;
  if (waitForm == this) waitForm = nullptr;
}

void ShowWaitForm() {
  waitForm = NewObject<TForm_Wait>(Application);
  waitForm->SetWidth(kWaitWidth);
  waitForm->Panel1->SetCaption(std::string("รอสักครู่..."_cp874));
  waitForm->Show();
  Application->ProcessMessages();
}

void CloseWaitForm() {
  if (waitForm != nullptr) waitForm->Close();
}

TForm_Wait* WaitForm() { return waitForm; }
