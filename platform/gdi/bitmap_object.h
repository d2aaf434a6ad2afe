// A bitmap: a device-dependent bitmap (32 bits like the display, or monochrome) or a DIB section
// (any of 1, 4, 8, 24 and 32 bits, top-down or bottom-up, its bits visible to the program).
//
// A monochrome device bitmap is "monochrome" in the platform's sense: blitting it onto colour maps
// 0 to the destination's text colour and 1 to its background colour.  Device bitmaps hold their
// pixels top-down; a DIB section keeps the row order of its header.  A bitmap is selected into at
// most one device context at a time (stock bitmaps excepted).
#pragma once

#include <memory>

#include "platform/gdi/gdi_object.h"
#include "platform/gdi/gdi_types.h"
#include "platform/gdi/pixel_surface.h"

namespace gdi {

class BitmapObject : public GdiObject {
 public:
  static constexpr ObjectKind kKind = ObjectKind::Bitmap;

  BitmapObject(std::unique_ptr<PixelSurface> surface, bool dibSection) :
      surface_(std::move(surface)), dibSection_(dibSection) {}

  ObjectKind Kind() const override { return kKind; }
  int GetObjectData(int size, void* out, bool wide) const override;

  PixelSurface& Surface() { return *surface_; }
  const PixelSurface& Surface() const { return *surface_; }
  int Width() const { return surface_->Width(); }
  int Height() const { return surface_->Height(); }
  int BitsPerPixel() const { return surface_->BitsPerPixel(); }
  bool IsDibSection() const { return dibSection_; }
  // Monochrome in the blitting sense (see above).
  bool IsMonochrome() const { return surface_->BitsPerPixel() == 1 && !dibSection_; }
  TSize Dimension() const { return dimension_; }
  void SetDimension(TSize size) { dimension_ = size; }

 private:
  std::unique_ptr<PixelSurface> surface_;
  bool dibSection_;
  TSize dimension_{};   // SetBitmapDimensionEx, in 0.1 mm; not used for drawing
};

// Creates a bitmap object and its handle; 0 when the surface cannot be made.
HBITMAP NewBitmap(int width, int height, int bitsPerPixel, bool dibSection, bool topDown,
                  std::vector<RGBQUAD> palette = {});
// The 1 x 1 monochrome stock bitmap every new memory device context holds.
HBITMAP StockBitmap();

}  // namespace gdi
