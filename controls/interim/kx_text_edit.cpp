#include "controls/interim/kx_text_edit.h"

#include "platform/ui/control_publishing.h"

PR_PUBLISH(TkxTextEdit) {
  PublishAnchors(p);
  PublishAutoSize(p, true);
  PublishConstraints(p);
  PublishEnabled(p);
  PublishParentColor(p, false);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  p.Property("Properties", &TkxTextEdit::Properties, &TkxTextEdit::SetProperties);
  PublishShowHint(p);
  PublishTabOrder(p);
  PublishTabStop(p, true);
  p.Property("Text", &TControl::Text, &TControl::SetText);
  PublishVisible(p);
  PublishClickEvents(p);
  PublishFocusEvents(p);
  PublishKeyEvents(p);
  PublishMouseEvents(p);
}

TkxTextEdit::TkxTextEdit(TComponent* AOwner)
    : TEdit(AOwner), properties_(std::make_unique<TkxTextEditProperties>(this)) {
  properties_->OnMaxLengthChanged = [this] { SetMaxLength(properties_->MaxLength()); };
}

TkxTextEdit::~TkxTextEdit() { properties_->OnMaxLengthChanged = nullptr; }

void TkxTextEdit::Change() {
  inherited::Change();
  properties_->OnChange(this);
}
