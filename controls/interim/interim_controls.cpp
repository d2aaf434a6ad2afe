#include "controls/interim/interim_controls.h"

#include "controls/foundation/kx_button.h"
#include "controls/interim/kx_button_edit.h"
#include "controls/interim/kx_check_box.h"
#include "controls/interim/kx_group_box.h"
#include "controls/interim/kx_label.h"
#include "controls/foundation/kx_look_and_feel.h"
#include "controls/interim/kx_radio_button.h"
#include "controls/interim/kx_shell_combo_box.h"
#include "controls/interim/kx_text_edit.h"
#include "platform/classes/class_registry.h"

void RegisterInterimControls() {
  RegisterClasses({TkxButton::StaticClass(), TkxButtonEdit::StaticClass(), TkxLabel::StaticClass(),
                   TkxCheckBox::StaticClass(), TkxGroupBox::StaticClass(),
                   TkxLookAndFeelController::StaticClass(), TkxTextEdit::StaticClass(),
                   TkxRadioButton::StaticClass(), TkxShellComboBox::StaticClass()});
}
