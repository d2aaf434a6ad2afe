// The form every image decoder of this layer produces and every encoder consumes: a plain pixel
// buffer independent of device contexts, which bitmaps, icons, pictures and the DIB functions
// convert from and to.
//
// Pixels are 32-bit values 0xAARRGGBB (blue, green, red, alpha bytes in memory on this little-endian
// platform), straight (not premultiplied) alpha, rows top-down with no padding: pixel (x, y) is
// pixels[y * width + x].  Invariant of every successful decode: width and height are positive and
// within the limits, pixels.size() == width * height, and when `indices` is not empty it has the
// same size and every pixel's red, green and blue are those of the palette entry its index selects
// (black for an index beyond the palette).
#pragma once

#include <cstdint>
#include <vector>

namespace gdi {

// Caps a decoder applies before allocating anything that depends on the size the file claims.
// A side of at most 32767 pixels is what the drawing surfaces accept; the pixel count (all frames
// of an animation together) bounds memory to 4 bytes a pixel, 256 MiB by default.
struct DecodeLimits {
  int maxSide = 32767;
  std::int64_t maxPixels = std::int64_t(1) << 26;

  bool Allows(std::int64_t width, std::int64_t height) const {
    return width > 0 && height > 0 && width <= maxSide && height <= maxSide && width * height <= maxPixels;
  }
};

struct DecodedImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  // Bits per pixel of the source (1, 4, 8, 16, 24 or 32; a PNG's bit depth times its channels).
  int sourceBitsPerPixel = 32;
  // The source's colour table, opaque 0xFFRRGGBB entries, for sources of 8 bits or fewer.
  std::vector<std::uint32_t> palette;
  // One palette index per pixel for indexed bitmap sources (BMP and icon entries), else empty.
  std::vector<std::uint8_t> indices;
  // The hot spot of a cursor, in pixels from the top left.
  int hotSpotX = 0;
  int hotSpotY = 0;

  std::uint32_t Pixel(int x, int y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
};

inline constexpr std::uint32_t kOpaqueBlack = 0xFF000000u;

}  // namespace gdi
