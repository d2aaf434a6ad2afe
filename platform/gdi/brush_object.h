// A brush: solid, null, hatched, or a pattern.  Patterns are copied at creation (the bitmap the
// brush was made from may be deleted afterwards).  A pattern made from a monochrome device bitmap
// keeps bits: 0 paints in the device context's text colour and 1 in its background colour, as a
// monochrome source does in a colour blit.  Any other pattern keeps its colours.  Hatches draw
// their lines in the brush colour and, in OPAQUE background mode, the rest in the background
// colour.  Immutable after creation, except the colour of the system-colour brushes and of solid
// brushes given a new one by SetSolidBrushColor.
#pragma once

#include <atomic>
#include <vector>

#include "platform/gdi/gdi_object.h"
#include "platform/gdi/gdi_types.h"
#include "platform/gdi/pixel_surface.h"

namespace gdi {

class BrushObject : public GdiObject {
 public:
  static constexpr ObjectKind kKind = ObjectKind::Brush;

  BrushObject(UINT style, COLORREF color, ULONG_PTR hatch) : style_(style), color_(color), hatch_(hatch) {}

  ObjectKind Kind() const override { return kKind; }
  int GetObjectData(int size, void* out, bool wide) const override;

  UINT Style() const { return style_; }
  COLORREF Color() const { return color_.load(std::memory_order_relaxed); }
  void SetColor(COLORREF c) { color_.store(c, std::memory_order_relaxed); }
  int Hatch() const { return int(hatch_); }
  bool IsNull() const { return style_ == 1; }

  // Pattern brushes.
  int PatternWidth() const { return patternWidth_; }
  int PatternHeight() const { return patternHeight_; }
  bool MonochromePattern() const { return monochrome_; }
  // Colour patterns: one pixel value per pattern pixel, rows top-down.
  const std::vector<Pixel>& PatternPixels() const { return pixels_; }
  // Monochrome patterns: one 0/1 value per pattern pixel.
  const std::vector<std::uint8_t>& PatternBits() const { return bits_; }
  void SetColorPattern(int width, int height, std::vector<Pixel> pixels);
  void SetMonochromePattern(int width, int height, std::vector<std::uint8_t> bits);

 private:
  UINT style_;
  std::atomic<COLORREF> color_;
  ULONG_PTR hatch_;
  int patternWidth_ = 0;
  int patternHeight_ = 0;
  bool monochrome_ = false;
  std::vector<Pixel> pixels_;
  std::vector<std::uint8_t> bits_;
};

// The 8 x 8 pattern of a hatch style: 1 where the hatch line is.  Row y, column x.
bool HatchBit(int hatchStyle, int x, int y);

}  // namespace gdi
