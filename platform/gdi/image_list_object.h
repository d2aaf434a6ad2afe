// The object behind an image list handle: the image and mask bitmaps (image i at column i * cx),
// the image count and capacity, the background colour and the overlay table.  See image_list.h.
#pragma once

#include <array>

#include "platform/gdi/gdi_object.h"
#include "platform/gdi/gdi_types.h"

namespace gdi {

class BitmapObject;

class ImageListObject : public GdiObject {
 public:
  static constexpr ObjectKind kKind = ObjectKind::ImageList;
  ImageListObject(int cx, int cy, UINT flags, int grow);
  ~ImageListObject() override;
  ObjectKind Kind() const override { return kKind; }

  int Cx() const { return cx_; }
  int Cy() const { return cy_; }
  UINT Flags() const { return flags_; }
  int Count() const { return count_; }
  int Grow() const { return grow_; }
  bool HasMask() const { return (flags_ & 0x0001) != 0; }
  HBITMAP ImageHandle() const { return image_; }
  HBITMAP MaskHandle() const { return mask_; }
  BitmapObject* Image() const;
  BitmapObject* Mask() const;   // nullptr without ILC_MASK

  // Makes room for `count` images (keeping the existing ones); false when memory is short.
  bool Reserve(int count);
  // Sets the count (new images are black and opaque), keeping the storage.
  void SetCount(int count);
  // Drops every image and takes a new size.
  void Reset(int cx, int cy);
  // Copies image `from` onto image `to` (both already counted).
  void CopyImage(int from, int to);
  // Whether image i has any nonzero alpha byte (32-bit lists only).
  bool HasAlpha(int i) const;

  COLORREF Background() const { return background_; }
  void SetBackground(COLORREF c) { background_ = c; }
  int Overlay(int n) const { return n >= 1 && n <= 15 ? overlays_[std::size_t(n - 1)] : -1; }
  void SetOverlay(int n, int image) { overlays_[std::size_t(n - 1)] = image; }

 private:
  HBITMAP NewImageBitmap(int width) const;
  int cx_, cy_;
  UINT flags_;
  int grow_;
  int count_ = 0;
  int capacity_ = 0;
  HBITMAP image_ = nullptr;
  HBITMAP mask_ = nullptr;
  COLORREF background_ = 0xFFFFFFFF;   // CLR_NONE
  std::array<int, 15> overlays_;
};

}  // namespace gdi
