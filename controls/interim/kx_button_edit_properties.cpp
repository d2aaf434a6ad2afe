#include "controls/interim/kx_button_edit_properties.h"

#include "platform/classes/publisher.h"

PR_PUBLISH(TkxEditButton) {
  p.Property("Default", &TkxEditButton::Default, &TkxEditButton::SetDefault).Default(false);
  p.Property("Kind", &TkxEditButton::Kind, &TkxEditButton::SetKind).Default(bkDown);
}

PR_IMPLEMENT_CLASS(TkxEditButtons)

PR_PUBLISH(TkxButtonEditProperties) {
  p.Property("Buttons", &TkxButtonEditProperties::Buttons, &TkxButtonEditProperties::SetButtons);
  p.Property("OnButtonClick", &TkxButtonEditProperties::OnButtonClick);
}

void TkxEditButton::SetDefault(bool Value) {
  if (default_ == Value) return;
  if (Value && Collection() != nullptr)
    for (Integer i = 0; i < Collection()->Count(); ++i)
      static_cast<TkxEditButton*>(Collection()->Items(i))->default_ = false;
  default_ = Value;
  Changed(true);
}

void TkxEditButton::SetKind(TkxEditButtonKind Value) {
  if (kind_ == Value) return;
  kind_ = Value;
  Changed(false);
}

void TkxEditButton::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TkxEditButton*>(Source);
  if (source == nullptr) return inherited::Assign(Source);
  SetDefault(source->Default());
  SetKind(source->Kind());
}

TkxEditButtons::TkxEditButtons(TPersistent* AOwner) : TOwnedCollection(AOwner, TkxEditButton::StaticClass()) {}

Integer TkxEditButtons::DefaultIndex() const {
  for (Integer i = 0; i < Count(); ++i)
    if (Items(i)->Default()) return i;
  return -1;
}

void TkxEditButtons::Update(TCollectionItem*) {
  if (OnChanged) OnChanged();
}

TkxButtonEditProperties::TkxButtonEditProperties(TPersistent* AOwner)
    : owner_(AOwner), buttons_(std::make_unique<TkxEditButtons>(this)) {
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
