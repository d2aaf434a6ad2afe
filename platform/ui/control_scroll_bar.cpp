#include "platform/ui/control_scroll_bar.h"

#include <algorithm>

#include "platform/classes/publisher.h"
#include "platform/ui/scrolling_win_control.h"
#include "platform/user/scroll_bar.h"

PR_PUBLISH(TControlScrollBar) {
  p.Property("Increment", &TControlScrollBar::Increment, &TControlScrollBar::SetIncrement).Default(8);
  p.Property("Margin", &TControlScrollBar::Margin, &TControlScrollBar::SetMargin).Default(0);
  p.Property("Position", &TControlScrollBar::Position, &TControlScrollBar::SetPosition).Default(0);
  p.Property("Range", &TControlScrollBar::Range, &TControlScrollBar::SetRange).Default(0);
  p.Property("Tracking", &TControlScrollBar::Tracking, &TControlScrollBar::SetTracking).Default(false);
  p.Property("Visible", &TControlScrollBar::Visible, &TControlScrollBar::SetVisible).Default(true);
}

namespace {

int BarOf(TScrollBarKind kind) { return kind == sbHorizontal ? SB_HORZ : SB_VERT; }

}  // namespace

Integer TControlScrollBar::ClientExtent() {
  return kind_ == sbHorizontal ? control_->ClientWidth() : control_->ClientHeight();
}

Integer TControlScrollBar::MaxPosition() { return std::max<Integer>(range_ - ClientExtent(), 0); }

bool TControlScrollBar::IsScrollBarVisible() { return visible_ && range_ > ClientExtent(); }

void TControlScrollBar::SetRange(Integer Value) {
  control_->autoScroll_ = false;
  DoSetRange(Value);
}

void TControlScrollBar::DoSetRange(Integer Value) {
  range_ = std::max<Integer>(Value, 0);
  control_->UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool Value) {
  visible_ = Value;
  control_->UpdateScrollBars();
}

void TControlScrollBar::SetPosition(Integer Value) {
  Value = std::clamp<Integer>(Value, 0, MaxPosition());
  const Integer delta = position_ - Value;
  if (delta == 0) return;
  position_ = Value;
  if (kind_ == sbHorizontal)
    control_->ScrollBy(delta, 0);
  else
    control_->ScrollBy(0, delta);
  if (control_->HandleAllocated()) SetScrollPos(control_->Handle(), BarOf(kind_), position_, TRUE);
}

void TControlScrollBar::Update() {
  if (!control_->HandleAllocated()) return;
  HWND window = control_->Handle();
  const int bar = BarOf(kind_);
  const bool show = IsScrollBarVisible();
  if (show) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, range_ - 1, UINT(ClientExtent()), position_, 0};
    SetScrollInfo(window, bar, &info, TRUE);
  }
  ShowScrollBar(window, bar, show);
  SetPosition(position_);   // a larger client area may leave less to scroll
}

void TControlScrollBar::ScrollMessage(TMessage& Message) {
  const WORD code = LOWORD(Message.WParam);
  switch (code) {
    case SB_LINEUP: SetPosition(position_ - increment_); break;
    case SB_LINEDOWN: SetPosition(position_ + increment_); break;
    case SB_PAGEUP: SetPosition(position_ - ClientExtent()); break;
    case SB_PAGEDOWN: SetPosition(position_ + ClientExtent()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      if (code == SB_THUMBPOSITION || tracking_) {
        SCROLLINFO info{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(control_->Handle(), BarOf(kind_), &info);
        SetPosition(info.nTrackPos);
      }
      break;
    case SB_TOP: SetPosition(0); break;
    case SB_BOTTOM: SetPosition(MaxPosition()); break;
  }
  Message.Result = 0;
}

void TControlScrollBar::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TControlScrollBar*>(Source);
  if (source == nullptr) return inherited::Assign(Source);
  increment_ = source->increment_;
  margin_ = source->margin_;
  tracking_ = source->tracking_;
  visible_ = source->visible_;
  range_ = source->range_;
  SetPosition(source->position_);
  control_->UpdateScrollBars();
}
