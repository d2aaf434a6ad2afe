#include "platform/ui/basic_action.h"

#include <algorithm>

#include "platform/classes/publisher.h"

PR_PUBLISH(TBasicAction) {}
PR_PUBLISH(TBasicActionLink) {}

void ClickThroughAction(TComponent* Client, const TNotifyEvent& OnClick, TBasicActionLink* Link) {
  TBasicAction* action = Link != nullptr ? Link->Action() : nullptr;
  if (OnClick && action != nullptr && !SameEvent(OnClick, action->OnExecute())) OnClick(Client);
  else if (!Client->ComponentState().Contains(csDesigning) && Link != nullptr) Link->Execute(Client);
  else OnClick(Client);
}

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction() {
  SetActionComponent(nullptr);
  while (!clients_.empty()) UnRegisterChanges(clients_.back());
}

bool TBasicAction::HandlesTarget(TObject*) { return false; }
void TBasicAction::ExecuteTarget(TObject*) {}
void TBasicAction::UpdateTarget(TObject*) {}

bool TBasicAction::Execute() {
  if (!onExecute_) return false;
  onExecute_(this);
  return true;
}

bool TBasicAction::Update() {
  if (!OnUpdate) return false;
  OnUpdate(this);
  return true;
}

void TBasicAction::SetActionComponent(TComponent* Value) {
  if (actionComponent_ == Value) return;
  if (actionComponent_ != nullptr) actionComponent_->RemoveFreeNotification(this);
  actionComponent_ = Value;
  if (actionComponent_ != nullptr) actionComponent_->FreeNotification(this);
}

void TBasicAction::SetOnExecute(const TNotifyEvent& Value) {
  if (SameEvent(Value, onExecute_)) return;
  for (TBasicActionLink* link : std::vector<TBasicActionLink*>(clients_)) link->SetOnExecute(Value);
  onExecute_ = Value;
  Change();
}

void TBasicAction::RegisterChanges(TBasicActionLink* Value) {
  Value->action_ = this;
  clients_.push_back(Value);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* Value) {
  auto it = std::find(clients_.begin(), clients_.end(), Value);
  if (it == clients_.end()) return;
  Value->action_ = nullptr;
  clients_.erase(it);
}

void TBasicAction::Change() {
  OnChange(this);
  for (TBasicActionLink* link : std::vector<TBasicActionLink*>(clients_)) link->Change();
}

void TBasicAction::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == actionComponent_) actionComponent_ = nullptr;
}

// --- the link ---

TBasicActionLink::~TBasicActionLink() {
  if (action_ != nullptr) action_->UnRegisterChanges(this);
}

void TBasicActionLink::AfterConstruction() { AssignClient(client_); }

void TBasicActionLink::SetAction(TBasicAction* Value) {
  if (Value == action_) return;
  if (action_ != nullptr) action_->UnRegisterChanges(this);
  if (Value != nullptr) Value->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent* AComponent) {
  TBasicAction* action = action_;
  if (action == nullptr) return false;
  action->SetActionComponent(AComponent);
  struct Reset {
    TBasicActionLink* link;
    ~Reset() {
      if (link->action_ != nullptr) link->action_->SetActionComponent(nullptr);
    }
  } reset{this};
  return action->Execute();
}

bool TBasicActionLink::Update() { return action_ != nullptr && action_->Update(); }

void TBasicActionLink::Change() { OnChange(action_); }
