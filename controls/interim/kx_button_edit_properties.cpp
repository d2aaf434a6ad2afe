#include "controls/interim/kx_button_edit_properties.h"

#include "platform/classes/publisher.h"

PR_PUBLISH(TkxButtonEditProperties) {
  p.Property("Buttons", &TkxButtonEditProperties::Buttons, &TkxButtonEditProperties::SetButtons);
  p.Property("OnButtonClick", &TkxButtonEditProperties::OnButtonClick);
}

TkxButtonEditProperties::TkxButtonEditProperties(TPersistent* AOwner)
    : owner_(AOwner), buttons_(std::make_unique<TkxEditButtons>(this, TkxEditButtons::GetButtonClass())) {
  TkxEditButton* button = buttons_->Add();
  button->SetKind(bkEllipsis);
  button->SetDefault(true);
}

TkxButtonEditProperties::~TkxButtonEditProperties() = default;

void TkxButtonEditProperties::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TkxButtonEditProperties*>(Source);
  if (source == nullptr) return inherited::Assign(Source);
  buttons_->Assign(source->Buttons());
  OnButtonClick = source->OnButtonClick;
}
