#include "platform/ui/ui_classes.h"

#include "platform/classes/class_registry.h"
#include "platform/ui/action_list.h"
#include "platform/ui/bevel.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/custom_action.h"
#include "platform/ui/draw_grid.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/header_control.h"
#include "platform/ui/image.h"
#include "platform/ui/image_list.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "platform/ui/mask_edit.h"
#include "platform/ui/memo.h"
#include "platform/ui/menu.h"
#include "platform/ui/open_dialog.h"
#include "platform/ui/panel.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/scrolling_win_control.h"
#include "platform/ui/speed_button.h"
#include "platform/ui/splitter.h"
#include "platform/ui/status_bar.h"
#include "platform/ui/string_grid.h"
#include "platform/ui/timer.h"
#include "platform/ui/track_bar.h"
#include "platform/ui/up_down.h"

void RegisterUiClasses() {
  RegisterClass(TMaskEdit::StaticClass());
  RegisterClasses({TActionList::StaticClass(), TAction::StaticClass(), TMainMenu::StaticClass(),
                   TPopupMenu::StaticClass(), TMenuItem::StaticClass()});
  RegisterClasses({TForm::StaticClass(), TLabel::StaticClass(), TPanel::StaticClass(), TBevel::StaticClass(),
                   TImage::StaticClass(), TButton::StaticClass(), TEdit::StaticClass(), TMemo::StaticClass(),
                   TCheckBox::StaticClass(), TRadioButton::StaticClass(), TImageList::StaticClass(),
                   TListBox::StaticClass(), TComboBox::StaticClass(), TTimer::StaticClass(),
                   TDrawGrid::StaticClass(), TStringGrid::StaticClass(), TOpenDialog::StaticClass(),
                   TSaveDialog::StaticClass(), TSpeedButton::StaticClass(), TBitBtn::StaticClass(),
                   TSplitter::StaticClass(), TStatusBar::StaticClass(), THeaderControl::StaticClass(),
                   TScrollBar::StaticClass(), TScrollBox::StaticClass(), TUpDown::StaticClass(),
                   TTrackBar::StaticClass()});
}
