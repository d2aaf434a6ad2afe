// TControl's side of actions: the link, taking the action's state, clicks through the action,
// and which linked properties are stored.
#include "platform/ui/control.h"
#include "platform/ui/control_action_link.h"
#include "platform/ui/custom_action.h"

TBasicAction* TControl::Action() const { return actionLink_ != nullptr ? actionLink_->Action() : nullptr; }

void TControl::SetAction(TBasicAction* Value) {
  if (Value == nullptr) {
    actionLink_.reset();
    controlStyle_.Exclude(csActionClient);
    return;
  }
  controlStyle_.Include(csActionClient);
  if (actionLink_ == nullptr) actionLink_.reset(CreateInstance<TControlActionLink>(GetActionLinkClass(), this));
  actionLink_->SetAction(Value);
  ActionChange(Value, Value->ComponentState().Contains(csLoading));
  Value->FreeNotification(this);
}

TClass TControl::GetActionLinkClass() const { return TControlActionLink::StaticClass(); }

void TControl::ActionChange(TObject* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (action == nullptr) return;
  if (!CheckDefaults || Caption().empty() || Caption() == Name()) SetCaption(action->Caption());
  if (!CheckDefaults || Enabled()) SetEnabled(action->Enabled());
  if (!CheckDefaults || HelpContext() == 0) SetHelpContext(action->HelpContext());
  if (!CheckDefaults || Hint().empty()) SetHint(action->Hint());
  if (!CheckDefaults || Visible()) SetVisible(action->Visible());
  if (!CheckDefaults || !OnClick) OnClick = action->OnExecute();
}

void TControl::InitiateAction() {
  if (actionLink_ != nullptr) actionLink_->Update();
}

void TControl::Click() { ClickThroughAction(this, OnClick, actionLink_.get()); }

bool TControl::IsCaptionStored() const { return StoresProperty(actionLink_.get(), &TActionLink::IsCaptionLinked); }
bool TControl::IsEnabledStored() const { return StoresProperty(actionLink_.get(), &TActionLink::IsEnabledLinked); }
bool TControl::IsHelpContextStored() const { return StoresProperty(actionLink_.get(), &TActionLink::IsHelpContextLinked); }
bool TControl::IsHintStored() const { return StoresProperty(actionLink_.get(), &TActionLink::IsHintLinked); }
bool TControl::IsVisibleStored() const { return StoresProperty(actionLink_.get(), &TActionLink::IsVisibleLinked); }
bool TControl::IsOnClickStored() const { return StoresProperty(actionLink_.get(), &TActionLink::IsOnExecuteLinked); }
