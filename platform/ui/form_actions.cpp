// A form's part in actions: updating the actions of what it shows when the application is idle,
// and the shortcuts of the action lists it owns.
#include "platform/ui/action_list.h"
#include "platform/ui/form.h"
#include "platform/ui/menu.h"
#include "platform/ui/menu_hooks.h"

namespace {

void UpdateControlActions(TWinControl* Container) {
  if (!Container->Showing()) return;
  for (Integer i = 0; i < Container->ControlCount(); ++i) {
    TControl* control = Container->Controls(i);
    if (control->ControlStyle().Contains(csActionClient) && control->Visible()) control->InitiateAction();
    if (auto* inner = dynamic_cast<TWinControl*>(control)) UpdateControlActions(inner);
  }
}

void UpdateMenuActions(TMenu* Menu) {
  TMenuItem* items = Menu->Items();
  for (Integer i = 0; i < items->Count(); ++i)
    if (items->Items(i)->Visible()) items->Items(i)->InitiateAction();
}

}  // namespace

void TCustomForm::UpdateActions() {
  if (ComponentState().Contains(csDesigning) || !Showing()) return;
  InitiateAction();
  for (Integer i = 0; i < ComponentCount(); ++i)
    if (auto* menu = dynamic_cast<TMenu*>(Components(i))) UpdateMenuActions(menu);
  UpdateControlActions(this);
}

bool TCustomForm::IsShortCut(TMessage& Message) {
  bool handled = false;
  OnShortCut(Message, handled);
  if (handled) return true;
  if (menu_ != nullptr && IsMenuShortCut(menu_, Message)) return true;
  for (Integer i = 0; i < ComponentCount(); ++i)
    if (auto* list = dynamic_cast<TCustomActionList*>(Components(i)); list != nullptr && list->IsShortCut(Message))
      return true;
  return false;
}
