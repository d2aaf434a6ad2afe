// Deterministic pictures for the codec tests and the fuzzing seeds.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/decoded_image.h"

namespace codec_test {

using Bytes = std::vector<std::uint8_t>;

inline std::uint32_t Argb(unsigned a, unsigned r, unsigned g, unsigned b) { return a << 24 | r << 16 | g << 8 | b; }
inline unsigned Channel(std::uint32_t p, int shift) { return (p >> shift) & 0xFF; }

// Smooth colour ramps with every alpha from 0 to 255 when `alpha` is set (opaque otherwise).
inline gdi::DecodedImage Gradient(int width, int height, bool alpha) {
  gdi::DecodedImage image;
  image.width = width;
  image.height = height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const unsigned a = alpha ? unsigned((x * 37 + y * 11) % 256) : 255;
      image.pixels.push_back(
          Argb(a, unsigned(x * 255 / width), unsigned(y * 255 / height), unsigned((x + y) * 4 % 256)));
    }
  return image;
}

// An indexed image of `bits` per pixel whose palette has `entries` colours, all of them used.
inline gdi::DecodedImage Indexed(int width, int height, int bits, int entries) {
  gdi::DecodedImage image;
  image.width = width;
  image.height = height;
  image.sourceBitsPerPixel = bits;
  for (int i = 0; i < entries; ++i)
    image.palette.push_back(Argb(255, unsigned(i * 53 % 256), unsigned(i * 101 % 256), unsigned(255 - i)));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const auto index = std::uint8_t((x * 7 + y * 3) % entries);
      image.indices.push_back(index);
      image.pixels.push_back(image.palette[index]);
    }
  return image;
}

}  // namespace codec_test
