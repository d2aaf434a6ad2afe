#include "controls/foundation/kx_pixels.h"

#include <cmath>

#include "controls/foundation/kx_screen_canvas.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/ui/bitmap.h"

namespace {

Byte ChannelOf(std::uint32_t Pixel, int Shift) { return Byte(Pixel >> Shift); }

}  // namespace

std::uint32_t ColorToPixel(TColor Color, Byte Alpha) {
  const COLORREF rgb = ColorToRGB(Color);
  return std::uint32_t(Alpha) << 24 | std::uint32_t(GetRValue(rgb)) << 16 | std::uint32_t(GetGValue(rgb)) << 8 |
         GetBValue(rgb);
}

BITMAPINFO InitDibHeader(Integer Width, Integer Height, bool TopDown) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), Width, TopDown ? -Height : Height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  return info;
}

TRGBColors ReadBitmapPixels(TBitmap* Bitmap, bool TopDown) {
  TRGBColors pixels(std::size_t(Bitmap->Width()) * std::size_t(Bitmap->Height()));
  BITMAPINFO info = InitDibHeader(Bitmap->Width(), Bitmap->Height(), TopDown);
  GetDIBits(GetSharedScreenCanvas()->GetHandle(), Bitmap->Handle(), 0, UINT(Bitmap->Height()), pixels.data(), &info,
            DIB_RGB_COLORS);
  return pixels;
}

void WriteBitmapPixels(TBitmap* Bitmap, const TRGBColors& Pixels, bool TopDown) {
  BITMAPINFO info = InitDibHeader(Bitmap->Width(), Bitmap->Height(), TopDown);
  SetDIBits(GetSharedScreenCanvas()->GetHandle(), Bitmap->Handle(), 0, UINT(Bitmap->Height()), Pixels.data(), &info,
            DIB_RGB_COLORS);
}

Byte RoundChannel(double Value) {
  if (Value >= 255) return 255;
  return Byte(std::nearbyint(Value));   // the default rounding mode: halves to even
}

void BlendPixel(std::uint32_t Source, std::uint32_t& Destination, Byte Alpha) {
  const double c = Alpha / 255.0;
  const double d = c * ChannelOf(Source, 24);
  const double keep = 1 - d / 255;
  std::uint32_t result = std::uint32_t(RoundChannel(d + ChannelOf(Destination, 24) * keep)) << 24;
  for (int shift : {0, 8, 16})
    result |= std::uint32_t(RoundChannel(c * ChannelOf(Source, shift) + ChannelOf(Destination, shift) * keep)) << shift;
  Destination = result;
}
