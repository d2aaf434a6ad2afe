#include "platform/user/window_surface.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/bitmap_object.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/pixel_surface.h"

namespace user {

namespace {
HBITMAP NewSurfaceBitmap(int width, int height) {
  return gdi::NewBitmap(std::max(width, 1), std::max(height, 1), 32, true, true);
}
}  // namespace

WindowSurface::WindowSurface(int width, int height)
    : bitmap_(NewSurfaceBitmap(width, height)), width_(width), height_(height) {}

WindowSurface::~WindowSurface() {
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
}

gdi::BitmapObject* WindowSurface::Object() const { return gdi::FindObject<gdi::BitmapObject>(bitmap_); }

void WindowSurface::Resize(int width, int height) {
  if (width == width_ && height == height_) return;
  HBITMAP next = NewSurfaceBitmap(width, height);
  gdi::BitmapObject* from = Object();
  gdi::BitmapObject* to = gdi::FindObject<gdi::BitmapObject>(next);
  if (from != nullptr && to != nullptr) {
    const int w = std::min(from->Width(), to->Width()), h = std::min(from->Height(), to->Height());
    for (int y = 0; y < h; ++y) std::memcpy(to->Surface().Row32(y), from->Surface().Row32(y), std::size_t(w) * 4);
  }
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  bitmap_ = next;
  width_ = width;
  height_ = height;
}

COLORREF WindowSurface::Pixel(int x, int y) const {
  const gdi::BitmapObject* b = Object();
  if (b == nullptr || x < 0 || y < 0 || x >= std::min(width_, b->Width()) || y >= std::min(height_, b->Height()))
    return 0;
  return gdi::PixelToColorRef(b->Surface().Row32(y)[x] & 0xFFFFFF);
}

}  // namespace user
