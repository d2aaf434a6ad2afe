#include "demo_form.h"

#include "platform/classes/publisher.h"
#include "platform/ui/button.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"

PR_PUBLISH(TDemoForm) {
  p.Field("NameLabel", &TDemoForm::NameLabel);
  p.Field("Panel1", &TDemoForm::Panel1);
  p.Field("Picture", &TDemoForm::Picture);
  p.Field("OkButton", &TDemoForm::OkButton);
  p.Field("CancelButton", &TDemoForm::CancelButton);
  p.Method("OkButtonClick", &TDemoForm::OkButtonClick);
}

// The form image, embedded by the build from demo_form.form.
#include "TDEMOFORM.res.inc"

void TDemoForm::OkButtonClick(TObject*) { ++okClicks; }
