#include "platform/ui/custom_action.h"

#include "platform/classes/publisher.h"
#include "platform/ui/action_link.h"

PR_PUBLISH(TCustomAction) {}

PR_PUBLISH(TAction) {
  p.Property("AutoCheck", &TCustomAction::AutoCheck, &TCustomAction::SetAutoCheck).Default(false);
  p.Property("Caption", &TCustomAction::Caption, &TCustomAction::SetCaption);
  p.Property("Checked", &TCustomAction::Checked, &TCustomAction::SetChecked).Default(false);
  p.Property("DisableIfNoHandler", &TCustomAction::DisableIfNoHandler, &TCustomAction::SetDisableIfNoHandler)
      .Default(true);
  p.Property("Enabled", &TCustomAction::Enabled, &TCustomAction::SetEnabled).Default(true);
  p.Property("GroupIndex", &TCustomAction::GroupIndex, &TCustomAction::SetGroupIndex).Default(0);
  p.Property("HelpContext", &TCustomAction::HelpContext, &TCustomAction::SetHelpContext).Default(0);
  p.Property("Hint", &TCustomAction::Hint, &TCustomAction::SetHint);
  p.Property("ImageIndex", &TCustomAction::ImageIndex, &TCustomAction::SetImageIndex).Default(-1);
  p.Property("ShortCut", &TCustomAction::ShortCut, &TCustomAction::SetShortCut).Default(0);
  p.Property("Visible", &TCustomAction::Visible, &TCustomAction::SetVisible).Default(true);
  p.Property("OnExecute", &TBasicAction::OnExecute, &TBasicAction::SetOnExecute);
  p.Property("OnUpdate", &TBasicAction::OnUpdate);
}

TCustomAction::TCustomAction(TComponent* AOwner) : TContainedAction(AOwner) {}

template <class F>
void TCustomAction::ForEachLink(F Apply) {
  for (TBasicActionLink* client : std::vector<TBasicActionLink*>(Clients()))
    if (auto* link = dynamic_cast<TActionLink*>(client)) Apply(*link);
}

template <class V, class S>
void TCustomAction::ChangeLinked(V& Field, const V& Value, S Setter) {
  if (Value == Field) return;
  ForEachLink([&](TActionLink& link) { (link.*Setter)(Value); });
  Field = Value;
  Change();
}

bool TCustomAction::Execute() {
  Update();
  if (enabled_ && autoCheck_ && (!checked_ || groupIndex_ == 0)) SetChecked(!checked_);
  return enabled_ && TContainedAction::Execute();
}

void TCustomAction::SetCaption(const std::string& Value) { ChangeLinked(caption_, Value, &TActionLink::SetCaption); }

void TCustomAction::SetChecked(bool Value) {
  if (checking_ || Value == checked_) return;
  checking_ = true;
  try {
    ForEachLink([&](TActionLink& link) { link.SetChecked(Value); });
    checked_ = Value;
    if (checked_) UncheckGroup();
    Change();
  } catch (...) {
    checking_ = false;
    throw;
  }
  checking_ = false;
}

void TCustomAction::UncheckGroup() {
  if (groupIndex_ <= 0 || ActionList() == nullptr) return;
  for (Integer i = 0; i < ActionList()->ActionCount(); ++i) {
    auto* other = dynamic_cast<TCustomAction*>(ActionList()->Actions(i));
    if (other != nullptr && other != this && other->groupIndex_ == groupIndex_) other->SetChecked(false);
  }
}

void TCustomAction::SetEnabled(bool Value) { ChangeLinked(enabled_, Value, &TActionLink::SetEnabled); }

void TCustomAction::SetHelpContext(Integer Value) {
  ChangeLinked(helpContext_, Value, &TActionLink::SetHelpContext);
}

void TCustomAction::SetHint(const std::string& Value) { ChangeLinked(hint_, Value, &TActionLink::SetHint); }

void TCustomAction::SetImageIndex(Integer Value) { ChangeLinked(imageIndex_, Value, &TActionLink::SetImageIndex); }

void TCustomAction::SetShortCut(TShortCut Value) { ChangeLinked(shortCut_, Value, &TActionLink::SetShortCut); }

void TCustomAction::SetVisible(bool Value) { ChangeLinked(visible_, Value, &TActionLink::SetVisible); }

void TCustomAction::SetAutoCheck(bool Value) { ChangeLinked(autoCheck_, Value, &TActionLink::SetAutoCheck); }

void TCustomAction::SetGroupIndex(Integer Value) {
  ChangeLinked(groupIndex_, Value, &TActionLink::SetGroupIndex);
  if (checked_) UncheckGroup();
}
