// Publishing the properties every control shares: each control class's publisher calls the ones
// it shows, in its own order (the order the component writer writes them in), so that each
// property is declared once with its type, default and stored rule.
//
// Only the .cpp files of control classes include this header (it holds the publisher templates).
#pragma once

#include "platform/classes/publisher.h"
#include "platform/ui/basic_action.h"
#include "platform/ui/cursors.h"
#include "platform/ui/font.h"
#include "platform/ui/size_constraints.h"
#include "platform/ui/win_control.h"

template <class C>
void PublishAlign(TPublisher<C>& p) {
  p.Property("Align", &TControl::Align, &TControl::SetAlign).Default(alNone);
}
template <class C>
void PublishAnchors(TPublisher<C>& p) {
  p.Property("Anchors", &TControl::Anchors, &TControl::SetAnchors).Default(TAnchors{akLeft, akTop});
}
template <class C>
void PublishAction(TPublisher<C>& p) {
  p.Property("Action", &TControl::Action, &TControl::SetAction);
}
template <class C>
void PublishAutoSize(TPublisher<C>& p, bool defaultValue = false) {
  p.Property("AutoSize", &TControl::AutoSize, &TControl::SetAutoSize).Default(defaultValue);
}
template <class C>
void PublishBiDiMode(TPublisher<C>& p) {
  p.Property("BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode)
      .Stored(&TControl::IsBiDiModeStored)
      .Default(bdLeftToRight);
}
template <class C>
void PublishCaption(TPublisher<C>& p) {
  p.Property("Caption", &TControl::Caption, &TControl::SetCaption).Stored(&TControl::IsCaptionStored);
}
template <class C>
void PublishColor(TPublisher<C>& p) {
  p.Property("Color", &TControl::Color, &TControl::SetColor)
      .Type(ColorTypeInfo())
      .Stored(&TControl::IsColorStored)
      .NoDefault();
}
template <class C>
void PublishConstraints(TPublisher<C>& p) {
  p.Property("Constraints", &TControl::Constraints, &TControl::SetConstraints);
}
template <class C>
void PublishCtl3D(TPublisher<C>& p) {
  p.Property("Ctl3D", &TWinControl::Ctl3D, &TWinControl::SetCtl3D).Stored(&TWinControl::IsCtl3DStored);
}
template <class C>
void PublishDragging(TPublisher<C>& p) {
  p.Property("DragCursor", &TControl::DragCursor, &TControl::SetDragCursor).Type(CursorTypeInfo()).Default(crDrag);
  p.Property("DragKind", &TControl::DragKind, &TControl::SetDragKind).Default(dkDrag);
  p.Property("DragMode", &TControl::DragMode, &TControl::SetDragMode).Default(dmManual);
}
template <class C>
void PublishEnabled(TPublisher<C>& p) {
  p.Property("Enabled", &TControl::Enabled, &TControl::SetEnabled).Stored(&TControl::IsEnabledStored).Default(true);
}
template <class C>
void PublishFont(TPublisher<C>& p) {
  p.Property("Font", &TControl::Font, &TControl::SetFont).Stored(&TControl::IsFontStored);
}
template <class C>
void PublishParentBiDiMode(TPublisher<C>& p) {
  p.Property("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode).Default(true);
}
template <class C>
void PublishParentColor(TPublisher<C>& p, bool defaultValue = true) {
  p.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(defaultValue);
}
template <class C>
void PublishParentCtl3D(TPublisher<C>& p) {
  p.Property("ParentCtl3D", &TWinControl::ParentCtl3D, &TWinControl::SetParentCtl3D).Default(true);
}
template <class C>
void PublishParentFont(TPublisher<C>& p) {
  p.Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(true);
}
template <class C>
void PublishParentShowHint(TPublisher<C>& p) {
  p.Property("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint).Default(true);
}
template <class C>
void PublishPopupMenu(TPublisher<C>& p) {
  p.Property("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu);
}
template <class C>
void PublishShowHint(TPublisher<C>& p) {
  p.Property("ShowHint", &TControl::ShowHint, &TControl::SetShowHint).Stored(&TControl::IsShowHintStored);
}
template <class C>
void PublishTabOrder(TPublisher<C>& p) {
  p.Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder).Default(-1);
}
template <class C>
void PublishTabStop(TPublisher<C>& p, bool defaultValue = false) {
  p.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(defaultValue);
}
template <class C>
void PublishVisible(TPublisher<C>& p) {
  p.Property("Visible", &TControl::Visible, &TControl::SetVisible).Stored(&TControl::IsVisibleStored).Default(true);
}
template <class C>
void PublishMouseEvents(TPublisher<C>& p) {
  p.Property("OnMouseDown", &TControl::OnMouseDown);
  p.Property("OnMouseMove", &TControl::OnMouseMove);
  p.Property("OnMouseUp", &TControl::OnMouseUp);
}
template <class C>
void PublishClickEvents(TPublisher<C>& p) {
  p.Property("OnClick", &TControl::OnClick).Stored(&TControl::IsOnClickStored);
  p.Property("OnDblClick", &TControl::OnDblClick);
}
template <class C>
void PublishDragEvents(TPublisher<C>& p) {
  p.Property("OnDragDrop", &TControl::OnDragDrop);
  p.Property("OnDragOver", &TControl::OnDragOver);
  p.Property("OnEndDrag", &TControl::OnEndDrag);
  p.Property("OnStartDrag", &TControl::OnStartDrag);
}
template <class C>
void PublishKeyEvents(TPublisher<C>& p) {
  p.Property("OnKeyDown", &TWinControl::OnKeyDown);
  p.Property("OnKeyPress", &TWinControl::OnKeyPress);
  p.Property("OnKeyUp", &TWinControl::OnKeyUp);
}
template <class C>
void PublishFocusEvents(TPublisher<C>& p) {
  p.Property("OnEnter", &TWinControl::OnEnter);
  p.Property("OnExit", &TWinControl::OnExit);
}
