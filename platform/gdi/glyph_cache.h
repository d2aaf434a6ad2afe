// The pixels of each glyph a realized font draws, rendered once and kept as runs.
//
// A glyph is rendered by cairo without antialiasing into an 8-bit mask with its origin on a whole
// pixel; pixels at or above half coverage are ink (with antialiasing off they are all 0 or 255).
// The ink is kept as horizontal spans relative to the glyph's origin on the baseline, already in
// the font's escapement, raised as its face is (a fallback face fitted into the font's cell) and
// widened by a pixel for a simulated bold, so drawing a glyph is copying its spans at an integer
// position.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/gdi/geometry.h"
#include "platform/gdi/region_data.h"

typedef struct _cairo_scaled_font cairo_scaled_font_t;

namespace gdi {

class RealizedFont;

struct GlyphMask {
  std::vector<Span> spans;   // relative to the origin; y grows downward
  TRect box;                 // bounds of the spans (empty for blank glyphs)
};

// The ink of one glyph of a cairo font, its origin on the baseline at (0, 0).
GlyphMask RenderGlyph(cairo_scaled_font_t* font, std::uint32_t glyph);

class GlyphCache {
 public:
  explicit GlyphCache(RealizedFont& font) : font_(font) {}
  const GlyphMask& Mask(int face, std::uint32_t glyph);

 private:
  GlyphMask Render(int face, std::uint32_t glyph) const;

  RealizedFont& font_;
  std::unordered_map<std::uint64_t, GlyphMask> masks_;
};

}  // namespace gdi
