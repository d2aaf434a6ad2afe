#include "platform/ui/brush.h"

#include "platform/classes/publisher.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/pens_brushes.h"
#include "platform/ui/bitmap.h"

PR_PUBLISH(TBrush) {
  p.Property("Color", &TBrush::Color, &TBrush::SetColor).Type(ColorTypeInfo()).Default(clWhite);
  p.Property("Style", &TBrush::Style, &TBrush::SetStyle).Default(bsSolid);
}

void TBrush::Assign(TPersistent* Source) {
  auto* brush = dynamic_cast<TBrush*>(Source);
  if (brush == nullptr) return inherited::Assign(Source);
  if (color_ == brush->color_ && style_ == brush->style_ && bitmap_ == brush->bitmap_) return;
  Changing();
  color_ = brush->color_;
  style_ = brush->style_;
  bitmap_ = brush->bitmap_;
  Changed();
}

void TBrush::SetColor(TColor Value) {
  if (color_ == Value && style_ != bsClear) return;
  Changing();
  color_ = Value;
  // A colour given to a clear brush makes it solid again.
  if (style_ == bsClear) style_ = bsSolid;
  // A plain solid brush keeps its handle and only changes colour (SetSolidBrushColor refuses the
  // null, hatched and pattern brushes, which are made anew).
  if (bitmap_ == nullptr && HandleAllocated() && SetSolidBrushColor(Handle(), ColorToRGB(color_)))
    ChangedKeepingHandle();
  else
    Changed();
}

void TBrush::SetStyle(TBrushStyle Value) { Update(style_, Value); }

void TBrush::SetBitmap(TBitmap* Value) { Update(bitmap_, Value); }

void* TBrush::MakeHandle() {
  if (bitmap_ != nullptr && !bitmap_->Empty()) return CreatePatternBrush(bitmap_->Handle());
  if (style_ == bsClear) {
    const LOGBRUSH hollow{BS_NULL, 0, 0};
    return CreateBrushIndirect(&hollow);
  }
  if (style_ == bsSolid) return CreateSolidBrush(ColorToRGB(color_));
  return CreateHatchBrush(int(style_ - bsHorizontal), ColorToRGB(color_));
}
