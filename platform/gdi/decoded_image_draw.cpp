// Decoded pictures blended into device contexts; see decoded_image_draw.h.
#include "platform/gdi/decoded_image_draw.h"

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/blt.h"
#include "platform/gdi/clip.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"

namespace gdi {

namespace {

std::uint32_t Premultiplied(std::uint32_t p) {
  const std::uint32_t a = p >> 24;
  auto scale = [a](std::uint32_t c) { return (c * a + 127) / 255; };
  return (a << 24) | scale((p >> 16) & 0xFF) << 16 | scale((p >> 8) & 0xFF) << 8 | scale(p & 0xFF);
}

// A 32-bit top-down DIB section selected into a memory context for the guard's life.
class PremultipliedSource {
 public:
  PremultipliedSource(int width, int height) : width_(width) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    dc_ = CreateCompatibleDC(nullptr);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~PremultipliedSource() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  PremultipliedSource(const PremultipliedSource&) = delete;
  PremultipliedSource& operator=(const PremultipliedSource&) = delete;

  explicit operator bool() const { return bits_ != nullptr; }
  HDC Dc() const { return dc_; }
  std::uint32_t* Bits() const { return bits_; }
  int Stride() const { return width_ * 4; }

 private:
  int width_;
  HBITMAP bitmap_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

BOOL DrawNearest(HDC dc, const TRect& rect, const DecodedImage& image) {
  PremultipliedSource source(image.width, image.height);
  if (!source) return 0;
  std::transform(image.pixels.begin(), image.pixels.end(), source.Bits(), Premultiplied);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  return AlphaBlend(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), source.Dc(), 0, 0, image.width,
                    image.height, blend);
}

// Renders the visible part of the stretched picture with cairo, then blends it 1:1.
BOOL DrawSmooth(HDC dc, const TRect& rect, const DecodedImage& image) {
  TRect box{};
  GetClipBox(dc, &box);
  const TRect visible{std::max(rect.Left, box.Left), std::max(rect.Top, box.Top), std::min(rect.Right, box.Right),
                      std::min(rect.Bottom, box.Bottom)};
  if (visible.Right <= visible.Left || visible.Bottom <= visible.Top) return 1;

  std::vector<std::uint32_t> pixels(image.pixels.size());
  std::transform(image.pixels.begin(), image.pixels.end(), pixels.begin(), Premultiplied);
  cairo_surface_t* picture = cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(pixels.data()), CAIRO_FORMAT_ARGB32, image.width, image.height, image.width * 4);
  PremultipliedSource target(visible.Width(), visible.Height());
  if (!target) {
    cairo_surface_destroy(picture);
    return 0;
  }
  cairo_surface_t* surface = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(target.Bits()),
                                                                 CAIRO_FORMAT_ARGB32, visible.Width(),
                                                                 visible.Height(), target.Stride());
  cairo_t* cr = cairo_create(surface);
  cairo_translate(cr, rect.Left - visible.Left, rect.Top - visible.Top);
  cairo_scale(cr, double(rect.Width()) / image.width, double(rect.Height()) / image.height);
  cairo_set_source_surface(cr, picture, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
  cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
  cairo_rectangle(cr, 0, 0, image.width, image.height);
  cairo_fill(cr);
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  cairo_surface_destroy(picture);

  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  return AlphaBlend(dc, visible.Left, visible.Top, visible.Width(), visible.Height(), target.Dc(), 0, 0,
                    visible.Width(), visible.Height(), blend);
}

}  // namespace

BOOL DrawDecodedImage(HDC dc, const TRect& rect, const DecodedImage& image, ImageScaling scaling) {
  if (image.width <= 0 || image.height <= 0 || rect.Right <= rect.Left || rect.Bottom <= rect.Top) return 0;
  return scaling == ImageScaling::Smooth ? DrawSmooth(dc, rect, image) : DrawNearest(dc, rect, image);
}

}  // namespace gdi
