#include "platform/ui/action_dispatch.h"

#include "platform/ui/application.h"
#include "platform/ui/custom_action.h"
#include "platform/ui/form.h"
#include "platform/ui/screen.h"

namespace {

bool OfferTo(TComponent* Target, UINT Msg, TBasicAction* Action) {
  if (Target == nullptr || !Action->HandlesTarget(Target)) return false;
  if (Msg == CM_ACTIONEXECUTE) Action->ExecuteTarget(Target);
  else Action->UpdateTarget(Target);
  return true;
}

bool OfferToControls(TWinControl* Container, UINT Msg, TBasicAction* Action) {
  for (Integer i = 0; i < Container->ControlCount(); ++i) {
    TControl* control = Container->Controls(i);
    if (!control->Visible()) continue;
    if (OfferTo(control, Msg, Action)) return true;
    if (auto* container = dynamic_cast<TWinControl*>(control); container != nullptr &&
        OfferToControls(container, Msg, Action))
      return true;
  }
  return false;
}

bool OfferToForm(TCustomForm* Form, UINT Msg, TBasicAction* Action) {
  if (Form == nullptr || !Form->Showing()) return false;
  return OfferTo(Form->ActiveControl(), Msg, Action) || OfferTo(Form, Msg, Action) ||
         OfferToControls(Form, Msg, Action);
}

}  // namespace

bool DispatchAction(UINT Msg, TBasicAction* Action) {
  TCustomForm* active = Screen != nullptr ? Screen->ActiveForm() : nullptr;
  TCustomForm* main = Application != nullptr ? Application->MainForm() : nullptr;
  const bool handled =
      OfferToForm(active, Msg, Action) || (main != active && OfferToForm(main, Msg, Action));
  auto* custom = dynamic_cast<TCustomAction*>(Action);
  if (!handled && custom != nullptr && custom->Enabled() && custom->DisableIfNoHandler())
    custom->SetEnabled(static_cast<bool>(custom->OnExecute()));
  return handled;
}
