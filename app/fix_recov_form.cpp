#include "app/fix_recov_form.h"

#include <memory>

#include "controls/foundation/kx_button.h"
#include "platform/classes/publisher.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"

// The form image, embedded by the build from fix_recov_form.form.
#include "TFORM_FIXRECOV.res.inc"

PR_PUBLISH(TForm_FixRecov) {
  p.Field("Label1", &TForm_FixRecov::Label1);
  p.Field("Label2", &TForm_FixRecov::Label2);
  p.Field("Label_FName", &TForm_FixRecov::Label_FName);
  p.Field("Label4", &TForm_FixRecov::Label4);
  p.Field("Label_Sav", &TForm_FixRecov::Label_Sav);
  p.Field("Label5", &TForm_FixRecov::Label5);
  p.Field("Label_Dat", &TForm_FixRecov::Label_Dat);
  p.Field("Label3", &TForm_FixRecov::Label3);
  p.Field("Panel1", &TForm_FixRecov::Panel1);
  p.Field("kxButton1", &TForm_FixRecov::kxButton1);
  p.Field("kxButton2", &TForm_FixRecov::kxButton2);
  p.Method("FormShow", &TForm_FixRecov::FormShow);
}

bool TForm_FixRecov::Execute(const std::string& CopyName, const std::string& CopySize, const std::string& CurrentSize) {
  std::unique_ptr<TForm_FixRecov, TObjectDeleter> form(NewObject<TForm_FixRecov>(nullptr));
  form->Label_FName->SetCaption(CopyName);
  form->Label_Sav->SetCaption(CopySize);
  form->Label_Dat->SetCaption(CurrentSize);
  return form->ShowModal() == mrOk;
}

void TForm_FixRecov::FormShow(TObject*) { SetActiveControl(kxButton1); }

std::string TForm_FixRecov::BoxText() const {
  return Label_FName->Caption() + "\n" + Label_Sav->Caption() + "\n" + Label_Dat->Caption();
}
