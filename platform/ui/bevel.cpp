#include "platform/ui/bevel.h"

#include "platform/ui/canvas.h"
#include "platform/ui/control_publishing.h"

PR_PUBLISH(TBevel) {
  PublishAlign(p);
  PublishAnchors(p);
  PublishConstraints(p);
  PublishParentShowHint(p);
  p.Property("Shape", &TBevel::Shape, &TBevel::SetShape).Default(bsBox);
  PublishShowHint(p);
  p.Property("Style", &TBevel::Style, &TBevel::SetStyle).Default(bsLowered);
  PublishVisible(p);
}

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetControlStyle(ControlStyle() + TControlStyle{csReplicatable});
  SetBounds(Left(), Top(), 50, 50);
}

void TBevel::SetShape(TBevelShape Value) {
  if (shape_ == Value) return;
  shape_ = Value;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  Invalidate();
}

void TBevel::BevelRect(const TRect& R, TColor Light, TColor Dark) {
  TCanvas* canvas = Canvas();
  const TPoint first[] = {{R.Left, R.Bottom}, {R.Left, R.Top}, {R.Right, R.Top}};
  canvas->Pen()->SetColor(Light);
  canvas->Polyline(first, 3);
  const TPoint second[] = {{R.Right, R.Top}, {R.Right, R.Bottom}, {R.Left, R.Bottom}};
  canvas->Pen()->SetColor(Dark);
  canvas->Polyline(second, 3);
}

void TBevel::BevelLine(TColor Color, Integer X1, Integer Y1, Integer X2, Integer Y2) {
  Canvas()->Pen()->SetColor(Color);
  Canvas()->MoveTo(X1, Y1);
  Canvas()->LineTo(X2, Y2);
}

void TBevel::Paint() {
  Canvas()->Pen()->SetWidth(1);
  const TColor first = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
  const TColor second = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
  const Integer w = Width(), h = Height();
  switch (shape_) {
    case bsBox: BevelRect(TRect{0, 0, w - 1, h - 1}, first, second); break;
    case bsFrame:
      BevelRect(TRect{1, 1, w - 1, h - 1}, second, second);
      BevelRect(TRect{0, 0, w - 2, h - 2}, first, first);
      break;
    case bsTopLine:
      BevelLine(first, 0, 0, w, 0);
      BevelLine(second, 0, 1, w, 1);
      break;
    case bsBottomLine:
      BevelLine(first, 0, h - 2, w, h - 2);
      BevelLine(second, 0, h - 1, w, h - 1);
      break;
    case bsLeftLine:
      BevelLine(first, 0, 0, 0, h);
      BevelLine(second, 1, 0, 1, h);
      break;
    case bsRightLine:
      BevelLine(first, w - 2, 0, w - 2, h);
      BevelLine(second, w - 1, 0, w - 1, h);
      break;
    case bsSpacer: break;
  }
}
