// TControl: bounds, client area, alignment, anchors, size constraints, AutoSize, painting requests
// and z-order.
#include "platform/ui/control.h"

#include <algorithm>

#include "platform/core/exceptions.h"
#include "platform/gdi/clip.h"
#include "platform/gdi/geometry.h"
#include "platform/ui/size_constraints.h"
#include "platform/ui/win_control.h"
#include "platform/user/painting.h"
#include "platform/user/window_dc.h"

void TControl::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  if (!CheckNewSize(AWidth, AHeight)) return;
  if (ALeft == left_ && ATop == top_ && AWidth == width_ && AHeight == height_) return;
  InvalidateControl(visible_, false);
  left_ = ALeft;
  top_ = ATop;
  width_ = AWidth;
  height_ = AHeight;
  UpdateAnchorRules();
  Invalidate();
  Perform(WM_WINDOWPOSCHANGED, 0, 0);
  RequestAlign();
  if (!ComponentState().Contains(csLoading)) Resize();
}

void TControl::UpdateBoundsRect(const TRect& R) {
  left_ = R.Left;
  top_ = R.Top;
  width_ = R.Right - R.Left;
  height_ = R.Bottom - R.Top;
}

bool TControl::CheckNewSize(Integer& NewWidth, Integer& NewHeight) {
  Integer w = NewWidth, h = NewHeight;
  if (!DoCanResize(w, h)) return false;
  Integer w2 = w, h2 = h;
  const bool ok = !autoSize_ || (DoCanAutoSize(w2, h2) && w2 == w && h2 == h) || DoCanResize(w2, h2);
  if (ok) {
    NewWidth = w2;
    NewHeight = h2;
  }
  return ok;
}

bool TControl::DoCanResize(Integer& NewWidth, Integer& NewHeight) {
  if (!CanResize(NewWidth, NewHeight)) return false;
  Integer minWidth = constraints_->MinWidth(), minHeight = constraints_->MinHeight();
  Integer maxWidth = constraints_->MaxWidth(), maxHeight = constraints_->MaxHeight();
  ConstrainedResize(minWidth, minHeight, maxWidth, maxHeight);
  if (maxWidth > 0 && NewWidth > maxWidth) NewWidth = maxWidth;
  else if (minWidth > 0 && NewWidth < minWidth) NewWidth = minWidth;
  if (maxHeight > 0 && NewHeight > maxHeight) NewHeight = maxHeight;
  else if (minHeight > 0 && NewHeight < minHeight) NewHeight = minHeight;
  return true;
}

bool TControl::CanResize(Integer& NewWidth, Integer& NewHeight) {
  bool resize = true;
  OnCanResize(this, NewWidth, NewHeight, resize);
  return resize;
}

void TControl::ConstrainedResize(Integer& MinWidth, Integer& MinHeight, Integer& MaxWidth, Integer& MaxHeight) {
  OnConstrainedResize(this, MinWidth, MinHeight, MaxWidth, MaxHeight);
}

bool TControl::DoCanAutoSize(Integer& NewWidth, Integer& NewHeight) {
  if (align_ == alClient) return true;
  Integer w = NewWidth, h = NewHeight;
  const bool ok = CanAutoSize(w, h);
  if (align_ != alTop && align_ != alBottom) NewWidth = w;
  if (align_ != alLeft && align_ != alRight) NewHeight = h;
  return ok;
}

bool TControl::CanAutoSize(Integer&, Integer&) { return true; }

void TControl::SetAutoSize(bool Value) {
  if (autoSize_ == Value) return;
  autoSize_ = Value;
  if (Value) AdjustSize();
}

void TControl::AdjustSize() {
  if (!ComponentState().Contains(csLoading)) SetBounds(left_, top_, width_, height_);
}

void TControl::Resize() { OnResize(this); }

void TControl::ConstraintsChanged(TObject*) { AdjustSize(); }

void TControl::SetConstraints(TSizeConstraints* Value) { constraints_->Assign(Value); }

// --- client area ---

TRect TControl::ClientRect() { return TRect{0, 0, width_, height_}; }

void TControl::SetClientSize(TPoint Size) {
  const TRect client = ClientRect();
  SetBounds(left_, top_, width_ - client.Right + Size.X, height_ - client.Bottom + Size.Y);
}

void TControl::SetClientWidth(Integer Value) { SetClientSize(TPoint{Value, ClientHeight()}); }

void TControl::SetClientHeight(Integer Value) { SetClientSize(TPoint{ClientWidth(), Value}); }

TPoint TControl::ClientOrigin() const {
  if (parent_ == nullptr) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  const TPoint origin = parent_->ClientOrigin();
  return TPoint{origin.X + left_, origin.Y + top_};
}

TPoint TControl::ClientToScreen(TPoint Point) const {
  const TPoint origin = ClientOrigin();
  return TPoint{Point.X + origin.X, Point.Y + origin.Y};
}

TPoint TControl::ScreenToClient(TPoint Point) const {
  const TPoint origin = ClientOrigin();
  return TPoint{Point.X - origin.X, Point.Y - origin.Y};
}

TPoint TControl::ClientToParent(TPoint Point, TWinControl* AParent) const {
  if (AParent == nullptr) AParent = parent_;
  for (const TControl* c = this; c != AParent; c = c->parent_) {
    if (c->parent_ == nullptr) throw EInvalidOperation("'" + AParent->Name() + "' is not a parent of '" + Name() + "'");
    Point.X += c->left_;
    Point.Y += c->top_;
  }
  return Point;
}

TPoint TControl::ParentToClient(TPoint Point, TWinControl* AParent) const {
  const TPoint offset = ClientToParent(TPoint{0, 0}, AParent);
  return TPoint{Point.X - offset.X, Point.Y - offset.Y};
}

// --- alignment and anchors ---

void TControl::SetAlign(TAlign Value) {
  if (align_ == Value) return;
  const TAlign old = align_;
  align_ = Value;
  anchors_ = AnchorAlign[Value];
  if (!ComponentState().Contains(csLoading) && !ComponentState().Contains(csDesigning) && parent_ != nullptr) {
    // Leaving a fill alignment gives the control back a size it can be seen with.
    if ((old == alTop || old == alBottom) == (Value == alRight || Value == alLeft) && old != alNone &&
        old != alClient && Value != alNone && Value != alClient)
      SetBounds(left_, top_, height_, width_);
  }
  if (old != alNone || Value != alNone) RequestAlign();
}

void TControl::SetAnchors(TAnchors Value) {
  if (anchors_ == Value) return;
  anchors_ = Value;
  if (!ComponentState().Contains(csLoading)) UpdateAnchorRules();
}

void TControl::RequestAlign() {
  if (parent_ != nullptr) parent_->AlignControl(this);
}

void TControl::UpdateAnchorRules() {
  if (anchorMove_ || ComponentState().Contains(csLoading)) return;
  if (anchors_ == TAnchors{akLeft, akTop}) {
    originalParentSize_.X = 0;
    return;
  }
  auto rule = [](bool low, bool high, Integer pos, Integer size) {
    if (high) return low ? size : pos;   // kept: the size, or the position from the far edge
    return pos + size / 2;               // neither: the centre moves in proportion
  };
  anchorRules_.X = rule(anchors_.Contains(akLeft), anchors_.Contains(akRight), left_, width_);
  anchorRules_.Y = rule(anchors_.Contains(akTop), anchors_.Contains(akBottom), top_, height_);
  if (parent_ == nullptr) return;
  if (parent_->HandleAllocated()) {
    const TRect client = parent_->ClientRect();
    originalParentSize_ = TPoint{client.Right, client.Bottom};
  } else {
    originalParentSize_ = TPoint{parent_->Width(), parent_->Height()};
  }
}

namespace {

Integer AnchoredPosition(bool low, bool high, Integer rule, Integer parentNow, Integer parentThen, Integer& pos,
                         Integer& size) {
  if (high) {
    if (low) size = parentNow - (parentThen - rule);
    else pos = parentNow - (parentThen - rule);
  } else if (!low) {
    pos = Integer(Int64(rule) * parentNow / parentThen) - size / 2;
  }
  return pos;
}

}  // namespace

void TControl::ApplyAnchorRules(TPoint ParentSize) {
  if (originalParentSize_.X == 0 || originalParentSize_.Y == 0) return;
  Integer x = left_, y = top_, w = width_, h = height_;
  AnchoredPosition(anchors_.Contains(akLeft), anchors_.Contains(akRight), anchorRules_.X, ParentSize.X,
                   originalParentSize_.X, x, w);
  AnchoredPosition(anchors_.Contains(akTop), anchors_.Contains(akBottom), anchorRules_.Y, ParentSize.Y,
                   originalParentSize_.Y, y, h);
  anchorMove_ = true;
  try {
    SetBounds(x, y, w, h);
  } catch (...) {
    anchorMove_ = false;
    throw;
  }
  anchorMove_ = false;
}

// --- painting requests ---

void TControl::InvalidateControl(bool IsVisible, bool IsOpaque) {
  if (!(IsVisible || (ComponentState().Contains(csDesigning) && !controlStyle_.Contains(csNoDesignVisible))) ||
      parent_ == nullptr || !parent_->HandleAllocated())
    return;
  const TRect rect = BoundsRect();
  // The background needs no erasing when an opaque visible sibling below covers the whole rectangle.
  bool backgroundClipped = false;
  for (Integer i = 0; i < parent_->ControlCount() && !backgroundClipped; ++i) {
    TControl* c = parent_->Controls(i);
    if (c == this) break;
    if (c->visible_ && c->controlStyle_.Contains(csOpaque)) {
      const TRect bounds = c->BoundsRect();
      TRect common;
      IntersectRect(&common, &rect, &bounds);
      backgroundClipped = EqualRect(&common, &rect) != 0;
    }
  }
  const bool erase = !(IsOpaque || parent_->controlStyle_.Contains(csOpaque) || backgroundClipped);
  InvalidateRect(parent_->Handle(), &rect, erase);
}

void TControl::Invalidate() { InvalidateControl(visible_, controlStyle_.Contains(csOpaque)); }

void TControl::Repaint() {
  if (!(visible_ || (ComponentState().Contains(csDesigning) && !controlStyle_.Contains(csNoDesignVisible))) ||
      parent_ == nullptr || !parent_->HandleAllocated())
    return;
  if (controlStyle_.Contains(csOpaque)) {
    HDC dc = GetDC(parent_->Handle());
    IntersectClipRect(dc, left_, top_, left_ + width_, top_ + height_);
    parent_->PaintControls(dc, this);
    ReleaseDC(parent_->Handle(), dc);
  } else {
    Invalidate();
    Update();
  }
}

void TControl::Update() {
  if (parent_ != nullptr) parent_->Update();
}

void TControl::BringToFront() { SetZOrder(true); }

void TControl::SendToBack() { SetZOrder(false); }

void TControl::SetZOrder(bool TopMost) {
  if (parent_ == nullptr) return;
  SetZOrderPosition(TopMost ? Integer(parent_->controls_.size()) - 1 : 0);
}

void TControl::SetZOrderPosition(Integer Position) {
  if (parent_ == nullptr) return;
  auto& list = parent_->controls_;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  Position = std::clamp(Position, 0, Integer(list.size()) - 1);
  const Integer current = Integer(it - list.begin());
  if (Position == current) return;
  list.erase(it);
  list.insert(list.begin() + Position, this);
  InvalidateControl(visible_, true);
}
