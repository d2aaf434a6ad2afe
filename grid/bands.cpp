// TBands; see bands.h.
#include "grid/bands.h"

#include "grid/pro_string_grid.h"
#include "platform/classes/publisher.h"

PR_PUBLISH(TBands) {
  p.Property("Active", &TBands::Active, &TBands::SetActive).Default(false);
  p.Property("PrimaryColor", &TBands::PrimaryColor, &TBands::SetPrimaryColor).Type(ColorTypeInfo()).Default(clInfoBk);
  p.Property("PrimaryLength", &TBands::PrimaryLength, &TBands::SetPrimaryLength).Default(1);
  p.Property("Print", &TBands::Print, &TBands::SetPrint).Default(false);
  p.Property("SecondaryColor", &TBands::SecondaryColor, &TBands::SetSecondaryColor)
      .Type(ColorTypeInfo())
      .Default(clWindow);
  p.Property("SecondaryLength", &TBands::SecondaryLength, &TBands::SetSecondaryLength).Default(1);
}

void TBands::ChangedWhileActive() {
  if (active_) grid_->Invalidate();
}

void TBands::SetActive(bool Value) {
  active_ = Value;
  grid_->Invalidate();
}

void TBands::SetPrimaryColor(TColor Value) {
  primaryColor_ = Value;
  ChangedWhileActive();
}

void TBands::SetSecondaryColor(TColor Value) {
  secondaryColor_ = Value;
  ChangedWhileActive();
}

void TBands::SetPrimaryLength(Integer Value) {
  primaryLength_ = Value;
  ChangedWhileActive();
}

void TBands::SetSecondaryLength(Integer Value) {
  secondaryLength_ = Value;
  ChangedWhileActive();
}

void TBands::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TBands*>(Source);
  if (source == nullptr) return;
  active_ = source->active_;
  primaryColor_ = source->primaryColor_;
  primaryLength_ = source->primaryLength_;
  secondaryColor_ = source->secondaryColor_;
  secondaryLength_ = source->secondaryLength_;
  Print_ = source->Print_;
}
