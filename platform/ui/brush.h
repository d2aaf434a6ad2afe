// TBrush: the colour and pattern areas are filled with.
//
// Defaults: clWhite, bsSolid.  bsClear fills nothing (a hollow brush); the hatch styles draw
// their 8 x 8 hatch in Color over the background; a Bitmap (not owned: the caller keeps it alive
// while the brush uses it) makes a pattern brush and wins over Style.  A new colour for a solid brush
// without a bitmap keeps the handle and recolours its brush in place (SetSolidBrushColor); every
// other change drops the handle and the next Handle() makes a new one.
#pragma once

#include "platform/classes/type_info.h"
#include "platform/gdi/gdi_types.h"
#include "platform/ui/colors.h"
#include "platform/ui/graphics_object.h"

class TBitmap;

PR_ENUM(TBrushStyle, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross)

class TBrush : public TGraphicsObject {
  PR_CLASS(TBrush, TGraphicsObject)

 public:
  TBrush() = default;
  void Assign(TPersistent* Source) override;

  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle Value);
  TBitmap* Bitmap() const { return bitmap_; }
  void SetBitmap(TBitmap* Value);
  HBRUSH Handle() { return static_cast<HBRUSH>(CachedHandle()); }

 protected:
  void* MakeHandle() override;

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
  TBitmap* bitmap_ = nullptr;
};
