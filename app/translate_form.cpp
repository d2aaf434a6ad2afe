#include "app/translate_form.h"

#include "controls/foundation/kx_button.h"
#include "controls/interim/kx_check_box.h"
#include "controls/interim/kx_group_box.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "suite/language_switch.h"

void TranslateForm(TCustomForm* Form) {
  if (LanguageSwitch == 0) return;
  for (Integer i = Form->ComponentCount() - 1; i >= 0; --i) TranslateComponent(Form->Components(i));
}

void TranslateComponent(TComponent* Component) {
  auto* control = dynamic_cast<TControl*>(Component);
  if (dynamic_cast<TLabel*>(Component) == nullptr && dynamic_cast<TkxButton*>(Component) == nullptr &&
      dynamic_cast<TkxGroupBox*>(Component) == nullptr && dynamic_cast<TkxCheckBox*>(Component) == nullptr)
    return;
  control->SetCaption(TranslateCaption(control->Caption()));
}
