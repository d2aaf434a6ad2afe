// TBackGround; see background.h.
#include "grid/background.h"

#include "grid/pro_string_grid.h"
#include "platform/classes/publisher.h"
#include "platform/ui/bitmap.h"

PR_PUBLISH(TBackGround) {
  p.Property("Bitmap", &TBackGround::Bitmap, &TBackGround::SetBitmap);
  p.Property("Cells", &TBackGround::Cells, &TBackGround::SetCells).Default(bcNormal);
  p.Property("Color", &TBackGround::Color, &TBackGround::SetColor).Type(ColorTypeInfo()).Default(clWindow);
  p.Property("ColorTo", &TBackGround::ColorTo, &TBackGround::SetColorTo).Type(ColorTypeInfo()).Default(clBtnFace);
  p.Property("Display", &TBackGround::Display, &TBackGround::SetDisplay).Default(bdTile);
  p.Property("Left", &TBackGround::Left, &TBackGround::SetLeft).Default(0);
  p.Property("Top", &TBackGround::Top, &TBackGround::SetTop).Default(0);
}

TBackGround::TBackGround(TProStringGrid* AGrid) : grid_(AGrid), bitmap_(std::make_unique<TBitmap>()) {}

TBackGround::~TBackGround() = default;

template <class T>
void TBackGround::Change(T& Field, T Value) {
  Field = Value;
  grid_->Invalidate();
}

void TBackGround::SetTop(Integer Value) { Change(top_, Value); }
void TBackGround::SetLeft(Integer Value) { Change(left_, Value); }
void TBackGround::SetDisplay(TBackGroundDisplay Value) { Change(display_, Value); }
void TBackGround::SetCells(TBackGroundCells Value) { Change(cells_, Value); }
void TBackGround::SetColor(TColor Value) { Change(color_, Value); }
void TBackGround::SetColorTo(TColor Value) { Change(colorTo_, Value); }

void TBackGround::SetBitmap(TBitmap* Value) {
  bitmap_->Assign(Value);
  grid_->Invalidate();
}
