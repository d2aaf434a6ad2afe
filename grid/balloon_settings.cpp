// TBalloonSettings; see balloon_settings.h.
#include "grid/balloon_settings.h"

#include "platform/classes/publisher.h"

PR_PUBLISH(TBalloonSettings) {
  p.Property("AutoHideDelay", &TBalloonSettings::AutoHideDelay, &TBalloonSettings::SetAutoHideDelay).Default(-1);
  p.Property("BackgroundColor", &TBalloonSettings::BackgroundColor, &TBalloonSettings::SetBackgroundColor)
      .Type(ColorTypeInfo())
      .Default(clNone);
  p.Property("Enable", &TBalloonSettings::Enable, &TBalloonSettings::SetEnable).Default(false);
  p.Property("InitialDelay", &TBalloonSettings::InitialDelay, &TBalloonSettings::SetInitialDelay).Default(-1);
  p.Property("ReshowDelay", &TBalloonSettings::ReshowDelay, &TBalloonSettings::SetReshowDelay).Default(-1);
  p.Property("TextColor", &TBalloonSettings::TextColor, &TBalloonSettings::SetTextColor)
      .Type(ColorTypeInfo())
      .Default(clNone);
  p.Property("Transparency", &TBalloonSettings::Transparency, &TBalloonSettings::SetTransparency).Default(0);
}

void TBalloonSettings::SetEnable(bool Value) {
  enable_ = Value;
  OnEnableChange(this);
}

void TBalloonSettings::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TBalloonSettings*>(Source);
  if (source == nullptr) return;
  TextColor_ = source->TextColor_;
  BackgroundColor_ = source->BackgroundColor_;
  InitialDelay_ = source->InitialDelay_;
  AutoHideDelay_ = source->AutoHideDelay_;
  ReshowDelay_ = source->ReshowDelay_;
  enable_ = source->enable_;
}
