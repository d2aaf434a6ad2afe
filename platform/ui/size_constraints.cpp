#include "platform/ui/size_constraints.h"

#include "platform/classes/publisher.h"
#include "platform/ui/control.h"

PR_PUBLISH(TSizeConstraints) {
  p.Property("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight).Default(0);
  p.Property("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth).Default(0);
  p.Property("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight).Default(0);
  p.Property("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth).Default(0);
}

void TSizeConstraints::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TSizeConstraints*>(Source);
  if (source == nullptr) return inherited::Assign(Source);
  minHeight_ = source->minHeight_;
  maxHeight_ = source->maxHeight_;
  minWidth_ = source->minWidth_;
  maxWidth_ = source->maxWidth_;
  Change();
}

void TSizeConstraints::SetMaxHeight(Integer Value) {
  if (Value < 0) Value = 0;
  if (maxHeight_ == Value) return;
  maxHeight_ = Value;
  if (Value > 0 && Value < minHeight_) minHeight_ = Value;
  Change();
}

void TSizeConstraints::SetMaxWidth(Integer Value) {
  if (Value < 0) Value = 0;
  if (maxWidth_ == Value) return;
  maxWidth_ = Value;
  if (Value > 0 && Value < minWidth_) minWidth_ = Value;
  Change();
}

void TSizeConstraints::SetMinHeight(Integer Value) {
  if (Value < 0) Value = 0;
  if (minHeight_ == Value) return;
  minHeight_ = Value;
  if (maxHeight_ > 0 && Value > maxHeight_) maxHeight_ = Value;
  Change();
}

void TSizeConstraints::SetMinWidth(Integer Value) {
  if (Value < 0) Value = 0;
  if (minWidth_ == Value) return;
  minWidth_ = Value;
  if (maxWidth_ > 0 && Value > maxWidth_) maxWidth_ = Value;
  Change();
}

void TSizeConstraints::Change() { OnChange(this); }

TPersistent* TSizeConstraints::GetOwner() const { return control_; }
