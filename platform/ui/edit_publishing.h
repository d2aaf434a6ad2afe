// Publishing the properties the single-line edits share (TEdit, TMaskEdit), each declared once
// with its type and default, in the style of control_publishing.h.
//
// Only the .cpp files of edit classes include this header.
#pragma once

#include "platform/ui/control_publishing.h"
#include "platform/ui/edit.h"

template <class C>
void PublishAutoSelect(TPublisher<C>& p) {
  p.Property("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect).Default(true);
}
template <class C>
void PublishEditBorderStyle(TPublisher<C>& p) {
  p.Property("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle).Default(bsSingle);
}
template <class C>
void PublishCharCase(TPublisher<C>& p) {
  p.Property("CharCase", &TCustomEdit::CharCase, &TCustomEdit::SetCharCase).Default(ecNormal);
}
template <class C>
void PublishHideSelection(TPublisher<C>& p) {
  p.Property("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection).Default(true);
}
template <class C>
void PublishMaxLength(TPublisher<C>& p) {
  p.Property("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength).Default(0);
}
template <class C>
void PublishPasswordChar(TPublisher<C>& p) {
  p.Property("PasswordChar", &TCustomEdit::PasswordChar, &TCustomEdit::SetPasswordChar).Default(char(0));
}
template <class C>
void PublishReadOnly(TPublisher<C>& p) {
  p.Property("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly).Default(false);
}
