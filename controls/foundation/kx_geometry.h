// The control library's rectangle helpers (unit kxGeometry): TkxRect, a persistent rectangle that
// reports each change of its bounds once, and three rectangle routines.
#pragma once

#include "platform/classes/event.h"
#include "platform/classes/persistent.h"
#include "platform/core/units.h"
#include "platform/gdi/geometry.h"

class TkxRect : public TPersistent {
  PR_CLASS(TkxRect, TPersistent)

 public:
  using TCreateArg = TPersistent*;

  explicit TkxRect(TPersistent* AOwner);

  void Assign(TPersistent* Source) override;
  const TRect& BoundsRect() const { return bounds_; }
  // Stores the rectangle and fires OnChange once, unless it equals the stored one.
  void SetBoundsRect(const TRect& Value);
  // 0 Left, 1 Top, 2 Right, anything else Bottom.
  Integer GetCoordinate(Integer Index) const;
  // 0 Left, 1 Top, 2 Right, 3 Bottom; any other index is ignored.
  void SetCoordinate(Integer Index, Integer Value);

  Integer Left() const { return GetCoordinate(0); }
  void SetLeft(Integer Value) { SetCoordinate(0, Value); }
  Integer Top() const { return GetCoordinate(1); }
  void SetTop(Integer Value) { SetCoordinate(1, Value); }
  Integer Right() const { return GetCoordinate(2); }
  void SetRight(Integer Value) { SetCoordinate(2, Value); }
  Integer Bottom() const { return GetCoordinate(3); }
  void SetBottom(Integer Value) { SetCoordinate(3, Value); }

  TNotifyEvent OnChange;

 protected:
  TPersistent* GetOwner() const override { return owner_; }
  virtual bool IsSameRect(const TRect& Value) const;
  virtual void NotifyChange();

 private:
  TPersistent* owner_;
  TRect bounds_;
};

// (Left - DX1, Top - DY1, Right + DX2, Bottom + DY2).
TRect InflateRectSides(const TRect& R, Integer DX1, Integer DY1, Integer DX2, Integer DY2);
bool IsEqualRect(const TRect& A, const TRect& B);
// Left = X, Right = X + Width; Top and Bottom kept.
TRect RectSetLeftAndWidth(const TRect& R, Integer X, Integer Width);

// Registers TkxRect with the class registry (component streams may name it) and unregisters it.
extern const Unit kxGeometryUnit;
