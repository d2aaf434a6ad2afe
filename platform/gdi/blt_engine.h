// The pixel engine behind BitBlt, StretchBlt, PatBlt, StretchDIBits and their relatives.
//
// A blit maps each destination pixel to the source pixels it covers, computes the source value
// in the destination's terms, and combines source, brush pattern and destination through a
// ternary raster operation.  Source values:
// - into a monochrome target, a colour source gives white where it equals the source context's
//   background colour and black elsewhere (a 1-bit source keeps its bits);
// - from a monochrome device bitmap onto colour, 0 becomes the destination's text colour and 1
//   its background colour;
// - otherwise the pixel value itself, alpha included (32-bit SRCCOPY keeps the alpha byte).
// Stretching (mirrored when the two widths or heights differ in sign) follows the stretch mode:
// COLORONCOLOR gives destination pixel i of n the source pixel i * m / n (rounded down) of m, so
// shrinking keeps the first pixel of each run it drops; BLACKONWHITE and
// WHITEONBLACK, when shrinking, AND or OR all source pixels that fall onto one destination pixel;
// HALFTONE averages the source area under each destination pixel, weighted by exact overlap.
// Destination pixels whose source lies outside the source image are left alone.  A source that
// overlaps its destination on the same surface is copied first.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "platform/gdi/gdi_types.h"
#include "platform/gdi/pixel_surface.h"

namespace gdi {

class BitmapObject;
class DeviceContext;
class DibFormat;

struct BltSource {
  int width = 0;    // the source image
  int height = 0;
  // Row y, columns x .. x + n - 1 of the image, already converted for the destination.
  std::function<void(int y, int x, int n, Pixel* out)> read;
  std::shared_ptr<PixelSurface> snapshot;   // keeps a copied source alive
};

// A source context's target as seen from the destination context; nullopt when it has no pixels.
std::optional<BltSource> SourceFromDC(DeviceContext& source, DeviceContext& destination);
// A bitmap as the source of a blit onto the destination context (the source context's background
// colour, used for colour-to-monochrome blits, taken as `background`).
BltSource SourceFromBitmap(BitmapObject& bitmap, DeviceContext& destination, COLORREF background);
// DIB rows as a source (already in pixel values; a monochrome target still gets nearest colours).
BltSource SourceFromDib(const DibFormat& format, const void* bits);

// Destination and source rectangles are (x, y, width, height) in surface / source-image
// coordinates; negative extents mirror.  src == nullptr for operations without a source.
void Blit(DeviceContext& dst, int dx, int dy, int dw, int dh, const BltSource* src, int sx, int sy, int sw, int sh,
          std::uint8_t rop, int stretchMode);

// The mapping and clipping of Blit with a custom combination: `op` receives each clipped run of a
// destination row (surface row y, columns x .. x + n - 1), the source values under it (nullptr
// without a source), which of them exist (nonzero; nullptr when all do) and the destination pixels
// to change in place.
using RowOp = std::function<void(int y, int x, int n, const Pixel* s, const std::uint8_t* valid, Pixel* d)>;
void BlitRows(DeviceContext& dst, int dx, int dy, int dw, int dh, const BltSource* src, int sx, int sy, int sw, int sh,
              int stretchMode, const RowOp& op);

}  // namespace gdi
