#include "platform/ui/scroll_bar.h"

#include <algorithm>

#include "platform/core/exceptions.h"
#include "platform/ui/control_publishing.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/system_metrics.h"
#include "platform/window_classes/scroll_bar_window.h"

PR_PUBLISH(TScrollBar) {
  PublishAlign(p);
  PublishAnchors(p);
  PublishBiDiMode(p);
  PublishConstraints(p);
  PublishDragging(p);
  PublishEnabled(p);
  p.Property("Kind", &TScrollBar::Kind, &TScrollBar::SetKind).Default(sbHorizontal);
  p.Property("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange).Default(1);
  p.Property("Max", &TScrollBar::Max, &TScrollBar::SetMax).Default(100);
  p.Property("Min", &TScrollBar::Min, &TScrollBar::SetMin).Default(0);
  p.Property("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize).Default(0);
  PublishParentBiDiMode(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  p.Property("Position", &TScrollBar::Position, &TScrollBar::SetPosition).Default(0);
  PublishShowHint(p);
  p.Property("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange).Default(1);
  PublishTabOrder(p);
  PublishTabStop(p, true);
  PublishVisible(p);
  p.Property("OnChange", &TScrollBar::OnChange);
  PublishDragEvents(p);
  PublishFocusEvents(p);
  PublishKeyEvents(p);
  p.Property("OnScroll", &TScrollBar::OnScroll);
}


TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner) {
  SetControlStyle({csFramed, csDoubleClicks, csOpaque});
  SetBounds(Left(), Top(), 121, GetSystemMetrics(SM_CYHSCROLL));
  SetTabStop(true);
}

void TScrollBar::SetKind(TScrollBarKind Value) {
  if (kind_ == Value) return;
  kind_ = Value;
  if (!ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
  RecreateWndIfAllocated();
}

void TScrollBar::SendInfo(UINT Mask) {
  if (!HandleAllocated()) return;
  SCROLLINFO info{sizeof(SCROLLINFO), Mask, min_, max_, UINT(pageSize_), position_, 0};
  SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void TScrollBar::SetParams(Integer APosition, Integer AMin, Integer AMax) {
  if (AMax < AMin || AMax < pageSize_) throw EInvalidOperation("Scrollbar property out of range");
  APosition = std::clamp(APosition, AMin, AMax);
  const bool moved = position_ != APosition;
  if (min_ != AMin || max_ != AMax) {
    min_ = AMin;
    max_ = AMax;
    SendInfo(SIF_RANGE);
  }
  if (!moved) return;
  position_ = APosition;
  SendInfo(SIF_POS);
  Change();
}

void TScrollBar::SetPageSize(Integer Value) {
  if (pageSize_ == Value || Value > max_) return;
  pageSize_ = Value;
  SendInfo(SIF_PAGE);
}

void TScrollBar::CreateParams(TCreateParams& Params) {
  RegisterScrollBarClass();
  inherited::CreateParams(Params);
  CreateSubClass(Params, "SCROLLBAR");
  Params.Style |= kind_ == sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::CreateWnd() {
  inherited::CreateWnd();
  SendInfo(SIF_RANGE | SIF_PAGE | SIF_POS);
}

void TScrollBar::Dispatch(TMessage& Message) {
  if (Message.Msg == CN_HSCROLL || Message.Msg == CN_VSCROLL) return DoScroll(Message);
  inherited::Dispatch(Message);
}

void TScrollBar::DoScroll(TMessage& Message) {
  const WORD code = LOWORD(Message.WParam);
  Integer pos = position_;
  switch (code) {
    case SB_LINEUP: pos -= smallChange_; break;
    case SB_LINEDOWN: pos += smallChange_; break;
    case SB_PAGEUP: pos -= largeChange_; break;
    case SB_PAGEDOWN: pos += largeChange_; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      SCROLLINFO info{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, 0};   // the whole 32-bit position
      GetScrollInfo(Handle(), SB_CTL, &info);
      pos = info.nTrackPos;
      break;
    }
    case SB_TOP: pos = min_; break;
    case SB_BOTTOM: pos = max_; break;
  }
  pos = std::clamp(pos, min_, max_);
  Scroll(TScrollCode(std::min<WORD>(code, scEndScroll)), pos);
  SetPosition(pos);
}

void TScrollBar::Change() { OnChange(this); }

void TScrollBar::Scroll(TScrollCode ScrollCode, Integer& ScrollPos) { OnScroll(this, ScrollCode, ScrollPos); }
