#include "controls/interim/kx_text_edit_properties.h"

#include <algorithm>

#include "platform/classes/publisher.h"

PR_PUBLISH(TkxTextEditProperties) {
  p.Property("MaxLength", &TkxTextEditProperties::MaxLength, &TkxTextEditProperties::SetMaxLength).Default(0);
  p.Property("OnChange", &TkxTextEditProperties::OnChange);
}

void TkxTextEditProperties::SetMaxLength(Integer Value) {
  Value = std::max<Integer>(Value, 0);
  if (maxLength_ == Value) return;
  maxLength_ = Value;
  if (OnMaxLengthChanged) OnMaxLengthChanged();
}

void TkxTextEditProperties::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TkxTextEditProperties*>(Source);
  if (source == nullptr) return inherited::Assign(Source);
  SetMaxLength(source->MaxLength());
  OnChange = source->OnChange;
}
