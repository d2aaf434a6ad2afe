// The language switch applied to a form's texts (LanguageSwitch, suite/language_switch.h): with the
// switch on, the captions of the form's labels (TLabel), buttons (TkxButton), group boxes
// (TkxGroupBox) and check boxes (TkxCheckBox) become "Eng" (an empty caption stays empty); other
// controls, the control library's labels (TkxLabel) among them, keep their texts.  With the switch
// at 0, which is all this program uses, nothing changes.  Components are taken from the last the
// form owns to the first.
#pragma once

class TComponent;
class TCustomForm;

void TranslateForm(TCustomForm* Form);
void TranslateComponent(TComponent* Component);
