// TWinControl: aligning children (Align and Anchors) inside the client area.
//
// Order: top, bottom, left, right, client, custom, then the anchored controls that are not
// aligned.  Within one alignment, controls keep their current order along the axis (the topmost
// alTop first, the bottommost alBottom first, ...).  Each aligned control takes the whole width
// (top, bottom) or height (left, right) of what is left and narrows it for the next.
#include "platform/ui/win_control.h"

#include <algorithm>

#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"

namespace {

// True when a goes before b among controls of the same alignment.
bool AlignsBefore(const TControl* a, const TControl* b, TAlign align) {
  switch (align) {
    case alTop: return a->Top() < b->Top();
    case alBottom: return a->Top() + a->Height() >= b->Top() + b->Height();
    case alLeft: return a->Left() < b->Left();
    case alRight: return a->Left() + a->Width() >= b->Left() + b->Width();
    default: return false;
  }
}

bool TakesPartInAlign(const TControl* c, TAlign align) {
  if (align == alNone || c->Visible()) return true;
  const TControlStyle hidden{csAcceptsControls, csNoDesignVisible};
  if (c->ControlStyle() * hidden == hidden) return true;
  return c->ComponentState().Contains(csDesigning) && !c->ControlStyle().Contains(csNoDesignVisible);
}

}  // namespace

void TWinControl::DisableAlign() { ++alignLevel_; }

void TWinControl::EnableAlign() {
  --alignLevel_;
  if (alignLevel_ == 0 && ControlState().Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() { AlignControl(nullptr); }

void TWinControl::AlignControl(TControl* AControl) {
  if (handle_ == nullptr || ComponentState().Contains(csDestroying)) return;
  if (alignLevel_ != 0) {
    SetControlState(ControlState() + TControlState{csAlignmentNeeded});
    return;
  }
  DisableAlign();
  try {
    TRect rect = ClientRect();
    AlignControls(AControl, rect);
  } catch (...) {
    SetControlState(ControlState() - TControlState{csAlignmentNeeded});
    EnableAlign();
    throw;
  }
  SetControlState(ControlState() - TControlState{csAlignmentNeeded});
  EnableAlign();
}

// BorderWidth lies outside the client area (WM_NCCALCSIZE), so the whole client area is free.
void TWinControl::AdjustClientRect(TRect&) {}

void TWinControl::AlignControls(TControl* AControl, TRect& Rect) {
  const bool anyWork = std::any_of(controls_.begin(), controls_.end(), [](TControl* c) {
                         return c->Align() != alNone || c->Anchors() != TAnchors{akLeft, akTop};
                       }) ||
                       std::any_of(winControls_.begin(), winControls_.end(), [](TControl* c) {
                         return c->Align() != alNone || c->Anchors() != TAnchors{akLeft, akTop};
                       });
  if (anyWork) {
    AdjustClientRect(Rect);
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient, alCustom, alNone}) {
      std::vector<TControl*> list;
      if (AControl != nullptr && AControl->Align() == align && TakesPartInAlign(AControl, align))
        list.push_back(AControl);
      for (Integer i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c == AControl || c->Align() != align || !TakesPartInAlign(c, align)) continue;
        auto at = list.begin();
        while (at != list.end() && !AlignsBefore(c, *at, align)) ++at;
        list.insert(at, c);
      }
      for (TControl* c : list) PositionAligned(c, align, Rect);
    }
  }
  if (showing_) AdjustSize();
}

void TWinControl::PositionAligned(TControl* Control, TAlign Align, TRect& Rect) {
  if (Align == alNone || Control->Anchors() != AnchorAlign[Align]) {
    const TRect client = handle_ != nullptr ? ClientRect() : TRect{0, 0, Width(), Height()};
    Control->ApplyAnchorRules(TPoint{client.Right, client.Bottom});
    if (Align == alNone) return;
  }
  Integer width = Rect.Right - Rect.Left;
  if (width < 0 || Align == alLeft || Align == alRight || Align == alCustom) width = Control->Width();
  Integer height = Rect.Bottom - Rect.Top;
  if (height < 0 || Align == alTop || Align == alBottom || Align == alCustom) height = Control->Height();
  Integer left = Rect.Left, top = Rect.Top;
  switch (Align) {
    case alTop: Rect.Top += height; break;
    case alBottom: Rect.Bottom -= height; top = Rect.Bottom; break;
    case alLeft: Rect.Left += width; break;
    case alRight: Rect.Right -= width; left = Rect.Right; break;
    default: break;
  }
  Control->SetAnchorMove(true);
  try {
    Control->SetBounds(left, top, width, height);
  } catch (...) {
    Control->SetAnchorMove(false);
    throw;
  }
  Control->SetAnchorMove(false);
  // A control that would not take the size given keeps its own; what is left adjusts to it.
  const Integer dw = width - Control->Width(), dh = height - Control->Height();
  if (dw == 0 && dh == 0) return;
  switch (Align) {
    case alTop: Rect.Top -= dh; break;
    case alBottom: Rect.Bottom += dh; break;
    case alLeft: Rect.Left -= dw; break;
    case alRight: Rect.Right += dw; break;
    case alClient: Rect.Right += dw; Rect.Bottom += dh; break;
    default: break;
  }
}

// AutoSize of a container: the smallest size that holds every visible child, keeping the
// client area's margins.
bool TWinControl::CanAutoSize(Integer& NewWidth, Integer& NewHeight) {
  if (ControlCount() == 0 || handle_ == nullptr) return true;
  TRect extent{0, 0, 0, 0};
  bool any = false;
  for (Integer i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (!c->Visible() && !ComponentState().Contains(csDesigning)) continue;
    const TRect b = c->BoundsRect();
    extent = any ? TRect{std::min(extent.Left, b.Left), std::min(extent.Top, b.Top), std::max(extent.Right, b.Right),
                         std::max(extent.Bottom, b.Bottom)}
                 : b;
    any = true;
  }
  if (!any) return true;
  const TRect client = ClientRect();
  TRect adjusted = client;
  AdjustClientRect(adjusted);
  const Integer marginX = (adjusted.Left - client.Left) + (client.Right - adjusted.Right);
  const Integer marginY = (adjusted.Top - client.Top) + (client.Bottom - adjusted.Bottom);
  const Integer frameX = Width() - client.Right, frameY = Height() - client.Bottom;
  if (Align() != alTop && Align() != alBottom && Align() != alClient)
    NewWidth = extent.Right - std::min(extent.Left, adjusted.Left) + marginX + frameX;
  if (Align() != alLeft && Align() != alRight && Align() != alClient)
    NewHeight = extent.Bottom - std::min(extent.Top, adjusted.Top) + marginY + frameY;
  return true;
}

// The window takes the size the constraints and AutoSize make of its current one.
void TWinControl::AdjustSize() {
  if (ComponentState().Contains(csLoading) || handle_ == nullptr) return;
  Integer w = Width(), h = Height();
  if (CheckNewSize(w, h) && (w != Width() || h != Height()))
    SetWindowPos(handle_, nullptr, 0, 0, w, h, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOZORDER);
  RequestAlign();
}
