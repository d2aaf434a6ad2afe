// Glyph rendering into spans; see glyph_cache.h.
#include "platform/gdi/glyph_cache.h"

#include <cairo.h>

#include <cmath>

#include "platform/gdi/realized_font.h"

namespace gdi {
namespace {

constexpr int kMargin = 2;   // hinting may put ink a little outside the reported extents
constexpr int kInkThreshold = 128;

void AppendSpans(const unsigned char* row, int width, int y, int left, GlyphMask& mask) {
  for (int x = 0; x < width;) {
    if (row[x] < kInkThreshold) {
      ++x;
      continue;
    }
    const int start = x;
    while (x < width && row[x] >= kInkThreshold) ++x;
    mask.spans.push_back({y, left + start, left + x});
    mask.box = mask.box.Right > mask.box.Left
                   ? TRect{std::min<LONG>(mask.box.Left, left + start), mask.box.Top,
                           std::max<LONG>(mask.box.Right, left + x), y + 1}
                   : TRect{left + start, y, left + x, y + 1};
  }
}

}  // namespace

const GlyphMask& GlyphCache::Mask(int face, std::uint32_t glyph) {
  const std::uint64_t key = std::uint64_t(face) << 32 | glyph;
  auto it = masks_.find(key);
  if (it == masks_.end()) it = masks_.emplace(key, Render(face, glyph)).first;
  return it->second;
}

GlyphMask GlyphCache::Render(int face, std::uint32_t glyph) const {
  GlyphMask mask;
  cairo_scaled_font_t* font = font_.Face(face).draw;
  cairo_glyph_t g{glyph, 0, 0};
  cairo_text_extents_t e;
  cairo_scaled_font_glyph_extents(font, &g, 1, &e);
  if (e.width <= 0 || e.height <= 0) return mask;
  const int left = int(std::floor(e.x_bearing)) - kMargin, top = int(std::floor(e.y_bearing)) - kMargin;
  const int width = int(std::ceil(e.x_bearing + e.width)) + kMargin - left;
  const int height = int(std::ceil(e.y_bearing + e.height)) + kMargin - top;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, width, height);
  cairo_t* cr = cairo_create(surface);
  cairo_set_scaled_font(cr, font);
  g.x = -left;
  g.y = -top;
  cairo_show_glyphs(cr, &g, 1);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  if (data && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS)
    for (int y = 0; y < height; ++y) AppendSpans(data + std::ptrdiff_t(y) * stride, width, top + y, left, mask);
  cairo_surface_destroy(surface);
  return mask;
}

}  // namespace gdi
