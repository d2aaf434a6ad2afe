// TBevel: a raised or lowered box, frame or line drawn on the parent.
//
// Lowered: clBtnShadow then clBtnHighlight; raised: the reverse.  bsBox: one Frame3D-like ring
// on the bounds (first colour left and top); bsFrame: two rings, an etched groove; the lines:
// two one-pixel lines along the side named, the first colour outside.  bsSpacer draws nothing.
#pragma once

#include "platform/ui/graphic_control.h"

PR_ENUM(TBevelStyle, bsLowered, bsRaised)
PR_ENUM(TBevelShape, bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer)

class TBevel : public TGraphicControl {
  PR_CLASS(TBevel, TGraphicControl)

 public:
  explicit TBevel(TComponent* AOwner);

  TBevelShape Shape() const { return shape_; }
  void SetShape(TBevelShape Value);
  TBevelStyle Style() const { return style_; }
  void SetStyle(TBevelStyle Value);

 protected:
  void Paint() override;

 private:
  void BevelRect(const TRect& R, TColor Light, TColor Dark);
  void BevelLine(TColor Color, Integer X1, Integer Y1, Integer X2, Integer Y2);

  TBevelShape shape_ = bsBox;
  TBevelStyle style_ = bsLowered;
};
