// 32-bit pixels as the control library's bitmap code handles them: blue in the lowest byte, then
// green, red and alpha (the layout of a 32-bit BI_RGB DIB), read and written a whole bitmap at a
// time, and the blend of one pixel over another.
//
// Rounding: channels round to the nearest integer with halves to the even neighbour, 255 and above
// giving 255.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/gdi_types.h"
#include "platform/ui/colors.h"

class TBitmap;

using TRGBColors = std::vector<std::uint32_t>;

// The colour (system colours resolved) as a pixel with that alpha.
std::uint32_t ColorToPixel(TColor Color, Byte Alpha);
// A 40-byte header: 1 plane, 32 bits, BI_RGB; negative height for top-down rows.
BITMAPINFO InitDibHeader(Integer Width, Integer Height, bool TopDown);
// The bitmap's pixels (rows bottom-up unless TopDown), through the shared screen canvas's context.
TRGBColors ReadBitmapPixels(TBitmap* Bitmap, bool TopDown);
void WriteBitmapPixels(TBitmap* Bitmap, const TRGBColors& Pixels, bool TopDown);

// 255 for 255 and above, else the nearest integer, halves to even.
Byte RoundChannel(double Value);
// Source over Destination at the constant Alpha: with c = Alpha / 255 and d = c * source alpha,
// each colour channel becomes c * source + destination * (1 - d / 255) and the alpha
// d + alpha * (1 - d / 255).
void BlendPixel(std::uint32_t Source, std::uint32_t& Destination, Byte Alpha);
