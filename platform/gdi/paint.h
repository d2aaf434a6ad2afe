// Painting pixel sets of a device context's target with a colour or a brush pattern through a
// raster operation, limited to the context's effective clip.
//
// A PaintSource holds values already fitted to the target's format (the nearest colour on a
// monochrome or palette bitmap), so bitwise operations give what the platform gives there.
// Patterns repeat from the brush origin: pattern pixel (0, 0) lies on every surface pixel
// (origin.X + i * width, origin.Y + j * height).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/gdi_types.h"
#include "platform/gdi/pixel_surface.h"
#include "platform/gdi/region_data.h"

namespace gdi {

class DeviceContext;
class BrushObject;
class PenObject;

struct PaintSource {
  bool none = false;     // a null brush or pen: nothing is painted
  Pixel solid = 0;
  int width = 0;         // > 0: a pattern of width x height values
  int height = 0;
  std::vector<Pixel> values;
  std::vector<std::uint8_t> opaque;   // empty, or 0 where a transparent hatch leaves the pixel
  TPoint origin;         // surface coordinates of pattern pixel (0, 0)
};

// A solid colour (COLORREF, PALETTEINDEX or PALETTERGB) fitted to the context's target.
PaintSource ColorPaint(const DeviceContext& dc, COLORREF color);
// The brush as the context paints it (text, background colour and mode, brush origin).
PaintSource BrushPaint(const DeviceContext& dc, const BrushObject* brush);
// The colour a pen paints with (DC_PEN reads the context's pen colour).
COLORREF PenColor(const DeviceContext& dc, const PenObject* pen);
// COLORREF as the context maps it: palette indexes through the selected palette.
COLORREF ResolveColor(const DeviceContext& dc, COLORREF color);

// The pattern values of surface row y, columns x .. x + n - 1, and (for transparent hatches) which
// of them paint; returns nullptr for a solid source.
const Pixel* PatternRow(const PaintSource& paint, int y, int x, int n, std::vector<Pixel>& values,
                        std::vector<std::uint8_t>& opaque, const std::uint8_t** mask);

// Paints the pixels (surface coordinates) that lie inside the effective clip.
void PaintPixels(DeviceContext& dc, const RegionData& pixels, const PaintSource& paint, std::uint8_t rop3);
void PaintRect(DeviceContext& dc, const TRect& surfaceRect, const PaintSource& paint, std::uint8_t rop3);

// The binary mix of the context as a ternary truth table.
std::uint8_t MixRop(const DeviceContext& dc);

}  // namespace gdi
