#include "platform/user/window_capture.h"

#include <algorithm>

#include "platform/gdi/bitmap_object.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/pixel_surface.h"
#include "platform/gdi/surface_dc.h"
#include "platform/user/visible_region.h"
#include "platform/user/window_links.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_surface.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

// The surface holding a window's pixels and the window's corner on it.
const WindowSurface* SurfaceOf(HWND hwnd, TPoint& corner) {
  Window* w = W(hwnd);
  if (w == nullptr || w->parent == nullptr) return nullptr;
  Window* top = TopLevelOf(w);
  corner = SurfaceOrigin(w, true);
  return top->surface.get();
}

}  // namespace

bool SaveWindowPng(HWND hwnd, const std::string& path) {
  TPoint corner;
  const WindowSurface* surface = SurfaceOf(hwnd, corner);
  if (surface == nullptr) return false;
  const Window* w = W(hwnd);
  const int width = w->rect.Width(), height = w->rect.Height();
  HBITMAP copy = gdi::NewBitmap(std::max(width, 1), std::max(height, 1), 32, true, true);
  gdi::BitmapObject* to = gdi::FindObject<gdi::BitmapObject>(copy);
  const gdi::BitmapObject* from = surface->Object();
  if (to == nullptr || from == nullptr) return false;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const int sx = corner.X + x, sy = corner.Y + y;
      if (sx >= 0 && sy >= 0 && sx < from->Width() && sy < from->Height())
        to->Surface().Row32(y)[x] = from->Surface().Row32(sy)[sx];
    }
  const bool written = gdi::WriteBitmapPng(copy, path);
  DeleteObject(copy);
  return written;
}

COLORREF WindowPixel(HWND hwnd, int x, int y) {
  TPoint corner;
  const WindowSurface* surface = SurfaceOf(hwnd, corner);
  const Window* w = W(hwnd);
  if (surface == nullptr || x < 0 || y < 0 || x >= w->rect.Width() || y >= w->rect.Height()) return CLR_INVALID;
  return surface->Pixel(corner.X + x, corner.Y + y);
}

COLORREF ClientPixel(HWND hwnd, int x, int y) {
  const Window* w = W(hwnd);
  if (w == nullptr) return CLR_INVALID;
  return WindowPixel(hwnd, x + w->client.Left - w->rect.Left, y + w->client.Top - w->rect.Top);
}

}  // namespace user
