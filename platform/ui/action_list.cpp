#include "platform/ui/action_list.h"

#include <algorithm>

#include "platform/classes/classes_texts.h"
#include "platform/classes/publisher.h"
#include "platform/core/exceptions.h"
#include "platform/core/format.h"
#include "platform/ui/action_dispatch.h"
#include "platform/ui/control_messages.h"
#include "platform/ui/custom_action.h"
#include "platform/ui/custom_image_list.h"
#include "platform/ui/message.h"
#include "platform/ui/shortcuts.h"

PR_PUBLISH(TContainedAction) { p.Property("Category", &TContainedAction::Category, &TContainedAction::SetCategory); }

PR_PUBLISH(TCustomActionList) {}

PR_PUBLISH(TActionList) {
  p.Property("Images", &TCustomActionList::Images, &TCustomActionList::SetImages);
  p.Property("OnChange", &TCustomActionList::OnChange);
  p.Property("OnExecute", &TCustomActionList::OnExecute);
  p.Property("OnUpdate", &TCustomActionList::OnUpdate);
}

// --- the contained action ---

TContainedAction::TContainedAction(TComponent* AOwner) : TBasicAction(AOwner) {}

TContainedAction::~TContainedAction() { SetActionList(nullptr); }

bool TContainedAction::Execute() {
  return (actionList_ != nullptr && actionList_->ExecuteAction(this)) || TBasicAction::Execute() ||
         DispatchAction(CM_ACTIONEXECUTE, this);
}

bool TContainedAction::Update() {
  return (actionList_ != nullptr && actionList_->UpdateAction(this)) || TBasicAction::Update() ||
         DispatchAction(CM_ACTIONUPDATE, this);
}

void TContainedAction::SetActionList(TCustomActionList* Value) {
  if (Value == actionList_) return;
  if (actionList_ != nullptr) actionList_->RemoveAction(this);
  if (Value != nullptr) Value->AddAction(this);
}

void TContainedAction::SetCategory(const std::string& Value) {
  if (Value == category_) return;
  category_ = Value;
  if (actionList_ != nullptr) actionList_->Change();
}

Integer TContainedAction::Index() const {
  if (actionList_ == nullptr) return -1;
  const auto& list = actionList_->actions_;
  return static_cast<Integer>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TContainedAction::SetIndex(Integer Value) {
  if (actionList_ == nullptr) return;
  auto& list = actionList_->actions_;
  const Integer current = Index();
  Value = std::clamp<Integer>(Value, 0, static_cast<Integer>(list.size()) - 1);
  if (Value == current) return;
  list.erase(list.begin() + current);
  list.insert(list.begin() + Value, this);
  actionList_->Change();
}

TComponent* TContainedAction::GetParentComponent() const {
  return actionList_ != nullptr ? actionList_ : TBasicAction::GetParentComponent();
}

void TContainedAction::SetParentComponent(TComponent* Value) {
  if (auto* list = dynamic_cast<TCustomActionList*>(Value)) SetActionList(list);
}

// --- the list ---

TCustomActionList::TCustomActionList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomActionList::~TCustomActionList() {
  while (!actions_.empty()) actions_.back()->SetActionList(nullptr);
}

TContainedAction* TCustomActionList::Actions(Integer Index) const {
  if (Index < 0 || Index >= ActionCount()) throw EListError(Format(classes_text::kListIndexError, {Index}));
  return actions_[static_cast<std::size_t>(Index)];
}

void TCustomActionList::SetImages(TCustomImageList* Value) {
  if (images_ == Value) return;
  if (images_ != nullptr) images_->RemoveFreeNotification(this);
  images_ = Value;
  if (images_ != nullptr) images_->FreeNotification(this);
}

bool TCustomActionList::ExecuteAction(TBasicAction* Action) {
  bool handled = false;
  OnExecute(Action, handled);
  return handled;
}

bool TCustomActionList::UpdateAction(TBasicAction* Action) {
  bool handled = false;
  OnUpdate(Action, handled);
  return handled;
}

bool TCustomActionList::IsShortCut(TMessage& Message) {
  const TShortCut shortCut = ShortCutOfKeyMessage(Message);
  if (shortCut == scNone) return false;
  for (TContainedAction* action : std::vector<TContainedAction*>(actions_)) {
    auto* custom = dynamic_cast<TCustomAction*>(action);
    if (custom != nullptr && custom->ShortCut() == shortCut) return custom->Execute();
  }
  return false;
}

void TCustomActionList::GetChildren(TGetChildProc Proc, TComponent* Root) {
  for (TContainedAction* action : actions_)
    if (action->Owner() == Root) Proc(action);
}

void TCustomActionList::SetChildOrder(TComponent* Child, Integer Order) {
  auto* action = dynamic_cast<TContainedAction*>(Child);
  if (action != nullptr && action->actionList_ == this) action->SetIndex(Order);
}

void TCustomActionList::AddAction(TContainedAction* Action) {
  actions_.push_back(Action);
  Action->actionList_ = this;
  Change();
}

void TCustomActionList::RemoveAction(TContainedAction* Action) {
  auto it = std::find(actions_.begin(), actions_.end(), Action);
  if (it == actions_.end()) return;
  actions_.erase(it);
  Action->actionList_ = nullptr;
  if (!ComponentState().Contains(csDestroying)) Change();
}

void TCustomActionList::Change() {
  OnChange(this);
}

void TCustomActionList::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == images_) images_ = nullptr;   // a freed action has left the list in its destructor
}
