// Surface device contexts and access to surface pixels; see surface_dc.h.
#include "platform/gdi/surface_dc.h"

#include <cairo.h>

#include <memory>

#include "platform/gdi/bitmap_object.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/region_object.h"

namespace gdi {

HDC CreateSurfaceDC(HBITMAP surface, TPoint origin) {
  BitmapObject* bitmap = FindObject<BitmapObject>(surface);
  if (!bitmap) return nullptr;
  auto dc = std::make_unique<DeviceContext>(DeviceContext::Type::Surface, ScreenCaps());
  dc->SetSurface(bitmap, origin, std::nullopt);
  return AddObject<HDC>(std::move(dc));
}

BOOL SetSurfaceDCPlacement(HDC dc, TPoint origin, HRGN visible) {
  DeviceContext* c = FindDC(dc);
  if (!c || c->GetType() != DeviceContext::Type::Surface) return 0;
  std::optional<RegionData> area;
  if (visible) {
    const RegionObject* r = FindObject<RegionObject>(visible);
    if (!r) return 0;
    area = r->Data();
  }
  c->SetSurface(c->Target(), origin, std::move(area));
  return 1;
}

cairo_surface_t* CairoSurfaceOf(HBITMAP bitmap) {
  BitmapObject* b = FindObject<BitmapObject>(bitmap);
  cairo_surface_t* s = b ? b->Surface().Cairo() : nullptr;
  if (s) cairo_surface_mark_dirty(s);
  return s;
}

bool WriteBitmapPng(HBITMAP bitmap, const std::string& path) {
  const BitmapObject* b = FindObject<BitmapObject>(bitmap);
  if (!b) return false;
  const PixelSurface& from = b->Surface();
  cairo_surface_t* png = cairo_image_surface_create(CAIRO_FORMAT_RGB24, from.Width(), from.Height());
  if (cairo_surface_status(png) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(png);
    return false;
  }
  cairo_surface_flush(png);
  unsigned char* data = cairo_image_surface_get_data(png);
  const int stride = cairo_image_surface_get_stride(png);
  for (int y = 0; y < from.Height(); ++y)
    from.ReadSpan(y, 0, from.Width(), reinterpret_cast<Pixel*>(data + std::size_t(y) * std::size_t(stride)));
  cairo_surface_mark_dirty(png);
  const bool ok = cairo_surface_write_to_png(png, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(png);
  return ok;
}

}  // namespace gdi
