#include "platform/ui/up_down.h"

#include "platform/ui/control_publishing.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/send_message.h"
#include "platform/user/system_metrics.h"
#include "platform/window_classes/up_down_window.h"

PR_PUBLISH(TUpDown) {
  p.Property("AlignButton", &TCustomUpDown::AlignButton, &TCustomUpDown::SetAlignButton).Default(udRight);
  PublishAnchors(p);
  p.Property("Associate", &TCustomUpDown::Associate, &TCustomUpDown::SetAssociate);
  p.Property("ArrowKeys", &TCustomUpDown::ArrowKeys, &TCustomUpDown::SetArrowKeys).Default(true);
  PublishEnabled(p);
  p.Property("Min", &TCustomUpDown::Min, &TCustomUpDown::SetMin).Default(SmallInt(0));
  p.Property("Max", &TCustomUpDown::Max, &TCustomUpDown::SetMax).Default(SmallInt(100));
  p.Property("Increment", &TCustomUpDown::Increment, &TCustomUpDown::SetIncrement).Default(1);
  PublishConstraints(p);
  p.Property("Orientation", &TCustomUpDown::Orientation, &TCustomUpDown::SetOrientation).Default(udVertical);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  p.Property("Position", &TCustomUpDown::Position, &TCustomUpDown::SetPosition).Default(SmallInt(0));
  PublishShowHint(p);
  PublishTabOrder(p);
  PublishTabStop(p, false);
  p.Property("Thousands", &TCustomUpDown::Thousands, &TCustomUpDown::SetThousands).Default(true);
  PublishVisible(p);
  p.Property("Wrap", &TCustomUpDown::Wrap, &TCustomUpDown::SetWrap).Default(false);
  p.Property("OnChanging", &TCustomUpDown::OnChanging);
  p.Property("OnChangingEx", &TCustomUpDown::OnChangingEx);
  p.Property("OnClick", &TCustomUpDown::OnClick);
}

PR_IMPLEMENT_CLASS(TCustomUpDown)

TCustomUpDown::TCustomUpDown(TComponent* AOwner) : TWinControl(AOwner) {
  SetBounds(Left(), Top(), GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYVSCROLL) * 2);
  SetControlStyle(ControlStyle() - TControlStyle{csDoubleClicks} + TControlStyle{csFixedWidth, csOpaque});
}

void TCustomUpDown::CreateParams(TCreateParams& Params) {
  RegisterUpDownClass();
  inherited::CreateParams(Params);
  CreateSubClass(Params, UPDOWN_CLASS);
  Params.Style |= UDS_SETBUDDYINT | (alignButton_ == udRight ? UDS_ALIGNRIGHT : UDS_ALIGNLEFT);
  if (orientation_ == udHorizontal) Params.Style |= UDS_HORZ;
  if (arrowKeys_) Params.Style |= UDS_ARROWKEYS;
  if (!thousands_) Params.Style |= UDS_NOTHOUSANDS;
  if (wrap_) Params.Style |= UDS_WRAP;
}

void TCustomUpDown::CreateWnd() {
  inherited::CreateWnd();
  HWND w = Handle();
  SendMessageA(w, UDM_SETRANGE32, WPARAM(min_), LPARAM(max_));
  SendMessageA(w, UDM_SETPOS32, 0, position_);
  UDACCEL accel{0, UINT(increment_)};
  SendMessageA(w, UDM_SETACCEL, 1, LPARAM(&accel));
  if (associate_ != nullptr) SendMessageA(w, UDM_SETBUDDY, WPARAM(associate_->Handle()), 0);
}

void TCustomUpDown::SetAssociate(TWinControl* Value) {
  if (Value == associate_) return;
  if (HandleAllocated()) SendMessageA(Handle(), UDM_SETBUDDY, 0, 0);
  associate_ = Value;
  if (Value == nullptr) return;
  Value->FreeNotification(this);
  if (Value->Parent() != nullptr && Parent() != nullptr)
    SendMessageA(Handle(), UDM_SETBUDDY, WPARAM(Value->Handle()), 0);
}

void TCustomUpDown::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == associate_) {
    if (HandleAllocated()) SendMessageA(Handle(), UDM_SETBUDDY, 0, 0);
    associate_ = nullptr;
  }
}

void TCustomUpDown::SetMin(SmallInt Value) {
  min_ = Value;
  if (HandleAllocated()) SendMessageA(Handle(), UDM_SETRANGE32, WPARAM(min_), LPARAM(max_));
}

void TCustomUpDown::SetMax(SmallInt Value) {
  max_ = Value;
  if (HandleAllocated()) SendMessageA(Handle(), UDM_SETRANGE32, WPARAM(min_), LPARAM(max_));
}

SmallInt TCustomUpDown::Position() const {
  if (!HandleAllocated()) return position_;
  return SmallInt(SendMessageA(const_cast<TCustomUpDown*>(this)->Handle(), UDM_GETPOS32, 0, 0));
}

void TCustomUpDown::SetPosition(SmallInt Value) {
  position_ = Value;
  if (HandleAllocated()) SendMessageA(Handle(), UDM_SETPOS32, 0, Value);
}

void TCustomUpDown::SetIncrement(Integer Value) {
  increment_ = Value;
  if (!HandleAllocated()) return;
  UDACCEL accel{0, UINT(Value)};
  SendMessageA(Handle(), UDM_SETACCEL, 1, LPARAM(&accel));
}

void TCustomUpDown::SetStyleOption(bool& Field, bool Value) {
  if (Field == Value) return;
  Field = Value;
  RecreateWndIfAllocated();
}

void TCustomUpDown::SetOrientation(TUDOrientation Value) {
  if (orientation_ == Value) return;
  orientation_ = Value;
  if (!ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
  RecreateWndIfAllocated();
}

void TCustomUpDown::SetAlignButton(TUDAlignButton Value) {
  if (alignButton_ == Value) return;
  alignButton_ = Value;
  RecreateWndIfAllocated();
}

void TCustomUpDown::SetArrowKeys(bool Value) { SetStyleOption(arrowKeys_, Value); }
void TCustomUpDown::SetThousands(bool Value) { SetStyleOption(thousands_, Value); }
void TCustomUpDown::SetWrap(bool Value) { SetStyleOption(wrap_, Value); }

void TCustomUpDown::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_NOTIFY: return CNNotify(Message);
    case CN_HSCROLL:
    case CN_VSCROLL: return CNScroll(Message);
    default: return inherited::Dispatch(Message);
  }
}

void TCustomUpDown::CNNotify(TMessage& Message) {
  auto* nm = reinterpret_cast<NMUPDOWN*>(Message.LParam);
  if (nm->hdr.code != UDN_DELTAPOS) return;
  const bool allowed = CanChange() && DoCanChange(SmallInt(nm->iPos + nm->iDelta), SmallInt(nm->iDelta));
  Message.Result = allowed ? 0 : 1;
}

void TCustomUpDown::CNScroll(TMessage& Message) {
  if (LOWORD(Message.WParam) != SB_THUMBPOSITION) return;
  const SmallInt pos = SmallInt(HIWORD(Message.WParam));
  const TUDBtnType button = pos > position_ ? btNext : btPrev;
  position_ = pos;
  Click(button);
}

bool TCustomUpDown::CanChange() {
  bool allow = true;
  OnChanging(this, allow);
  return allow;
}

bool TCustomUpDown::DoCanChange(SmallInt NewVal, SmallInt Delta) {
  bool allow = true;
  OnChangingEx(this, allow, NewVal, Delta == 0 ? updNone : Delta > 0 ? updUp : updDown);
  return allow;
}

void TCustomUpDown::Click(TUDBtnType Button) { OnClick(this, Button); }
