#include "platform/ui/scrolling_win_control.h"

#include <algorithm>

#include "platform/ui/control_publishing.h"
#include "platform/user/window_styles.h"

PR_IMPLEMENT_CLASS(TScrollingWinControl)

PR_PUBLISH(TScrollBox) {
  PublishAlign(p);
  PublishAnchors(p);
  p.Property("AutoScroll", &TScrollingWinControl::AutoScroll, &TScrollingWinControl::SetAutoScroll).Default(true);
  p.Property("BorderStyle", &TScrollBox::BorderStyle, &TScrollBox::SetBorderStyle).Default(bsSingle);
  PublishColor(p);
  PublishConstraints(p);
  PublishEnabled(p);
  PublishFont(p);
  p.Property("HorzScrollBar", &TScrollingWinControl::HorzScrollBar, &TScrollingWinControl::SetHorzScrollBar);
  PublishParentColor(p);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  PublishShowHint(p);
  PublishTabOrder(p);
  PublishTabStop(p, false);
  p.Property("VertScrollBar", &TScrollingWinControl::VertScrollBar, &TScrollingWinControl::SetVertScrollBar);
  PublishVisible(p);
  PublishClickEvents(p);
  PublishFocusEvents(p);
  PublishMouseEvents(p);
}

// --- TScrollingWinControl ---

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner)
    : TWinControl(AOwner),
      horz_(std::make_unique<TControlScrollBar>(this, sbHorizontal)),
      vert_(std::make_unique<TControlScrollBar>(this, sbVertical)) {}

TScrollingWinControl::~TScrollingWinControl() = default;

void TScrollingWinControl::SetAutoScroll(bool Value) {
  if (autoScroll_ == Value) return;
  autoScroll_ = Value;
  if (Value) CalcAutoRange();
}

void TScrollingWinControl::ScrollBy(Integer DeltaX, Integer DeltaY) {
  scrolling_ = true;
  for (Integer i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    if (child->Align() == alNone)
      child->SetBounds(child->Left() + DeltaX, child->Top() + DeltaY, child->Width(), child->Height());
  }
  scrolling_ = false;
  Invalidate();
}

// The bars are brought up twice: showing one narrows the client area the other measures.
void TScrollingWinControl::UpdateScrollBars() {
  if (updating_ || !HandleAllocated()) return;
  updating_ = true;
  for (int round = 0; round < 2; ++round) {
    horz_->Update();
    vert_->Update();
  }
  updating_ = false;
}

void TScrollingWinControl::CalcAutoRange() {
  if (!autoScroll_ || scrolling_) return;
  Integer right = 0, bottom = 0;
  for (Integer i = 0; i < ControlCount(); ++i) {
    const TControl* child = Controls(i);
    if (!child->Visible()) continue;
    const TAlign align = child->Align();
    if (align == alNone || align == alLeft || align == alRight)
      right = std::max(right, child->Left() + child->Width() + horz_->position_);
    if (align == alNone || align == alTop || align == alBottom)
      bottom = std::max(bottom, child->Top() + child->Height() + vert_->position_);
  }
  horz_->range_ = right + horz_->margin_;
  vert_->range_ = bottom + vert_->margin_;
  UpdateScrollBars();
}

void TScrollingWinControl::AlignControls(TControl* AControl, TRect& Rect) {
  inherited::AlignControls(AControl, Rect);
  CalcAutoRange();
}

void TScrollingWinControl::CreateWnd() {
  inherited::CreateWnd();
  if (autoScroll_)
    CalcAutoRange();
  else
    UpdateScrollBars();
}

namespace {

// The position that shows [start, start + size) of the client extent, from `position`.
Integer InView(Integer position, Integer start, Integer size, Integer extent) {
  if (start < 0) return position + start;
  if (start + size > extent) return position + std::min(start, start + size - extent);
  return position;
}

}  // namespace

void TScrollingWinControl::ScrollInView(TControl* AControl) {
  if (AControl == nullptr || AControl->Parent() != this) return;
  horz_->SetPosition(InView(horz_->Position(), AControl->Left() - horz_->margin_,
                            AControl->Width() + 2 * horz_->margin_, ClientWidth()));
  vert_->SetPosition(InView(vert_->Position(), AControl->Top() - vert_->margin_,
                            AControl->Height() + 2 * vert_->margin_, ClientHeight()));
}

void TScrollingWinControl::AutoScrollInView(TControl* AControl) {
  if (autoScroll_ && AControl != nullptr && !ComponentState().Contains(csLoading)) ScrollInView(AControl);
}

void TScrollingWinControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (Message.LParam != 0) break;   // a scroll bar control's, reflected to it
      return (Message.Msg == WM_HSCROLL ? horz_ : vert_)->ScrollMessage(Message);
    case WM_SIZE:
      inherited::Dispatch(Message);
      return UpdateScrollBars();
    case CM_FOCUSCHANGED: {
      auto* focused = reinterpret_cast<TControl*>(Message.LParam);
      if (focused != nullptr && focused->Parent() == this) AutoScrollInView(focused);
      break;
    }
  }
  inherited::Dispatch(Message);
}

// --- TScrollBox ---

TScrollBox::TScrollBox(TComponent* AOwner) : TScrollingWinControl(AOwner) {
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
  SetBounds(Left(), Top(), 185, 41);
}

void TScrollBox::SetBorderStyle(TBorderStyle Value) {
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  RecreateWndIfAllocated();
}

void TScrollBox::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  if (borderStyle_ != bsSingle) return;
  if (Ctl3D())
    Params.ExStyle |= WS_EX_CLIENTEDGE;
  else
    Params.Style |= WS_BORDER;
}
