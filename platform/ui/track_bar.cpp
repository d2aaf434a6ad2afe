#include "platform/ui/track_bar.h"

#include <algorithm>

#include "platform/ui/colors.h"
#include "platform/ui/control_publishing.h"
#include "platform/user/send_message.h"
#include "platform/window_classes/track_bar_window.h"

PR_PUBLISH(TTrackBar) {
  PublishAlign(p);
  PublishAnchors(p);
  PublishConstraints(p);
  PublishCtl3D(p);
  PublishDragging(p);
  PublishEnabled(p);
  p.Property("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency).Default(1);
  p.Property("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize).Default(1);
  p.Property("Max", &TTrackBar::Max, &TTrackBar::SetMax).Default(10);
  p.Property("Min", &TTrackBar::Min, &TTrackBar::SetMin).Default(0);
  p.Property("Orientation", &TTrackBar::Orientation, &TTrackBar::SetOrientation).Default(trHorizontal);
  p.Property("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize).Default(2);
  PublishParentCtl3D(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  p.Property("Position", &TTrackBar::Position, &TTrackBar::SetPosition).Default(0);
  p.Property("SelEnd", &TTrackBar::SelEnd, &TTrackBar::SetSelEnd).Default(0);
  p.Property("SelStart", &TTrackBar::SelStart, &TTrackBar::SetSelStart).Default(0);
  PublishShowHint(p);
  p.Property("SliderVisible", &TTrackBar::SliderVisible, &TTrackBar::SetSliderVisible).Default(true);
  PublishTabOrder(p);
  PublishTabStop(p, true);
  p.Property("ThumbLength", &TTrackBar::ThumbLength, &TTrackBar::SetThumbLength).Default(20);
  p.Property("TickMarks", &TTrackBar::TickMarks, &TTrackBar::SetTickMarks).Default(tmBottomRight);
  p.Property("TickStyle", &TTrackBar::TickStyle, &TTrackBar::SetTickStyle).Default(tsAuto);
  PublishVisible(p);
  p.Property("OnChange", &TTrackBar::OnChange);
  PublishDragEvents(p);
  PublishFocusEvents(p);
  PublishKeyEvents(p);
}

TTrackBar::TTrackBar(TComponent* AOwner) : TWinControl(AOwner) {
  SetBounds(Left(), Top(), 150, 45);
  SetColor(clBtnFace);   // the background the window asks for with WM_CTLCOLORSTATIC
  SetTabStop(true);
}

void TTrackBar::CreateParams(TCreateParams& Params) {
  RegisterTrackBarClass();
  inherited::CreateParams(Params);
  CreateSubClass(Params, TRACKBAR_CLASS);
  Params.Style |= TBS_ENABLESELRANGE | TBS_FIXEDLENGTH | (orientation_ == trVertical ? TBS_VERT : TBS_HORZ);
  if (tickMarks_ == tmTopLeft) Params.Style |= TBS_TOP;
  if (tickMarks_ == tmBoth) Params.Style |= TBS_BOTH;
  if (tickStyle_ == tsAuto) Params.Style |= TBS_AUTOTICKS;
  if (tickStyle_ == tsNone) Params.Style |= TBS_NOTICKS;
  if (!sliderVisible_) Params.Style |= TBS_NOTHUMB;
}

void TTrackBar::CreateWnd() {
  inherited::CreateWnd();
  Send(TBM_SETRANGEMIN, FALSE, min_);
  Send(TBM_SETRANGEMAX, FALSE, max_);
  Send(TBM_SETTICFREQ, WPARAM(frequency_), 0);
  Send(TBM_SETLINESIZE, 0, lineSize_);
  Send(TBM_SETPAGESIZE, 0, pageSize_);
  Send(TBM_SETTHUMBLENGTH, WPARAM(thumbLength_), 0);
  Send(TBM_SETSELSTART, FALSE, selStart_);
  Send(TBM_SETSELEND, FALSE, selEnd_);
  for (Integer tick : ticks_) Send(TBM_SETTIC, 0, tick);
  Send(TBM_SETPOS, TRUE, position_);
}

void TTrackBar::Send(UINT Message, WPARAM WParam, LPARAM LParam) {
  if (HandleAllocated()) SendMessageA(Handle(), Message, WParam, LParam);
}

void TTrackBar::SetRange(Integer AMin, Integer AMax) {
  min_ = AMin;
  max_ = AMax;
  Send(TBM_SETRANGEMIN, TRUE, min_);
  Send(TBM_SETRANGEMAX, TRUE, max_);
  SetPosition(position_);   // pulled within the new range
}

void TTrackBar::SetMin(Integer Value) { SetRange(Value, std::max(Value, max_)); }
void TTrackBar::SetMax(Integer Value) { SetRange(std::min(Value, min_), Value); }

void TTrackBar::SetPosition(Integer Value) {
  Value = std::clamp(Value, min_, max_);
  Send(TBM_SETPOS, TRUE, Value);
  if (Value == position_) return;
  position_ = Value;
  Changed();
}

void TTrackBar::SetFrequency(Integer Value) {
  frequency_ = Value;
  Send(TBM_SETTICFREQ, WPARAM(Value), 0);
}

void TTrackBar::SetLineSize(Integer Value) {
  lineSize_ = Value;
  Send(TBM_SETLINESIZE, 0, Value);
}

void TTrackBar::SetPageSize(Integer Value) {
  pageSize_ = Value;
  Send(TBM_SETPAGESIZE, 0, Value);
}

void TTrackBar::SetSelStart(Integer Value) {
  selStart_ = Value;
  Send(TBM_SETSELSTART, TRUE, Value);
}

void TTrackBar::SetSelEnd(Integer Value) {
  selEnd_ = Value;
  Send(TBM_SETSELEND, TRUE, Value);
}

void TTrackBar::SetThumbLength(Integer Value) {
  thumbLength_ = Value;
  Send(TBM_SETTHUMBLENGTH, WPARAM(Value), 0);
}

void TTrackBar::SetTick(Integer Value) {
  if (std::find(ticks_.begin(), ticks_.end(), Value) == ticks_.end()) ticks_.push_back(Value);
  Send(TBM_SETTIC, 0, Value);
}

template <class T>
void TTrackBar::SetStyleOption(T& Field, T Value) {
  if (Field == Value) return;
  Field = Value;
  RecreateWndIfAllocated();
}

void TTrackBar::SetOrientation(TTrackBarOrientation Value) {
  if (orientation_ != Value && !ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
  SetStyleOption(orientation_, Value);
}

void TTrackBar::SetTickMarks(TTickMark Value) { SetStyleOption(tickMarks_, Value); }
void TTrackBar::SetTickStyle(TTickStyle Value) { SetStyleOption(tickStyle_, Value); }
void TTrackBar::SetSliderVisible(bool Value) { SetStyleOption(sliderVisible_, Value); }

void TTrackBar::Dispatch(TMessage& Message) {
  if (Message.Msg == CN_HSCROLL || Message.Msg == CN_VSCROLL) return CNScroll(Message);
  inherited::Dispatch(Message);
}

// A user's move, told by the window: the position is the window's.
void TTrackBar::CNScroll(TMessage& Message) {
  Message.Result = 0;
  const auto pos = Integer(SendMessageA(Handle(), TBM_GETPOS, 0, 0));
  if (pos == position_) return;
  position_ = pos;
  Changed();
}

void TTrackBar::Changed() { OnChange(this); }
