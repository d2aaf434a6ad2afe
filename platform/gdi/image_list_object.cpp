// Image list storage; see image_list_object.h.
#include "platform/gdi/image_list_object.h"

#include <algorithm>
#include <vector>

#include "platform/gdi/bitmap_object.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/handle_table.h"

namespace gdi {

ImageListObject::ImageListObject(int cx, int cy, UINT flags, int grow) :
    cx_(cx), cy_(cy), flags_(flags), grow_(std::max(1, grow)) {
  overlays_.fill(-1);
}

ImageListObject::~ImageListObject() {
  if (image_) DeleteObject(image_);
  if (mask_) DeleteObject(mask_);
}

BitmapObject* ImageListObject::Image() const { return FindObject<BitmapObject>(image_); }
BitmapObject* ImageListObject::Mask() const { return mask_ ? FindObject<BitmapObject>(mask_) : nullptr; }

HBITMAP ImageListObject::NewImageBitmap(int width) const {
  switch (flags_ & 0xFE) {
    case 0x20: return NewBitmap(width, cy_, 32, true, true);
    case 0x18:
    case 0x10: return NewBitmap(width, cy_, 24, true, true);
    case 0x08: return NewBitmap(width, cy_, 8, true, true);
    case 0x04: return NewBitmap(width, cy_, 4, true, true);
    default: return NewBitmap(width, cy_, 32, false, true);   // ILC_COLOR, ILC_COLORDDB: like the display
  }
}

namespace {

void CopyPixels(const PixelSurface& from, PixelSurface& to, int width) {
  std::vector<Pixel> row(static_cast<std::size_t>(width));
  for (int y = 0; y < std::min(from.Height(), to.Height()); ++y) {
    from.ReadSpan(y, 0, width, row.data());
    to.WriteSpan(y, 0, width, row.data());
  }
}

}  // namespace

bool ImageListObject::Reserve(int count) {
  if (count <= capacity_ && image_) return true;
  const int capacity = std::max(count, capacity_ + grow_);
  HBITMAP image = NewImageBitmap(capacity * cx_);
  HBITMAP mask = HasMask() ? NewBitmap(capacity * cx_, cy_, 1, false, true) : nullptr;
  if (!image || (HasMask() && !mask)) {
    if (image) DeleteObject(image);
    if (mask) DeleteObject(mask);
    return false;
  }
  if (image_) {
    CopyPixels(Image()->Surface(), FindObject<BitmapObject>(image)->Surface(), count_ * cx_);
    DeleteObject(image_);
  }
  if (mask_) {
    CopyPixels(Mask()->Surface(), FindObject<BitmapObject>(mask)->Surface(), count_ * cx_);
    DeleteObject(mask_);
  }
  image_ = image;
  mask_ = mask;
  capacity_ = capacity;
  return true;
}

void ImageListObject::SetCount(int count) {
  if (count > count_) {
    const std::vector<Pixel> black(std::size_t(cx_), 0);
    for (int i = count_; i < count; ++i)
      for (int y = 0; y < cy_; ++y) {
        Image()->Surface().WriteSpan(y, i * cx_, cx_, black.data());
        if (mask_) Mask()->Surface().WriteSpan(y, i * cx_, cx_, black.data());
      }
  }
  count_ = count;
}

void ImageListObject::Reset(int cx, int cy) {
  if (image_) DeleteObject(image_);
  if (mask_) DeleteObject(mask_);
  image_ = mask_ = nullptr;
  cx_ = cx;
  cy_ = cy;
  count_ = capacity_ = 0;
}

void ImageListObject::CopyImage(int from, int to) {
  std::vector<Pixel> row(static_cast<std::size_t>(cx_));
  for (BitmapObject* b : {Image(), Mask()}) {
    if (!b) continue;
    for (int y = 0; y < cy_; ++y) {
      b->Surface().ReadSpan(y, from * cx_, cx_, row.data());
      b->Surface().WriteSpan(y, to * cx_, cx_, row.data());
    }
  }
}

bool ImageListObject::HasAlpha(int i) const {
  const BitmapObject* b = Image();
  if (!b || b->BitsPerPixel() != 32) return false;
  for (int y = 0; y < cy_; ++y)
    for (int x = i * cx_; x < (i + 1) * cx_; ++x)
      if (b->Surface().Row32(y)[x] >> 24) return true;
  return false;
}

}  // namespace gdi
