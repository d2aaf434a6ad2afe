// Drawing a decoded picture (decoded_image.h: straight alpha) into a rectangle of a device
// context, blended over what is there by its own alpha: how picture classes show PNGs, icons, GIF
// transparency and the pictures of the GDI+ layer.
//
// Nearest scaling follows AlphaBlend (COLORONCOLOR: each target pixel takes one source pixel), so a
// picture drawn at its own size is copied pixel for pixel.  Smooth scaling is the antialiased
// drawing of the GDI+ layer: cairo's bilinear filter with the picture's edge pixels extended, so
// a stretched picture has no faded border.  Only the part of the rectangle inside the context's
// clip box is computed, so a huge target rectangle costs no more than the visible part.
#pragma once

#include "platform/gdi/decoded_image.h"
#include "platform/gdi/gdi_types.h"

namespace gdi {

enum class ImageScaling { Nearest, Smooth };

// FALSE for an invalid context, an empty picture or an empty rectangle.
BOOL DrawDecodedImage(HDC dc, const TRect& rect, const DecodedImage& image, ImageScaling scaling);

}  // namespace gdi
