// Glyph rendering into spans; see glyph_cache.h.
#include "platform/gdi/glyph_cache.h"

#include <cairo.h>

#include <cmath>
#include <numbers>

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

// Pixels a glyph of a fitted face moves right so that its ink, starting left of its origin, starts
// at it: only for a glyph that merely leans back (less than a quarter of its ink width left of the
// origin: sara ai maimalai's curl), never for one made to reach over the character before it
// (sara am's nikhahit) nor for a combining mark (no advance).
int ShiftIntoAdvance(cairo_scaled_font_t* measure, std::uint32_t glyph) {
  cairo_glyph_t g{glyph, 0, 0};
  cairo_text_extents_t e;
  cairo_scaled_font_glyph_extents(measure, &g, 1, &e);
  const int left = int(std::floor(e.x_bearing)), right = int(std::ceil(e.x_bearing + e.width));
  const bool leansBack = left < 0 && -left * 4 < right - left && e.x_advance > 0;
  return leansBack ? -left : 0;
}

}  // namespace

const GlyphMask& GlyphCache::Mask(int face, std::uint32_t glyph) {
  const std::uint64_t key = std::uint64_t(face) << 32 | glyph;
  auto it = masks_.find(key);
  if (it == masks_.end()) it = masks_.emplace(key, Render(face, glyph)).first;
  return it->second;
}

GlyphMask RenderGlyph(cairo_scaled_font_t* font, std::uint32_t glyph) {
  GlyphMask mask;
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

GlyphMask GlyphCache::Render(int face, std::uint32_t glyph) const {
  const FontFace& f = font_.Face(face);
  GlyphMask mask = RenderGlyph(f.draw, glyph);
  if (mask.box.Right <= mask.box.Left) return mask;
  if (f.emboldened) {
    for (Span& span : mask.spans) ++span.x1;
    ++mask.box.Right;
  }
  const int along = f.fitted ? ShiftIntoAdvance(f.measure, glyph) : 0;
  if (along == 0 && f.raise == 0) return mask;
  // The offset (along the baseline, up from it) turned by the escapement like the glyph.
  const double angle = font_.Escapement() * std::numbers::pi / 1800.0;
  const double c = std::cos(angle), s = std::sin(angle);
  const int dx = int(std::lround(along * c - f.raise * s)), dy = int(std::lround(-along * s - f.raise * c));
  for (Span& span : mask.spans) {
    span.y += dy;
    span.x0 += dx;
    span.x1 += dx;
  }
  mask.box = TRect{mask.box.Left + dx, mask.box.Top + dy, mask.box.Right + dx, mask.box.Bottom + dy};
  return mask;
}

}  // namespace gdi
