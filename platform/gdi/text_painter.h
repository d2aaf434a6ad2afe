// Painting laid-out text on a device context: glyphs, the background box, and bars (underline,
// strike-out, accelerator underline), all in the font's escapement.
//
// Geometry: the painter works in the text's own frame, x along the baseline direction and y down
// across it, with (0, 0) the top-left corner of the text's cell box (tmHeight high, the run's
// width wide; the baseline is at y = tmAscent).  The frame's origin sits on the logical reference
// point plus an offset (the alignment), and turns about it by the escapement; frame points land
// on the nearest pixel.  Without escapement everything is integer.
//
// Pixels: text ignores the binary mix (SetROP2) and copies its colours.  Glyph pixels are the
// glyph masks' (glyph_cache.h); boxes and bars cover the pixels whose centres are inside them
// (polygon_fill.h).  Everything is limited to the context's clip and, when given, to a clip
// rectangle in logical coordinates (ExtTextOut's ETO_CLIPPED, DrawText's rectangle).
#pragma once

#include <string_view>
#include <vector>

#include "platform/gdi/gdi_types.h"
#include "platform/gdi/pixel_surface.h"
#include "platform/gdi/region_data.h"

namespace gdi {

class DeviceContext;
class RealizedFont;

class TextPainter {
 public:
  // reference: logical point the frame hangs on; offset: frame origin relative to it (frame units).
  TextPainter(DeviceContext& dc, RealizedFont& font, TPoint reference, TPoint offset, const TRect* clip);

  // Fills the frame rectangle (left, top) .. (right, bottom).
  void FillBox(int left, int top, int right, int bottom, COLORREF color);
  // Draws each character of text at its offset x[i] along the baseline.
  void DrawGlyphs(std::u16string_view text, const std::vector<int>& x, COLORREF color);
  // The logical point `distance` units from `from` along the baseline direction.
  TPoint Along(TPoint from, int distance) const;

 private:
  TPoint FramePoint(double x, double y) const;   // surface coordinates
  void PaintSpans(const std::vector<Span>& spans, TRect box, TPoint at, Pixel pixel);
  void DrawCluster(std::u16string_view cluster, int x, Pixel pixel);

  DeviceContext& dc_;
  RealizedFont& font_;
  double originX_, originY_;   // surface coordinates of the frame origin
  double cos_ = 1, sin_ = 0;
  bool upright_ = true;
  std::vector<TRect> clip_;    // surface rectangles drawing may touch
  int ascent_;
};

}  // namespace gdi
