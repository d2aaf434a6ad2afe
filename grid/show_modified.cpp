// TShowModified; see show_modified.h.
#include "grid/show_modified.h"

#include "platform/classes/publisher.h"

PR_PUBLISH(TShowModified) {
  p.Property("Color", &TShowModified::Color, &TShowModified::SetColor).Type(ColorTypeInfo()).Default(clYellow);
  p.Property("Enabled", &TShowModified::Enabled, &TShowModified::SetEnabled).Default(false);
}

void TShowModified::SetColor(TColor Value) {
  color_ = Value;
  OnChange(this);
}

void TShowModified::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TShowModified*>(Source);
  if (source == nullptr) return;
  color_ = source->color_;
  Enabled_ = source->Enabled_;
}
