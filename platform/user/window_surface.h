// The pixels of one top-level window: a 32-bit top-down bitmap of the window's size, in window
// coordinates ((0, 0) is the corner of the window rectangle).  Child windows draw into their
// top-level window's surface, clipped to where they show.  Resizing keeps the pixels that still
// fit; new pixels start black with alpha 0 until painted.
#pragma once

#include "platform/gdi/gdi_types.h"

namespace gdi {
class BitmapObject;
}

namespace user {

class WindowSurface {
 public:
  WindowSurface(int width, int height);
  ~WindowSurface();
  WindowSurface(const WindowSurface&) = delete;
  WindowSurface& operator=(const WindowSurface&) = delete;

  // Makes the surface `width` x `height`, keeping the overlapping pixels.
  void Resize(int width, int height);
  HBITMAP Bitmap() const { return bitmap_; }
  gdi::BitmapObject* Object() const;
  int Width() const { return width_; }
  int Height() const { return height_; }
  // 0x00RRGGBB of one pixel (tests and backends); 0 outside.
  COLORREF Pixel(int x, int y) const;

 private:
  HBITMAP bitmap_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace user
