// Channel arithmetic shared by the blending calls: products of bytes divided by 255 and rounded to
// nearest, and "straight" (not premultiplied) alpha compositing.
#pragma once

#include <cstdint>

#include "platform/gdi/pixel_surface.h"

namespace gdi {

// x * y / 255 rounded to nearest, for bytes (exact: t = x * y + 128, (t + (t >> 8)) >> 8).
inline std::uint32_t Mul255(std::uint32_t x, std::uint32_t y) {
  const std::uint32_t t = x * y + 128;
  return (t + (t >> 8)) >> 8;
}

// The source over the destination with the source's own, unpremultiplied alpha a: each colour
// channel d = (s * a + d * (255 - a) + 127) / 255, and the alpha byte the same with s = 255.
inline Pixel StraightOver(Pixel s, Pixel d) {
  const std::uint32_t a = s >> 24;
  Pixel out = 0;
  for (int k = 0; k < 4; ++k) {
    const std::uint32_t sv = k == 3 ? 255 : (s >> (8 * k)) & 0xFF, dv = (d >> (8 * k)) & 0xFF;
    out |= Pixel((sv * a + dv * (255 - a) + 127) / 255) << (8 * k);
  }
  return out;
}

}  // namespace gdi
