#include "controls/foundation/kx_geometry.h"

#include "platform/classes/class_registry.h"
#include "platform/classes/publisher.h"

PR_PUBLISH(TkxRect) {
  p.Property("Left", &TkxRect::Left, &TkxRect::SetLeft).Stored(true);
  p.Property("Top", &TkxRect::Top, &TkxRect::SetTop).Stored(true);
  p.Property("Right", &TkxRect::Right, &TkxRect::SetRight).Stored(true);
  p.Property("Bottom", &TkxRect::Bottom, &TkxRect::SetBottom).Stored(true);
  p.Property("OnChange", &TkxRect::OnChange);
}

TkxRect::TkxRect(TPersistent* AOwner) : owner_(AOwner) {}

void TkxRect::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TkxRect*>(Source)) SetBoundsRect(source->bounds_);
}

bool TkxRect::IsSameRect(const TRect& Value) const { return IsEqualRect(bounds_, Value); }

void TkxRect::NotifyChange() { OnChange(this); }

void TkxRect::SetBoundsRect(const TRect& Value) {
  if (IsSameRect(Value)) return;
  bounds_ = Value;
  NotifyChange();
}

Integer TkxRect::GetCoordinate(Integer Index) const {
  switch (Index) {
    case 0: return bounds_.Left;
    case 1: return bounds_.Top;
    case 2: return bounds_.Right;
    default: return bounds_.Bottom;
  }
}

void TkxRect::SetCoordinate(Integer Index, Integer Value) {
  TRect r = bounds_;
  switch (Index) {
    case 0: r.Left = Value; break;
    case 1: r.Top = Value; break;
    case 2: r.Right = Value; break;
    case 3: r.Bottom = Value; break;
    default: return;
  }
  SetBoundsRect(r);
}

TRect InflateRectSides(const TRect& R, Integer DX1, Integer DY1, Integer DX2, Integer DY2) {
  return {R.Left - DX1, R.Top - DY1, R.Right + DX2, R.Bottom + DY2};
}

bool IsEqualRect(const TRect& A, const TRect& B) { return A == B; }

TRect RectSetLeftAndWidth(const TRect& R, Integer X, Integer Width) { return {X, R.Top, X + Width, R.Bottom}; }

const Unit kxGeometryUnit = {"kxGeometry", [] { RegisterClass(TkxRect::StaticClass()); },
                             [] { UnRegisterClass(TkxRect::StaticClass()); }};
